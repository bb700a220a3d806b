// A screen the screen manager switches to by its id. It posts a request for the next screen in
// `next` (0 = none); its Load clears the request. Screen ids are listed here.
#pragma once

#include "app/CScreen.h"

#include <cstdint>

// The ids of the managed screens. A request for 0 closes the current screen.
namespace screen_id {
constexpr int32_t kNone = 0;
constexpr int32_t kFreePlaySetup = 2;
constexpr int32_t kTwoPlayerSetup = 3;
constexpr int32_t kLoadGame = 4;
constexpr int32_t kOptions = 5;
constexpr int32_t kMatch = 6;           // hosts a Free Play or Two Player match, or a resumed one
constexpr int32_t kTournamentMatch = 7; // runs the three stages of a tournament
constexpr int32_t kTournamentSetup = 8;
} // namespace screen_id

class CManagedScreen : public CScreen {
public:
  CManagedScreen();
  ~CManagedScreen() override;

  virtual void SetId(int32_t newId);
  virtual int32_t GetId();
  virtual void SetNext(int32_t id);
  virtual int32_t GetNext();
  // Whether the other screen carries this screen's id.
  virtual bool IsSameScreen(CManagedScreen *other);

  int32_t id = 0;
  int32_t next = 0;
};
