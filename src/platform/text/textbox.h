#pragma once

#include <QColor>
#include <QPalette>
#include <QPlainTextEdit>
#include <QString>

namespace platform {

// A text box with the Windows text model: line breaks in Text and SelText are CR LF, and every
// position (SelStart, SelLength) counts a line break as two characters. Single-line by
// default; Return then goes on to the window (its default button) instead of breaking the line.
// The box keeps its own clipboard keys and menu, as the Windows text box did.
class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent = nullptr);

  QString Text() const;
  // Takes CR LF, LF or a lone CR as a line break; the caret goes to the start. Setting the text
  // the box already holds changes nothing and raises no Change.
  void setText(const QString& text);

  // Out-of-range values clamp; setting SelStart leaves nothing selected.
  int SelStart() const;
  void setSelStart(int start);
  int SelLength() const;
  void setSelLength(int length);
  QString SelText() const;
  void setSelText(const QString& text);

  bool MultiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine);
  // 0 none, 1 horizontal, 2 vertical, 3 both. A multi-line box without a horizontal scroll bar
  // wraps its lines at the box's width.
  int ScrollBars() const { return scrollBars_; }
  void setScrollBars(int scrollBars);

  bool Locked() const { return isReadOnly(); }
  // A locked box cannot be edited but its text can still be selected and copied.
  void setLocked(bool locked);

  // The most characters the user can type or paste (a line break counts two); 0 for no limit.
  // Text set by the program is not cut.
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int maxLength);

  // 0 left, 1 right, 2 centre.
  int Alignment() const { return alignment_; }
  void setAlignment(int alignment);

  // One character shown in place of every character typed; "" shows the text. A masked box
  // holds only mask characters in its document, so neither the clipboard nor a screen reader
  // ever gets the real text, and it has no undo.
  QString PasswordChar() const { return passwordChar_; }
  void setPasswordChar(const QString& mask);

  QColor BackColor() const;
  void setBackColor(const QColor& color);

  // True (the default): the selection is not shown while the box does not have the focus.
  bool HideSelection() const { return hideSelection_; }
  void setHideSelection(bool hide);

  // A single-line box is one line high.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void Change();
  // A handler that sets the code to 0 swallows the key.
  void KeyDown(int& KeyCode, int Shift);
  void KeyUp(int& KeyCode, int Shift);
  void KeyPress(int& KeyAscii);
  void Click();
  void GotFocus();
  void LostFocus();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  bool masked() const { return !passwordChar_.isEmpty(); }
  void keepSecretInStep(int position, int removed, int added);
  // Replaces what `cursor` selects with document text, masked in a masked box.
  void replace(QTextCursor& cursor, const QString& content);
  // Replaces the selection with text the user typed or pasted (Windows form).
  void insertTyped(const QString& text);
  void rewriteDocument(const QString& real);
  void applyLineMode();
  void setSelection(int start, int length);
  // How many more characters fit under MaxLength, the selection being replaced.
  int room() const;
  // What of a typed or pasted text the box takes: the first line of a single-line box, and no
  // more than MaxLength allows.
  QString fitted(QString text) const;
  int oneLineHeight() const;

  bool multiLine_ = false;
  int scrollBars_ = 0;
  int maxLength_ = 0;
  int alignment_ = 0;
  QString passwordChar_;
  // The real text of a masked box, whose document holds only mask characters; `typed_` is
  // the real text while its mask characters go in.
  QString secret_;
  QString typed_;
  bool masking_ = false;
  bool hideSelection_ = true;
  QPalette shownSelection_;
};

}  // namespace platform
