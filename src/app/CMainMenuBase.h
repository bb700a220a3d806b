// What the screen manager needs of the main menu: a managed screen (id 0, never in the manager's
// list) that posts the id of the panel it wants open over it in `requestedScreen` (0 = none). The
// manager reads the request after every frame.
#pragma once

#include "app/CManagedScreen.h"

#include <cstdint>

class CMainMenuBase : public CManagedScreen {
public:
  int32_t requestedScreen = 0;
};
