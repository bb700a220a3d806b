#include "app/CScreen.h"

#include "platform/CMouse.h"

CScreen::CScreen() = default;

CScreen::~CScreen() { ClearWidgets(); }

bool CScreen::Update() {
  if (!active) return true;
  DispatchWidgetInput();
  if (active) DrawWidgets();
  return true;
}

void CScreen::SetRect(int32_t newLeft, int32_t newTop, int32_t newRight, int32_t newBottom) {
  left = newLeft;
  top = newTop;
  right = newRight;
  bottom = newBottom;
}

bool CScreen::Load() { return true; }

bool CScreen::Release() {
  ClearWidgets();
  return true;
}

void CScreen::Activate() { active = 1; }

void CScreen::Deactivate() { active = 0; }

int32_t CScreen::AddButton(CButton *button) { return buttons.Add(button); }

int32_t CScreen::AddToggleButton(CToggleButton *button) { return toggleButtons.Add(button); }

int32_t CScreen::AddIndexBox(CIndexBox *box) { return indexBoxes.Add(box); }

int32_t CScreen::AddInputBox(CInputBox *box) { return inputBoxes.Add(box); }

void CScreen::DispatchWidgetInput() {
  if (!active) return;
  if (mouse) mouse->Update();
  int32_t x = (mouse ? mouse->x : 0) - left;
  int32_t y = (mouse ? mouse->y : 0) - top;
  bool held = mouse && (mouse->buttonStates[0] & 0x80) != 0;
  if (held) {
    for (auto &button : buttons)
      if (button->Contains(x, y)) button->Press(audio);
    for (auto &button : toggleButtons)
      if (button->Contains(x, y)) button->Toggle(audio);
    for (auto &box : indexBoxes)
      if (box->ContainsBox(x, y)) box->Click(audio, x, y);
    UpdateInputBoxes(x, y, true);
  }
  UpdateInputBoxes(x, y, false);
}

void CScreen::UpdateInputBoxes(int32_t x, int32_t y, bool setFocus) {
  for (auto &box : inputBoxes) {
    if (setFocus) box->focused = box->Contains(x, y) ? 1 : 0;
    if (box->focused) box->HandleKeys(keyboard);
  }
}

void CScreen::DrawWidgets() {
  if (!active) return;
  for (auto &button : buttons)
    button->Draw(graphics, left, top);
  for (auto &button : toggleButtons)
    button->Draw(graphics, left, top);
  for (auto &box : indexBoxes)
    box->Draw(graphics, Font(), left, top);
  for (auto &box : inputBoxes)
    box->Draw(graphics, Font(), left, top);
}

void CScreen::ClearWidgets() {
  buttons.Clear();
  toggleButtons.Clear();
  indexBoxes.Clear();
  inputBoxes.Clear();
}
