// A themed board scene: everything a match shows behind and on the board. Once a frame the game
// screen asks its scene to draw the whole display: the scenery, the 64 tiles of the board with the
// selected-square overlay, the pieces where they stand or slide, and the scene's moving layer. A
// scene also plays its background sound from time to time.
//
// Life of a scene: constructed -> Load -> Draw every frame of one match -> Release -> deleted. The
// owner calls Release before deleting; the destructor only frees what a missed Release left behind.
//
// The board is drawn in its diamond layout: a square's tile goes at the square's screenX, screenY
// and a piece at its own screenX, screenY (which the move animation changes while it slides). Tiles
// and pieces are drawn back to front: row 0 to 7, and within a row column 7 down to 0, so that what
// is nearer the bottom of the display covers what stands behind it.
#pragma once

#include <cstdint>
#include <memory>

class CChessBoard;
class CDirectAudio8;
class CDirectGraphics8;
class CKeyboard;
class CMouse;
class CSound;
class CSprite;

// Which scene draws a match (the arena kind), as match settings and saved games store it.
constexpr int32_t kMistMountainArena = 1;
constexpr int32_t kDungeonArena = 2;
constexpr int32_t kRiverOfLifeArena = 3;

class CArena {
public:
  CArena() = default;
  virtual ~CArena();
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
  // Destroys every sprite and the sound and clears their pointers. Safe to call again.
  virtual void Release();

  // The scenes' sound timers last for the whole run of the program: a new match never resets them,
  // so the wind and the scream keep their rhythm from one match to the next. Only a test, which
  // plays many "program runs" in one process, puts them back to their state at program start.
  static void ResetProgramWideSoundTimersForTests();

protected:
  // The tiles, the selected-square overlay, the twelve pieces and the scene's sound, made the same
  // way by every scene. Tile A is drawn on squares whose row + column is odd, tile B on the others.
  void LoadBoard(CDirectGraphics8 *graphics, CDirectAudio8 *audio, const char *tileAFile, int tileAAlpha,
                 const char *tileBFile, int tileBAlpha, int selectedAlpha, const char *soundFile);
  // Tiles with their overlays, then the pieces.
  void DrawBoard(CDirectGraphics8 *graphics, const CChessBoard &board);
  // Moves the sprite's top-left corner to (x, y) and draws it; nothing for a null sprite.
  static void DrawAt(CDirectGraphics8 *graphics, CSprite *sprite, float x, float y);
  static CSprite *MakeSprite(CDirectGraphics8 *graphics, int width, int height, const char *file, int alpha);
  static void DeleteSprite(CSprite *&sprite);

  // Program-wide timers of the scenes' sounds, all clear at program start. Each remembers when its
  // sound last started, and a sound is due once more than its interval has passed since: an elapsed
  // time is an unsigned difference of tick counts, so this holds when the 32-bit tick count wraps.
  struct SSoundTimers {
    bool windPlayed = false; // Mist Mountain: the wind, at most once every two minutes
    uint32_t windStart = 0;
    bool screamSet = false; // Dungeon: the first scream 4 s after the first frame, then every 95 s
    uint32_t screamFrom = 0;
    uint32_t screamWait = 0;
    bool waterPlayed = false; // River Of Life: the water restarts when it has ended, at most once a second
    uint32_t waterStart = 0;
  };
  static SSoundTimers soundTimers;

  CSprite *tileA = nullptr;
  CSprite *tileB = nullptr;
  CSprite *selected = nullptr;
  CSprite *pieces[2][6] = {}; // by side (White 0, Black 1), then kind (King 0 ... Pawn 5)
  CSound *sound = nullptr;
};

// A new scene of the given kind, owned by the caller: 1 Mist Mountain, 2 Dungeon, and River Of Life
// for 3 and for any other value (a damaged saved game or settings record still gets a board).
std::unique_ptr<CArena> CreateArena(int32_t kind);
