#include "platform/text/text_events.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>
#include <QWidget>
#include <unordered_map>

namespace platform::textevents {
namespace {

constexpr int kVkF1 = 112;
constexpr int kVkNumpad0 = 96;

const std::unordered_map<int, int>& namedKeys() {
  static const std::unordered_map<int, int> table = {
      {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},
      {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},
      {Qt::Key_Control, 17},   {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
      {Qt::Key_CapsLock, 20},  {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
      {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
      {Qt::Key_Home, 36},      {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
      {Qt::Key_Right, 39},     {Qt::Key_Down, 40},     {Qt::Key_Print, 44},
      {Qt::Key_Insert, 45},    {Qt::Key_Delete, 46},   {Qt::Key_Meta, 91},
      {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
  };
  return table;
}

// Punctuation keys by the character they type, shifted or not, as on a US keyboard.
const std::unordered_map<int, int>& punctuationKeys() {
  static const std::unordered_map<int, int> table = {
      {';', 186}, {':', 186}, {'=', 187}, {'+', 187}, {',', 188}, {'<', 188},
      {'-', 189}, {'_', 189}, {'.', 190}, {'>', 190}, {'/', 191}, {'?', 191},
      {'`', 192}, {'~', 192}, {'[', 219}, {'{', 219}, {'\\', 220}, {'|', 220},
      {']', 221}, {'}', 221}, {'\'', 222}, {'"', 222},
      // Shifted digits keep the code of their digit.
      {')', '0'}, {'!', '1'}, {'@', '2'}, {'#', '3'}, {'$', '4'}, {'%', '5'},
      {'^', '6'}, {'&', '7'}, {'*', '8'}, {'(', '9'},
  };
  return table;
}

const std::unordered_map<int, int>& keypadKeys() {
  static const std::unordered_map<int, int> table = {
      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
      {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
  };
  return table;
}

int lookUp(const std::unordered_map<int, int>& table, int key) {
  const auto found = table.find(key);
  return found == table.end() ? 0 : found->second;
}

int keypadCode(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return kVkNumpad0 + (key - Qt::Key_0);
  return lookUp(keypadKeys(), key);
}

}  // namespace

int windowsKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  if (event.modifiers() & Qt::KeypadModifier) {
    if (const int code = keypadCode(key)) return code;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's codes are the capitals
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return kVkF1 + (key - Qt::Key_F1);
  if (const int code = lookUp(namedKeys(), key)) return code;
  return lookUp(punctuationKeys(), key);
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= 1;
  if (modifiers & Qt::ControlModifier) shift |= 2;
  if (modifiers & Qt::AltModifier) shift |= 4;
  return shift;
}

int keyAscii(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  const bool control = event.modifiers() & Qt::ControlModifier;
  if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    return event.key() - Qt::Key_A + 1;
  }
  const QString text = event.text();
  if (control || text.isEmpty() || text.at(0).unicode() < 32 || text.at(0).unicode() == 127) {
    return 0;
  }
  return text.at(0).unicode();
}

int mouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

bool raiseKeyPress(const QKeyEvent& event, const KeyHandlers& handlers, int& ascii) {
  ascii = keyAscii(event);
  if (int code = windowsKeyCode(event); code != 0) {
    handlers.keyDown(code, shiftState(event.modifiers()));
    if (code == 0) {
      ascii = 0;
      return false;
    }
  }
  if (ascii != 0) {
    handlers.keyPress(ascii);
    if (ascii == 0) return false;
  }
  return true;
}

bool isShiftReturn(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
         (event.modifiers() & Qt::ShiftModifier);
}

bool isWindowSwitch(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool pressWouldDrag(const QMouseEvent& event, const QTextCursor& cursor, int hit) {
  return event.button() == Qt::LeftButton && !(event.modifiers() & Qt::ShiftModifier) &&
         cursor.hasSelection() && hit >= cursor.selectionStart() && hit <= cursor.selectionEnd();
}

void showSelection(QWidget& widget, const QPalette& shown, bool whileFocused,
                   bool whileUnfocused) {
  QPalette colours = widget.palette();
  const auto apply = [&](QPalette::ColorGroup group, bool visible) {
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
      colours.setBrush(group, role, visible ? shown.brush(group, role) : QBrush());
    }
  };
  apply(QPalette::Active, whileFocused);
  apply(QPalette::Inactive, whileUnfocused);
  widget.setPalette(colours);
}

}  // namespace platform::textevents
