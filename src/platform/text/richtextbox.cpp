#include "platform/text/richtextbox.h"

#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/files/cp1252.h"
#include "platform/system/clipboard.h"
#include "platform/system/errors.h"
#include "platform/richtext/rtf.h"
#include "platform/richtext/rtf_pictures.h"
#include "platform/text/text_colours.h"
#include "platform/text/text_events.h"
#include "platform/text/text_positions.h"
#include "platform/files/textfile.h"
#include "platform/system/runtime_library.h"
#include "platform/windows/form.h"
#include "platform/windows/program.h"

namespace platform {
namespace {

constexpr qint64 kMaxLoadBytes = qint64(64) * 1024 * 1024;
// Past these the box's layout no longer keeps up with the user: measured with an optimised
// build, 8 million characters open in about 2 seconds in short lines and 4 in one paragraph,
// and a run that cannot be broken across lines costs time by the square of its length (20,000
// characters in a few milliseconds, a million in most of a minute).
constexpr qsizetype kMaxLoadCharacters = 8'000'000;
constexpr qsizetype kMaxUnbrokenRun = 20'000;
constexpr int kErrorOutOfMemory = 7;
constexpr int kErrorFileNotFound = 53;
constexpr int kErrorFileAccess = 75;
constexpr int kErrorInvalidValue = 380;

bool isRtf(const QString& text) { return text.startsWith(QLatin1String("{\\rtf")); }

// Rich text held in a string, as bytes for the reader: what Windows-1252 cannot hold goes in as
// a \uN escape, which means the same character.
QByteArray rtfBytes(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar c : text) {
    unsigned char byte = 0;
    if (c.unicode() < 0x80 || cp1252::fromUnicode(c, byte)) {
      bytes.append(char(c.unicode() < 0x80 ? c.unicode() : byte));
    } else {
      bytes.append("\\u" + QByteArray::number(qint16(c.unicode())) + '?');
    }
  }
  return bytes;
}

constexpr int kErrorInvalidFileFormat = 321;

// Why a file cannot be opened is said in words the user can act on.
QByteArray readFileForBox(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) {
    throw RuntimeError(kErrorFileNotFound, QStringLiteral("The file does not exist."));
  }
  if (info.isDir()) {
    throw RuntimeError(kErrorFileAccess, QStringLiteral("It is a folder, not a file."));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw RuntimeError(kErrorFileAccess,
                       info.isReadable()
                           ? QStringLiteral("It could not be read: %1.").arg(file.errorString())
                           : QStringLiteral("You are not allowed to read it."));
  }
  if (file.size() > kMaxLoadBytes) {
    throw RuntimeError(kErrorOutOfMemory,
                       QStringLiteral("It is larger than the 64 MB this program opens."));
  }
  QByteArray bytes = file.readAll();
  if (!bytes.startsWith("{\\rtf") && textfile::isBinary(bytes)) {
    throw RuntimeError(kErrorInvalidFileFormat,
                       QStringLiteral("It is not a text file or a rich-text file."));
  }
  return bytes;
}

// The letters of a run, without the blanks or line break that end it.
qsizetype lettersOf(QStringView run) {
  qsizetype letters = run.size();
  while (letters > 0 && run[letters - 1].isSpace()) --letters;
  return letters;
}

// Whether no run of the text is longer than the box can break into lines quickly.
bool hasNoLongRun(const QString& text) {
  if (text.size() <= kMaxUnbrokenRun) return true;
  QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
  qsizetype last = 0;
  for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
    if (lettersOf(QStringView(text).sliced(last, at - last)) > kMaxUnbrokenRun) return false;
    last = at;
  }
  return true;
}

// Whether the box can lay out the text quickly enough for the user to scroll through it.
bool fitsTheBox(const QString& text) {
  return text.size() <= kMaxLoadCharacters && hasNoLongRun(text);
}

void refuseUnlessItFits(const QString& text) {
  if (!fitsTheBox(text)) throw RuntimeError(kErrorOutOfMemory, RichTextBox::TooLargeMessage());
}

// A save ends a plain text with a line break: the text opened again is the text that was saved.
QString withoutClosingBreak(QString text) {
  if (text.endsWith(QLatin1String("\r\n"))) {
    text.chop(2);
  } else if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
    text.chop(1);
  }
  return text;
}

// The letters of the two runs nearest one end of a text: as many as an edit there can join
// into one run by taking out what lies between them.
struct LettersInReach {
  qsizetype letters = 0;
  bool bothRunsEnded = false;  // else the runs may go on beyond the text
};

LettersInReach lettersInReach(QStringView text, bool fromStart) {
  LettersInReach reach;
  int runsEnded = 0;
  bool inRun = false;
  for (qsizetype k = 0; k < text.size(); ++k) {
    const QChar c = text[fromStart ? k : text.size() - 1 - k];
    if (!c.isSpace()) {
      ++reach.letters;
      inRun = true;
    } else if (inRun) {
      inRun = false;
      if (++runsEnded == 2) {
        reach.bothRunsEnded = true;
        break;
      }
    }
  }
  return reach;
}

void checkFileType(int type) {
  if (type != rtfRTF && type != rtfText) {
    throw RuntimeError(kErrorInvalidValue, QStringLiteral("Invalid property value"));
  }
}

// A character format's flag, falling back on the document's font where the format is silent.
bool isBold(const QTextCharFormat& f, const QFont& base) {
  return f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() > QFont::Medium : base.bold();
}
bool isItalic(const QTextCharFormat& f, const QFont& base) {
  return f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : base.italic();
}
bool isUnderlined(const QTextCharFormat& f, const QFont& base) {
  const bool set = f.hasProperty(QTextFormat::TextUnderlineStyle) ||
                   f.hasProperty(QTextFormat::FontUnderline);
  return set ? f.fontUnderline() : base.underline();
}
bool isStruckOut(const QTextCharFormat& f, const QFont& base) {
  return f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : base.strikeOut();
}

// The value every character of the selection has, or nothing when they differ. A selection
// that holds no character (only paragraph breaks) has the value of the format at its start.
template <class Value, class Of>
std::optional<Value> uniformValue(const QTextCursor& selection, Of of) {
  const int start = selection.selectionStart();
  const int end = selection.selectionEnd();
  std::optional<Value> value;
  const QTextDocument& doc = *selection.document();
  for (QTextBlock block = doc.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.position() + fragment.length() <= start || fragment.position() >= end) {
        continue;
      }
      const Value here = of(fragment.charFormat());
      if (value && *value != here) return std::nullopt;
      value = here;
    }
  }
  if (!value) {
    QTextCursor atStart(selection);
    atStart.setPosition(start);
    value = of(atStart.charFormat());
  }
  return value;
}

int windowsAlignment(Qt::Alignment alignment) {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignHCenter) return 2;
  if (horizontal & (Qt::AlignRight | Qt::AlignTrailing)) return 1;
  return 0;
}

std::optional<Qt::Alignment> qtAlignment(int alignment) {
  switch (alignment) {
    case 0:
      return Qt::AlignLeft;
    case 1:
      return Qt::AlignRight;
    case 2:
      return Qt::AlignHCenter;
    default:
      return std::nullopt;
  }
}

// A browser's pictures are links to elsewhere that the box cannot show.
void removePictures(QTextDocument& doc) {
  QList<int> pictures;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      for (int at = 0; at < fragment.length(); ++at) pictures.append(fragment.position() + at);
    }
  }
  // From the end, so the positions still to come stay where they are.
  QTextCursor cursor(&doc);
  for (auto at = pictures.crbegin(); at != pictures.crend(); ++at) {
    cursor.setPosition(*at);
    cursor.deleteChar();
  }
}

// The colour of the text nearest a link in its paragraph that is not a link itself, before it
// if there is some; no brush where the paragraph has no other text.
QBrush colourAround(const QTextBlock& block, int linkPosition) {
  QBrush before;
  QBrush after;
  bool seenBefore = false;
  bool seenAfter = false;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextCharFormat f = it.fragment().charFormat();
    if (!f.anchorHref().isEmpty()) continue;
    if (it.fragment().position() < linkPosition) {
      before = f.foreground();
      seenBefore = true;
    } else if (!seenAfter) {
      after = f.foreground();
      seenAfter = true;
    }
  }
  return seenBefore ? before : after;
}

// A browser's links lead nowhere from here, and in the box's own colours they would pass for
// the links a web page made here shows: they take the look of the text around them.
void showLinksAsText(QTextDocument& doc) {
  struct Link {
    int position;
    int length;
    QTextCharFormat format;
  };
  std::vector<Link> links;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextCharFormat f = it.fragment().charFormat();
      if (f.anchorHref().isEmpty()) continue;
      for (const auto property : {QTextFormat::IsAnchor, QTextFormat::AnchorHref,
                                  QTextFormat::AnchorName, QTextFormat::FontUnderline,
                                  QTextFormat::TextUnderlineStyle, QTextFormat::ForegroundBrush})
        f.clearProperty(property);
      if (const QBrush colour = colourAround(block, it.fragment().position());
          colour.style() != Qt::NoBrush)
        f.setForeground(colour);
      links.push_back({it.fragment().position(), it.fragment().length(), f});
    }
  }
  QTextCursor cursor(&doc);
  for (const Link& link : links) {
    cursor.setPosition(link.position);
    cursor.setPosition(link.position + link.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(link.format);
  }
}

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

bool isWholeWord(const QString& text, int at, int length) {
  const bool startsWord = at == 0 || !isWordCharacter(text.at(at - 1));
  const int after = at + length;
  return startsWord && (after >= text.size() || !isWordCharacter(text.at(after)));
}

// Qt's own bindings of the editing commands, which differ from desktop to desktop.
bool isEditorOwnShortcut(const QKeyEvent& event) {
  for (const QKeySequence::StandardKey key : {QKeySequence::Cut, QKeySequence::Copy,
                                              QKeySequence::Paste, QKeySequence::Undo,
                                              QKeySequence::Redo}) {
    if (event.matches(key)) return true;
  }
  return false;
}

enum class OwnCommand { None, Cut, Copy, Paste, Undo };

// The keys a Windows rich-text box acts on by itself, with exactly these modifiers.
OwnCommand ownCommand(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers kCounted =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  const struct {
    Qt::KeyboardModifiers held;
    int key;
    OwnCommand command;
  } keys[] = {
      {Qt::ControlModifier, Qt::Key_X, OwnCommand::Cut},
      {Qt::ShiftModifier, Qt::Key_Delete, OwnCommand::Cut},
      {Qt::ControlModifier, Qt::Key_C, OwnCommand::Copy},
      {Qt::ControlModifier, Qt::Key_Insert, OwnCommand::Copy},
      {Qt::ControlModifier, Qt::Key_V, OwnCommand::Paste},
      {Qt::ShiftModifier, Qt::Key_Insert, OwnCommand::Paste},
      {Qt::ControlModifier, Qt::Key_Z, OwnCommand::Undo},
  };
  const Qt::KeyboardModifiers held = event.modifiers() & kCounted;
  for (const auto& k : keys) {
    if (k.held == held && k.key == event.key()) return k.command;
  }
  return OwnCommand::None;
}

}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent), shownSelection_(palette()) {
  setAcceptRichText(true);
  setTabChangesFocus(false);
  setAcceptDrops(false);
  setContextMenuPolicy(Qt::PreventContextMenu);
  applySelectionColours();
  connect(document(), &QTextDocument::contentsChanged, this,
          &RichTextBox::contentsChangedByEditor);
  connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::cursorMovedByEditor);
  connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::cursorMovedByEditor);
  connect(document(), &QTextDocument::contentsChange, this, &RichTextBox::noteChange);
}

template <class Edit>
void RichTextBox::edit(Edit&& change) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  };
  {
    const Depth inside(editDepth_);
    change();
  }
  if (editDepth_ > 0) return;
  if (changePending_) {
    changePending_ = false;
    emit Change();
  }
  raiseSelChangeIfMoved();
}

void RichTextBox::contentsChangedByEditor() {
  if (editDepth_ > 0) {
    changePending_ = true;
  } else {
    emit Change();
  }
}

void RichTextBox::cursorMovedByEditor() {
  if (editDepth_ == 0) raiseSelChangeIfMoved();
}

void RichTextBox::raiseSelChangeIfMoved() {
  const QTextCursor cursor = textCursor();
  if (cursor.anchor() == lastAnchor_ && cursor.position() == lastPosition_) return;
  lastAnchor_ = cursor.anchor();
  lastPosition_ = cursor.position();
  emit SelChange();
}

QString RichTextBox::Text() const { return textpos::windowsText(*document()); }

void RichTextBox::setText(const QString& text) {
  edit([&] { replaceAllWithPlainText(text); });
}

template <class Replace>
void RichTextBox::replaceWhole(Replace&& replace) {
  // Switching the history off and on again empties it, and the new text is not recorded.
  document()->setUndoRedoEnabled(false);
  replace();
  document()->setUndoRedoEnabled(true);
  setTextCursor(QTextCursor(document()));
}

void RichTextBox::replaceAllWithPlainText(const QString& windowsText) {
  replaceWhole([&] { document()->setPlainText(textpos::fromWindowsText(windowsText)); });
}

void RichTextBox::replaceAllWithRtfOrText(const QByteArray& bytes) {
  edit([&] {
    if (bytes.startsWith("{\\rtf")) {
      replaceWhole([&] { rtf::read(bytes, *document()); });
    } else {
      replaceAllWithPlainText(textfile::decode(bytes));
    }
  });
}

QString RichTextBox::TextRTF() const { return QString::fromLatin1(rtf::write(*document())); }

void RichTextBox::setTextRTF(const QString& rtf) {
  if (isRtf(rtf)) {
    replaceAllWithRtfOrText(rtfBytes(rtf));
  } else {
    setText(rtf);
  }
}

int RichTextBox::SelStart() const { return textpos::selectionOf(textCursor()).start; }

void RichTextBox::setSelStart(int start) { setSelection(start, 0); }

int RichTextBox::SelLength() const { return textpos::selectionOf(textCursor()).length; }

void RichTextBox::setSelLength(int length) { setSelection(SelStart(), length); }

void RichTextBox::setSelection(int start, int length) {
  setTextCursor(textpos::cursorFor(*document(), start, length));
}

QString RichTextBox::SelText() const {
  return textpos::selectedWindowsText(textCursor());
}

void RichTextBox::setSelText(const QString& text) {
  const QString plain = textpos::fromWindowsText(text);
  if (admitsInPlaceOfSelection(plain.size() + plain.count(u'\n'), plain)) {
    replaceSelectionWithPlainText(text);
  }
}

void RichTextBox::replaceSelectionWithPlainText(const QString& text) {
  edit([&] {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(textpos::fromWindowsText(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
  });
}

QString RichTextBox::SelRTF() const {
  QTextDocument part;
  part.setDefaultFont(document()->defaultFont());
  QTextCursor(&part).insertFragment(textCursor().selection());
  rtf::copyPictureImages(*document(), part);
  return QString::fromLatin1(rtf::write(part));
}

void RichTextBox::setSelRTF(const QString& rtf) {
  if (!isRtf(rtf)) return setSelText(rtf);
  QTextDocument part;
  part.setDefaultFont(document()->defaultFont());
  rtf::read(rtfBytes(rtf), part);
  if (admitsInPlaceOfSelection(textpos::windowsLength(part), part.toRawText())) insertPart(part);
}

void RichTextBox::insertPart(const QTextDocument& part) {
  edit([&] {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertFragment(QTextDocumentFragment(&part));
    rtf::copyPictureImages(part, *document());
    cursor.endEditBlock();
    setTextCursor(cursor);
  });
}

RichTextBox::Tri RichTextBox::selectionFlag(bool (*flag)(const QTextCharFormat&,
                                                         const QFont&)) const {
  const QFont base = document()->defaultFont();
  const auto of = [&](const QTextCharFormat& format) { return flag(format, base); };
  const QTextCursor cursor = textCursor();
  const std::optional<bool> value =
      cursor.hasSelection() ? uniformValue<bool>(cursor, of) : of(currentCharFormat());
  if (!value) return Tri::Mixed;
  return *value ? Tri::True : Tri::False;
}

RichTextBox::Tri RichTextBox::SelBold() const { return selectionFlag(isBold); }

void RichTextBox::setSelBold(bool bold) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  mergeSelectionFormat(format);
}

RichTextBox::Tri RichTextBox::SelItalic() const { return selectionFlag(isItalic); }

void RichTextBox::setSelItalic(bool italic) {
  QTextCharFormat format;
  format.setFontItalic(italic);
  mergeSelectionFormat(format);
}

RichTextBox::Tri RichTextBox::SelUnderline() const { return selectionFlag(isUnderlined); }

void RichTextBox::setSelUnderline(bool underline) {
  QTextCharFormat format;
  format.setFontUnderline(underline);
  mergeSelectionFormat(format);
}

RichTextBox::Tri RichTextBox::SelStrikethru() const { return selectionFlag(isStruckOut); }

void RichTextBox::setSelStrikethru(bool strike) {
  QTextCharFormat format;
  format.setFontStrikeOut(strike);
  mergeSelectionFormat(format);
}

QColor RichTextBox::SelColor() const {
  const QColor text = palette().color(QPalette::Text);
  const auto of = [&](const QTextCharFormat& format) {
    const QBrush brush = format.foreground();
    return (brush.style() == Qt::NoBrush ? text : brush.color()).rgba();
  };
  const QTextCursor cursor = textCursor();
  const std::optional<QRgb> value =
      cursor.hasSelection() ? uniformValue<QRgb>(cursor, of) : of(currentCharFormat());
  return value ? QColor::fromRgba(*value) : QColor();
}

void RichTextBox::setSelColor(const QColor& color) {
  QTextCharFormat format;
  format.setForeground(color);
  mergeSelectionFormat(format);
}

QString RichTextBox::SelFontName() const {
  const QStringList families = textCursor().charFormat().fontFamilies().toStringList();
  return families.isEmpty() ? currentFont().family() : families.first();
}

void RichTextBox::setSelFontName(const QString& family) {
  QTextCharFormat format;
  format.setFontFamilies({family});
  mergeSelectionFormat(format);
}

double RichTextBox::SelFontSize() const {
  const double size = textCursor().charFormat().fontPointSize();
  return size > 0 ? size : currentFont().pointSizeF();
}

void RichTextBox::setSelFontSize(double points) {
  QTextCharFormat format;
  format.setFontPointSize(points);
  mergeSelectionFormat(format);
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format) {
  edit([&] { mergeCurrentCharFormat(format); });
}

// The paragraphs a selection touches; a selection that ends just where a paragraph starts
// holds nothing of that paragraph.
QTextCursor RichTextBox::paragraphsCursor() const {
  QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  int end = cursor.selectionEnd();
  if (end > start && document()->findBlock(end).position() == end) --end;
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  return cursor;
}

int RichTextBox::SelAlignment() const {
  const QTextCursor paragraphs = paragraphsCursor();
  const QTextBlock last = document()->findBlock(paragraphs.selectionEnd());
  const int alignment = windowsAlignment(last.blockFormat().alignment());
  for (QTextBlock block = document()->findBlock(paragraphs.selectionStart()); block != last;
       block = block.next()) {
    if (windowsAlignment(block.blockFormat().alignment()) != alignment) return -1;
  }
  return alignment;
}

void RichTextBox::setSelAlignment(int alignment) {
  const std::optional<Qt::Alignment> qt = qtAlignment(alignment);
  if (!qt) return;
  QTextBlockFormat format;
  format.setAlignment(*qt);
  edit([&] { paragraphsCursor().mergeBlockFormat(format); });
}

void RichTextBox::setLocked(bool locked) {
  setReadOnly(locked);
  if (locked) {
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  } else {
    setTextInteractionFlags(Qt::TextEditorInteraction);
  }
}

QColor RichTextBox::BackColor() const { return palette().color(QPalette::Base); }

void RichTextBox::setBackColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, color);
  setPalette(colours);
}

void RichTextBox::setShownColours(const QColor& back, const QColor& text) {
  if (!shownText_.isValid()) {
    connect(document(), &QTextDocument::contentsChanged, this,
            &RichTextBox::showUnreadableWordsReadably);
  }
  shownText_ = text;
  setBackColor(back);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, text);
  setPalette(colours);
  showUnreadableWordsReadably();
}

void RichTextBox::showUnreadableWordsReadably() {
  setExtraSelections(textcolours::unreadableRuns(*document(), BackColor(), shownText_));
}

void RichTextBox::setHideSelection(bool hide) {
  hideSelection_ = hide;
  applySelectionColours();
}

void RichTextBox::setSelectionHidden(bool hidden) {
  selectionHidden_ = hidden;
  applySelectionColours();
}

void RichTextBox::applySelectionColours() {
  textevents::showSelection(*this, shownSelection_, !selectionHidden_,
                            !selectionHidden_ && !hideSelection_);
}

int RichTextBox::Find(const QString& text, int start, int end, int options) {
  const QTextDocument& doc = *document();
  const int total = textpos::windowsLength(doc);
  if (text.isEmpty() || start > total) return -1;
  const int from = textpos::toQt(doc, start);
  const int to = textpos::toQt(doc, end < 0 ? total : end);
  QString needle = textpos::fromWindowsText(text);
  needle.replace(u'\n', QChar::ParagraphSeparator);
  const QString haystack = doc.toRawText();
  const Qt::CaseSensitivity cs =
      (options & rtfMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (qsizetype at = haystack.indexOf(needle, from, cs); at >= 0 && at + needle.size() <= to;
       at = haystack.indexOf(needle, at + 1, cs)) {
    const int found = int(at);
    if ((options & rtfWholeWord) && !isWholeWord(haystack, found, int(needle.size()))) continue;
    if (!(options & rtfNoHighlight)) {
      QTextCursor cursor(document());
      cursor.setPosition(found);
      cursor.setPosition(found + int(needle.size()), QTextCursor::KeepAnchor);
      setTextCursor(cursor);
    }
    return textpos::toWindows(doc, found);
  }
  return -1;
}

void RichTextBox::LoadFile(const QString& path, int type) {
  checkFileType(type);
  const QByteArray bytes = readFileForBox(path);
  if (type == rtfRTF && bytes.startsWith("{\\rtf")) {
    // Rich text holds no more characters than bytes, so only a larger file is read twice.
    if (bytes.size() > kMaxUnbrokenRun) {
      QTextDocument trial;
      trial.setDefaultFont(document()->defaultFont());
      rtf::read(bytes, trial);
      refuseUnlessItFits(trial.toRawText());
    }
    replaceAllWithRtfOrText(bytes);
    return;
  }
  const QString text = withoutClosingBreak(textfile::decode(bytes));
  refuseUnlessItFits(text);
  setText(text);
}

void RichTextBox::SaveFile(const QString& path, int type) const {
  checkFileType(type);
  const QString failure = type == rtfText
                              ? textfile::writeAtomic(path, Text())
                              : textfile::writeBytesAtomic(path, rtf::write(*document()));
  if (!failure.isEmpty()) throw RuntimeError(kErrorFileAccess, failure);
}

void RichTextBox::Copy(Clipboard& clipboard) const {
  clipboard.Clear();
  clipboard.SetRichText(SelRTF(), SelText());
}

// What the cut would join is measured first, so a refused cut leaves the clipboard too.
void RichTextBox::Cut(Clipboard& clipboard) {
  if (!admitsInPlaceOfSelection(0, QString())) return;
  Copy(clipboard);
  replaceSelectionWithPlainText(QString());
}

// Each kind of text is measured before it goes in, so a refusal leaves the box untouched.
void RichTextBox::Paste(const Clipboard& clipboard) {
  const QString rich = clipboard.GetRichText();
  const QString text = rich.isEmpty() ? clipboard.GetText() : rich;
  const QString html = text.isEmpty() ? clipboard.GetHtml() : QString();
  if (!isRtf(text) && html.isEmpty()) {
    // Text that is not rich text goes in as the plain text it is.
    const QString plain = textpos::fromWindowsText(text);
    if (admitsInPlaceOfSelection(plain.size() + plain.count(u'\n'), plain)) {
      replaceSelectionWithPlainText(text);
    }
    return;
  }
  QTextDocument part;
  part.setDefaultFont(document()->defaultFont());
  if (html.isEmpty()) {
    rtf::read(rtfBytes(text), part);
  } else {
    part.setHtml(html);
    removePictures(part);
    showLinksAsText(part);
  }
  if (admitsInPlaceOfSelection(textpos::windowsLength(part), part.toRawText())) insertPart(part);
}

void RichTextBox::ReceiveText(const QString& text) {
  if (fitsTheBox(text)) {
    setText(text);
  } else {
    showTooLarge();
  }
}

QString RichTextBox::TooLargeMessage() {
  return QStringLiteral(
      "The text is too large to work with here. This program takes texts of up to 8 million "
      "characters, with no more than 20,000 characters in a row without a space.");
}

// The length counts line breaks as two characters, as the text saved from the box and opened
// again does; only the runs the pasted text can join are looked at.
bool RichTextBox::admitsInPlaceOfSelection(qsizetype pastedWindowsLength,
                                           const QString& pasted) const {
  const qsizetype length =
      textpos::windowsLength(*document()) - SelLength() + pastedWindowsLength;
  if (length <= kMaxLoadCharacters &&
      (!mayJoinALongRun(pasted.size()) || hasNoLongRun(textAroundSelection(pasted)))) {
    return true;
  }
  showTooLarge();
  return false;
}

// `pasted` between as much of the text on either side of the selection as a run may be long: a
// run the paste makes too long shows there, and no run of the text alone is seen as too long.
QString RichTextBox::textAroundSelection(const QString& pasted) const {
  const QTextCursor selection = textCursor();
  const int start = selection.selectionStart();
  const int end = selection.selectionEnd();
  return textBetween(start - int(kMaxUnbrokenRun) - 1, start) + pasted +
         textBetween(end, end + int(kMaxUnbrokenRun) + 1);
}

void RichTextBox::showTooLarge() const {
  if (const auto* form = dynamic_cast<const Form*>(window())) {
    form->program().MsgBox(TooLargeMessage(), vbExclamation);
  }
}

// As a Windows rich-text box does: nothing selected, nothing cut or copied; an empty clipboard
// pastes nothing; a locked box only copies.
void RichTextBox::runOwnCommand(const QKeyEvent& event) {
  const bool selected = textCursor().hasSelection();
  switch (ownCommand(event)) {
    case OwnCommand::Copy:
      if (selected) Copy(programClipboard());
      break;
    case OwnCommand::Cut:
      if (selected && !Locked()) Cut(programClipboard());
      break;
    case OwnCommand::Paste:
      if (!Locked()) {
        const Clipboard& clipboard = programClipboard();
        if (!clipboard.GetText().isEmpty() || !clipboard.GetRichText().isEmpty() ||
            !clipboard.GetHtml().isEmpty()) {
          Paste(clipboard);
        }
      }
      break;
    case OwnCommand::Undo:
      if (!Locked()) keepWithinLimits([this] { undo(); }, [this] { redo(); });
      break;
    case OwnCommand::None:
      break;
  }
}

// The clipboard of the program whose window shows the box; a box outside any program's window
// uses the system's.
Clipboard& RichTextBox::programClipboard() const {
  if (const auto* form = dynamic_cast<const Form*>(window())) {
    return form->program().runtime().clipboard();
  }
  static QtClipboard system;
  return system;
}

bool RichTextBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // The clipboard and undo keys come to the box (KeyDown) even while it is locked, rather
    // than to a menu item with the same shortcut, so a window's handler decides whether its
    // own command runs instead of the box's.
    if (ownCommand(key) != OwnCommand::None) {
      event->accept();
      return true;
    }
    // Qt's other bindings of the editing commands do nothing in the box; a menu item may have
    // them (Alt+Backspace for Undo).
    if (isEditorOwnShortcut(key)) {
      event->ignore();
      return true;
    }
  }
  return QTextEdit::event(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
  int ascii = 0;
  const textevents::KeyHandlers handlers{
      [this](int& code, int shift) { emit KeyDown(code, shift); },
      [this](int& typed) { emit KeyPress(typed); }};
  if (!textevents::raiseKeyPress(*event, handlers, ascii)) {
    event->accept();
    return;
  }
  if (ownCommand(*event) != OwnCommand::None) {
    runOwnCommand(*event);
    event->accept();
    return;
  }
  // Qt's other bindings of the editing commands (Alt+Backspace, Ctrl+Y, ...) do nothing, so no
  // text reaches the clipboard or leaves the box behind the program's back.
  if (isEditorOwnShortcut(*event)) {
    event->accept();
    return;
  }
  typeWithinLimits(event->text().size(), [&] {
    if (ascii != textevents::keyAscii(*event)) {
      QKeyEvent replaced(event->type(), event->key(), event->modifiers(), QString(QChar(ascii)));
      QTextEdit::keyPressEvent(&replaced);
    } else if (textevents::isShiftReturn(*event)) {
      QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                      event->text());
      QTextEdit::keyPressEvent(&plain);
    } else {
      QTextEdit::keyPressEvent(event);
    }
  });
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
  typeWithinLimits(event->commitString().size(), [&] { QTextEdit::inputMethodEvent(event); });
}

// Only an edit beside long runs is watched; it is made an undo step of its own, so that taking
// it back takes back nothing typed before it.
template <class Handle>
void RichTextBox::typeWithinLimits(qsizetype typed, Handle&& handle) {
  if (isReadOnly() || !mayJoinALongRun(typed)) {
    handle();
    return;
  }
  document()->setModified(false);
  keepWithinLimits(handle, [this] {
    undo();
    document()->clearUndoRedoStacks(QTextDocument::RedoStack);
  });
}

template <class Edit, class TakeBack>
void RichTextBox::keepWithinLimits(Edit&& change, TakeBack&& takeBack) {
  const QTextCursor before = textCursor();
  const int anchor = before.anchor();
  const int position = before.position();
  bool refused = false;
  edit([&] {
    changedFrom_ = -1;
    watchingChanges_ = true;
    change();
    watchingChanges_ = false;
    if (changedFrom_ < 0 || hasNoLongRun(textBetween(changedFrom_ - int(kMaxUnbrokenRun) - 1,
                                                     changedTo_ + int(kMaxUnbrokenRun) + 1))) {
      return;
    }
    takeBack();
    QTextCursor restored(document());
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(restored);
    changePending_ = false;
    refused = true;
  });
  if (refused) showTooLarge();
}

void RichTextBox::noteChange(int position, int, int added) {
  if (!watchingChanges_) return;
  const int end = position + added;
  const bool first = changedFrom_ < 0;
  changedFrom_ = first ? position : std::min(changedFrom_, position);
  changedTo_ = first ? end : std::max(changedTo_, end);
}

bool RichTextBox::mayJoinALongRun(qsizetype typed) const {
  const QTextCursor selection = textCursor();
  return lettersBeside(selection.selectionStart(), false) + typed +
             lettersBeside(selection.selectionEnd(), true) >
         kMaxUnbrokenRun;
}

// The text is read outwards a little at a time: prose ends two runs within a few characters.
qsizetype RichTextBox::lettersBeside(int position, bool after) const {
  const int farthest = 2 * int(kMaxUnbrokenRun) + 2;
  for (int reach = 64;; reach = std::min(8 * reach, farthest)) {
    const QString near = after ? textBetween(position, position + reach)
                               : textBetween(position - reach, position);
    const LettersInReach counted = lettersInReach(near, after);
    if (counted.bothRunsEnded || near.size() < reach || reach == farthest) return counted.letters;
  }
}

// The document's characters between two positions, which are clamped to the text.
QString RichTextBox::textBetween(int from, int to) const {
  const int last = document()->characterCount() - 1;
  QTextCursor range(document());
  range.setPosition(std::clamp(from, 0, last));
  range.setPosition(std::clamp(to, 0, last), QTextCursor::KeepAnchor);
  return range.selectedText();
}

void RichTextBox::keyReleaseEvent(QKeyEvent* event) {
  QTextEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  if (int code = textevents::windowsKeyCode(*event); code != 0) {
    emit KeyUp(code, textevents::shiftState(event->modifiers()));
  }
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
  QTextCursor cursor = textCursor();
  const int hit = cursorForPosition(event->position().toPoint()).position();
  if (textevents::pressWouldDrag(*event, cursor, hit)) {
    cursor.clearSelection();
    setTextCursor(cursor);
  }
  QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
  QTextEdit::mouseReleaseEvent(event);
  const QPoint at = viewport()->mapTo(this, event->position().toPoint());
  emit MouseUp(textevents::mouseButton(event->button()),
               textevents::shiftState(event->modifiers()), rtl::PixelsToTwips(at.x()),
               rtl::PixelsToTwips(at.y()));
  if (event->button() == Qt::LeftButton) emit Click();
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  if (!textevents::isWindowSwitch(event->reason())) emit GotFocus();
}

void RichTextBox::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  if (!textevents::isWindowSwitch(event->reason())) emit LostFocus();
}

bool RichTextBox::canInsertFromMimeData(const QMimeData*) const { return false; }

void RichTextBox::insertFromMimeData(const QMimeData*) {}

}  // namespace platform
