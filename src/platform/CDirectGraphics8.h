// The graphics device: owns the display's drawing, begins, clears and presents frames, makes sprites
// from bitmap files and draws them, and keeps the log "CDirectGraphics8 Log.txt".
//
// Coordinates are display pixels as floats, x from 0 at the left edge to 800 at the right, y from 0
// at the top to 600 at the bottom, whatever size the real screen has. Sprites are drawn in call
// order, alpha-blended, so a later draw covers an earlier one. A frame is BeginFrame, ClearScreen,
// any number of DrawSprite and text draws (CFont), EndFrame.
//
// On a headless window it draws through the software renderer into the window's 800 x 600 frame;
// the frame can then be read back pixel by pixel or saved as a PNG file. The pixels are the same on
// every run and every machine.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CDisplayWindow;
class CLogFile;
class CSprite;
class CFont;
struct SGraphicsDevice;

// Display format codes (CreateFullScreenDisplayMode's `format`).
constexpr int D3DFMT_A8R8G8B8 = 21;
constexpr int D3DFMT_X8R8G8B8 = 22;
constexpr int D3DFMT_R5G6B5 = 23;
constexpr int D3DFMT_X1R5G5B5 = 24;

class CDirectGraphics8 {
public:
  // Opens the log. A null window leaves the device unable to draw (and says so in the log).
  explicit CDirectGraphics8(CDisplayWindow *window);
  // Releases every texture (sprites still alive keep their rectangles but draw nothing), writes
  // "\n\nEND\n" to the log and closes it.
  ~CDirectGraphics8();
  CDirectGraphics8(const CDirectGraphics8 &) = delete;
  CDirectGraphics8 &operator=(const CDirectGraphics8 &) = delete;

  // Obtains the drawing device for the window at the given size, logging the attempt. Returns false
  // (logging why) when no device can be had. The display is always true colour with 8-bit alpha in
  // textures, whichever format is asked for. vsync waits for the screen's retrace on presenting.
  bool CreateFullScreenDisplayMode(bool vsync, unsigned width, unsigned height, int format);

  bool BeginFrame();
  // Fills the whole frame with the colour. Returns true.
  bool ClearScreen(int red, int green, int blue, int alpha);
  bool EndFrame();

  // A new sprite covering (left, top)-(right, bottom), never null. With a file, the bitmap is loaded
  // and resampled to the rectangle's size (each side truncated, taken absolute); every opaque pure
  // black pixel (0, 0, 0) becomes fully transparent. A file that cannot be loaded gives a sprite
  // without a texture and "FAIL TO LOAD TEXTURE" in the log. The tint is as CSprite::SetColour.
  CSprite *CreateSprite(float left, float top, float right, float bottom, const char *file, int red,
                        int green, int blue, int alpha);
  // Draws the sprite. Returns false, drawing nothing, when it lies wholly outside the display (a
  // sprite touching an edge from outside, such as one at left 800, is still drawn).
  bool DrawSprite(CSprite *sprite);

  // Whether a display mode was obtained.
  bool HasDevice() const;
  unsigned Width() const { return width; }
  unsigned Height() const { return height; }
  int Format() const { return format; }
  CLogFile *Log() { return log; }

  // Reading the frame back (headless windows only; false or 0 elsewhere). Everything drawn so far is
  // included, so these can be called after EndFrame or in the middle of a frame.
  // One pixel as 0xRRGGBB; 0 outside the frame.
  uint32_t GetPixel(int x, int y);
  // The whole frame, row by row from the top, each pixel 0xRRGGBB.
  bool ReadFrame(std::vector<uint32_t> &pixels);
  // Saves the frame as a PNG file.
  bool SaveFrame(const char *pngFile);

private:
  friend class CSprite;
  friend class CFont;
  void Forget(CSprite *sprite);
  void Forget(CFont *font);
  void DestroyTextures();
  bool FlushForReading();

  CDisplayWindow *window;
  std::unique_ptr<SGraphicsDevice> device;
  unsigned width = 0;
  unsigned height = 0;
  int format = 0;
  CLogFile *log;
  CSprite *sprites = nullptr; // every live sprite made here, so their textures go with the device
  std::vector<CFont *> fonts;
};
