#pragma once

#include <QPalette>
#include <Qt>
#include <functional>

class QKeyEvent;
class QMouseEvent;
class QTextCursor;
class QWidget;

// What the text boxes share in raising the Windows events and showing the selection.
namespace platform::textevents {

// The Windows virtual-key code of a key (letters 65-90, digits 48-57, F1 112, Return 13, ...);
// 0 for a key Windows has no code for.
int windowsKeyCode(const QKeyEvent& event);

// The Shift argument of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);

// The character code a key press types, as the KeyPress event gets it (13 for Return, 8 for
// Backspace, 1-26 for Ctrl with a letter); 0 when the key types nothing.
int keyAscii(const QKeyEvent& event);

// The Button argument of mouse events: 1 left, 2 right, 4 middle, 0 for any other.
int mouseButton(Qt::MouseButton button);

// Raises KeyDown and then KeyPress for a key press. `ascii` comes back as the character the
// editor should type: 0 when a handler swallowed the key, and the handler's choice when it
// replaced the character. Returns false when a handler swallowed the key.
struct KeyHandlers {
  std::function<void(int& keyCode, int shift)> keyDown;
  std::function<void(int& keyAscii)> keyPress;
};
bool raiseKeyPress(const QKeyEvent& event, const KeyHandlers& handlers, int& ascii);

// Shift+Return, which Qt's editors take as a line break inside the paragraph; the Windows text
// model has only paragraph breaks, so the boxes take it as a plain Return.
bool isShiftReturn(const QKeyEvent& event);

// Focus that comes or goes because another window or a popup menu became active: Windows
// raises no GotFocus or LostFocus for it.
bool isWindowSwitch(Qt::FocusReason reason);

// Whether a mouse press at document position `hit` would start dragging the selected text away
// (a plain left press inside the selection). The boxes start a new selection instead, so no text
// leaves a box behind the program's back.
bool pressWouldDrag(const QMouseEvent& event, const QTextCursor& cursor, int hit);

// Shows or hides the selection of a text widget through its highlight colours: `shown` holds
// the colours of a visible selection; with `whileFocused` or `whileUnfocused` false the
// selection is not painted in that state and the text keeps its own colours.
void showSelection(QWidget& widget, const QPalette& shown, bool whileFocused,
                   bool whileUnfocused);

}  // namespace platform::textevents
