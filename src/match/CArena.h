// A themed board scene: everything a match shows behind and on the board. Once a frame the game
// screen asks its scene to draw the whole display: the scenery, the 64 tiles of the board with the
// selected-square overlay, the pieces where they stand or slide, and the scene's moving layer. A
// scene also plays its background sound from time to time.
//
// Life of a scene: constructed -> Load -> Draw every frame of one match -> Release -> deleted. The
// owner calls Release before deleting; a scene deleted without it still frees everything, as every
// sprite and sound is held by a unique_ptr.
//
// The board is drawn in its diamond layout: a square's tile goes at the square's screenX, screenY
// and a piece at its own screenX, screenY (which the move animation changes while it slides). Tiles
// and pieces are drawn back to front: row 0 to 7, and within a row column 7 down to 0, so that what
// is nearer the bottom of the display covers what stands behind it.
#pragma once

#include "app/ArtManifest.h"
#include "platform/CSound.h"
#include "platform/CSprite.h"

#include <cstdint>
#include <memory>

class CChessBoard;
class CDirectAudio8;
class CDirectGraphics8;
class CKeyboard;
class CMouse;

// Which scene draws a match (the arena kind), as match settings and saved games store it.
constexpr int32_t kMistMountainArena = 1;
constexpr int32_t kDungeonArena = 2;
constexpr int32_t kRiverOfLifeArena = 3;

class CArena {
public:
  CArena() = default;
  virtual ~CArena() = default;
  CArena(const CArena &) = delete;
  CArena &operator=(const CArena &) = delete;

  // Creates the scene's sprites and its sound (anything an earlier Load made is released first)
  // and sets its animation going. Pictures or sounds that fail to load leave sprites and sounds
  // that draw and play as the graphics and audio devices make them; nothing fails here. Returns
  // false only without a graphics device.
  virtual bool Load(CDirectGraphics8 *graphics, CDirectAudio8 *audio);
  // Draws one frame of the scene for `board` and plays the scene's sound when it is due. The first
  // Draw of a scene may move the board on the display once (the Dungeon and River Of Life do).
  // The mouse and keyboard are passed for scenes that might react to them; none does. A null
  // board draws the scenery alone. Returns false without a graphics device.
  virtual bool Draw(CDirectGraphics8 *graphics, CDirectAudio8 *audio, CMouse *mouse, CKeyboard *keyboard,
                    CChessBoard *board);
  // Destroys every sprite and the sound and clears their pointers. Safe to call again. A scene that
  // adds sprites of its own releases them and then calls this.
  virtual void Release();

  // The scenes' sound timers last for the whole run of the program: a new match never resets them,
  // so the wind and the scream keep their rhythm from one match to the next. Only a test, which
  // plays many "program runs" in one process, puts them back to their state at program start.
  static void ResetProgramWideSoundTimersForTests();

protected:
  // The tiles, the selected-square overlay, the twelve pieces and the scene's sound, made the same
  // way by every scene. Tile A is drawn on squares whose row + column is odd, tile B on the others.
  void LoadBoard(CDirectGraphics8 *graphics, CDirectAudio8 *audio, const art::ArtFile &tileAFile,
                 int tileAAlpha, const art::ArtFile &tileBFile, int tileBAlpha, int selectedAlpha,
                 const art::ArtFile &soundFile);
  // Moves the board `dy` pixels down the display (up when negative) in the first Draw with a board
  // after a Load that set `firstFrame`. The board's squares and pieces are placed by then, new match
  // or loaded one, so the whole board moves once.
  void ShiftBoardOnFirstDraw(CChessBoard *board, int32_t dy);
  // Tiles with their overlays, then the pieces.
  void DrawBoard(CDirectGraphics8 *graphics, const CChessBoard &board);
  // The distance in pixels a layer moving at `speed` pixels per second has travelled since `start`.
  // At the very tick of `start` the offset keeps the value it had.
  static void UpdateDrift(float &offset, uint32_t start, uint32_t now, float speed);
  // Moves the sprite's top-left corner to (x, y) and draws it; nothing for a null sprite.
  static void DrawAt(CDirectGraphics8 *graphics, CSprite *sprite, float x, float y);
  // The picture untinted at its own size with its corner at (0, 0); only its opacity varies.
  static std::unique_ptr<CSprite> MakeSprite(CDirectGraphics8 *graphics, const art::ArtFile &file, int alpha);

  // When a scene's sound is next due. A timer remembers when it was last started and for how long;
  // the sound is due once more than that has passed, or at once while the timer has never been
  // started. An elapsed time is an unsigned difference of tick counts, so this holds when the 32-bit
  // tick count wraps.
  struct SSoundTimer {
    bool started = false;
    uint32_t from = 0;
    uint32_t wait = 0;
    bool Due(uint32_t now) const { return !started || now - from > wait; }
    void Start(uint32_t now, uint32_t nextWait) {
      started = true;
      from = now;
      wait = nextWait;
    }
  };
  // Program-wide, all clear at program start.
  struct SSoundTimers {
    SSoundTimer wind;   // Mist Mountain: the wind, at most once every two minutes
    SSoundTimer scream; // Dungeon: the first scream 4 s after the first frame, then every 95 s
    SSoundTimer water;  // River Of Life: the water restarts when it has ended, at most once a second
  };
  static SSoundTimers soundTimers;

  std::unique_ptr<CSprite> tileA;
  std::unique_ptr<CSprite> tileB;
  std::unique_ptr<CSprite> selected;
  std::unique_ptr<CSprite> pieces[2][6]; // by side (White 0, Black 1), then kind (King 0 ... Pawn 5)
  std::unique_ptr<CSound> sound;
  uint8_t firstFrame = 0; // 1 from the Load of a scene that moves the board until it has done so
};

// A new scene of the given kind, owned by the caller: 1 Mist Mountain, 2 Dungeon, and River Of Life
// for 3 and for any other value (a damaged saved game or settings record still gets a board).
std::unique_ptr<CArena> CreateArena(int32_t kind);
