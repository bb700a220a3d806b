// The game screen through the whole game, headless: the real engine and its devices on the test
// clock and the audio recorder, the generated art, and a game screen hosted here the way a match
// screen hosts it (players and scene made by the test, StartMatch or LoadSavedGame, frames driven
// one by one with scripted mouse clicks and keys; at the end unregister, EndMatch, destroy).
#include "CGameHarness.h"
#include "TestFiles.h"
#include "TestScreens.h"
#include "app/ArtManifest.h"
#include "app/CEngine.h"
#include "app/CScreenManager.h"
#include "match/CArena.h"
#include "match/CGameScreen.h"
#include "match/CRiverOfLifeArena.h"
#include "match/CSavedGame.h"
#include "platform/CDirectGraphics8.h"
#include "platform/Clock.h"
#include "players/CComputerPlayer.h"
#include "players/CHumanPlayer.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CStepAnimator.h"
#include "rules/CheckRules.h"
#include "rules/Fen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Middles of the widgets along the bottom of the display.
constexpr int kSaveNameX = 413, kSaveX = 563, kLeaveX = 715, kWidgetY = 575;
constexpr uint32_t kFrameMs = 16;
// Digit keys as the keyboard reports them: "1" is 2 ... "4" is 5.
int DigitKey(char digit) { return harness::KeyCode(digit); }

// A player that the test moves by hand: it counts how often it is asked and reports its move as
// complete when told to (without touching the board).
class CScriptedPlayer : public CPlayer {
public:
  CScriptedPlayer(Side s, const char *playerName, int32_t type = Human)
      : CPlayer(s, s == White ? kTowardRow0 : kTowardRow7, playerName, type) {}
  bool GetMove(CChessBoard &, CMouse &) override {
    ++asked;
    const bool done = completeNextTime;
    completeNextTime = false;
    return done;
  }
  int asked = 0;
  bool completeNextTime = false;
};

// Counts the program's clock reads (a search reads it at least once), on top of the harness clock.
class CCountingClock : public CClockSource {
public:
  explicit CCountingClock(CTestClock &clock) : inner(clock) { SetClockSource(this); }
  ~CCountingClock() override { SetClockSource(&inner); }
  uint32_t Ticks() override {
    ++reads;
    return inner.Ticks();
  }
  void Delay(uint32_t ms) override { inner.Delay(ms); }
  CTestClock &inner;
  int reads = 0;
};

FenSquare At(const std::string &name) {
  FenSquare square{kNoSquare, kNoSquare};
  EXPECT_TRUE(ParseSquareName(name, square)) << name;
  return square;
}

// Every piece: square, side, kind, neverMoved and pawn direction, and whether it stands at rest.
std::string PiecesOf(const CChessBoard &board) {
  std::string text;
  for (int32_t row = 0; row < kBoardSize; ++row) {
    for (int32_t column = 0; column < kBoardSize; ++column) {
      const CPiece *piece = board.PieceAt(row, column);
      if (!piece) continue;
      const CBoardSquare &square = board.Square(row, column);
      const bool atRest = piece->screenX == square.screenX + kPieceAnchorDx &&
                          piece->screenY == square.screenY + kPieceAnchorDy;
      text += SquareName(row, column) + ":" + std::to_string(piece->side) + std::to_string(piece->kind) +
              std::to_string(piece->neverMoved) + std::to_string(piece->direction) + (atRest ? "" : "~") +
              " ";
    }
  }
  return text;
}

std::string SceneName(int32_t kind) {
  switch (kind) {
  case kMistMountainArena:
    return "mist-mountain";
  case kDungeonArena:
    return "dungeon";
  default:
    return "river-of-life";
  }
}

class GameScreenTest : public ::testing::Test {
protected:
  GameScreenTest() {
    // Every test is a fresh run of the program.
    CGameScreen::ResetProgramWideTurnBannerForTests();
    CStepAnimator::ResetAll();
    CArena::ResetProgramWideSoundTimersForTests();
    game = std::make_unique<CGameHarness>(std::make_unique<CTestScreenFactory>(std::vector<int32_t>{}));
    // While a match is played the main menu is gone: the game screen draws the whole display.
    game->Engine()->Unregister(game->Manager()->MainMenu());
    screen = std::make_unique<CGameScreen>(game->Engine());
  }
  ~GameScreenTest() override {
    screen.reset();
    game.reset();
  }

  CEngine &Engine() { return *game->Engine(); }

  bool Registered() const {
    for (CScreen *held : game->Engine()->screens)
      if (held == screen.get()) return true;
    return false;
  }

  std::unique_ptr<CArena> Scene(int32_t kind) {
    std::unique_ptr<CArena> arena = CreateArena(kind);
    arena->Load(Engine().graphics, Engine().audio);
    return arena;
  }

  // A new match; with a FEN, from that position and side to move (set before the first frame, as
  // a loaded game is).
  void Start(std::unique_ptr<CPlayer> white, std::unique_ptr<CPlayer> black,
             int32_t kind = kMistMountainArena, const std::string &fen = "") {
    screen->StartMatch(std::move(white), std::move(black), Scene(kind), 0, kind, true);
    if (fen.empty()) return;
    Side toMove = White;
    ASSERT_TRUE(ParseFen(fen, *screen->board, toMove)) << fen;
    screen->turn = toMove == White ? 0 : 1;
  }

  // The match screen's part at the end: unregister, end, destroy; then a new screen for the next.
  void EndHostedMatch() {
    Engine().Unregister(screen.get());
    screen->EndMatch();
    screen = std::make_unique<CGameScreen>(game->Engine());
  }

  void Frame() {
    game->Frame();
    game->Advance(kFrameMs);
  }

  CPlayer &Mover() { return screen->turn == 0 ? *screen->player1 : *screen->player2; }

  // One frame with the left button held on the middle of the square's hit box.
  void ClickSquare(const std::string &name) {
    const FenSquare at = At(name);
    const CBoardSquare &square = screen->board->Square(at.row, at.column);
    game->Click(square.screenX + 48, square.screenY + 22);
    game->Advance(kFrameMs);
  }

  // Frames until the turn passes; false when it does not within `limit` frames.
  bool PlayUntilTurnPasses(int limit = 200) {
    const uint8_t before = screen->turn;
    for (int i = 0; i < limit; ++i) {
      Frame();
      if (screen->turn != before) return true;
    }
    return false;
  }

  // The human to move picks the piece on `from` and sends it to `to`; the move is carried out.
  void Move(const std::string &from, const std::string &to) {
    SCOPED_TRACE(from + to);
    while (CGameScreen::turnBannerPending)
      Frame();
    ClickSquare(from);
    ClickSquare(to);
    ASSERT_EQ(Mover().movePending, 1) << "the move was not accepted";
    ASSERT_TRUE(PlayUntilTurnPasses());
  }

  // Presses Leave; the latch holds until a frame looks at it (not one in which a move completes).
  void LeaveMatch() {
    game->Click(kLeaveX, kWidgetY);
    game->Advance(kFrameMs);
    for (int i = 0; i < 50 && !screen->leaveRequested; ++i)
      Frame();
    ASSERT_EQ(screen->leaveRequested, 1);
  }

  // The human to move plays its first legal move in board order (castling left out).
  void MoveAnything() {
    while (CGameScreen::turnBannerPending)
      Frame();
    const Side side = screen->turn == 0 ? White : Black;
    CChessBoard &board = *screen->board;
    for (int32_t row = 0; row < kBoardSize; ++row) {
      for (int32_t column = 0; column < kBoardSize; ++column) {
        CPiece *piece = board.PieceAt(row, column);
        if (!piece || piece->side != side) continue;
        CMoveList moves;
        piece->GenerateMoves(board, moves);
        for (const CMovePath &path : moves) {
          if (path.castling == 1 || !LeavesKingSafe(board, row, column, path.destRow, path.destCol, side))
            continue;
          Move(SquareName(row, column), SquareName(path.destRow, path.destCol));
          return;
        }
      }
    }
    FAIL() << "no legal move";
  }

  // Pixels of the frame that are clearly yellow, in the rectangle.
  int YellowPixels(int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const uint32_t rgb = game->Pixel(x, y);
        if ((rgb >> 16 & 255) > 200 && (rgb >> 8 & 255) > 200 && (rgb & 255) < 90) ++count;
      }
    }
    return count;
  }

  bool SaveExists(const std::string &name) const { return fs::exists(std::string("Saves/") + name); }

  std::unique_ptr<CGameHarness> game;
  std::unique_ptr<CGameScreen> screen;
};

// --- The turn cycle --------------------------------------------------------------------------------

TEST_F(GameScreenTest, EveryTurnStartsWithOneFrameThatOnlyShowsWhoseTurnItIs) {
  auto *white = new CScriptedPlayer(White, "Sir Perrin");
  auto *black = new CScriptedPlayer(Black, "Talvine");
  Start(std::unique_ptr<CPlayer>(white), std::unique_ptr<CPlayer>(black));
  EXPECT_TRUE(Registered());
  EXPECT_EQ(screen->layer, 1);

  // The first frame of the program's first match: the turn message alone.
  Frame();
  EXPECT_EQ(screen->ShownMessage(), "Sir Perrin's Turn");
  EXPECT_EQ(white->asked, 0);
  Frame();
  Frame();
  EXPECT_EQ(white->asked, 2);
  EXPECT_EQ(screen->ShownMessage(), "Sir Perrin's Turn");

  for (int move = 0; move < 3; ++move) {
    CScriptedPlayer &mover = move % 2 == 0 ? *white : *black;
    CScriptedPlayer &next = move % 2 == 0 ? *black : *white;
    const int nextAsked = next.asked;
    mover.completeNextTime = true;
    Frame();
    EXPECT_EQ(screen->turn, move % 2 == 0 ? 1 : 0);
    // Exactly one frame shows the next turn without asking, then it is asked every frame.
    Frame();
    EXPECT_EQ(screen->ShownMessage(), std::string(next.name) + "'s Turn");
    EXPECT_EQ(next.asked, nextAsked);
    Frame();
    EXPECT_EQ(next.asked, nextAsked + 1);
  }

  // The banner is the program's, not the match's: a match left while a player was being asked
  // leaves none pending, so the next match asks White in its very first frame.
  EndHostedMatch();
  auto *secondWhite = new CScriptedPlayer(White, "Wenna of Dulvaren");
  Start(std::unique_ptr<CPlayer>(secondWhite), std::make_unique<CScriptedPlayer>(Black, "Sir Gideon"));
  Frame();
  EXPECT_EQ(secondWhite->asked, 1);
  EXPECT_EQ(screen->ShownMessage(), "Wenna of Dulvaren's Turn");
}

TEST_F(GameScreenTest, HumanSelectsAndMovesByMouseAndAnIllegalDestinationStartsNothing) {
  Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"),
        std::make_unique<CHumanPlayer>(Black, kTowardRow7, "Talvine"));
  Frame(); // the banner
  auto &white = static_cast<CHumanPlayer &>(*screen->player1);

  ClickSquare("e2");
  EXPECT_EQ(white.selectedRow, At("e2").row);
  EXPECT_EQ(white.selectedCol, At("e2").column);
  // Three squares ahead is not a pawn's move: nothing starts and the selection stays, marked.
  const std::string before = PiecesOf(*screen->board);
  ClickSquare("e5");
  EXPECT_EQ(white.movePending, 0);
  for (int i = 0; i < 10; ++i)
    Frame();
  EXPECT_EQ(PiecesOf(*screen->board), before);
  EXPECT_EQ(screen->turn, 0);
  EXPECT_EQ(screen->board->Square(At("e2").row, At("e2").column).marked, 1);

  ClickSquare("e4");
  EXPECT_EQ(white.movePending, 1);
  ASSERT_TRUE(PlayUntilTurnPasses());
  EXPECT_EQ(screen->board->PieceAt(At("e4").row, At("e4").column)->kind, Pawn);
  EXPECT_EQ(screen->board->PieceAt(At("e2").row, At("e2").column), nullptr);
  EXPECT_EQ(screen->board->Square(At("e2").row, At("e2").column).marked, 0);

  // Black's banner frame, then Black moves by mouse as well.
  Move("e7", "e5");
  EXPECT_EQ(screen->turn, 0);
  EXPECT_EQ(screen->board->PieceAt(At("e5").row, At("e5").column)->side, Black);
}

TEST_F(GameScreenTest, InitiatePlaysItsOpeningMoveThenSearches) {
  auto *computer = new CComputerPlayer(White, kTowardRow0, "Talvine", Initiate);
  Start(std::unique_ptr<CPlayer>(computer), std::make_unique<CHumanPlayer>(Black, kTowardRow7, "Sir Perrin"));
  Frame(); // the banner: not asked yet
  EXPECT_EQ(computer->openingPending, 1);
  EXPECT_EQ(computer->movePending, 0);
  Frame();
  EXPECT_EQ(computer->openingPending, 0);
  EXPECT_EQ(computer->movePending, 1);
  const std::string opening = SquareName(computer->pendingMove.startRow, computer->pendingMove.startCol) +
                              SquareName(computer->pendingMove.destRow, computer->pendingMove.destCol);
  EXPECT_TRUE(opening == "e2e4" || opening == "d2d4" || opening == "b1a3") << opening;
  ASSERT_TRUE(PlayUntilTurnPasses());
  const FenSquare landed = At(opening.substr(2));
  ASSERT_NE(screen->board->PieceAt(landed.row, landed.column), nullptr);

  Move("g8", "f6");
  // White's banner frame, then the search.
  Frame();
  EXPECT_EQ(computer->movePending, 0);
  Frame();
  EXPECT_EQ(computer->movePending, 1);
  EXPECT_GT(computer->LastSearch().nodes, 0u);
  ASSERT_TRUE(PlayUntilTurnPasses());
}

// --- Promotion -----------------------------------------------------------------------------------

TEST_F(GameScreenTest, HumanPromotesByDigitKeyAndTheHighestPieceNumberWins) {
  // A tap is pressed and released between two frames: it still counts, for that one frame.
  const struct {
    std::string digits;
    PieceKind kind;
    bool tap;
  } cases[] = {{"2", Rook, false}, {"13", Bishop, false},   {"4", Knight, true},
               {"1", Queen, true}, {"1234", Knight, false}, {"", Pawn, false}};
  int32_t kind = kMistMountainArena;
  for (const auto &c : cases) {
    SCOPED_TRACE("digits '" + c.digits + "'");
    CGameScreen::ResetProgramWideTurnBannerForTests();
    CStepAnimator::ResetAll();
    auto *black = new CScriptedPlayer(Black, "Talvine");
    // The scenes take turns; the first three cases save a frame of the prompt on each.
    const bool look = kind <= kRiverOfLifeArena;
    Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"), std::unique_ptr<CPlayer>(black),
          (kind - 1) % 3 + 1, "7k/P7/8/8/8/8/8/K7 w - - 0 1");
    ++kind;
    Move("a7", "a8");
    EXPECT_EQ(screen->turn, 1);

    // The prompt stays up, with no turn message and nobody asked, until a digit is held.
    for (int i = 0; i < 3; ++i) {
      Frame();
      EXPECT_TRUE(screen->PromptShown());
      EXPECT_EQ(screen->ShownMessage(), "");
    }
    EXPECT_EQ(black->asked, 0);
    if (look) game->SaveFrame("game-" + SceneName(screen->arenaKind) + "-promotion-prompt.png");

    for (char digit : c.digits)
      game->HoldKey(DigitKey(digit));
    if (c.tap) {
      for (char digit : c.digits)
        game->ReleaseKey(DigitKey(digit));
    }
    Frame();
    for (char digit : c.digits)
      game->ReleaseKey(DigitKey(digit));
    const CPiece *piece = screen->board->PieceAt(At("a8").row, At("a8").column);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->kind, c.kind);
    EXPECT_EQ(piece->side, White);
    if (c.kind == Pawn) {
      Frame();
      EXPECT_TRUE(screen->PromptShown());
      EndHostedMatch();
      continue;
    }
    EXPECT_EQ(piece->direction, kTowardRow0);
    EXPECT_EQ(piece->neverMoved, 1);
    EXPECT_EQ(PiecesOf(*screen->board).find('~'), std::string::npos) << "the new piece stands on its square";

    // The choice cost no move: Black's banner frame follows, then Black is asked.
    Frame();
    EXPECT_FALSE(screen->PromptShown());
    EXPECT_EQ(screen->ShownMessage(), "Talvine's Turn");
    EXPECT_EQ(black->asked, 0);
    Frame();
    EXPECT_EQ(black->asked, 1);
    EndHostedMatch();
  }
}

TEST_F(GameScreenTest, ComputersPawnBecomesAQueenAtOnce) {
  // Black's only legal move is the pawn's advance to its last row.
  auto *computer = new CComputerPlayer(Black, kTowardRow7, "Talvine", Initiate);
  computer->openingPending = 0;
  Start(std::make_unique<CScriptedPlayer>(White, "Sir Perrin"), std::unique_ptr<CPlayer>(computer),
        kMistMountainArena, "5N1k/5K2/8/8/8/8/p7/8 b - - 0 1");
  Frame();
  ASSERT_TRUE(PlayUntilTurnPasses());
  const FenSquare a1 = At("a1");
  EXPECT_EQ(screen->board->PieceAt(a1.row, a1.column)->kind, Pawn);
  Frame();
  EXPECT_FALSE(screen->PromptShown());
  EXPECT_EQ(screen->ShownMessage(), "Sir Perrin's Turn");
  const CPiece *queen = screen->board->PieceAt(a1.row, a1.column);
  ASSERT_NE(queen, nullptr);
  EXPECT_EQ(queen->kind, Queen);
  EXPECT_EQ(queen->side, Black);
  EXPECT_EQ(queen->direction, kTowardRow7);
}

// --- The end of a match ----------------------------------------------------------------------------

TEST_F(GameScreenTest, BeatenSideEndsTheMatchAndOnlyLeaveWorks) {
  const struct {
    const char *fen;
    const char *message;
    const char *winner;
  } cases[] = {
      // White checkmated at the start of its turn.
      {"rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3", "Talvine WINS!", "Talvine"},
      // Black has nothing but its king, and the king cannot move.
      {"k7/8/1Q6/8/8/8/8/K7 b - - 0 1", "Sir Perrin WINS!", "Sir Perrin"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.fen);
    auto *white = new CScriptedPlayer(White, "Sir Perrin");
    auto *black = new CScriptedPlayer(Black, "Talvine");
    Start(std::unique_ptr<CPlayer>(white), std::unique_ptr<CPlayer>(black), kMistMountainArena, c.fen);
    for (int i = 0; i < 3; ++i) {
      Frame();
      EXPECT_EQ(screen->ShownMessage(), c.message);
    }
    EXPECT_STREQ(screen->GetWinnerName(), c.winner);
    EXPECT_EQ(white->asked + black->asked, 0);

    // Save is not looked at once the match is won.
    game->Click(kSaveX, kWidgetY);
    Frame();
    EXPECT_FALSE(SaveExists(CGameScreen::kInitialSaveName));
    EXPECT_FALSE(SaveExists("SavesList.csl"));

    const uint32_t slept = game->Clock().Slept();
    const int stops = game->Audio().StopAllCount();
    const uint32_t before = game->Now();
    game->Click(kLeaveX, kWidgetY);
    EXPECT_EQ(screen->leaveRequested, 1);
    EXPECT_EQ(game->Clock().Slept(), slept + CGameScreen::kLeavePauseMs);
    EXPECT_EQ(game->Audio().StopAllCount(), stops + 1);
    // The sounds stop after the pause.
    EXPECT_EQ(game->Audio().Events().back().kind, CAudioRecorder::EventKind::StoppedAll);
    EXPECT_EQ(game->Audio().Events().back().tick, before + CGameScreen::kLeavePauseMs);
    EndHostedMatch();
  }
}

TEST_F(GameScreenTest, SideWithoutALegalMoveIsToldSoAndCanLeave) {
  // White has a king and a blocked pawn, is not in check and cannot move: not beaten.
  const char *stalemate = "7k/8/8/8/7p/7P/5q2/7K w - - 0 1";
  Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Wenna of Dulvaren"),
        std::make_unique<CScriptedPlayer>(Black, "Talvine"), kDungeonArena, stalemate);
  Frame();
  EXPECT_EQ(screen->ShownMessage(), "Wenna of Dulvaren has no legal move");
  ClickSquare("h1");
  ClickSquare("g1");
  EXPECT_EQ(screen->ShownMessage(), "Wenna of Dulvaren has no legal move");
  EXPECT_EQ(screen->player1->movePending, 0);
  EXPECT_EQ(screen->GetWinnerName(), nullptr);
  game->SaveFrame("game-dungeon-no-legal-move.png");
  game->Click(kLeaveX, kWidgetY);
  EXPECT_EQ(screen->leaveRequested, 1);
  EndHostedMatch();

  // A computer in that state is asked every frame but searches only once.
  auto *computer = new CComputerPlayer(White, kTowardRow0, "Talvine", Champion);
  computer->openingPending = 0;
  Start(std::unique_ptr<CPlayer>(computer), std::make_unique<CScriptedPlayer>(Black, "Sir Perrin"),
        kMistMountainArena, stalemate);
  ASSERT_EQ(CGameScreen::turnBannerPending, 0); // the last match was left while a player was asked
  std::vector<int> reads;
  {
    CCountingClock counting(game->Clock());
    for (int i = 0; i < 4; ++i) {
      const int before = counting.reads;
      Frame();
      reads.push_back(counting.reads - before);
    }
  }
  EXPECT_EQ(screen->ShownMessage(), "Talvine has no legal move");
  EXPECT_EQ(computer->movePending, 0);
  EXPECT_GT(reads[0], reads[1]) << "the first frame searches";
  EXPECT_EQ(reads[1], reads[2]);
  EXPECT_EQ(reads[2], reads[3]);
}

// --- Saving and loading ----------------------------------------------------------------------------

TEST_F(GameScreenTest, SaveWritesTheGameAndItsListEntryAndReleasesTheButton) {
  Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"),
        std::make_unique<CComputerPlayer>(Black, kTowardRow7, "Talvine", Champion), kDungeonArena);
  // Pressed in the banner frame, Save waits for the first frame that asks for a move.
  game->Click(kSaveX, kWidgetY);
  game->Advance(kFrameMs);
  EXPECT_EQ(screen->saveButton->pressed, 1);
  EXPECT_FALSE(SaveExists("Save"));
  Frame();
  EXPECT_EQ(screen->saveButton->pressed, 0);
  EXPECT_EQ(ReadTextFile("Saves/Save").size(), 526u);
  EXPECT_EQ(ReadTextFile(CSavedGame::kSavesListPath), "Save\r\n");

  // A name typed into the box; pressed while the player is asked, it is written in that frame.
  game->Click(kSaveNameX, kWidgetY);
  game->Advance(kFrameMs);
  for (int i = 0; i < 4; ++i) {
    game->PressKey(harness::kBackspace);
    game->Advance(200);
  }
  game->TypeText("Dungeon2");
  EXPECT_STREQ(screen->saveNameBox->text, "Dungeon2");
  game->Click(kSaveX, kWidgetY);
  EXPECT_EQ(screen->saveButton->pressed, 0);
  EXPECT_TRUE(SaveExists("Dungeon2"));
  EXPECT_EQ(ReadTextFile(CSavedGame::kSavesListPath), "Save\r\nDungeon2\r\n");

  // An empty name writes nothing, and the button is released all the same.
  game->Click(kSaveNameX, kWidgetY);
  game->Advance(kFrameMs);
  for (int i = 0; i < 8; ++i) {
    game->PressKey(harness::kBackspace);
    game->Advance(200);
  }
  EXPECT_STREQ(screen->saveNameBox->text, "");
  game->Advance(300);
  game->Click(kSaveX, kWidgetY);
  EXPECT_EQ(screen->saveButton->pressed, 0);
  EXPECT_EQ(ReadTextFile(CSavedGame::kSavesListPath), "Save\r\nDungeon2\r\n");
}

TEST_F(GameScreenTest, SavedGameResumesInTheSamePositionWithNoOpeningAndNoPawnToTakeInPassing) {
  // Black's knight can land behind White's pawn once it has advanced two squares.
  const char *position = "4k3/8/8/8/6n1/8/4P3/4K3 w - - 0 1";
  const auto play = [&](bool saveAndResume) {
    Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"),
          std::make_unique<CHumanPlayer>(Black, kTowardRow7, "Talvine"), kDungeonArena, position);
    Move("e2", "e4");
    ASSERT_EQ(screen->board->passedPawnRow, At("e4").row);
    if (saveAndResume) {
      Frame(); // Black's banner frame
      game->Click(kSaveX, kWidgetY);
      ASSERT_TRUE(SaveExists("Save"));
      const std::string pieces = PiecesOf(*screen->board);
      game->Click(kLeaveX, kWidgetY);
      ASSERT_EQ(screen->leaveRequested, 1);
      EndHostedMatch();

      std::string reason;
      ASSERT_TRUE(screen->LoadSavedGame("Save", &reason)) << reason;
      EXPECT_TRUE(Registered());
      EXPECT_EQ(screen->layer, 1);
      EXPECT_EQ(screen->turn, 1);
      EXPECT_EQ(screen->arenaKind, kDungeonArena);
      EXPECT_EQ(screen->isTournament, 0);
      EXPECT_STREQ(screen->player1->name, "Sir Perrin");
      EXPECT_STREQ(screen->player2->name, "Talvine");
      EXPECT_EQ(screen->player1->playerType, Human);
      EXPECT_EQ(screen->player2->side, Black);
      EXPECT_EQ(screen->player2->pawnDirection, kTowardRow7);
      EXPECT_EQ(screen->player1->openingPending, 0);
      EXPECT_EQ(screen->player2->openingPending, 0);
      EXPECT_EQ(screen->board->passedPawnRow, kNoSquare);
      EXPECT_EQ(screen->board->passedPawnCol, kNoSquare);
      EXPECT_STREQ(screen->saveNameBox->text, "Save");
      Frame();
      // The same pieces where they stood, shifted with the Dungeon's board.
      EXPECT_EQ(PiecesOf(*screen->board), pieces);
      EXPECT_EQ(screen->board->Square(7, 0).screenY, 506);
    }
    Move("g4", "e3");
  };

  play(false);
  EXPECT_EQ(screen->board->PieceAt(At("e4").row, At("e4").column), nullptr) << "taken in passing";
  EndHostedMatch();
  play(true);
  ASSERT_NE(screen->board->PieceAt(At("e4").row, At("e4").column), nullptr);
  EXPECT_EQ(screen->board->PieceAt(At("e4").row, At("e4").column)->kind, Pawn);
}

TEST_F(GameScreenTest, LoadedComputerSearchesFromItsFirstMove) {
  // Saved with the computer to move and a mate in one on the board.
  CChessBoard board;
  Side toMove;
  ASSERT_TRUE(ParseFen("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1", board, toMove));
  ASSERT_TRUE(CSavedGame::FromMatch(board, "Talvine", Initiate, "Sir Perrin", Human, 1, 3, 0).Save("Mate"));
  ASSERT_TRUE(screen->LoadSavedGame("Mate"));
  EXPECT_EQ(screen->isTournament, 1);
  auto *computer = dynamic_cast<CComputerPlayer *>(screen->player1.get());
  ASSERT_NE(computer, nullptr);
  EXPECT_EQ(computer->searchDepth, kInitiateDepth);
  for (int i = 0; i < 3 && computer->movePending == 0; ++i)
    Frame();
  ASSERT_EQ(computer->movePending, 1);
  EXPECT_EQ(SquareName(computer->pendingMove.startRow, computer->pendingMove.startCol) +
                SquareName(computer->pendingMove.destRow, computer->pendingMove.destCol),
            "d1d8");
  ASSERT_TRUE(PlayUntilTurnPasses());
  Frame();
  EXPECT_EQ(screen->ShownMessage(), "Talvine WINS!");
}

TEST_F(GameScreenTest, MissingOrRefusedSavedGameStartsNoMatchAndChangesNothing) {
  std::vector<uint8_t> good;
  {
    CChessBoard board;
    board.SetUpStartingPosition(true);
    good = CSavedGame::FromMatch(board, "Sir Perrin", Human, "Talvine", Champion, 0, 1, 0).ToBytes();
  }
  std::vector<uint8_t> noKing = good;
  noKing.resize(CSavedGame::kFixedPartSize); // no pieces at all
  std::vector<uint8_t> random(300);
  uint32_t seed = 12345;
  for (uint8_t &byte : random) {
    seed = seed * 1103515245u + 12345u;
    byte = static_cast<uint8_t>(seed >> 16);
  }
  const struct {
    const char *name;
    std::vector<uint8_t> bytes;
    bool write;
  } cases[] = {
      {"Missing", {}, false},
      {"Empty", {}, true},
      {"Short", std::vector<uint8_t>(good.begin(), good.begin() + 77), true},
      {"NoKing", noKing, true},
      {"Random", random, true},
      {"..", {}, false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    if (c.write) WriteBytes(std::string("Saves/") + c.name, c.bytes);
    std::vector<std::string> listing;
    for (const auto &entry : fs::directory_iterator("Saves"))
      listing.push_back(entry.path().string());
    std::string reason;
    EXPECT_FALSE(screen->LoadSavedGame(c.name, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(Registered());
    EXPECT_EQ(screen->board, nullptr);
    EXPECT_EQ(screen->arena, nullptr);
    EXPECT_EQ(screen->player1, nullptr);
    std::vector<std::string> after;
    for (const auto &entry : fs::directory_iterator("Saves"))
      after.push_back(entry.path().string());
    EXPECT_EQ(after, listing);
    Frame(); // the engine draws nothing of it
  }
}

TEST_F(GameScreenTest, UnknownArenaKindsInASavedGameGetRiverOfLife) {
  for (int32_t kind : {0, 7}) {
    SCOPED_TRACE(kind);
    CChessBoard board;
    board.SetUpStartingPosition(true);
    ASSERT_TRUE(CSavedGame::FromMatch(board, "Sir Perrin", Human, "Talvine", Human, 0, kind, 0)
                    .Save("Odd" + std::to_string(kind)));
    ASSERT_TRUE(screen->LoadSavedGame("Odd" + std::to_string(kind)));
    EXPECT_NE(dynamic_cast<CRiverOfLifeArena *>(screen->arena.get()), nullptr);
    EXPECT_EQ(screen->arenaKind, kind);
    Frame();
    EXPECT_EQ(screen->board->Square(7, 0).screenX, 360);
    EXPECT_EQ(screen->board->Square(7, 0).screenY, 386);
    EndHostedMatch();
  }
}

// --- Whole matches -----------------------------------------------------------------------------------

class WholeMatchTest : public GameScreenTest, public ::testing::WithParamInterface<int32_t> {};

// Two people at one mouse play the quickest mate there is, saving half way, leaving, resuming and
// leaving again once it is won. Frames are saved for looking at.
TEST_P(WholeMatchTest, PlayedSavedResumedAndLeft) {
  const int32_t kind = GetParam();
  const std::string scene = SceneName(kind);
  Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"),
        std::make_unique<CHumanPlayer>(Black, kTowardRow7, "Ysolde The Great"), kind);
  Frame();
  // The scene moves the board once, in its first frame.
  const int32_t shift = kind == kDungeonArena ? 60 : kind == kRiverOfLifeArena ? -60 : 0;
  EXPECT_EQ(screen->board->Square(7, 0).screenX, 360);
  EXPECT_EQ(screen->board->Square(7, 0).screenY, 446 + shift);
  Frame();
  EXPECT_EQ(screen->board->Square(7, 0).screenY, 446 + shift);

  Move("f2", "f3");
  Move("e7", "e5");
  Frame(); // White's banner frame
  game->Click(kSaveX, kWidgetY);
  ASSERT_TRUE(SaveExists("Save"));
  game->Click(kLeaveX, kWidgetY);
  ASSERT_EQ(screen->leaveRequested, 1);
  EndHostedMatch();

  ASSERT_TRUE(screen->LoadSavedGame("Save"));
  Frame();
  EXPECT_EQ(screen->board->Square(7, 0).screenY, 446 + shift);
  EXPECT_EQ(screen->turn, 0);
  EXPECT_EQ(screen->ShownMessage(), "Sir Perrin's Turn");

  // A piece mid-slide, its square marked, the turn message.
  ClickSquare("g2");
  ClickSquare("g4");
  ASSERT_EQ(screen->player1->movePending, 1);
  Frame();
  Frame();
  Frame();
  EXPECT_NE(PiecesOf(*screen->board).find('~'), std::string::npos) << "the pawn is sliding";
  EXPECT_EQ(screen->board->Square(At("g2").row, At("g2").column).marked, 1);
  EXPECT_GT(YellowPixels(25, 560, 300, 600), 50) << "the turn message is drawn in yellow";
  game->SaveFrame("game-" + scene + "-mid-move.png");
  ASSERT_TRUE(PlayUntilTurnPasses());

  Move("d8", "h4");
  Frame();
  EXPECT_EQ(screen->ShownMessage(), "Ysolde The Great WINS!");
  EXPECT_STREQ(screen->GetWinnerName(), "Ysolde The Great");
  game->SaveFrame("game-" + scene + "-won.png");
  game->Click(kLeaveX, kWidgetY);
  EXPECT_EQ(screen->leaveRequested, 1);
  EndHostedMatch();
  Frame();
}

INSTANTIATE_TEST_SUITE_P(Scenes, WholeMatchTest,
                         ::testing::Values(kMistMountainArena, kDungeonArena, kRiverOfLifeArena),
                         [](const ::testing::TestParamInfo<int32_t> &info) {
                           const std::string name = SceneName(info.param);
                           return name == "mist-mountain" ? std::string("MistMountain")
                                  : name == "dungeon"     ? std::string("Dungeon")
                                                          : std::string("RiverOfLife");
                         });

// Human against the Initiate for a few moves on each scene, saved and resumed with the computer to
// move: it searches, never plays an opening, after the load.
TEST_P(WholeMatchTest, HumanAgainstInitiateSavedAndResumed) {
  const int32_t kind = GetParam();
  Start(std::make_unique<CHumanPlayer>(White, kTowardRow0, "Sir Perrin"),
        std::make_unique<CComputerPlayer>(Black, kTowardRow7, "Talvine", Initiate), kind);
  Frame();
  Move("d2", "d4");
  ASSERT_TRUE(PlayUntilTurnPasses()); // the computer's opening
  Move("g1", "f3");
  Frame();                       // the computer's banner frame
  game->Click(kSaveX, kWidgetY); // asked: it searches in this very frame, and the save follows
  ASSERT_TRUE(SaveExists("Save"));
  LeaveMatch();
  EndHostedMatch();

  ASSERT_TRUE(screen->LoadSavedGame("Save"));
  EXPECT_EQ(screen->turn, 1);
  auto *computer = dynamic_cast<CComputerPlayer *>(screen->player2.get());
  ASSERT_NE(computer, nullptr);
  ASSERT_TRUE(PlayUntilTurnPasses());
  EXPECT_GT(computer->LastSearch().nodes, 0u);
  MoveAnything();
  ASSERT_TRUE(PlayUntilTurnPasses());
  LeaveMatch();
}

} // namespace
