// One entry of an index box: a name of up to 255 characters and, optionally, a normal and a selected
// picture. An entry with both pictures is drawn as a picture; any other as its name. Owns its pictures.
#pragma once

#include <memory>

class CSprite;

class CIndexBoxItem {
public:
  static constexpr int kNameSize = 256; // bytes of `name`, its terminating zero included

  // Takes ownership of the sprites (either may be null). The name (null for none) is copied; anything
  // past 255 characters is cut off.
  CIndexBoxItem(CSprite *normalSprite, CSprite *selectedSprite, const char *name);
  ~CIndexBoxItem();
  CIndexBoxItem(const CIndexBoxItem &) = delete;
  CIndexBoxItem &operator=(const CIndexBoxItem &) = delete;

  char name[kNameSize];
  std::unique_ptr<CSprite> normalSprite;
  std::unique_ptr<CSprite> selectedSprite;
};
