#include "platform/CDirectGraphics8.h"

#include "platform/BitmapLoader.h"
#include "platform/CDisplayWindow.h"
#include "platform/CFont.h"
#include "platform/CLogFile.h"
#include "platform/CSprite.h"
#include "platform/DisplayWindowImpl.h"
#include "platform/GraphicsDevice.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const char *FormatName(int format) {
  switch (format) {
  case D3DFMT_A8R8G8B8:
    return "D3DFMT_A8R8G8B8";
  case D3DFMT_X8R8G8B8:
    return "D3DFMT_X8R8G8B8";
  case D3DFMT_R5G6B5:
    return "D3DFMT_R5G6B5";
  case D3DFMT_X1R5G5B5:
    return "D3DFMT_X1R5G5B5";
  default:
    return "";
  }
}

Uint8 ClampByte(int value) { return static_cast<Uint8>(std::min(255, std::max(0, value))); }

// The texture side of a rectangle edge pair: the difference truncated toward zero, then made
// positive. -1 when it is too large to be a texture.
int TextureSide(float from, float to) {
  double difference = std::trunc(static_cast<double>(to) - static_cast<double>(from));
  if (!(std::fabs(difference) <= kMaxTextureSide)) return -1;
  return static_cast<int>(std::fabs(difference));
}

// Coordinates this far outside the display are cut back to it before they reach the renderer, which
// works in 32-bit integers.
constexpr float kFarAway = 16384.0f;

// Along one axis of a stretched picture: the texels [first, last) that the display's span [0, size)
// shows, with one more on each side so that filtering at the cut sees the same neighbours, and the
// display span [from, to) those texels cover. `start` and `length` are the picture's on the display;
// `mirrored` when it is drawn flipped along this axis. False when none of it shows.
struct SVisibleSpan {
  int first, last;
  double from, to;
};

bool VisibleSpan(double start, double length, int texels, double size, bool mirrored, SVisibleSpan &span) {
  const double perTexel = length / texels;
  double low = -start / perTexel, high = (size - start) / perTexel;
  if (mirrored) {
    double mirroredLow = texels - high, mirroredHigh = texels - low;
    low = mirroredLow;
    high = mirroredHigh;
  }
  low = std::max(low, -2.0);
  high = std::min(high, texels + 2.0);
  span.first = std::max(0, static_cast<int>(std::floor(low)) - 1);
  span.last = std::min(texels, static_cast<int>(std::ceil(high)) + 1);
  if (span.last <= span.first) return false;
  const int before = mirrored ? texels - span.last : span.first;
  span.from = start + before * perTexel;
  span.to = span.from + (span.last - span.first) * perTexel;
  return true;
}

// The sprite's texture with the tint applied, made again only when the tint has changed since.
SDL_Texture *TintedTexture(SDL_Renderer *renderer, SSpriteTexture *texture, Uint8 red, Uint8 green,
                           Uint8 blue, Uint8 alpha) {
  if (texture->tinted && texture->tint[0] == red && texture->tint[1] == green && texture->tint[2] == blue &&
      texture->tint[3] == alpha)
    return texture->tinted;
  if (!texture->tinted) {
    texture->tinted = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                        texture->width, texture->height);
    if (!texture->tinted) return nullptr;
    // Stretched like the picture it copies.
    SDL_ScaleMode mode = SDL_ScaleModeLinear;
    SDL_GetTextureScaleMode(texture->texture, &mode);
    SDL_SetTextureScaleMode(texture->tinted, mode);
  }
  void *from = nullptr, *to = nullptr;
  int fromPitch = 0, toPitch = 0;
  if (SDL_LockTexture(texture->texture, nullptr, &from, &fromPitch) != 0) return nullptr;
  if (SDL_LockTexture(texture->tinted, nullptr, &to, &toPitch) != 0) {
    SDL_UnlockTexture(texture->texture);
    return nullptr;
  }
  // The renderer's own modulation: each channel times the tint, divided by 255 and truncated.
  bool opaque = true;
  for (int y = 0; y < texture->height; ++y) {
    const uint32_t *in =
        reinterpret_cast<const uint32_t *>(static_cast<const uint8_t *>(from) + y * fromPitch);
    uint32_t *out = reinterpret_cast<uint32_t *>(static_cast<uint8_t *>(to) + y * toPitch);
    for (int x = 0; x < texture->width; ++x) {
      uint32_t p = in[x];
      uint32_t a = (p >> 24) * alpha / 255;
      uint32_t r = ((p >> 16) & 255) * red / 255;
      uint32_t g = ((p >> 8) & 255) * green / 255;
      uint32_t b = (p & 255) * blue / 255;
      opaque = opaque && a == 255;
      out[x] = a << 24 | r << 16 | g << 8 | b;
    }
  }
  SDL_UnlockTexture(texture->tinted);
  SDL_UnlockTexture(texture->texture);
  SDL_SetTextureBlendMode(texture->tinted, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  texture->tint[0] = red;
  texture->tint[1] = green;
  texture->tint[2] = blue;
  texture->tint[3] = alpha;
  return texture->tinted;
}

} // namespace

CDirectGraphics8::CDirectGraphics8(CDisplayWindow *displayWindow)
    : window(displayWindow), device(new SGraphicsDevice), log(new CLogFile("CDirectGraphics8 Log.txt")) {
  if (!window) log->Write("CDirectGraphics8 failed to initialize - Direct3D interface == NULL");
}

CDirectGraphics8::~CDirectGraphics8() {
  DestroyTextures();
  if (device->renderer) SDL_DestroyRenderer(device->renderer);
  device->renderer = nullptr;
  log->Write("\n\nEND\n");
  delete log;
}

void CDirectGraphics8::DestroyTextures() {
  for (CFont *font : fonts)
    font->ReleaseDevice();
  fonts.clear();
  for (CSprite *sprite = sprites; sprite;) {
    CSprite *next = sprite->next;
    delete sprite->texture;
    sprite->texture = nullptr;
    sprite->graphics = nullptr;
    sprite->previous = sprite->next = nullptr;
    sprite = next;
  }
  sprites = nullptr;
}

void CDirectGraphics8::Forget(CSprite *sprite) {
  if (sprite->previous) {
    sprite->previous->next = sprite->next;
  } else if (sprites == sprite) {
    sprites = sprite->next;
  }
  if (sprite->next) sprite->next->previous = sprite->previous;
  sprite->previous = sprite->next = nullptr;
  sprite->graphics = nullptr;
}

void CDirectGraphics8::Forget(CFont *font) {
  fonts.erase(std::remove(fonts.begin(), fonts.end(), font), fonts.end());
}

bool CDirectGraphics8::HasDevice() const { return device->renderer != nullptr; }

bool CDirectGraphics8::CreateFullScreenDisplayMode(bool vsync, unsigned modeWidth, unsigned modeHeight,
                                                   int modeFormat) {
  format = modeFormat;
  width = modeWidth;
  height = modeHeight;

  log->Write(" Width: ");
  log->Write(static_cast<uint64_t>(width));
  log->Write(" Height: ");
  log->Write(static_cast<uint64_t>(height));
  log->Write(" Format: ");
  log->Write(FormatName(format));
  log->Write("\n", false);

  // A device obtained before stays: every texture made so far belongs to it.
  if (device->renderer) {
    SDL_RenderSetLogicalSize(device->renderer, static_cast<int>(width), static_cast<int>(height));
    log->Write("Obtained screen mode!\n");
    return true;
  }

  SDisplayWindowImpl *display = window ? window->Impl() : nullptr;
  bool sizeUsable = width >= 1 && height >= 1 && width <= kMaxTextureSide && height <= kMaxTextureSide;
  if (display && sizeUsable) {
    if (display->headless) {
      device->renderer = SDL_CreateSoftwareRenderer(display->surface);
      device->frame = display->surface;
      device->headless = true;
    } else {
      // The graphics card first; the software renderer when the card will not do.
      Uint32 flags = SDL_RENDERER_ACCELERATED | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
      device->renderer = SDL_CreateRenderer(display->window, -1, flags);
      if (!device->renderer)
        device->renderer = SDL_CreateRenderer(display->window, -1, SDL_RENDERER_SOFTWARE);
    }
  }
  SDL_RendererInfo info;
  if (device->renderer && SDL_GetRendererInfo(device->renderer, &info) == 0)
    device->software = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
  if (!device->renderer) {
    log->Write("CreateFullScreenDisplayMode(): Could not do software vertex handling\n");
    log->Write("Could not obtain screen mode!\n");
    return false;
  }

  // Display pixels of the game's own size, whatever the screen's: scaled to fit and letterboxed.
  if (!device->headless)
    SDL_RenderSetLogicalSize(device->renderer, static_cast<int>(width), static_cast<int>(height));
  SDL_SetRenderDrawBlendMode(device->renderer, SDL_BLENDMODE_BLEND);

  log->Write("Obtained screen mode!\n");
  log->Write("Available video memory amount: ");
  // Textures live in the computer's memory (or are mirrored there), so that is what is available.
  log->Write(static_cast<uint64_t>(SDL_GetSystemRAM()) * 1024u * 1024u);
  log->Write("\n");
  return true;
}

bool CDirectGraphics8::BeginFrame() { return device->renderer != nullptr; }

bool CDirectGraphics8::ClearScreen(int red, int green, int blue, int alpha) {
  if (!device->renderer) return true;
  device->solidRects.clear(); // covered by the clear anyway
  SDL_SetRenderDrawColor(device->renderer, ClampByte(red), ClampByte(green), ClampByte(blue),
                         ClampByte(alpha));
  SDL_RenderClear(device->renderer);
  return true;
}

bool CDirectGraphics8::EndFrame() {
  if (!device->renderer) return false;
  device->FlushSolids();
  SDL_RenderPresent(device->renderer);
  return true;
}

CSprite *CDirectGraphics8::CreateSprite(float left, float top, float right, float bottom, const char *file,
                                        int red, int green, int blue, int alpha) {
  CSprite *sprite = new CSprite;
  sprite->left = left;
  sprite->top = top;
  sprite->right = right;
  sprite->bottom = bottom;
  sprite->SetColour(red, green, blue, alpha);
  sprite->graphics = this;
  sprite->next = sprites;
  if (sprites) sprites->previous = sprite;
  sprites = sprite;

  if (!file) return sprite;

  int textureWidth = TextureSide(left, right);
  int textureHeight = TextureSide(top, bottom);
  std::vector<uint32_t> pixels;
  int w = 0, h = 0;
  bool loaded = device->renderer && textureWidth >= 0 && textureHeight >= 0 &&
                LoadTexturePixels(file, textureWidth, textureHeight, pixels, w, h);
  SDL_Texture *texture = nullptr;
  if (loaded) {
    // A renderer that filters when it scales must not blend the black behind transparent pixels into
    // the picture's edges.
    BleedTransparentEdges(pixels, w, h);
    // Software textures are kept writable, so that their tinted copies can be made from them.
    texture =
        SDL_CreateTexture(device->renderer, SDL_PIXELFORMAT_ARGB8888,
                          device->software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, w, h);
    if (texture && SDL_UpdateTexture(texture, nullptr, pixels.data(), w * 4) != 0) {
      SDL_DestroyTexture(texture);
      texture = nullptr;
    }
  }
  if (!texture) {
    log->Write("FAIL TO LOAD TEXTURE");
    return sprite;
  }
  // Stretched pictures are filtered smoothly, on the screen and headless alike, so that a saved frame
  // shows what the player sees. A picture drawn at its own size is copied pixel for pixel either way.
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);

  SSpriteTexture *made = new SSpriteTexture;
  made->texture = texture;
  made->width = w;
  made->height = h;
  made->opaque = std::all_of(pixels.begin(), pixels.end(), [](uint32_t p) { return (p >> 24) == 255; });
  // An opaque picture drawn untinted covers what is beneath: the software renderer then copies it
  // instead of blending (the same pixels, several times faster).
  SDL_SetTextureBlendMode(texture,
                          device->software && made->opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
  if (w == 1 && h == 1) {
    made->singlePixel = true;
    made->pixelAlpha = static_cast<Uint8>(pixels[0] >> 24);
    made->pixelRed = static_cast<Uint8>(pixels[0] >> 16);
    made->pixelGreen = static_cast<Uint8>(pixels[0] >> 8);
    made->pixelBlue = static_cast<Uint8>(pixels[0]);
  }
  sprite->texture = made;
  return sprite;
}

bool CDirectGraphics8::DrawSprite(CSprite *sprite) {
  if (!sprite) return false;
  if (sprite->right < 0 || sprite->left > static_cast<float>(width) || sprite->bottom < 0 ||
      sprite->top > static_cast<float>(height))
    return false;
  if (!device->renderer) return false;

  // A rectangle turned inside out shows its picture mirrored, as a quad drawn from its corners would.
  bool flipAcross = sprite->right < sprite->left;
  bool flipDown = (sprite->bottom < sprite->top) != !sprite->upright;
  SDL_FRect rect;
  rect.x = std::min(sprite->left, sprite->right);
  rect.y = std::min(sprite->top, sprite->bottom);
  rect.w = std::fabs(sprite->right - sprite->left);
  rect.h = std::fabs(sprite->bottom - sprite->top);
  if (!(rect.w > 0 && rect.h > 0)) return true; // nothing to cover (or NaN)

  const SSpriteTexture *texture = sprite->texture;
  // A flat colour: no picture at all, or a picture of one pixel.
  if (!texture || texture->singlePixel) {
    SDL_Color colour{sprite->red, sprite->green, sprite->blue, sprite->alpha};
    if (texture) {
      colour.r = static_cast<Uint8>(texture->pixelRed * sprite->red / 255);
      colour.g = static_cast<Uint8>(texture->pixelGreen * sprite->green / 255);
      colour.b = static_cast<Uint8>(texture->pixelBlue * sprite->blue / 255);
      colour.a = static_cast<Uint8>(texture->pixelAlpha * sprite->alpha / 255);
    }
    if (colour.a == 0) return true;
    // Opaque whole-pixel rectangles cover exactly what the textured draw would; partly transparent
    // single-pixel pictures take the textured way, whose blending rounds its own way.
    bool wholePixels = rect.w >= 1 && rect.h >= 1 && std::fabs(rect.x) < kFarAway &&
                       std::fabs(rect.y) < kFarAway && rect.w < kFarAway && rect.h < kFarAway;
    if (wholePixels && (!texture || colour.a == 255)) {
      device->QueueSolid(rect, colour);
      return true;
    }
    if (!texture) {
      device->FlushSolids();
      SDL_FRect clipped = rect;
      float x1 = std::min(rect.x + rect.w, kFarAway), y1 = std::min(rect.y + rect.h, kFarAway);
      clipped.x = std::max(rect.x, -kFarAway);
      clipped.y = std::max(rect.y, -kFarAway);
      clipped.w = x1 - clipped.x;
      clipped.h = y1 - clipped.y;
      if (clipped.w <= 0 || clipped.h <= 0) return true;
      SDL_SetRenderDrawBlendMode(device->renderer,
                                 colour.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
      SDL_SetRenderDrawColor(device->renderer, colour.r, colour.g, colour.b, colour.a);
      SDL_RenderFillRectF(device->renderer, &clipped);
      return true;
    }
  }

  device->FlushSolids();
  SDL_Rect source{0, 0, texture->width, texture->height};
  // A rectangle reaching far outside the display is cut to the part near it, with the matching part
  // of the texture.
  if (rect.x < -kFarAway || rect.y < -kFarAway || rect.x + rect.w > kFarAway || rect.y + rect.h > kFarAway) {
    double x0 = std::max<double>(rect.x, -1.0), x1 = std::min<double>(rect.x + rect.w, width + 1.0);
    double y0 = std::max<double>(rect.y, -1.0), y1 = std::min<double>(rect.y + rect.h, height + 1.0);
    if (x1 <= x0 || y1 <= y0) return true;
    double u0 = (x0 - rect.x) / rect.w, u1 = (x1 - rect.x) / rect.w;
    double v0 = (y0 - rect.y) / rect.h, v1 = (y1 - rect.y) / rect.h;
    if (flipAcross) {
      double mirroredStart = 1 - u1, mirroredEnd = 1 - u0;
      u0 = mirroredStart;
      u1 = mirroredEnd;
    }
    if (flipDown) {
      double mirroredStart = 1 - v1, mirroredEnd = 1 - v0;
      v0 = mirroredStart;
      v1 = mirroredEnd;
    }
    source.x = static_cast<int>(std::floor(u0 * texture->width));
    source.y = static_cast<int>(std::floor(v0 * texture->height));
    source.w = std::max(1, static_cast<int>(std::ceil(u1 * texture->width)) - source.x);
    source.h = std::max(1, static_cast<int>(std::ceil(v1 * texture->height)) - source.y);
    rect = SDL_FRect{static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1 - x0),
                     static_cast<float>(y1 - y0)};
  } else if (device->software && (rect.w != texture->width || rect.h != texture->height) &&
             (rect.x < 0 || rect.y < 0 || rect.x + rect.w > width || rect.y + rect.h > height)) {
    // The software renderer stretches the whole picture before it cuts away what lies off the
    // display: a layer stretched far beyond the display (drifting clouds or water) would cost many
    // times the pixels that show. Only the texels that show are handed over, with the part of the
    // display they cover, which gives the same pixels.
    SVisibleSpan across, down;
    if (!VisibleSpan(rect.x, rect.w, texture->width, width, flipAcross, across) ||
        !VisibleSpan(rect.y, rect.h, texture->height, height, flipDown, down))
      return true;
    source = SDL_Rect{across.first, down.first, across.last - across.first, down.last - down.first};
    rect = SDL_FRect{static_cast<float>(across.from), static_cast<float>(down.from),
                     static_cast<float>(across.to - across.from), static_cast<float>(down.to - down.from)};
  }
  SDL_Texture *picture = texture->texture;
  bool tinted = sprite->red != 255 || sprite->green != 255 || sprite->blue != 255 || sprite->alpha != 255;
  if (tinted && device->software) {
    picture = TintedTexture(device->renderer, sprite->texture, sprite->red, sprite->green, sprite->blue,
                            sprite->alpha);
    if (!picture) return true;
  } else {
    SDL_SetTextureColorMod(picture, sprite->red, sprite->green, sprite->blue);
    SDL_SetTextureAlphaMod(picture, sprite->alpha);
  }
  if (flipAcross || flipDown) {
    int flip = (flipAcross ? SDL_FLIP_HORIZONTAL : 0) | (flipDown ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(device->renderer, picture, &source, &rect, 0.0, nullptr,
                      static_cast<SDL_RendererFlip>(flip));
  } else {
    SDL_RenderCopyF(device->renderer, picture, &source, &rect);
  }
  return true;
}

bool CDirectGraphics8::FlushForReading() {
  if (!device->renderer || !device->headless || !device->frame) return false;
  device->FlushSolids();
  SDL_RenderFlush(device->renderer);
  return true;
}

uint32_t CDirectGraphics8::GetPixel(int x, int y) {
  if (!FlushForReading()) return 0;
  SDL_Surface *frame = device->frame;
  if (x < 0 || y < 0 || x >= frame->w || y >= frame->h) return 0;
  const uint8_t *row = static_cast<const uint8_t *>(frame->pixels) + static_cast<size_t>(y) * frame->pitch;
  uint32_t pixel;
  std::memcpy(&pixel, row + static_cast<size_t>(x) * 4, 4);
  return pixel & 0xFFFFFFu;
}

bool CDirectGraphics8::ReadFrame(std::vector<uint32_t> &pixels) {
  if (!FlushForReading()) return false;
  SDL_Surface *frame = device->frame;
  pixels.resize(static_cast<size_t>(frame->w) * frame->h);
  for (int y = 0; y < frame->h; ++y) {
    const uint8_t *row = static_cast<const uint8_t *>(frame->pixels) + static_cast<size_t>(y) * frame->pitch;
    std::memcpy(&pixels[static_cast<size_t>(y) * frame->w], row, static_cast<size_t>(frame->w) * 4);
  }
  for (uint32_t &p : pixels)
    p &= 0xFFFFFFu;
  return true;
}

bool CDirectGraphics8::SaveFrame(const char *pngFile) {
  if (!pngFile || !FlushForReading()) return false;
  SDL_Surface *frame = device->frame;
  // Cairo's RGB24 is the same 32-bit layout as the frame's RGB888.
  int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, frame->w);
  if (stride != frame->pitch) return false;
  cairo_surface_t *image = cairo_image_surface_create_for_data(
      static_cast<unsigned char *>(frame->pixels), CAIRO_FORMAT_RGB24, frame->w, frame->h, stride);
  bool ok = cairo_surface_status(image) == CAIRO_STATUS_SUCCESS &&
            cairo_surface_write_to_png(image, pngFile) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(image);
  return ok;
}
