#include "widgets/CIndexBoxItem.h"

#include "platform/CSprite.h"

#include <cstring>

CIndexBoxItem::CIndexBoxItem(CSprite *normal, CSprite *selected, const char *itemName)
    : normalSprite(normal), selectedSprite(selected) {
  std::memset(name, 0, sizeof(name));
  if (itemName) std::strncpy(name, itemName, kNameSize - 1);
}

CIndexBoxItem::~CIndexBoxItem() = default;
