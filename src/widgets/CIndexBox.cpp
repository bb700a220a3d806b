#include "widgets/CIndexBox.h"

#include "platform/CDirectGraphics8.h"
#include "platform/CFont.h"
#include "platform/CSound.h"
#include "platform/CSprite.h"
#include "platform/Clock.h"
#include "widgets/WidgetSupport.h"

CIndexBox::CIndexBox(int32_t bl, int32_t bt, int32_t br, int32_t bb, int32_t ll, int32_t lt, int32_t lr,
                     int32_t lb, int32_t height, CSprite *picture, CSprite *arrow, CSprite *arrowPushed,
                     CSound *scroll, CSound *select)
    : boxLeft(bl), boxTop(bt), boxRight(br), boxBottom(bb), listLeft(ll), listTop(lt), listRight(lr),
      listBottom(lb), rowHeight(height), background(picture), arrowSprite(arrow),
      arrowPushedSprite(arrowPushed), scrollSound(scroll), selectSound(select) {}

CIndexBox::~CIndexBox() = default;

int32_t CIndexBox::AddItem(CSprite *normal, CSprite *selectedPicture, const char *name) {
  items.push_front(std::make_unique<CIndexBoxItem>(normal, selectedPicture, name));
  return ++itemCount;
}

int32_t CIndexBox::VisibleRows() const {
  // A box without a row height shows no rows rather than dividing by zero.
  if (rowHeight <= 0 || listBottom <= listTop) return 0;
  return (listBottom - listTop) / rowHeight;
}

int32_t CIndexBox::IndexOf(const CIndexBoxItem *item) const {
  if (!item) return -1;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].get() == item) return static_cast<int32_t>(i);
  return -1;
}

CIndexBoxItem *CIndexBox::ItemAfter(const CIndexBoxItem *item, int32_t steps) const {
  int32_t index = IndexOf(item);
  if (index < 0 || steps < 0) return nullptr;
  size_t wanted = static_cast<size_t>(index) + static_cast<size_t>(steps);
  return wanted < items.size() ? items[wanted].get() : nullptr;
}

bool CIndexBox::ContainsBox(int32_t x, int32_t y) const {
  return widgets::StrictlyInside(boxLeft, boxTop, boxRight, boxBottom, x, y);
}

void CIndexBox::Click(CDirectAudio8 *audio, int32_t x, int32_t y) {
  if (!firstVisible) firstVisible = Head();
  uint32_t now = GetTickCount();
  if (selectHoldOffUntil < now) SelectRow(audio, x, y, now);
  if (arrowHoldOffUntil < now) ScrollArrows(audio, x, y, now);
}

void CIndexBox::SelectRow(CDirectAudio8 *audio, int32_t x, int32_t y, uint32_t now) {
  if (items.empty()) return;
  // The text column includes its left and right edges.
  if (x < listLeft || x > listRight) return;
  selectHoldOffUntil = now + kHoldOffMs;
  int32_t rows = VisibleRows();
  for (int32_t i = 0; i < rows; ++i) {
    int32_t rowTop = listTop + i * rowHeight;
    if (rowTop < y && y < rowTop + rowHeight) {
      if (CIndexBoxItem *item = ItemAfter(firstVisible, i)) {
        selected = item;
        widgets::PlaySound(audio, selectSound.get());
      }
    }
  }
}

void CIndexBox::ScrollArrows(CDirectAudio8 *audio, int32_t x, int32_t y, uint32_t now) {
  if (items.empty()) return;
  if (widgets::StrictlyInside(listRight, boxTop, boxRight, listTop, x, y)) {
    int32_t index = IndexOf(firstVisible);
    if (index > 0) {
      firstVisible = items[static_cast<size_t>(index) - 1].get();
      widgets::PlaySound(audio, scrollSound.get());
    }
    upPressed = 1;
    arrowHoldOffUntil = now + kHoldOffMs;
    return;
  }
  if (widgets::StrictlyInside(listRight, listBottom, boxRight, boxBottom, x, y)) {
    if (CIndexBoxItem *next = ItemAfter(firstVisible, 1)) {
      firstVisible = next;
      widgets::PlaySound(audio, scrollSound.get());
    }
    downPressed = 1;
    arrowHoldOffUntil = now + kHoldOffMs;
  }
}

void CIndexBox::Draw(CDirectGraphics8 *graphics, CFont *font, int32_t originX, int32_t originY) {
  uint32_t now = GetTickCount();
  if (arrowHoldOffUntil < now) upPressed = downPressed = 0;

  widgets::DrawPictureAt(graphics, background.get(), originX + boxLeft, originY + boxTop);

  CSprite *up = upPressed ? arrowPushedSprite.get() : arrowSprite.get();
  widgets::DrawPictureAt(graphics, up, originX + listRight, originY + boxTop);
  // The down arrow is the same picture upside down.
  if (arrowSprite) arrowSprite->SetUpright(false);
  if (arrowPushedSprite) arrowPushedSprite->SetUpright(false);
  CSprite *down = downPressed ? arrowPushedSprite.get() : arrowSprite.get();
  widgets::DrawPictureAt(graphics, down, originX + listRight, originY + listBottom);
  if (arrowSprite) arrowSprite->SetUpright(true);
  if (arrowPushedSprite) arrowPushedSprite->SetUpright(true);

  if (!firstVisible) firstVisible = Head();
  if (!selected) selected = Head();

  int32_t rows = VisibleRows();
  int32_t first = IndexOf(firstVisible);
  for (int32_t i = 0; first >= 0 && i < rows && static_cast<size_t>(first + i) < items.size(); ++i) {
    CIndexBoxItem *item = items[static_cast<size_t>(first + i)].get();
    int32_t rowY = listTop + i * rowHeight;
    if (item->normalSprite)
      item->normalSprite->MoveTo(static_cast<float>(originX + listLeft), static_cast<float>(originY + rowY));
    if (item->selectedSprite)
      item->selectedSprite->MoveTo(static_cast<float>(originX + listLeft),
                                   static_cast<float>(originY + rowY));
    if (item->normalSprite && item->selectedSprite) {
      CSprite *shown = item == selected ? item->selectedSprite.get() : item->normalSprite.get();
      if (graphics) graphics->DrawSprite(shown);
    } else if (font) {
      RECT rect{originX + listLeft, originY + rowY, originX + listRight,
                originY + listBottom + i * rowHeight};
      uint32_t colour =
          item == selected ? D3DCOLOR_ARGB(255, 255, 255, 0) : D3DCOLOR_ARGB(255, 255, 255, 255);
      font->DrawTextA(item->name, -1, &rect, 0, colour);
    }
  }
}
