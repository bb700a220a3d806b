#include "platform/CFont.h"

#include "platform/CDirectGraphics8.h"
#include "platform/CLogFile.h"
#include "platform/GraphicsDevice.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

// How many rendered strings are kept; the least recently drawn go first.
constexpr size_t kCacheSize = 256;

struct SRenderedText {
  SDL_Texture *texture = nullptr;
  int width = 0;
  int height = 0;
  uint64_t lastUse = 0;
};

// The file of the best match for `pattern`, if its family is `family`.
std::string FindFace(const char *pattern, const char *family) {
  std::string file;
  FcConfig *config = FcInitLoadConfigAndFonts();
  if (!config) return file;
  FcPattern *wanted = FcNameParse(reinterpret_cast<const FcChar8 *>(pattern));
  if (wanted) {
    FcConfigSubstitute(config, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, wanted, &result);
    if (match) {
      FcChar8 *matchFamily = nullptr;
      FcChar8 *matchFile = nullptr;
      if (FcPatternGetString(match, FC_FAMILY, 0, &matchFamily) == FcResultMatch &&
          FcPatternGetString(match, FC_FILE, 0, &matchFile) == FcResultMatch &&
          strcasecmp(reinterpret_cast<const char *>(matchFamily), family) == 0)
        file = reinterpret_cast<const char *>(matchFile);
      FcPatternDestroy(match);
    }
    FcPatternDestroy(wanted);
  }
  FcConfigDestroy(config);
  return file;
}

struct SFace {
  std::string file;
  double pointsPerPixel; // the face's size in points for one pixel of line height
};

// Looked up once per run: fontconfig's answer does not change while the game runs.
const SFace &GameFace() {
  static const SFace face = [] {
    // Z003 is a tall calligraphic face: about 32 points fill the game's 24-pixel lines.
    std::string file = FindFace("Z003:style=Medium Italic", "Z003");
    if (!file.empty()) return SFace{file, 32.0 / 24.0};
    file = FindFace("DejaVu Sans:style=Book", "DejaVu Sans");
    if (!file.empty()) return SFace{file, 18.0 / 24.0};
    return SFace{std::string(), 1.0};
  }();
  return face;
}

} // namespace

struct SFontCache {
  TTF_Font *font = nullptr;
  bool ttfStarted = false;
  std::unordered_map<std::string, SRenderedText> strings;
  uint64_t uses = 0;

  void Clear() {
    for (auto &entry : strings) {
      if (entry.second.texture) SDL_DestroyTexture(entry.second.texture);
    }
    strings.clear();
  }
};

CFont::CFont(CDirectGraphics8 *device, int height) : graphics(device), cache(new SFontCache) {
  if (graphics) graphics->fonts.push_back(this);
  const SFace &face = GameFace();
  faceFile = face.file;
  if (!faceFile.empty() && TTF_Init() == 0) {
    cache->ttfStarted = true;
    int points = std::max(1, static_cast<int>(face.pointsPerPixel * std::max(1, height) + 0.5));
    cache->font = TTF_OpenFont(faceFile.c_str(), points);
  }
  if (!cache->font && graphics) graphics->Log()->Write("Could not load the text font\n");
}

CFont::~CFont() {
  if (graphics) graphics->Forget(this);
  cache->Clear();
  if (cache->font) TTF_CloseFont(cache->font);
  if (cache->ttfStarted) TTF_Quit();
}

void CFont::ReleaseDevice() {
  cache->Clear();
  graphics = nullptr;
}

bool CFont::IsLoaded() const { return cache->font != nullptr; }

int CFont::CachedStrings() const { return static_cast<int>(cache->strings.size()); }

int CFont::DrawTextA(const char *text, int count, RECT *rect, uint32_t /*format*/, uint32_t colour) {
  if (!text || !rect || !cache->font || !graphics) return 0;
  SGraphicsDevice *device = graphics->device.get();
  if (!device->renderer) return 0;
  size_t length = count < 0 ? std::strlen(text) : strnlen(text, static_cast<size_t>(count));
  if (length == 0) return 0;
  std::string key(text, length);

  auto found = cache->strings.find(key);
  if (found == cache->strings.end()) {
    if (cache->strings.size() >= kCacheSize) {
      auto oldest =
          std::min_element(cache->strings.begin(), cache->strings.end(),
                           [](const auto &a, const auto &b) { return a.second.lastUse < b.second.lastUse; });
      if (oldest->second.texture) SDL_DestroyTexture(oldest->second.texture);
      cache->strings.erase(oldest);
    }
    // Rendered once in white; the colour of each draw is applied as a tint.
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface *surface = key.find('\n') == std::string::npos
                               ? TTF_RenderText_Blended(cache->font, key.c_str(), white)
                               : TTF_RenderText_Blended_Wrapped(cache->font, key.c_str(), white, 0);
    SRenderedText rendered;
    if (surface) {
      rendered.texture = SDL_CreateTextureFromSurface(device->renderer, surface);
      rendered.width = surface->w;
      rendered.height = surface->h;
      SDL_FreeSurface(surface);
      if (rendered.texture) SDL_SetTextureBlendMode(rendered.texture, SDL_BLENDMODE_BLEND);
    }
    found = cache->strings.emplace(key, rendered).first;
  }
  SRenderedText &rendered = found->second;
  rendered.lastUse = ++cache->uses;
  if (!rendered.texture) return 0;

  // Top-left aligned and cut at the rectangle's right and bottom edges.
  int64_t clipWidth = static_cast<int64_t>(rect->right) - rect->left;
  int64_t clipHeight = static_cast<int64_t>(rect->bottom) - rect->top;
  if (clipWidth <= 0 || clipHeight <= 0) return 0;
  SDL_Rect source{0, 0, static_cast<int>(std::min<int64_t>(rendered.width, clipWidth)),
                  static_cast<int>(std::min<int64_t>(rendered.height, clipHeight))};
  // Nothing of it on the display: skipped before the renderer sees coordinates it cannot hold.
  if (rect->left >= static_cast<int64_t>(graphics->Width()) ||
      rect->top >= static_cast<int64_t>(graphics->Height()) ||
      static_cast<int64_t>(rect->left) + source.w <= 0 || static_cast<int64_t>(rect->top) + source.h <= 0)
    return rendered.height;
  SDL_FRect target{static_cast<float>(rect->left), static_cast<float>(rect->top),
                   static_cast<float>(source.w), static_cast<float>(source.h)};
  device->FlushSolids();
  SDL_SetTextureColorMod(rendered.texture, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
  SDL_SetTextureAlphaMod(rendered.texture, (colour >> 24) & 0xFF);
  SDL_RenderCopyF(device->renderer, rendered.texture, &source, &target);
  return rendered.height;
}
