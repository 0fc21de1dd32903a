#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>

namespace platform {

class Clipboard;

// Options of RichTextBox::Find, added together.
constexpr int rtfWholeWord = 2;
constexpr int rtfMatchCase = 4;
constexpr int rtfNoHighlight = 8;

// File types of RichTextBox::LoadFile and SaveFile.
constexpr int rtfRTF = 0;
constexpr int rtfText = 1;

// A rich-text box with the Windows text model: line breaks in Text and SelText are CR LF, and
// every position (SelStart, SelLength, Find) counts a line break as two characters.
//
// The clipboard keys (Ctrl+X, Ctrl+C, Ctrl+V, Shift+Delete, Ctrl+Insert, Shift+Insert) and Ctrl+Z
// come to KeyDown first, even when a menu item has the same shortcut; a handler that sets the
// code to 0 runs its own command instead. Otherwise the box cuts, copies, pastes and undoes
// through the clipboard of the program that shows it; a locked box only copies. The editor's
// context menu and drag-and-drop are switched off: the programs show their own menus (MouseUp).
class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  enum class Tri { False, True, Mixed };

  explicit RichTextBox(QWidget* parent = nullptr);

  QString Text() const;
  // Takes CR LF, LF or a lone CR as a line break. The text shows plain, in the box's font, with
  // the formatting of the old text gone; the caret goes to the start.
  void setText(const QString& text);

  QString TextRTF() const;
  // Rich text replaces the whole content; text that is not rich text ("{\rtf...") is taken
  // as plain text, as setText takes it.
  void setTextRTF(const QString& rtf);

  // Setting SelStart places the caret there with nothing selected. Out-of-range values clamp.
  int SelStart() const;
  void setSelStart(int start);
  int SelLength() const;
  void setSelLength(int length);
  QString SelText() const;
  // Replaces the selection (or inserts at the caret); the caret ends behind the new text. A
  // text that would make the box too large is refused as a paste is.
  void setSelText(const QString& text);

  // Runs `change`, made of calls like these, as one step that undo takes back whole.
  template <class Change>
  void asOneUndoStep(Change&& change) {
    struct Step {
      QTextCursor cursor;
      explicit Step(QTextCursor c) : cursor(std::move(c)) { cursor.beginEditBlock(); }
      ~Step() { cursor.endEditBlock(); }
    } step(textCursor());
    change();
  }
  QString SelRTF() const;
  // Replaces the selection with rich text; text that is not rich text goes in as setSelText.
  // Refused as a paste is when the box would be too large.
  void setSelRTF(const QString& rtf);

  // Character formats of the selection: Mixed when the selection is partly so. Without a
  // selection they are those of what is typed next, and setting them changes only that.
  Tri SelBold() const;
  void setSelBold(bool bold);
  Tri SelItalic() const;
  void setSelItalic(bool italic);
  Tri SelUnderline() const;
  void setSelUnderline(bool underline);
  Tri SelStrikethru() const;
  void setSelStrikethru(bool strike);
  // Invalid when the selection holds more than one colour.
  QColor SelColor() const;
  void setSelColor(const QColor& color);
  // The font of the selection, or of what is typed next when nothing is selected.
  QString SelFontName() const;
  void setSelFontName(const QString& family);
  double SelFontSize() const;
  void setSelFontSize(double points);
  // Paragraph alignment of the paragraphs the selection touches: 0 left, 1 right, 2 centre;
  // -1 when they differ. Other values are ignored when set.
  int SelAlignment() const;
  void setSelAlignment(int alignment);

  bool Locked() const { return isReadOnly(); }
  // A locked box cannot be edited but its text can still be selected and copied.
  void setLocked(bool locked);

  QColor BackColor() const;
  void setBackColor(const QColor& color);
  // Shows the text on `back`, with the words that have no colour of their own in `text`, and
  // those that could not be read on the background they show on (their own, else `back`) in a
  // colour that can. The text keeps its own colours: they are what is saved, printed and copied.
  void setShownColours(const QColor& back, const QColor& text);

  // True (the default): the selection is not shown while the box does not have the focus.
  bool HideSelection() const { return hideSelection_; }
  void setHideSelection(bool hide);
  // Hides the selection even while the box has the focus, until called with false; for
  // programs that move the selection about while they edit the text themselves.
  void setSelectionHidden(bool hidden);

  // Searches `text` from the Windows position `start` to `end` (-1: the end of the text);
  // `options` adds rtfWholeWord, rtfMatchCase, rtfNoHighlight; the search ignores case unless
  // told otherwise. Selects what it found unless told not to. Returns its position or -1.
  int Find(const QString& text, int start = 0, int end = -1, int options = 0);

  // Loads a file as rich text (rtfRTF; a file that is not rich text is loaded as plain text)
  // or as plain text (rtfText), decoded as the text files are read. A plain text loses the one
  // line break it ends with, which is the one a save adds. Throws RuntimeError with the reason
  // in plain words when the file is missing, cannot be read or is no text, or when its text is
  // too large for the box to show without keeping the user waiting (TooLargeMessage); the box
  // is then as it was.
  void LoadFile(const QString& path, int type = rtfRTF);
  // Writes the box as rich text or as plain text (UTF-8, CR LF), replacing the file
  // atomically. Throws RuntimeError with the reason when the file cannot be written.
  void SaveFile(const QString& path, int type = rtfRTF) const;

  // The clipboard commands: the selection goes on the clipboard as rich text with its plain
  // text beside it (after clearing it, even when nothing is selected); a paste takes the
  // clipboard's rich text when it holds some, else its text, else the formatted text of its
  // web page markup (a browser's copy) without the pictures.
  void Copy(Clipboard& clipboard) const;
  void Cut(Clipboard& clipboard);
  void Paste(const Clipboard& clipboard);

  // Text from outside the program (another program's hand-over) replaces the whole content as
  // setText does, unless it is too large for the box.
  void ReceiveText(const QString& text);
  // Why a text is refused, whichever way it comes in: the limits LoadFile, Paste, ReceiveText
  // and every edit (typing, deleting, replacing, undo) apply: no more than 8 million
  // characters, nor more than 20,000 letters in a row (what ends a run does not count). All
  // but LoadFile show it in a message box of the box's program and leave the box as it was.
  static QString TooLargeMessage();

 signals:
  void Change();
  void SelChange();
  // A handler that sets the code to 0 swallows the key.
  void KeyDown(int& KeyCode, int Shift);
  void KeyUp(int& KeyCode, int Shift);
  void KeyPress(int& KeyAscii);
  void Click();
  // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; x and y in twips from the
  // box's top left corner.
  void MouseUp(int Button, int Shift, double x, double y);
  void GotFocus();
  void LostFocus();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  // Runs a change of the text or its format so that Change and SelChange are raised once,
  // after the whole change.
  template <class Edit>
  void edit(Edit&& change);
  void contentsChangedByEditor();
  void cursorMovedByEditor();
  void raiseSelChangeIfMoved();

  void runOwnCommand(const QKeyEvent& event);
  Clipboard& programClipboard() const;
  // Replaces the whole text; there is nothing to undo afterwards.
  template <class Replace>
  void replaceWhole(Replace&& replace);

  void setSelection(int start, int length);
  void replaceSelectionWithPlainText(const QString& windowsText);
  // Runs an edit made for the user (a key, the box's own undo); when it leaves a run longer
  // than the box takes, `takeBack` undoes it, the selection is as before and the user is told.
  template <class Edit, class TakeBack>
  void keepWithinLimits(Edit&& change, TakeBack&& takeBack);
  // Runs the editor's handling of a key or typed text that puts in `typed` characters.
  template <class Handle>
  void typeWithinLimits(qsizetype typed, Handle&& handle);
  // Whether replacing the selection by `typed` characters, or taking out what lies between
  // runs beside it, could make a run longer than the box takes.
  bool mayJoinALongRun(qsizetype typed) const;
  // The letters of the two runs nearest `position`, after it or before it.
  qsizetype lettersBeside(int position, bool after) const;
  void noteChange(int position, int removed, int added);
  QString textBetween(int from, int to) const;
  void replaceAllWithPlainText(const QString& windowsText);
  void replaceAllWithRtfOrText(const QByteArray& bytes);
  void insertPart(const QTextDocument& part);
  // Whether the box would still fit its limits with `pasted` in place of the selection; says
  // why not when it would not.
  bool admitsInPlaceOfSelection(qsizetype pastedWindowsLength, const QString& pasted) const;
  QString textAroundSelection(const QString& pasted) const;
  void showTooLarge() const;
  void mergeSelectionFormat(const QTextCharFormat& format);
  Tri selectionFlag(bool (*flag)(const QTextCharFormat&, const QFont&)) const;
  QTextCursor paragraphsCursor() const;
  void applySelectionColours();
  void showUnreadableWordsReadably();

  bool hideSelection_ = true;
  bool selectionHidden_ = false;
  QPalette shownSelection_;
  QColor shownText_;  // valid once the box shows its text in chosen colours
  int editDepth_ = 0;
  bool changePending_ = false;
  // Where the text changed while an edit is watched (-1: not yet).
  bool watchingChanges_ = false;
  int changedFrom_ = -1;
  int changedTo_ = -1;
  int lastAnchor_ = 0;
  int lastPosition_ = 0;
};

}  // namespace platform
