#include "app/CMainFrame.h"

#include "app/CEngine.h"
#include "app/CScreenFactory.h"
#include "app/CScreenManager.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CDisplayWindow.h"

CMainFrame::CMainFrame(std::unique_ptr<CDisplayWindow> displayWindow, std::unique_ptr<CScreenFactory> screens)
    : window(std::move(displayWindow)) {
  engine = new CEngine(window.get(), nullptr, kWidth, kHeight, D3DFMT_R5G6B5);
  if (engine->HasDisplay()) manager = new CScreenManager(engine, std::move(screens));
}

CMainFrame::~CMainFrame() {
  if (engine || manager) OnClose();
}

void CMainFrame::OnClose() {
  if (manager) {
    delete manager;
    manager = nullptr;
  }
  if (engine) {
    delete engine;
    engine = nullptr;
  }
  quitPosted = true;
}
