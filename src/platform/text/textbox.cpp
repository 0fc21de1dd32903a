#include "platform/text/textbox.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "platform/text/text_events.h"
#include "platform/text/text_positions.h"

namespace platform {
namespace {

constexpr int kHorizontalBar = 1;
constexpr int kVerticalBar = 2;

// Document text keeps its paragraph breaks as U+2029, the way QTextDocument::toRawText has them.
QString documentForm(const QString& windowsText) {
  QString text = textpos::fromWindowsText(windowsText);
  text.replace(u'\n', QChar::ParagraphSeparator);
  return text;
}

bool isBreak(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

// The mask for a text: one mask character per character; breaks stay, so the positions of the
// masked document are those of the real text.
QString maskOf(const QString& text, QChar mask) {
  QString masked = text;
  for (QChar& c : masked) {
    if (!isBreak(c)) c = mask;
  }
  return masked;
}

Qt::ScrollBarPolicy barPolicy(bool shown) {
  return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

Qt::Alignment qtAlignment(int alignment) {
  switch (alignment) {
    case 1:
      return Qt::AlignRight;
    case 2:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

bool isReturn(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent), shownSelection_(palette()) {
  setAcceptDrops(false);
  setTabChangesFocus(true);
  applyLineMode();
  setHideSelection(true);
  connect(document(), &QTextDocument::contentsChange, this, &TextBox::keepSecretInStep);
  connect(document(), &QTextDocument::contentsChanged, this, [this] { emit Change(); });
}

QString TextBox::Text() const {
  return masked() ? textpos::toWindowsText(secret_) : textpos::windowsText(*document());
}

void TextBox::setText(const QString& text) {
  if (textpos::toWindowsText(textpos::fromWindowsText(text)) == Text()) return;
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  replace(all, documentForm(text));
  setTextCursor(QTextCursor(document()));
}

void TextBox::replace(QTextCursor& cursor, const QString& content) {
  if (masked()) {
    typed_ = content;
    masking_ = true;
    cursor.insertText(maskOf(content, passwordChar_.at(0)));
    masking_ = false;
  } else {
    cursor.insertText(content);
  }
}

int TextBox::SelStart() const { return textpos::selectionOf(textCursor()).start; }

void TextBox::setSelStart(int start) { setSelection(start, 0); }

int TextBox::SelLength() const { return textpos::selectionOf(textCursor()).length; }

void TextBox::setSelLength(int length) { setSelection(SelStart(), length); }

void TextBox::setSelection(int start, int length) {
  setTextCursor(textpos::cursorFor(*document(), start, length));
}

QString TextBox::SelText() const {
  const QTextCursor cursor = textCursor();
  if (!masked()) return textpos::toWindowsText(cursor.selectedText());
  const int start = cursor.selectionStart();
  return textpos::toWindowsText(secret_.mid(start, cursor.selectionEnd() - start));
}

void TextBox::setSelText(const QString& text) {
  QTextCursor cursor = textCursor();
  replace(cursor, documentForm(text));
  setTextCursor(cursor);
}

void TextBox::insertTyped(const QString& text) {
  if (!text.isEmpty()) setSelText(text);
}

// Keeps the real text of a masked box in step with its document. What Qt reports as removed
// and added may include the document's final paragraph break; the change in length is exact.
void TextBox::keepSecretInStep(int position, int removed, int added) {
  if (!masked()) return;
  const int documentLength = document()->characterCount() - 1;
  const int growth = documentLength - int(secret_.size());
  const int reallyAdded = std::clamp(added, 0, documentLength - position);
  const QString inserted = masking_ ? typed_ : document()->toRawText().mid(position, reallyAdded);
  const int replaced = int(inserted.size()) - growth;
  if (replaced < 0 || replaced > removed || position + replaced > secret_.size()) {
    secret_ = document()->toRawText();  // never leave the two out of step
    return;
  }
  secret_.replace(position, replaced, inserted);
}

void TextBox::setMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  applyLineMode();
}

void TextBox::setScrollBars(int scrollBars) {
  scrollBars_ = std::clamp(scrollBars, 0, kHorizontalBar | kVerticalBar);
  applyLineMode();
}

void TextBox::applyLineMode() {
  const bool horizontal = multiLine_ && (scrollBars_ & kHorizontalBar);
  const bool vertical = multiLine_ && (scrollBars_ & kVerticalBar);
  setLineWrapMode(multiLine_ && !horizontal ? WidgetWidth : NoWrap);
  setHorizontalScrollBarPolicy(barPolicy(horizontal));
  setVerticalScrollBarPolicy(barPolicy(vertical));
  setSizePolicy(QSizePolicy::Expanding,
                multiLine_ ? QSizePolicy::Expanding : QSizePolicy::Fixed);
  updateGeometry();
}

int TextBox::oneLineHeight() const {
  const int margins = int(2 * document()->documentMargin()) + 2 * frameWidth();
  return fontMetrics().lineSpacing() + margins;
}

QSize TextBox::sizeHint() const {
  QSize size = QPlainTextEdit::sizeHint();
  if (!multiLine_) size.setHeight(oneLineHeight());
  return size;
}

QSize TextBox::minimumSizeHint() const {
  QSize size = QPlainTextEdit::minimumSizeHint();
  if (!multiLine_) size.setHeight(oneLineHeight());
  return size;
}

void TextBox::setLocked(bool locked) {
  setReadOnly(locked);
  if (locked) {
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  } else {
    setTextInteractionFlags(Qt::TextEditorInteraction);
  }
}

void TextBox::setMaxLength(int maxLength) { maxLength_ = std::max(0, maxLength); }

int TextBox::room() const {
  if (maxLength_ == 0) return std::numeric_limits<int>::max();
  const int kept = textpos::windowsLength(*document()) - SelLength();
  return std::max(0, maxLength_ - kept);
}

QString TextBox::fitted(QString text) const {
  text = textpos::toWindowsText(textpos::fromWindowsText(text));
  if (const qsizetype lineEnd = text.indexOf(u'\r'); !multiLine_ && lineEnd >= 0) {
    text.truncate(lineEnd);
  }
  const int fits = room();
  if (text.size() > fits) {
    text.truncate(fits);
    if (text.endsWith(u'\r')) text.chop(1);  // half a line break is none
  }
  return text;
}

void TextBox::setAlignment(int alignment) {
  alignment_ = std::clamp(alignment, 0, 2);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(qtAlignment(alignment_));
  document()->setDefaultTextOption(option);
}

void TextBox::setPasswordChar(const QString& mask) {
  const QString wanted = mask.left(1);
  if (wanted == passwordChar_) return;
  secret_ = masked() ? secret_ : document()->toRawText();
  passwordChar_ = wanted;
  rewriteDocument(secret_);
  if (!masked()) secret_.clear();
  setUndoRedoEnabled(!masked());
}

// Shows the real text masked or plain; the text itself stays, so no Change is raised.
void TextBox::rewriteDocument(const QString& real) {
  const QSignalBlocker quiet(this);
  const QTextCursor caret = textCursor();
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  replace(all, real);
  QTextCursor restored(document());
  restored.setPosition(caret.anchor());
  restored.setPosition(caret.position(), QTextCursor::KeepAnchor);
  setTextCursor(restored);
}

QColor TextBox::BackColor() const { return palette().color(QPalette::Base); }

void TextBox::setBackColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, color);
  setPalette(colours);
}

void TextBox::setHideSelection(bool hide) {
  hideSelection_ = hide;
  textevents::showSelection(*this, shownSelection_, true, !hide);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  int ascii = 0;
  const textevents::KeyHandlers handlers{
      [this](int& code, int shift) { emit KeyDown(code, shift); },
      [this](int& typed) { emit KeyPress(typed); }};
  if (!textevents::raiseKeyPress(*event, handlers, ascii)) {
    event->accept();
    return;
  }
  if (isReturn(*event)) {
    if (!multiLine_) {
      event->ignore();  // the window's default button takes it
    } else if (!isReadOnly()) {
      insertTyped(fitted(QStringLiteral("\r\n")));
    }
    return;
  }
  const bool typesCharacter = ascii >= 32 && !(event->modifiers() & Qt::ControlModifier);
  if (typesCharacter && (masked() || maxLength_ > 0 || ascii != textevents::keyAscii(*event))) {
    if (!isReadOnly()) {
      const QString typed = fitted(QString(QChar(ascii)));
      if (typed.isEmpty()) QApplication::beep();
      insertTyped(typed);
    }
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
  QPlainTextEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  if (int code = textevents::windowsKeyCode(*event); code != 0) {
    emit KeyUp(code, textevents::shiftState(event->modifiers()));
  }
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!masked() && maxLength_ == 0) return QPlainTextEdit::inputMethodEvent(event);
  if (!isReadOnly()) insertTyped(fitted(event->commitString()));
  event->accept();
}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (source && source->hasText() && !isReadOnly()) insertTyped(fitted(source->text()));
}

void TextBox::mousePressEvent(QMouseEvent* event) {
  QTextCursor cursor = textCursor();
  const int hit = cursorForPosition(event->position().toPoint()).position();
  if (textevents::pressWouldDrag(*event, cursor, hit)) {
    cursor.clearSelection();
    setTextCursor(cursor);
  }
  QPlainTextEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit Click();
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  if (!textevents::isWindowSwitch(event->reason())) emit GotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (!textevents::isWindowSwitch(event->reason())) emit LostFocus();
}

}  // namespace platform
