#include "CGameHarness.h"
#include "TestScreens.h"
#include "app/ArtManifest.h"
#include "app/CEngine.h"
#include "widgets/CButton.h"
#include "widgets/CIndexBox.h"
#include "widgets/CInputBox.h"
#include "widgets/CToggleButton.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLeft = 150; // the screen's corner: every widget rectangle is relative to it
constexpr int kTop = 20;
const std::string kClick = art::kSoundClick.path;
const std::string kCheck = art::kSoundCheck.path;

// The game with a stand-in menu and one loaded test screen at (150, 20)-(662, 275) in layer 0 that
// runs its widgets every frame, as the game's panels do.
class WidgetTest : public ::testing::Test {
protected:
  WidgetTest() {
    auto screens = std::make_unique<CTestScreenFactory>(std::vector<int32_t>{});
    log = screens->log;
    game = std::make_unique<CGameHarness>(std::move(screens));
    STestScreenSetup setup;
    setup.name = "panel";
    setup.left = kLeft;
    setup.top = kTop;
    setup.right = 662;
    setup.bottom = 275;
    screen = std::make_unique<CTestScreen>(game->Engine(), log, setup);
    screen->Load();
  }
  ~WidgetTest() override { screen->Release(); }

  CButton *AddButton(int l, int t, int r, int b) {
    auto *button = new CButton(l, t, r, b, FlatSprite(*screen, 0, 0, r - l, b - t, 0xC00000),
                               FlatSprite(*screen, 0, 0, r - l, b - t, 0x00C000),
                               AttachedSound(*screen, art::kSoundClick));
    screen->AddButton(button);
    return button;
  }
  CToggleButton *AddToggle(int l, int t, int r, int b) {
    auto *button = new CToggleButton(l, t, r, b, FlatSprite(*screen, 0, 0, r - l, b - t, 0x0000C0),
                                     FlatSprite(*screen, 0, 0, r - l, b - t, 0x00C0C0),
                                     AttachedSound(*screen, art::kSoundCheck));
    screen->AddToggleButton(button);
    return button;
  }
  CInputBox *AddInputBox(const char *text) {
    auto *box =
        new CInputBox(200, 100, 327, 131, 203, 103, 324, 128, ArtSprite(*screen, art::kInputBox), text);
    screen->AddInputBox(box);
    return box;
  }
  // Display position of a screen-local point.
  static int X(int localX) { return kLeft + localX; }
  static int Y(int localY) { return kTop + localY; }

  std::shared_ptr<STestLog> log;
  std::unique_ptr<CGameHarness> game;
  std::unique_ptr<CTestScreen> screen;
};

TEST_F(WidgetTest, HitTestsLeaveOutEveryEdge) {
  CButton *button = AddButton(32, 200, 159, 231);
  CToggleButton *toggle = AddToggle(300, 200, 427, 231);
  CInputBox *box = AddInputBox("");
  struct Case {
    int x, y; // screen-local
    bool inside;
  } cases[] = {
      {32, 215, false},  {33, 215, true},  {159, 215, false}, {158, 215, true},
      {100, 200, false}, {100, 201, true}, {100, 231, false}, {100, 230, true},
  };
  for (const Case &c : cases) {
    button->pressed = 0;
    toggle->pressed = 0;
    toggle->holdOffUntil = 0;
    box->focused = 0;
    game->Click(X(c.x), Y(c.y));
    EXPECT_EQ(button->pressed, c.inside) << c.x << "," << c.y;
    // The same rectangle shifted onto the toggle and the input box.
    game->Click(X(c.x + 268), Y(c.y));
    EXPECT_EQ(toggle->pressed, c.inside) << c.x + 268 << "," << c.y;
    game->Click(X(c.x + 168), Y(c.y - 100));
    EXPECT_EQ(box->focused, c.inside) << c.x + 168 << "," << c.y - 100;
  }
}

TEST_F(WidgetTest, AHeldButtonLatchesAndSoundsOnceUntilTheScreenClearsIt) {
  CButton *button = AddButton(32, 200, 159, 231);
  game->MoveCursorTo(X(100), Y(215));
  game->HoldButton();
  game->Frames(5, 100);
  EXPECT_EQ(button->pressed, 1);
  EXPECT_EQ(game->Audio().PlayCount(kClick), 1);
  EXPECT_EQ(game->Pixel(X(90), Y(210)), 0x00C000u); // pushed picture, beside the cursor

  button->pressed = 0; // the screen acts and clears the latch: the held button latches again
  game->Frame();
  EXPECT_EQ(button->pressed, 1);
  EXPECT_EQ(game->Audio().PlayCount(kClick), 2);
  game->ReleaseButton();
  game->Frame();
  EXPECT_EQ(button->pressed, 1); // stays latched while nobody clears it
}

TEST_F(WidgetTest, AHeldToggleFlipsAtOnceAndEvery300Ms) {
  CToggleButton *toggle = AddToggle(32, 200, 159, 231);
  game->MoveCursorTo(X(100), Y(215));
  game->HoldButton();
  std::vector<int> states;
  for (uint32_t wait : {0u, 299u, 1u, 150u, 150u}) {
    game->Advance(wait);
    game->Frame();
    states.push_back(toggle->pressed);
  }
  EXPECT_EQ(states, (std::vector<int>{1, 1, 0, 0, 1}));
  EXPECT_EQ(game->Audio().PlayCount(kCheck), 3);
}

TEST_F(WidgetTest, WidgetListsAreNewestFirstSoTheOldestIsDrawnOnTop) {
  EXPECT_EQ(screen->buttons.Count(), 0);
  CButton *older = AddButton(10, 10, 100, 100);
  auto *newer = new CButton(50, 50, 150, 150, FlatSprite(*screen, 0, 0, 100, 100, 0x404040),
                            FlatSprite(*screen, 0, 0, 100, 100, 0x404040), nullptr);
  EXPECT_EQ(screen->AddButton(newer), 2);
  EXPECT_EQ(screen->buttons.Head(), newer);
  game->Frame();
  EXPECT_EQ(game->Pixel(X(75), Y(75)), 0xC00000u); // the older button, drawn after the newer
  // A click on the overlap reaches both.
  game->Click(X(75), Y(75));
  EXPECT_EQ(older->pressed, 1);
  EXPECT_EQ(newer->pressed, 1);
}

TEST_F(WidgetTest, TypingTakesLettersWithShiftAndLetsDigitsWin) {
  const int X_ = harness::KeyCode('x'), A = harness::KeyCode('a'), Z = harness::KeyCode('z');
  const int five = harness::KeyCode('5'), zero = harness::KeyCode('0');
  const int space = 0x39, keypad5 = 0x4C, backspace = harness::kBackspace;
  struct Case {
    const char *initial;
    std::vector<int> keys;
    const char *expected;
  } cases[] = {
      {"Player", {X_}, "Playerx"},
      {"Player", {harness::kLeftShift, X_}, "PlayerX"},
      {"Player", {harness::kRightShift, X_}, "PlayerX"},
      {"Player", {A, Z}, "Playerz"},
      {"Player", {Z, five}, "Player5"},
      {"Player", {five, zero}, "Player5"},
      {"Player", {harness::kLeftShift, five}, "Player5"},
      {"Player", {space, keypad5}, "Player"},
      {"Player", {backspace}, "Playe"},
      {"Player", {X_, backspace}, "Player"},
      {"", {backspace}, ""},
      {"Fourteen5chars", {X_}, "Fourteen5chars"},
      {"Fifteen6charsXY", {X_}, "Fifteen6charsXY"},
      {"ThisNameIsMuchTooLong", {}, "ThisNameIsMuchT"}, // cut to what fits
  };
  for (const Case &c : cases) {
    screen->ClearWidgets();
    CInputBox *box = AddInputBox(c.initial);
    game->Click(X(250), Y(115)); // focus
    game->Advance(200);
    for (int key : c.keys)
      game->HoldKey(key);
    game->Frame();
    for (int key : c.keys)
      game->ReleaseKey(key);
    EXPECT_STREQ(box->text, c.expected) << c.initial << " + " << c.keys.size() << " keys";
  }
}

TEST_F(WidgetTest, TypingStopsAt14CharactersAndBackspaceRepeatsEvery200Ms) {
  CInputBox *box = AddInputBox(nullptr);
  game->Click(X(250), Y(115));
  game->TypeText("abcdefghijklmnop");
  EXPECT_STREQ(box->text, "abcdefghijklmn");

  game->HoldKey(harness::kBackspace);
  std::vector<std::string> texts;
  for (uint32_t wait : {0u, 199u, 1u, 200u}) {
    game->Advance(wait);
    game->Frame();
    texts.push_back(box->text);
  }
  game->ReleaseKey(harness::kBackspace);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"abcdefghijklm", "abcdefghijklm", "abcdefghijkl", "abcdefghijk"}));
}

TEST_F(WidgetTest, KeysNeedTheFocusAndAClickElsewhereTakesItAway) {
  CInputBox *box = AddInputBox("Save");
  game->PressKey(harness::KeyCode('q'));
  EXPECT_STREQ(box->text, "Save");

  game->Click(X(250), Y(115));
  EXPECT_EQ(box->focused, 1);
  game->TypeText("Me");
  EXPECT_STREQ(box->text, "SaveMe");

  game->Click(X(400), Y(200)); // on the screen, off the box
  EXPECT_EQ(box->focused, 0);
  game->TypeText("x");
  EXPECT_STREQ(box->text, "SaveMe");
}

TEST_F(WidgetTest, WithTheButtonHeldOnTheBoxAKeyIsTakenOnce) {
  CInputBox *box = AddInputBox("");
  game->MoveCursorTo(X(250), Y(115));
  game->HoldButton();
  game->HoldKey(harness::KeyCode('k'));
  game->Frame(); // the keys are offered twice in this frame
  EXPECT_STREQ(box->text, "k");
}

TEST_F(WidgetTest, TheCaretShowsInTheSecondHalfOfEachSecond) {
  CInputBox *box = AddInputBox("");
  uint32_t start = box->caretDeadline;
  std::vector<int> shown;
  for (uint32_t at : {1u, 499u, 501u, 999u, 1001u, 1002u})
    shown.push_back(box->CaretShown(start + at));
  // A new cycle starts once the first (which ended at construction) is over.
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 1, 1, 0}));
}

// The saved-games list: box (32, 39)-(287, 231), text column (63, 70)-(256, 200), rows of 31.
class IndexBoxTest : public WidgetTest {
protected:
  CIndexBox *AddIndexBox(int items) {
    auto *box = new CIndexBox(
        32, 39, 287, 231, 63, 70, 256, 200, 31, ArtSprite(*screen, art::kIndexBox),
        ArtSprite(*screen, art::kIndexBoxButton), ArtSprite(*screen, art::kIndexBoxButtonPushed),
        AttachedSound(*screen, art::kSoundClick), AttachedSound(*screen, art::kSoundCheck));
    for (int i = 1; i <= items; ++i)
      box->AddItem(nullptr, nullptr, ("Save" + std::to_string(i)).c_str());
    screen->AddIndexBox(box);
    return box;
  }
  static std::string Name(const CIndexBoxItem *item) { return item ? item->name : "(none)"; }
  void ClickAndWait(int localX, int localY) {
    game->Click(X(localX), Y(localY));
    game->Advance(201);
  }
};

TEST_F(IndexBoxTest, NineItemsInFourRowsScrollDownEightTimesAndNoMore) {
  CIndexBox *box = AddIndexBox(9);
  EXPECT_EQ(box->GetSelectedItem(), nullptr);
  game->Frame();
  EXPECT_EQ(Name(box->GetSelectedItem()), "Save9"); // the item added last, from the first drawn frame
  EXPECT_EQ(Name(box->firstVisible), "Save9");
  ASSERT_TRUE(game->SaveFrame("index-box.png"));

  for (int i = 0; i < 10; ++i)
    ClickAndWait(270, 215);
  EXPECT_EQ(Name(box->firstVisible), "Save1");
  EXPECT_EQ(game->Audio().PlayCount(kClick), 8);
  EXPECT_EQ(Name(box->GetSelectedItem()), "Save9"); // scrolled out of view, still selected
  EXPECT_EQ(box->VisibleRows(), 4);
  game->Frame();
  ASSERT_TRUE(game->SaveFrame("index-box-scrolled.png"));

  ClickAndWait(270, 50); // up one
  EXPECT_EQ(Name(box->firstVisible), "Save2");
}

TEST_F(IndexBoxTest, TheUpArrowAtTheTopOnlyLooksPushedFor200Ms) {
  CIndexBox *box = AddIndexBox(3);
  game->Frame();
  game->Click(X(270), Y(50));
  EXPECT_EQ(Name(box->firstVisible), "Save3");
  EXPECT_EQ(box->upPressed, 1);
  EXPECT_EQ(game->Audio().PlayCount(kClick), 0);
  std::vector<int> pushed;
  for (uint32_t wait : {100u, 100u, 1u}) {
    game->Advance(wait);
    game->Frame();
    pushed.push_back(box->upPressed);
  }
  EXPECT_EQ(pushed, (std::vector<int>{1, 1, 0}));
}

TEST_F(IndexBoxTest, RowsAreChosenInsideTheColumnEdgesIncluded) {
  CIndexBox *box = AddIndexBox(2); // Save2 on row 0, Save1 on row 1, rows 2 and 3 empty
  game->Frame();
  struct Case {
    int x, y;
    const char *selected; // after the click, starting from Save2
  } cases[] = {
      {63, 110, "Save1"},  {256, 110, "Save1"}, // the column's edges belong to it
      {62, 110, "Save2"},  {257, 110, "Save2"}, // just outside
      {150, 101, "Save2"},                      // on the boundary between rows 0 and 1
      {150, 102, "Save1"}, {150, 140, "Save2"}, // the first empty row changes nothing
      {150, 180, "Save2"},
  };
  for (const Case &c : cases) {
    box->selected = box->Head();
    int played = game->Audio().PlayCount(kCheck);
    ClickAndWait(c.x, c.y);
    EXPECT_EQ(Name(box->GetSelectedItem()), c.selected) << c.x << "," << c.y;
    EXPECT_EQ(game->Audio().PlayCount(kCheck) - played, std::string(c.selected) == "Save1" ? 1 : 0)
        << c.x << "," << c.y;
  }
}

TEST_F(IndexBoxTest, HoldingOnARowSelectsItAgainEvery200Ms) {
  AddIndexBox(4);
  game->Frame();
  game->MoveCursorTo(X(150), Y(85));
  game->HoldButton();
  for (uint32_t wait : {0u, 200u, 1u, 200u}) {
    game->Advance(wait);
    game->Frame();
  }
  EXPECT_EQ(game->Audio().PlayCount(kCheck), 2); // at 0 and at 201, not at 200 or 401
}

TEST_F(IndexBoxTest, AnEmptyOrRowlessBoxIgnoresClicks) {
  CIndexBox *empty = AddIndexBox(0);
  game->Frame();
  ClickAndWait(150, 85);
  ClickAndWait(270, 215);
  EXPECT_EQ(empty->GetSelectedItem(), nullptr);
  EXPECT_EQ(empty->downPressed, 0);

  screen->ClearWidgets();
  auto *flat =
      new CIndexBox(32, 39, 287, 231, 63, 70, 256, 200, 0, FlatSprite(*screen, 0, 0, 10, 10, 0x202020),
                    FlatSprite(*screen, 0, 0, 10, 10, 0x202020), FlatSprite(*screen, 0, 0, 10, 10, 0x202020),
                    nullptr, nullptr);
  flat->AddItem(nullptr, nullptr, "Only");
  screen->AddIndexBox(flat);
  game->Frame();
  ClickAndWait(150, 85);
  EXPECT_EQ(flat->VisibleRows(), 0);
}

} // namespace
