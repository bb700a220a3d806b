// The screen a match is played on. It owns the two players (White first), the board and the scene
// that draws it, and runs the turn cycle once a frame:
//   draw the scene; drive and draw the save-name box, the Save toggle and the Leave button; read the
//   keyboard; settle a pawn waiting on its last row (a human chooses with the digit keys, a computer
//   gets a queen at once); announce the winner when the side to move has no escape (only Leave
//   works from then on); otherwise show whose turn it is and, unless a move has just completed, ask
//   that player for its move; in the frames in which the player is asked and does not complete its
//   move, Save and then Leave are looked at.
// After every completed move exactly one frame shows the next player's turn without asking it, so
// the finished move is on screen before a computer's search holds the frame. Whether the very first
// frame of a match is such a frame is program-wide state (turnBannerPending) that no match resets.
// A side that still has pieces besides its king but no legal move (which does not end the match)
// is shown as having no legal move in place of its turn message; Leave works as usual.
//
// The screen is not switched by the screen manager: a match screen creates one per match, starts it
// with StartMatch or LoadSavedGame (which register it in layer 1), watches leaveRequested, then
// unregisters it, calls EndMatch and destroys it.
#pragma once

#include "app/CScreen.h"

#include <cstdint>
#include <memory>
#include <string>

class CArena;
class CChessBoard;
class CEngine;
class CPlayer;
struct RECT;

class CGameScreen : public CScreen {
public:
  static constexpr const char *kTurnSuffix = "'s Turn";
  static constexpr const char *kWinsSuffix = " WINS!";
  static constexpr const char *kNoLegalMoveSuffix = " has no legal move";
  static constexpr const char *kPromotionPrompt =
      "Press number to change pawn to...(1)Queen (2)Rook (3)Bishop (4)Horseman.";
  static constexpr const char *kInitialSaveName = "Save";
  static constexpr uint32_t kLeavePauseMs = 500;
  static constexpr int32_t kGameLayer = 1;

  explicit CGameScreen(CEngine *engine);
  // Unregisters the screen and ends a match that was not ended.
  ~CGameScreen() override;

  // Starts a new match on the starting position (White on rows 6 and 7 when `whiteNear`), White to
  // move. The caller has created both players (White with pawn direction 0, Black with 1) and
  // created and loaded the scene; the screen takes ownership of all three. A match still held is
  // ended first.
  void StartMatch(std::unique_ptr<CPlayer> white, std::unique_ptr<CPlayer> black,
                  std::unique_ptr<CArena> scene, uint8_t tournament, int32_t kind, bool whiteNear);
  // Resumes the saved game Saves/<name>: the file is read and checked before anything else, and a
  // missing or refused file (or a name that is not 1-14 letters and digits) changes nothing, not
  // even the registration, and returns false with a short reason. On success the players are made
  // from the saved names and types (neither plays an opening), the scene from the saved arena kind,
  // and the position and side to move from the file, with no pawn open to capture in passing.
  bool LoadSavedGame(const std::string &name, std::string *reason = nullptr);

  // One frame of the match (see above). Always true.
  bool Update() override;

  // Saves the match under the name in the save-name box (see CSavedGame::Save: nothing is written
  // for an empty or unusable name, and a failed save keeps any older save of that name). Nothing
  // is shown either way; the result and reason are for callers that want them.
  bool SaveGame(std::string *reason = nullptr);
  // Black's name when White has no escape, else White's name when Black has none, else null.
  const char *GetWinnerName();
  // Whether a human's pawn waits on its last row for the promotion choice. A computer's pawn found
  // there is replaced by a queen at once, and does not count.
  bool PromotionPending();
  // Deletes the players, the board and the scene and every widget. The match screen unregisters
  // the game screen first. Safe to call again.
  void EndMatch();

  // The turn, stalemate or winner message drawn by the last Update, empty when it drew none; and
  // whether it drew the promotion prompt.
  const std::string &ShownMessage() const { return shownMessage; }
  bool PromptShown() const { return promptShown; }

  // 1 when the next turn starts with a frame that only shows whose turn it is: 1 at program start,
  // set by every completed move, cleared by that frame. Never reset by a match.
  static uint8_t turnBannerPending;
  // Puts it back to its state at program start, for tests that play many "program runs".
  static void ResetProgramWideTurnBannerForTests();

  CEngine *engine = nullptr;
  std::unique_ptr<CPlayer> player1; // White, pawn direction 0
  std::unique_ptr<CPlayer> player2; // Black, pawn direction 1
  std::unique_ptr<CArena> arena;
  std::unique_ptr<CChessBoard> board;
  uint8_t turn = 0; // 0 White (player1) to move, 1 Black (player2)
  uint8_t isTournament = 0;
  int32_t arenaKind = 0; // also the stage of a tournament
  uint8_t leaveRequested = 0;
  // Owned by the widget lists.
  CInputBox *saveNameBox = nullptr;
  CToggleButton *saveButton = nullptr;
  CButton *leaveButton = nullptr;

private:
  // Registers the screen with the engine in the game layer, active, with every sound stopped.
  void Show();
  void CreateWidgets();
  // The first pawn standing on the last row of its direction (row 0 for direction 0, then row 7 for
  // direction 1) that has an owner, the player of that pawn direction; false when there is none.
  bool FindWaitingPawn(int32_t &row, int32_t &column, const CPlayer *&owner) const;
  void RunPromotionChoice();
  void ReplacePawn(int32_t row, int32_t column, int32_t kind);
  // Draws in the game's yellow, clipped to `where`.
  void DrawYellow(const char *text, const RECT &where);
  void DrawPrompt();
  // Pauses the program, stops every sound and raises leaveRequested (once).
  void Leave();

  std::string shownMessage;
  bool promptShown = false;
};
