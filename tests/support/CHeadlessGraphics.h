// A graphics device without a display, for tests and benchmarks: an 800 x 600 device on a headless
// window, with its display mode obtained, in a fresh temporary working folder (which gets the
// device's log and whatever pictures the test writes). Its frame can be read back pixel by pixel
// and saved as a PNG to look at.
//
//   CHeadlessGraphics headless;
//   ASSERT_TRUE(headless.Ready());
//   std::unique_ptr<CSprite> sprite(headless.graphics->CreateSprite(...));
#pragma once

#include "CTempFolder.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDisplayWindow.h"

#include <memory>
#include <string>

class CHeadlessGraphics {
public:
  CHeadlessGraphics();
  CHeadlessGraphics(const CHeadlessGraphics &) = delete;
  CHeadlessGraphics &operator=(const CHeadlessGraphics &) = delete;

  // Whether the window opened and the device obtained its display mode. Without them the device is
  // still there, but draws nothing.
  bool Ready() const;

  // In this order, so that the device goes before its window and both before the folder.
  CTempFolder folder;
  std::unique_ptr<CDisplayWindow> window;
  std::unique_ptr<CDirectGraphics8> graphics;
};

// Where frames saved for looking go (tests/frames in the build folder); it outlives the tests.
std::string FramesFolder();
// Saves the device's frame as a PNG. A relative name goes into FramesFolder(), made when missing.
bool SaveFrameForLooking(CDirectGraphics8 *graphics, const std::string &pngFile);
