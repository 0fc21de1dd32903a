#include "platform/text/textbox.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace platform {
namespace {

// Sends a key press and release; returns whether the box accepted the press.
bool sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = {},
             const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(&widget, &down);
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(&widget, &up);
  return down.isAccepted();
}

void type(QWidget& widget, const QString& text) {
  for (const QChar c : text) {
    const int key = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
    sendKey(widget, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

TEST(TextBoxText, PositionsCountLineBreaksAsTwo) {
  const struct {
    int start;
    int length;
    int selStart;
    int selLength;
    QString selText;
  } cases[] = {
      {0, 2, 0, 2, "ab"},   {2, 2, 2, 2, "\r\n"}, {3, 0, 2, 0, ""},
      {4, 8, 4, 4, "cd\r\n"}, {-1, 1, 0, 1, "a"}, {99, 0, 8, 0, ""},
  };
  TextBox box;
  box.setMultiLine(true);
  box.setText("ab\ncd\r\n");
  ASSERT_EQ(box.Text(), "ab\r\ncd\r\n");
  for (const auto& c : cases) {
    box.setSelStart(c.start);
    box.setSelLength(c.length);
    EXPECT_EQ(box.SelStart(), c.selStart) << c.start;
    EXPECT_EQ(box.SelLength(), c.selLength) << c.start;
    EXPECT_EQ(box.SelText(), c.selText) << c.start;
  }
  box.setSelStart(2);
  box.setSelLength(2);
  box.setSelText("\r-\r");
  EXPECT_EQ(box.Text(), "ab\r\n-\r\ncd\r\n");
  EXPECT_EQ(box.SelStart(), 7);
}

TEST(TextBoxText, ChangeOnlyWhenTheTextChanges) {
  TextBox box;
  int changes = 0;
  QObject::connect(&box, &TextBox::Change, [&] { ++changes; });
  box.setText("same");
  box.setText("same");
  box.setText("");
  EXPECT_EQ(changes, 2);
  type(box, "ab");
  EXPECT_EQ(changes, 4);
}

TEST(TextBoxText, HandlerEmptyingTheBoxOnChangeEndsThere) {
  // A focus holder that removes whatever is typed into it at once.
  TextBox box;
  int changes = 0;
  QObject::connect(&box, &TextBox::Change, [&] {
    ++changes;
    box.setText("");
  });
  type(box, "x");
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(changes, 2);
}

TEST(TextBoxKeys, SingleLineLeavesReturnToTheWindow) {
  TextBox box;
  int ascii = 0;
  QObject::connect(&box, &TextBox::KeyPress, [&](int& a) { ascii = a; });
  type(box, "ab");
  EXPECT_FALSE(sendKey(box, Qt::Key_Return, {}, "\r"));
  EXPECT_EQ(ascii, 13);
  EXPECT_EQ(box.Text(), "ab");
  box.setMultiLine(true);
  EXPECT_TRUE(sendKey(box, Qt::Key_Return, {}, "\r"));
  EXPECT_TRUE(sendKey(box, Qt::Key_Return, Qt::ShiftModifier, "\r"));
  EXPECT_EQ(box.Text(), "ab\r\n\r\n");
}

TEST(TextBoxKeys, HandlersSwallowKeys) {
  TextBox box;
  QObject::connect(&box, &TextBox::KeyDown, [](int& code, int shift) {
    if (code == 'Q' && shift == 0) code = 0;
  });
  QObject::connect(&box, &TextBox::KeyPress, [](int& ascii) {
    if (ascii == '1') ascii = 0;
    if (ascii == 'a') ascii = 'A';
  });
  type(box, "q1abQ");
  EXPECT_EQ(box.Text(), "AbQ");
}

TEST(TextBoxKeys, OwnClipboardKeysWork) {
  TextBox box;
  type(box, "cut me");
  box.setSelStart(0);
  box.setSelLength(4);
  sendKey(box, Qt::Key_X, Qt::ControlModifier, "\x18");
  EXPECT_EQ(box.Text(), "me");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "cut ");
  sendKey(box, Qt::Key_V, Qt::ControlModifier, "\x16");
  EXPECT_EQ(box.Text(), "cut me");
}

TEST(TextBoxLimits, MaxLengthLimitsTypingAndPastingNotTheProgram) {
  TextBox box;
  box.setMaxLength(5);
  type(box, "abcdefg");
  EXPECT_EQ(box.Text(), "abcde");
  box.setSelStart(1);
  box.setSelLength(3);
  QGuiApplication::clipboard()->setText("XYZW\r\nsecond line");
  sendKey(box, Qt::Key_V, Qt::ControlModifier, "\x16");
  EXPECT_EQ(box.Text(), "aXYZe");
  box.setText("a text longer than five");
  EXPECT_EQ(box.Text(), "a text longer than five");
}

TEST(TextBoxLimits, PasteIntoSingleLineTakesTheFirstLine) {
  TextBox box;
  QGuiApplication::clipboard()->setText("first\r\nsecond");
  sendKey(box, Qt::Key_V, Qt::ControlModifier, "\x16");
  EXPECT_EQ(box.Text(), "first");
  TextBox multi;
  multi.setMultiLine(true);
  multi.setMaxLength(6);
  sendKey(multi, Qt::Key_V, Qt::ControlModifier, "\x16");
  EXPECT_EQ(multi.Text(), "first");  // a line break does not go in by halves
}

TEST(TextBoxPassword, MaskedBoxKeepsTheRealTextToItself) {
  TextBox box;
  box.setPasswordChar("*");
  type(box, "Secret");
  EXPECT_EQ(box.Text(), "Secret");
  EXPECT_EQ(box.document()->toPlainText(), "******");
  sendKey(box, Qt::Key_Backspace, {}, "\b");
  box.setSelStart(1);
  box.setSelLength(2);
  EXPECT_EQ(box.SelText(), "ec");
  type(box, "x");
  EXPECT_EQ(box.Text(), "Sxre");
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(access, nullptr);
  ASSERT_NE(access->textInterface(), nullptr);
  EXPECT_EQ(access->textInterface()->text(0, 4), "****");
  box.setText("new one");
  EXPECT_EQ(box.document()->toPlainText(), "*******");
  box.setPasswordChar("");
  EXPECT_EQ(box.document()->toPlainText(), "new one");
  EXPECT_EQ(box.Text(), "new one");
}

TEST(TextBoxPassword, MaskingTextAlreadyThereRaisesNoChange) {
  TextBox box;
  box.setText("pass");
  int changes = 0;
  QObject::connect(&box, &TextBox::Change, [&] { ++changes; });
  box.setPasswordChar("#");
  EXPECT_EQ(box.document()->toPlainText(), "####");
  EXPECT_EQ(box.Text(), "pass");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(box.isUndoRedoEnabled());
}

TEST(TextBoxLook, LinesAlignmentLockAndColour) {
  TextBox box;
  EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  box.setMultiLine(true);
  box.setScrollBars(2);
  EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  box.setScrollBars(3);
  EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::NoWrap);

  box.setAlignment(2);
  EXPECT_EQ(box.document()->defaultTextOption().alignment(), Qt::AlignHCenter);
  box.setLocked(true);
  type(box, "no");
  EXPECT_EQ(box.Text(), "");
  box.setBackColor(QColor(0x80, 0xFF, 0xFF));
  EXPECT_EQ(box.BackColor(), QColor(0x80, 0xFF, 0xFF));
  EXPECT_EQ(box.palette().brush(QPalette::Inactive, QPalette::Highlight).style(), Qt::NoBrush);
}

TEST(TextBoxLook, SingleLineBoxIsOneLineHigh) {
  TextBox box;
  const int single = box.sizeHint().height();
  EXPECT_LT(single, 3 * box.fontMetrics().lineSpacing());
  EXPECT_EQ(box.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
  box.setMultiLine(true);
  EXPECT_GT(box.sizeHint().height(), single);
}

}  // namespace
}  // namespace platform
