// The base of every screen. A screen has a rectangle (its widgets are placed and hit-tested relative
// to its top-left corner), a drawing layer (25 is drawn first, underneath; 0 last, on top), an active
// flag, the platform objects it draws and reads input with (handed over by CEngine::Register), and
// four owned widget lists, each kept newest first.
//
// Each frame, while registered and active, the engine calls Update. A screen drives its widgets with
// DispatchWidgetInput (the mouse and keyboard of this frame, once per frame) and draws them with
// DrawWidgets; its own drawing, before and after, is its business. Load builds a screen's resources
// and widgets, Release destroys them: nothing a widget holds (a latch, a toggle, focus, typed text)
// survives a Release.
#pragma once

#include "widgets/CButton.h"
#include "widgets/CIndexBox.h"
#include "widgets/CInputBox.h"
#include "widgets/CToggleButton.h"
#include "widgets/CWidgetList.h"

#include <cstdint>

class CDirectAudio8;
class CDirectGraphics8;
class CFont;
class CKeyboard;
class CMouse;

class CScreen {
public:
  CScreen();
  virtual ~CScreen();
  CScreen(const CScreen &) = delete;
  CScreen &operator=(const CScreen &) = delete;

  // Once per frame while registered and active. Returning false ends the program. The base version
  // dispatches the input to the widgets and draws them.
  virtual bool Update();
  virtual void SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
  // The base version does nothing.
  virtual bool Load();
  // The base version destroys every widget.
  virtual bool Release();
  virtual void Activate();
  virtual void Deactivate();

  // Each takes ownership of the widget (built on the heap, added once) and returns the list's count.
  int32_t AddButton(CButton *button);
  int32_t AddToggleButton(CToggleButton *button);
  int32_t AddIndexBox(CIndexBox *box);
  int32_t AddInputBox(CInputBox *box);

  // Reads the mouse and hands this frame's input to the widgets: with the left button held, every
  // button, toggle button and index box under the cursor is clicked, and the input boxes take or
  // lose the focus; then the focused input boxes take their keys. Nothing happens while inactive.
  void DispatchWidgetInput();
  // Focus (when setFocus) and keys for every input box, newest first.
  void UpdateInputBoxes(int32_t x, int32_t y, bool setFocus);
  // Draws buttons, toggle buttons, index boxes and input boxes, each list newest first, relative to
  // the screen's corner. An inactive screen draws nothing.
  void DrawWidgets();
  // Destroys every widget of the four lists.
  void ClearWidgets();

  // The font the engine holds at the time (null before the screen was registered).
  CFont *Font() const { return font ? *font : nullptr; }

  CWidgetList<CButton> buttons;
  CWidgetList<CToggleButton> toggleButtons;
  CWidgetList<CIndexBox> indexBoxes;
  CWidgetList<CInputBox> inputBoxes;

  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t layer = 0;

  // Set by CEngine::Register; not owned.
  CDirectGraphics8 *graphics = nullptr;
  CDirectAudio8 *audio = nullptr;
  CKeyboard *keyboard = nullptr;
  CMouse *mouse = nullptr;
  CFont **font = nullptr; // the engine's own font field, so a screen always draws with its current font

  uint8_t active = 0;
};
