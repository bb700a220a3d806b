// Ravelmark: the program's entry point. Makes the data folder the working folder and runs the game
// full screen, or in an 800 x 600 window with --windowed.
#include "app/CChessApp.h"
#include "app/CGameScreenFactory.h"
#include "app/DataFolder.h"

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char **argv) {
  CChessApp::Display display = CChessApp::Display::FullScreen;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--windowed") == 0) {
      display = CChessApp::Display::Windowed;
    } else {
      std::fprintf(stderr, "usage: %s [--windowed]\n", argv[0]);
      return 2;
    }
  }
  if (!EnterDataFolder(argc > 0 ? argv[0] : nullptr))
    std::fprintf(stderr, "Ravelmark: cannot enter the game's data folder; looking in the current folder\n");

  CChessApp app(std::make_unique<CGameScreenFactory>());
  return app.Run(display);
}
