// A scrollable list of names with an up and a down arrow, from which one entry is selected (the
// saved-games list). Entries are kept newest first: the entry added last is on top and, from the
// first drawn frame on, selected unless another has been chosen.
//
// Geometry, screen-local: the whole control (`box...`) is where the background is drawn and where a
// click is handled; the text column (`list...`) holds the rows, `rowHeight` pixels each, as many as
// fit whole. The up arrow is the strip right of the column above it, the down arrow the strip right
// of the column below it. Hit tests are strict, except that a row's column includes its left and
// right edges.
//
// Holding the mouse button selects the row under it every 200 ms and steps an arrow every 200 ms;
// an arrow looks pushed until 200 ms after its last step. Scrolling never moves the selection.
// Interaction (Click and its two steps) is kept apart from drawing. The box owns its pictures,
// sounds and entries.
#pragma once

#include "widgets/CIndexBoxItem.h"

#include <cstdint>
#include <deque>
#include <memory>

class CDirectAudio8;
class CDirectGraphics8;
class CFont;
class CSound;
class CSprite;

class CIndexBox {
public:
  static constexpr uint32_t kHoldOffMs = 200;

  // Takes ownership of the three sprites and the two sounds (the sounds may be null).
  CIndexBox(int32_t boxLeft, int32_t boxTop, int32_t boxRight, int32_t boxBottom, int32_t listLeft,
            int32_t listTop, int32_t listRight, int32_t listBottom, int32_t rowHeight, CSprite *background,
            CSprite *arrowSprite, CSprite *arrowPushedSprite, CSound *scrollSound, CSound *selectSound);
  ~CIndexBox();
  CIndexBox(const CIndexBox &) = delete;
  CIndexBox &operator=(const CIndexBox &) = delete;

  // Puts a new entry on top of the list (taking ownership of its sprites); returns the new count.
  int32_t AddItem(CSprite *normalSprite, CSprite *selectedSprite, const char *name);
  // The selected entry, or null when none is.
  CIndexBoxItem *GetSelectedItem() const { return selected; }
  // How many whole rows the text column holds.
  int32_t VisibleRows() const;
  // The entry `steps` places below `item` in the list, or null past the end (or for a null item).
  CIndexBoxItem *ItemAfter(const CIndexBoxItem *item, int32_t steps) const;
  CIndexBoxItem *Head() const { return items.empty() ? nullptr : items.front().get(); }

  // Interaction. ContainsBox is the strict hit test of the whole control; Click handles a held
  // mouse button at (x, y), which must lie inside it.
  bool ContainsBox(int32_t x, int32_t y) const;
  void Click(CDirectAudio8 *audio, int32_t x, int32_t y);
  void SelectRow(CDirectAudio8 *audio, int32_t x, int32_t y, uint32_t now);
  void ScrollArrows(CDirectAudio8 *audio, int32_t x, int32_t y, uint32_t now);

  // Draws the background, both arrows and the visible rows (the selected name in yellow, the others
  // in white). The first draw of a non-empty list shows and selects its top entry.
  void Draw(CDirectGraphics8 *graphics, CFont *font, int32_t originX, int32_t originY);

  std::deque<std::unique_ptr<CIndexBoxItem>> items; // newest first
  int32_t itemCount = 0;
  int32_t boxLeft, boxTop, boxRight, boxBottom;
  int32_t listLeft, listTop, listRight, listBottom;
  int32_t rowHeight;
  uint8_t upPressed = 0, downPressed = 0;
  std::unique_ptr<CSprite> background;
  std::unique_ptr<CSprite> arrowSprite;
  std::unique_ptr<CSprite> arrowPushedSprite;
  std::unique_ptr<CSound> scrollSound;
  std::unique_ptr<CSound> selectSound;
  CIndexBoxItem *selected = nullptr;     // not owned: one of `items`
  CIndexBoxItem *firstVisible = nullptr; // not owned: the entry on the top row
  uint32_t arrowHoldOffUntil = 0;        // arrows ignored, and shown pushed, until this tick
  uint32_t selectHoldOffUntil = 0;       // rows ignored until this tick

private:
  // Where the entry stands in the list (0 = top), or -1.
  int32_t IndexOf(const CIndexBoxItem *item) const;
};
