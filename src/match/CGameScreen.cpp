#include "match/CGameScreen.h"

#include "app/ArtManifest.h"
#include "app/CEngine.h"
#include "match/CArena.h"
#include "match/CSavedGame.h"
#include "platform/CDirectAudio8.h"
#include "platform/CDirectGraphics8.h"
#include "platform/CFont.h"
#include "platform/CKeyboard.h"
#include "platform/CSound.h"
#include "platform/Clock.h"
#include "players/CComputerPlayer.h"
#include "players/CHumanPlayer.h"
#include "players/CPlayer.h"
#include "rules/CChessBoard.h"
#include "rules/CPiece.h"
#include "rules/CheckRules.h"

namespace {

// The strip along the bottom of the display (left, top, right, bottom). The turn and winner message
// reaches up to the save-name box, so that a long name and " WINS!" still fit. The promotion prompt
// is wider than the display in the game's font: it takes two lines over the box and buttons. A side
// without a legal move is named on the line just above the message, which goes on with "has no
// legal move": on one line it would run into the save-name box, or, higher up, into the Dungeon's
// board, which reaches down to about y 550.
constexpr RECT kMessageRect{25, 560, 345, 600};
constexpr RECT kNameLineRect{25, 530, 345, 560};
constexpr RECT kPromptLineRects[2] = {{25, 498, 775, 528}, {25, 526, 775, 558}};
constexpr RECT kSaveNameBox{350, 560, 477, 591};
constexpr RECT kSaveNameText{353, 563, 474, 588};
constexpr RECT kSaveButton{500, 560, 627, 591};
constexpr RECT kLeaveButton{652, 560, 779, 591};

const uint32_t kYellow = D3DCOLOR_ARGB(255, 255, 255, 0);

// The digit keys of the promotion choice, highest precedence first: "4" a knight, "3" a bishop,
// "2" a rook, "1" a queen.
struct PromotionKey {
  int code;
  PieceKind kind;
};
constexpr PromotionKey kPromotionKeys[] = {{5, Knight}, {4, Bishop}, {3, Rook}, {2, Queen}};

std::unique_ptr<CPlayer> MakePlayer(Side side, const char *name, int32_t type) {
  const uint8_t direction = side == White ? kTowardRow0 : kTowardRow7;
  if (type == Human) return std::make_unique<CHumanPlayer>(side, direction, name);
  return std::make_unique<CComputerPlayer>(side, direction, name, type);
}

} // namespace

uint8_t CGameScreen::turnBannerPending = 1;

void CGameScreen::ResetProgramWideTurnBannerForTests() { turnBannerPending = 1; }

CGameScreen::CGameScreen(CEngine *owner) : engine(owner) { ClearWidgets(); }

CGameScreen::~CGameScreen() {
  if (engine) engine->Unregister(this);
  EndMatch();
}

void CGameScreen::Show() {
  SetRect(0, 0, 800, 600);
  if (engine) engine->Register(this);
  if (audio) audio->StopAll();
  Activate();
  layer = kGameLayer;
}

void CGameScreen::StartMatch(std::unique_ptr<CPlayer> white, std::unique_ptr<CPlayer> black,
                             std::unique_ptr<CArena> scene, uint8_t tournament, int32_t kind,
                             bool whiteNear) {
  EndMatch();
  Show();
  player1 = std::move(white);
  player2 = std::move(black);
  arena = std::move(scene);
  board = std::make_unique<CChessBoard>();
  board->SetUpStartingPosition(whiteNear);
  turn = 0;
  leaveRequested = 0;
  isTournament = tournament;
  arenaKind = kind;
  CreateWidgets();
}

bool CGameScreen::LoadSavedGame(const std::string &name, std::string *reason) {
  // Nothing is set up for a file that will not load.
  CSavedGame game;
  if (!CSavedGame::Load(name, game, reason)) return false;

  EndMatch();
  Show();
  board = std::make_unique<CChessBoard>();
  game.PlaceOnto(*board); // every piece at rest, no marks, no pawn open to capture in passing
  leaveRequested = 0;
  player1 = MakePlayer(White, game.whiteName, game.whiteType);
  player2 = MakePlayer(Black, game.blackName, game.blackType);
  // A resumed computer searches from its first move.
  player1->openingPending = 0;
  player2->openingPending = 0;
  isTournament = game.isTournament;
  arenaKind = game.arenaKind;
  arena = CreateArena(arenaKind);
  arena->Load(graphics, audio);
  turn = game.turn;
  CreateWidgets();
  return true;
}

void CGameScreen::CreateWidgets() {
  ClearWidgets();
  saveNameBox = nullptr;
  saveButton = nullptr;
  leaveButton = nullptr;
  if (!graphics) return;
  const auto sprite = [this](const art::ArtFile &file) {
    return graphics->CreateSprite(0, 0, static_cast<float>(file.width), static_cast<float>(file.height),
                                  file.path, 255, 255, 255, 255);
  };
  const auto click = [this]() {
    CSound *sound = new CSound;
    sound->Load(art::kSoundClick.path);
    if (audio) audio->Attach(sound);
    return sound;
  };

  saveNameBox = new CInputBox(kSaveNameBox.left, kSaveNameBox.top, kSaveNameBox.right, kSaveNameBox.bottom,
                              kSaveNameText.left, kSaveNameText.top, kSaveNameText.right,
                              kSaveNameText.bottom, sprite(art::kInputBox), kInitialSaveName);
  AddInputBox(saveNameBox);
  saveButton = new CToggleButton(kSaveButton.left, kSaveButton.top, kSaveButton.right, kSaveButton.bottom,
                                 sprite(art::kButtonSave), sprite(art::kButtonSavePushed), click());
  AddToggleButton(saveButton);
  leaveButton = new CButton(kLeaveButton.left, kLeaveButton.top, kLeaveButton.right, kLeaveButton.bottom,
                            sprite(art::kButtonLeave), sprite(art::kButtonLeavePushed), click());
  AddButton(leaveButton);
}

bool CGameScreen::Update() {
  shownMessage.clear();
  promptShown = false;
  if (!active || !board || !arena || !player1 || !player2) return true;

  arena->Draw(graphics, audio, mouse, keyboard, board.get());
  DispatchWidgetInput();
  DrawWidgets();
  if (keyboard) keyboard->Read();

  if (PromotionPending()) {
    RunPromotionChoice();
    return true;
  }

  if (turn == 0 || turn == 1) {
    const Side side = turn == 0 ? White : Black;
    CPlayer &mover = turn == 0 ? *player1 : *player2;
    const CPlayer &opponent = turn == 0 ? *player2 : *player1;

    if (HasNoEscape(*board, side)) {
      shownMessage = std::string(opponent.name) + kWinsSuffix;
      DrawYellow(shownMessage.c_str(), kMessageRect);
      if (leaveButton && leaveButton->pressed) Leave();
      return true;
    }

    // A side that cannot move but is not beaten: the match stands still until someone leaves.
    if (mover.movePending == 0 && !HasLegalMove(*board, side)) {
      shownMessage = std::string(mover.name) + kNoLegalMoveSuffix;
      DrawYellow(mover.name, kNameLineRect);
      DrawYellow(kNoLegalMoveSuffix + 1, kMessageRect); // without its leading space
    } else {
      shownMessage = std::string(mover.name) + kTurnSuffix;
      DrawYellow(shownMessage.c_str(), kMessageRect);
    }
    if (turnBannerPending == 1) {
      turnBannerPending = 0;
      return true;
    }
    if (mouse && mover.GetMove(*board, *mouse)) {
      turn = turn == 0 ? 1 : 0;
      turnBannerPending = 1;
      return true;
    }
  }

  if (saveButton && saveButton->pressed) {
    SaveGame();
    saveButton->pressed = 0;
  }
  if (leaveButton && leaveButton->pressed) Leave();
  return true;
}

bool CGameScreen::SaveGame(std::string *reason) {
  if (!board || !player1 || !player2 || !saveNameBox) {
    if (reason) *reason = "no match is being played";
    return false;
  }
  return CSavedGame::FromMatch(*board, *player1, *player2, isTournament, arenaKind, turn)
      .Save(saveNameBox->text, reason);
}

const char *CGameScreen::GetWinnerName() {
  if (!board || !player1 || !player2) return nullptr;
  if (HasNoEscape(*board, White)) return player2->name;
  if (HasNoEscape(*board, Black)) return player1->name;
  return nullptr;
}

bool CGameScreen::FindWaitingPawn(int32_t &row, int32_t &column, const CPlayer *&owner) const {
  // A pawn of direction 0 waits on row 0, one of direction 1 on row 7; its owner is the player of
  // that pawn direction, White's player looked at first.
  struct LastRow {
    int32_t row;
    uint8_t direction;
  };
  for (const LastRow last : {LastRow{0, kTowardRow0}, LastRow{kBoardSize - 1, kTowardRow7}}) {
    for (int32_t c = 0; c < kBoardSize; ++c) {
      const CPiece *piece = board->PieceAt(last.row, c);
      if (!piece || piece->kind != Pawn || piece->direction != last.direction) continue;
      const CPlayer *found = player1->pawnDirection == last.direction   ? player1.get()
                             : player2->pawnDirection == last.direction ? player2.get()
                                                                        : nullptr;
      if (!found) continue;
      row = last.row;
      column = c;
      owner = found;
      return true;
    }
  }
  return false;
}

bool CGameScreen::PromotionPending() {
  if (!board || !player1 || !player2) return false;
  int32_t row = kNoSquare, column = kNoSquare;
  const CPlayer *owner = nullptr;
  if (!FindWaitingPawn(row, column, owner)) return false;
  if (owner->playerType == Human) return true;
  ReplacePawn(row, column, Queen);
  return false;
}

void CGameScreen::RunPromotionChoice() {
  DrawPrompt();
  if (!keyboard) return;
  keyboard->Read();
  for (const PromotionKey &key : kPromotionKeys) {
    if (!keyboard->IsKeyDown(key.code)) continue;
    int32_t row = kNoSquare, column = kNoSquare;
    const CPlayer *owner = nullptr;
    if (FindWaitingPawn(row, column, owner)) ReplacePawn(row, column, key.kind);
    return;
  }
}

void CGameScreen::ReplacePawn(int32_t row, int32_t column, int32_t kind) {
  const CPiece *pawn = board->PieceAt(row, column);
  if (!pawn) return;
  std::unique_ptr<CPiece> piece = CreatePiece(static_cast<PieceKind>(kind));
  piece->side = pawn->side;
  piece->direction = pawn->direction;
  piece->row = row;
  piece->column = column;
  board->ClearSquare(row, column);
  board->PlacePiece(row, column, piece.release()); // at rest on its square
}

void CGameScreen::DrawYellow(const char *text, const RECT &where) {
  if (CFont *font = Font()) {
    RECT rect = where;
    font->DrawTextA(text, -1, &rect, 0, kYellow);
  }
}

void CGameScreen::DrawPrompt() {
  promptShown = true;
  // Split after "...": the request on the first line, the choices on the second.
  static const std::string prompt = kPromotionPrompt;
  static const size_t split = [] {
    const size_t dots = prompt.find("...");
    return dots == std::string::npos ? prompt.size() : dots + 3;
  }();
  static const std::string lines[2] = {prompt.substr(0, split), prompt.substr(split)};
  for (int i = 0; i < 2; ++i)
    DrawYellow(lines[i].c_str(), kPromptLineRects[i]);
}

void CGameScreen::Leave() {
  if (leaveRequested) return; // the host has been told already
  Sleep(kLeavePauseMs);
  if (audio) audio->StopAll();
  leaveRequested = 1;
}

void CGameScreen::EndMatch() {
  player1.reset();
  player2.reset();
  board.reset();
  if (arena) arena->Release();
  arena.reset();
  ClearWidgets();
  saveNameBox = nullptr;
  saveButton = nullptr;
  leaveButton = nullptr;
  turn = 0;
  leaveRequested = 1;
  isTournament = 0;
  arenaKind = 0;
}
