#include "app/CChessApp.h"

#include "app/CEngine.h"
#include "app/CMainFrame.h"
#include "app/CScreenFactory.h"
#include "app/CScreenManager.h"
#include "app/StartupMessage.h"
#include "platform/CDisplayWindow.h"

#include <cstdio>

namespace {
constexpr const char *kTitle = "Ravelmark 1.1";
}

CChessApp::CChessApp(std::unique_ptr<CScreenFactory> screenSet) : screens(std::move(screenSet)) {}

CChessApp::~CChessApp() { ExitInstance(); }

bool CChessApp::InitInstance(Display display) {
  CDisplayWindow *window = nullptr;
  switch (display) {
  case Display::FullScreen:
    window = CDisplayWindow::OpenFullScreen(kTitle);
    break;
  case Display::Windowed:
    window = CDisplayWindow::OpenWindowed(kTitle);
    break;
  case Display::Headless:
    window = CDisplayWindow::OpenHeadless();
    break;
  }
  if (!window) std::fprintf(stderr, "Ravelmark: %s\n", CDisplayWindow::LastError().c_str());
  // Without a window the engine finds no display mode and tells the player so.
  mainFrame = std::make_unique<CMainFrame>(std::unique_ptr<CDisplayWindow>(window), std::move(screens));
  started = mainFrame->IsRunning();
  closePosted = false;
  return started;
}

bool CChessApp::OnIdle() {
  if (!mainFrame || !mainFrame->IsRunning()) return false;
  bool running = mainFrame->Engine()->Frame();
  if (!running) PostClose();
  mainFrame->Manager()->Update();
  return running;
}

bool CChessApp::Step() {
  if (!mainFrame || !mainFrame->IsRunning()) return false;
  if (mainFrame->Window()->PumpEvents()) closePosted = true;
  if (!closePosted) OnIdle();
  // A close posted by the frame is carried out before anything else runs.
  if (closePosted) {
    mainFrame->OnClose();
    return false;
  }
  return true;
}

int CChessApp::ExitInstance() {
  int status = started ? 0 : 1;
  mainFrame.reset();
  return status;
}

int CChessApp::Run(Display display) {
  if (InitInstance(display)) {
    while (Step()) {
    }
  }
  return ExitInstance();
}
