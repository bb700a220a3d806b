#include "CHeadlessGraphics.h"

#include <filesystem>
#include <system_error>

#ifndef TESTS_BINARY_DIR
#error "TESTS_BINARY_DIR must name the tests' build folder"
#endif

CHeadlessGraphics::CHeadlessGraphics()
    : window(CDisplayWindow::OpenHeadless()), graphics(std::make_unique<CDirectGraphics8>(window.get())) {
  graphics->CreateFullScreenDisplayMode(false, CDisplayWindow::kWidth, CDisplayWindow::kHeight,
                                        D3DFMT_A8R8G8B8);
}

bool CHeadlessGraphics::Ready() const { return graphics && graphics->HasDevice(); }

std::string FramesFolder() { return std::string(TESTS_BINARY_DIR) + "/frames"; }

bool SaveFrameForLooking(CDirectGraphics8 *graphics, const std::string &pngFile) {
  if (!graphics) return false;
  std::filesystem::path path(pngFile);
  if (path.is_relative()) {
    std::error_code ignored;
    std::filesystem::create_directories(FramesFolder(), ignored);
    path = std::filesystem::path(FramesFolder()) / path;
  }
  return graphics->SaveFrame(path.string().c_str());
}
