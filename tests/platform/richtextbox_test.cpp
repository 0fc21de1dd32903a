#include "platform/text/richtextbox.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "platform/windows/form.h"
#include "platform/windows/program.h"
#include "support/doubles.h"
#include "support/fixture.h"

namespace platform {
namespace {

using Tri = RichTextBox::Tri;
using testing_support::testRoot;

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = {},
             const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(&widget, &down);
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(&widget, &up);
}

void sendClick(QAbstractScrollArea& box, Qt::MouseButton button, QPoint at,
               Qt::KeyboardModifiers modifiers = {}) {
  const QPointF global = box.viewport()->mapToGlobal(QPointF(at));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, button, button, modifiers);
  QCoreApplication::sendEvent(box.viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton,
                      modifiers);
  QCoreApplication::sendEvent(box.viewport(), &release);
}

QString writeBytes(const QString& name, const QByteArray& bytes) {
  const QString path = QDir(testRoot()).filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture and a 2 x 2 table "c0 c1 / c10 c11" at the caret, as read from a word processor's
// file; the caret ends behind them.
void insertPictureAndTable(RichTextBox& box) {
  QTextCursor cursor = box.textCursor();
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::green);
  cursor.insertImage(picture);
  QTextTable* table = cursor.insertTable(2, 2);
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c) {
      table->cellAt(r, c).firstCursorPosition().insertText("c" + QString::number(r * 10 + c));
    }
  }
  cursor = table->lastCursorPosition();
  cursor.movePosition(QTextCursor::NextBlock);
  box.setTextCursor(cursor);
}

// "ab" CR LF "cd" CR LF CR LF "ef": 12 Windows characters.
const QString kLines = QStringLiteral("ab\r\ncd\r\n\r\nef");

TEST(RichTextBoxText, LineBreaksComeOutAsCrLfWhateverWentIn) {
  const std::pair<QString, QString> cases[] = {
      {"a\r\nb", "a\r\nb"}, {"a\nb", "a\r\nb"},       {"a\rb", "a\r\nb"},
      {"a\r\r\nb", "a\r\n\r\nb"}, {"\n", "\r\n"}, {"", ""},
  };
  RichTextBox box;
  for (const auto& [in, out] : cases) {
    box.setText(in);
    EXPECT_EQ(box.Text(), out) << in.toStdString();
  }
}

TEST(RichTextBoxText, SettingTheTextLeavesItPlain) {
  RichTextBox box;
  box.setText("link and text");
  box.setSelStart(0);
  box.setSelLength(4);
  box.setSelColor(QColor(0, 0, 255));
  box.setSelUnderline(true);
  box.setSelAlignment(2);
  box.setText(box.Text().mid(1));
  box.setSelStart(0);
  box.setSelLength(12);
  EXPECT_EQ(box.SelUnderline(), Tri::False);
  EXPECT_EQ(box.SelColor(), box.palette().color(QPalette::Text));
  EXPECT_EQ(box.SelAlignment(), 0);
  EXPECT_EQ(box.SelFontName(), box.font().family());
}

TEST(RichTextBoxText, ShiftReturnBreaksTheParagraph) {
  RichTextBox box;
  box.setText("ab");
  box.setSelStart(1);
  sendKey(box, Qt::Key_Return, Qt::ShiftModifier, "\r");
  EXPECT_EQ(box.Text(), "a\r\nb");
}

// Selections set through SelStart and SelLength agree with Text at line ends, in the middle of
// CR LF (taken as the position before the break), at the start and at the end.
TEST(RichTextBoxPositions, SelectionAgreesWithText) {
  const struct {
    int start;
    int length;
    int selStart;
    int selLength;
    QString selText;
  } cases[] = {
      {0, 0, 0, 0, ""},
      {0, 2, 0, 2, "ab"},
      {2, 2, 2, 2, "\r\n"},
      {1, 3, 1, 3, "b\r\n"},
      {3, 0, 2, 0, ""},          // between CR and LF: before the break
      {3, 2, 2, 2, "\r\n"},      // the start moves back, the length is kept
      {0, 3, 0, 2, "ab"},        // an end between CR and LF does not take the CR
      {4, 6, 4, 6, "cd\r\n\r\n"},
      {10, 2, 10, 2, "ef"},
      {12, 0, 12, 0, ""},
      {12, 5, 12, 0, ""},
      {40, 1, 12, 0, ""},        // beyond the end: clamped
      {-4, 2, 0, 2, "ab"},       // before the start: clamped
      {5, -3, 5, 0, ""},
      {0, 1000, 0, 12, kLines},
  };
  RichTextBox box;
  box.setText(kLines);
  for (const auto& c : cases) {
    box.setSelStart(c.start);
    box.setSelLength(c.length);
    EXPECT_EQ(box.SelStart(), c.selStart) << c.start << "," << c.length;
    EXPECT_EQ(box.SelLength(), c.selLength) << c.start << "," << c.length;
    EXPECT_EQ(box.SelText(), c.selText) << c.start << "," << c.length;
    EXPECT_EQ(box.Text().mid(box.SelStart(), box.SelLength()), box.SelText());
  }
}

TEST(RichTextBoxPositions, SettingSelStartDropsTheSelection) {
  RichTextBox box;
  box.setText(kLines);
  box.setSelStart(1);
  box.setSelLength(4);
  box.setSelStart(6);
  EXPECT_EQ(box.SelStart(), 6);
  EXPECT_EQ(box.SelLength(), 0);
}

TEST(RichTextBoxPositions, SelTextReplacesTheSelectionAndTakesAnyLineBreak) {
  const struct {
    int start;
    int length;
    QString inserted;
    QString text;
    int caret;
  } cases[] = {
      {2, 2, "-", "ab-cd\r\n\r\nef", 3},
      {0, 0, "x\ny", "x\r\nyab\r\ncd\r\n\r\nef", 4},
      {12, 0, "\r", "ab\r\ncd\r\n\r\nef\r\n", 14},
      {4, 8, "", "ab\r\n", 4},
  };
  for (const auto& c : cases) {
    RichTextBox box;
    box.setText(kLines);
    box.setSelStart(c.start);
    box.setSelLength(c.length);
    box.setSelText(c.inserted);
    EXPECT_EQ(box.Text(), c.text) << c.inserted.toStdString();
    EXPECT_EQ(box.SelStart(), c.caret);
    EXPECT_EQ(box.SelLength(), 0);
  }
}

TEST(RichTextBoxPositions, LongTextsHaveNoSixteenBitLimit) {
  QString text;
  while (text.size() < 70000) text += QStringLiteral("a line of text\r\n");
  text += QStringLiteral("needle");
  RichTextBox box;
  box.setText(text);
  EXPECT_EQ(box.Text(), text);
  box.setSelStart(int(text.size()) - 6);
  box.setSelLength(6);
  EXPECT_EQ(box.SelText(), "needle");
  EXPECT_EQ(box.Find("needle"), text.size() - 6);
  EXPECT_EQ(box.SelStart(), text.size() - 6);
  // The same with a picture and a table near the start and past 65536.
  for (const int at : {20, 66000}) {
    box.setSelStart(at);
    insertPictureAndTable(box);
  }
  const QString withTables = box.Text();
  const int needle = int(withTables.indexOf("needle"));
  ASSERT_GT(needle, 70000);
  EXPECT_EQ(box.Find("needle"), needle);
  EXPECT_EQ(box.SelStart(), needle);
  EXPECT_EQ(box.SelText(), "needle");
  const int cell = int(withTables.lastIndexOf("c11"));
  ASSERT_GT(cell, 65536);
  EXPECT_EQ(box.Find("c11", 100), cell);
  box.setSelStart(cell - 4);
  box.setSelLength(3);
  EXPECT_EQ(box.SelText(), "c10");
}

TEST(RichTextBoxPositions, APictureAndACellEndAreOneCharacterEach) {
  RichTextBox box;
  box.setText("ab");
  box.setSelStart(1);
  insertPictureAndTable(box);
  box.setSelText("after b");
  const QString picture(QChar::ObjectReplacementCharacter);
  const QString text = "a" + picture + "\r\nc0\tc1\r\nc10\tc11\r\nafter bb";
  ASSERT_EQ(box.Text(), text);
  const struct {
    int start;
    int length;
    QString selText;
  } cases[] = {
      {1, 1, picture}, {0, 2, "a" + picture}, {4, 2, "c0"},
      {7, 2, "c1"},    {20, 5, "after"},      {24, 4, "r bb"},
  };
  for (const auto& c : cases) {
    box.setSelStart(c.start);
    box.setSelLength(c.length);
    EXPECT_EQ(box.SelStart(), c.start) << c.start;
    EXPECT_EQ(box.SelLength(), c.length) << c.start;
    EXPECT_EQ(box.SelText(), c.selText) << c.start;
    EXPECT_EQ(text.mid(c.start, c.length), c.selText) << c.start;
  }
  const struct {
    QString what;
    int start;
    int found;
  } finds[] = {{"c1", 0, 7}, {"c1", 8, 11}, {"c11", 0, 15}, {"b", 0, 26}, {"bb", 0, 26}};
  for (const auto& f : finds) {
    EXPECT_EQ(box.Find(f.what, f.start), f.found) << f.what.toStdString();
    EXPECT_EQ(box.SelText(), f.what);
  }
}

TEST(RichTextBoxFind, OptionsStartAndEnd) {
  // "One two" CR LF "three Two twofold": "two" at 4, "Two" at 15, "twofold" at 19.
  const QString text = QStringLiteral("One two\r\nthree Two twofold");
  const struct {
    QString what;
    int start;
    int end;
    int options;
    int found;
  } cases[] = {
      {"two", 0, -1, 0, 4},
      {"TWO", 0, -1, 0, 4},
      {"TWO", 0, -1, rtfMatchCase, -1},
      {"Two", 0, -1, rtfMatchCase, 15},
      {"two", 5, -1, 0, 15},
      {"two", 16, -1, 0, 19},
      {"two", 16, -1, rtfWholeWord, -1},
      {"two", 5, -1, rtfWholeWord | rtfMatchCase, -1},
      {"two\r\nthree", 0, -1, 0, 4},
      {"two", 0, 6, 0, -1},  // the match must end by `end`
      {"two", 0, 7, 0, 4},
      {"two", 30, -1, 0, -1},
      {"", 0, -1, 0, -1},
      {"fold", 0, -1, 0, 22},
  };
  RichTextBox box;
  box.setText(text);
  for (const auto& c : cases) {
    EXPECT_EQ(box.Find(c.what, c.start, c.end, c.options), c.found)
        << c.what.toStdString() << " from " << c.start;
  }
}

TEST(RichTextBoxFind, SelectsWhatItFoundUnlessToldNotTo) {
  RichTextBox box;
  box.setText("One two\r\nthree Two");
  box.setSelStart(1);
  ASSERT_EQ(box.Find("two", 0, -1, rtfNoHighlight), 4);
  EXPECT_EQ(box.SelStart(), 1);
  ASSERT_EQ(box.Find("two\r\nthree"), 4);
  EXPECT_EQ(box.SelStart(), 4);
  EXPECT_EQ(box.SelLength(), 10);
  EXPECT_EQ(box.SelText(), "two\r\nthree");
  // A failed search leaves the selection alone.
  EXPECT_EQ(box.Find("absent"), -1);
  EXPECT_EQ(box.SelText(), "two\r\nthree");
}

// One table for the four tri-state character formats.
struct FlagCase {
  const char* name;
  Tri (RichTextBox::*get)() const;
  void (RichTextBox::*set)(bool);
};

class RichTextBoxFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(RichTextBoxFlags, TrueFalseOrMixedOverTheSelection) {
  const FlagCase& flag = GetParam();
  RichTextBox box;
  box.setText("plain bold plain");
  box.setSelStart(6);
  box.setSelLength(4);
  (box.*flag.set)(true);
  EXPECT_EQ((box.*flag.get)(), Tri::True);
  box.setSelStart(0);
  box.setSelLength(5);
  EXPECT_EQ((box.*flag.get)(), Tri::False);
  box.setSelLength(10);
  EXPECT_EQ((box.*flag.get)(), Tri::Mixed);
  // The toolbar's toggle: a mixed selection loses the attribute.
  (box.*flag.set)((box.*flag.get)() == Tri::False);
  EXPECT_EQ((box.*flag.get)(), Tri::False);
  box.setSelStart(6);
  box.setSelLength(4);
  EXPECT_EQ((box.*flag.get)(), Tri::False);
}

TEST_P(RichTextBoxFlags, WithoutASelectionTheFlagIsForWhatIsTypedNext) {
  const FlagCase& flag = GetParam();
  RichTextBox box;
  box.setText("ab");
  box.setSelStart(2);
  (box.*flag.set)(true);
  EXPECT_EQ((box.*flag.get)(), Tri::True);
  sendKey(box, Qt::Key_C, {}, "c");
  box.setSelStart(0);
  box.setSelLength(2);
  EXPECT_EQ((box.*flag.get)(), Tri::False);
  box.setSelStart(2);
  box.setSelLength(1);
  EXPECT_EQ((box.*flag.get)(), Tri::True);
}

INSTANTIATE_TEST_SUITE_P(
    All, RichTextBoxFlags,
    ::testing::Values(FlagCase{"Bold", &RichTextBox::SelBold, &RichTextBox::setSelBold},
                      FlagCase{"Italic", &RichTextBox::SelItalic, &RichTextBox::setSelItalic},
                      FlagCase{"Underline", &RichTextBox::SelUnderline,
                               &RichTextBox::setSelUnderline},
                      FlagCase{"Strikethru", &RichTextBox::SelStrikethru,
                               &RichTextBox::setSelStrikethru}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RichTextBoxFormat, SelColorIsInvalidOverMixedColours) {
  RichTextBox box;
  box.setText("red black");
  box.setSelStart(0);
  box.setSelLength(3);
  box.setSelColor(QColor(255, 0, 0));
  EXPECT_EQ(box.SelColor(), QColor(255, 0, 0));
  box.setSelLength(9);
  EXPECT_FALSE(box.SelColor().isValid());
  box.setSelStart(4);
  box.setSelLength(5);
  EXPECT_EQ(box.SelColor(), box.palette().color(QPalette::Text));
}

TEST(RichTextBoxFormat, SelAlignmentOfTheParagraphsTouched) {
  RichTextBox box;
  box.setText("first\r\nsecond\r\nthird");
  box.setSelStart(0);
  box.setSelLength(3);
  box.setSelAlignment(2);
  const struct {
    int start;
    int length;
    int alignment;
  } cases[] = {
      {0, 0, 2},   {2, 1, 2}, {0, 7, 2},   // ends where "second" starts: not in it
      {0, 8, -1},  {7, 6, 0}, {0, 21, -1}, {15, 0, 0},
  };
  for (const auto& c : cases) {
    box.setSelStart(c.start);
    box.setSelLength(c.length);
    EXPECT_EQ(box.SelAlignment(), c.alignment) << c.start << "," << c.length;
  }
  box.setSelStart(7);
  box.setSelLength(8);  // "second" CR LF: the selection ends where "third" starts
  box.setSelAlignment(1);
  box.setSelStart(16);
  EXPECT_EQ(box.SelAlignment(), 0);
  box.setSelStart(8);
  EXPECT_EQ(box.SelAlignment(), 1);
  box.setSelAlignment(7);  // not an alignment: ignored
  EXPECT_EQ(box.SelAlignment(), 1);
}

TEST(RichTextBoxRtf, TextRtfRoundTripKeepsTextAndFormat) {
  RichTextBox source;
  source.setText("plain bold\r\ncentred");
  source.setSelStart(6);
  source.setSelLength(4);
  source.setSelBold(true);
  source.setSelStart(12);
  source.setSelAlignment(2);

  RichTextBox copy;
  copy.setTextRTF(source.TextRTF());
  EXPECT_EQ(copy.Text(), source.Text());
  copy.setSelStart(6);
  copy.setSelLength(4);
  EXPECT_EQ(copy.SelBold(), Tri::True);
  copy.setSelStart(0);
  copy.setSelLength(5);
  EXPECT_EQ(copy.SelBold(), Tri::False);
  copy.setSelStart(13);
  EXPECT_EQ(copy.SelAlignment(), 2);
}

TEST(RichTextBoxRtf, PlainTextGivenAsRichTextShowsAsText) {
  RichTextBox box;
  box.setTextRTF("not {\\rtf at all\r\nsecond");
  EXPECT_EQ(box.Text(), "not {\\rtf at all\r\nsecond");
  box.setSelStart(0);
  box.setSelLength(3);
  box.setSelRTF("plain");
  EXPECT_EQ(box.Text(), "plain {\\rtf at all\r\nsecond");
}

TEST(RichTextBoxRtf, SelRtfCarriesFormattedTextIntoAnotherBox) {
  RichTextBox source;
  source.setText("x bold y");
  source.setSelStart(2);
  source.setSelLength(4);
  source.setSelBold(true);
  const QString rtf = source.SelRTF();
  EXPECT_TRUE(rtf.startsWith("{\\rtf"));

  RichTextBox target;
  target.setText("[]");
  target.setSelStart(1);
  target.setSelRTF(rtf);
  EXPECT_EQ(target.Text(), "[bold]");
  EXPECT_EQ(target.SelStart(), 5);
  target.setSelStart(1);
  target.setSelLength(4);
  EXPECT_EQ(target.SelBold(), Tri::True);
  target.setSelStart(0);
  target.setSelLength(1);
  EXPECT_EQ(target.SelBold(), Tri::False);
}

// A picture copied out of one box and pasted into another still shows: its image travels with it.
TEST(RichTextBoxRtf, SelRtfCarriesPicturesIntoAnotherBox) {
  RichTextBox source;
  source.setText("[]");
  source.setSelStart(1);
  insertPictureAndTable(source);
  source.setSelStart(0);
  source.setSelLength(3);
  const QString rtf = source.SelRTF();
  EXPECT_TRUE(rtf.contains("\\pngblip")) << rtf.toStdString();

  RichTextBox target;
  target.setSelRTF(rtf);
  QTextCursor picture(target.document());
  picture.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 2);
  ASSERT_TRUE(picture.charFormat().isImageFormat());
  const QUrl name(picture.charFormat().toImageFormat().name());
  const QImage shown =
      target.document()->resource(QTextDocument::ImageResource, name).value<QImage>();
  ASSERT_FALSE(shown.isNull());
  EXPECT_EQ(QColor(Qt::green).rgb(), shown.pixel(4, 4));
  EXPECT_TRUE(target.TextRTF().contains("\\pngblip"));
}

TEST(RichTextBoxRtf, RichTextWithCharactersBeyondTheCodePageSurvivesAString) {
  RichTextBox source;
  source.setText(QString::fromUtf8("caf\u00e9 \u20ac \u0416"));
  RichTextBox copy;
  copy.setTextRTF(source.TextRTF());
  EXPECT_EQ(copy.Text(), source.Text());
  // Raw characters inside a rich-text string, as a program may build it.
  copy.setTextRTF(QString::fromUtf8("{\\rtf1 \u00e9t\u00e9 \u0416}"));
  EXPECT_EQ(copy.Text(), QString::fromUtf8("\u00e9t\u00e9 \u0416"));
}

TEST(RichTextBoxFiles, LoadFileTakesRichTextAndText) {
  const struct {
    QByteArray bytes;
    int type;
    QString text;
  } cases[] = {
      {"{\\rtf1\\ansi {\\b bold} and \\'e9\\par next}", rtfRTF,
       QString::fromUtf8("bold and \u00e9\r\nnext")},
      {"caf\xE9\r\nna\xEFve", rtfRTF, QString::fromUtf8("caf\u00e9\r\nna\u00efve")},
      {"caf\xE9\nna\xEFve", rtfText, QString::fromUtf8("caf\u00e9\r\nna\u00efve")},
      {"caf\xC3\xA9", rtfText, QString::fromUtf8("caf\u00e9")},
      {"{\\rtf1 kept as text}", rtfText, "{\\rtf1 kept as text}"},
      {"", rtfRTF, ""},
  };
  for (const auto& c : cases) {
    RichTextBox box;
    box.LoadFile(writeBytes("in.txt", c.bytes), c.type);
    EXPECT_EQ(box.Text(), c.text) << c.bytes.toStdString();
  }
}

TEST(RichTextBoxFiles, LoadFileOfMissingFileFailsAndKeepsTheBox) {
  RichTextBox box;
  box.setText("keep me");
  const QString path = QDir(testRoot()).filePath("missing.rtf");
  const struct {
    QString path;
    int number;
    QString reason;
  } cases[] = {
      {path, 53, "The file does not exist."},
      {testRoot(), 75, "It is a folder, not a file."},
      {writeBytes("picture.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), 321,
       "It is not a text file or a rich-text file."},
  };
  for (const auto& c : cases) {
    try {
      box.LoadFile(c.path);
      ADD_FAILURE() << c.path.toStdString() << " was opened";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), c.number);
      EXPECT_EQ(error.description(), c.reason);
    }
  }
  EXPECT_THROW(box.LoadFile(writeBytes("x.txt", "x"), 3), RuntimeError);
  EXPECT_EQ(box.Text(), "keep me");
  // Text that Windows saves as "Unicode" is text.
  box.LoadFile(writeBytes("unicode.txt", QByteArray("\xFF\xFE" "h\0i\0\r\0\n\0", 10)));
  EXPECT_EQ(box.Text(), "hi");
}

TEST(RichTextBoxFiles, LoadFileRefusesATextTooLargeToShowAndKeepsTheBox) {
  QByteArray lines;
  while (lines.size() <= 8'000'000) lines += "a short line of text\r\n";
  const QByteArray unbroken(20'001, 'x');
  const struct {
    const char* name;
    QByteArray bytes;
  } refused[] = {
      {"long.txt", lines},
      {"unbroken.txt", "before " + unbroken + " after"},
      {"unbroken.rtf", "{\\rtf1\\ansi {\\b " + unbroken + "}\\par}"},
  };
  RichTextBox box;
  box.setText("kept");
  for (const auto& file : refused) {
    try {
      box.LoadFile(writeBytes(file.name, file.bytes));
      ADD_FAILURE() << file.name << " was opened";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), 7) << file.name;
      EXPECT_EQ(error.description(), RichTextBox::TooLargeMessage()) << file.name;
    }
    EXPECT_EQ(box.Text(), "kept") << file.name;
  }
  // Just within the limits, the largest with the line break a save adds.
  EXPECT_NO_THROW(box.LoadFile(writeBytes("full.txt", lines.left(8'000'000) + "\r\n")));
  box.LoadFile(writeBytes("words.txt", QByteArray(19'999, 'x') + " and more"));
  EXPECT_EQ(box.Text().size(), 20'008);
  box.LoadFile(writeBytes("words.rtf", "{\\rtf1 " + lines.left(200'000) + "}"), rtfRTF);
  EXPECT_TRUE(box.Text().startsWith("a short line of text"));
}

// A box in a program's window, so that its refusals show as the program's messages.
class RichTextBoxLimits : public testing_support::RuntimeTest {
 protected:
  RichTextBoxLimits() : program(*runtime, QStringLiteral("Test")), form(program) {
    box = new RichTextBox(&form);
  }
  QString lastMessage() const {
    const auto shown = interaction->prompts(testing_support::PromptKind::MessageBox);
    return shown.empty() ? QString() : shown.back().text;
  }
  // Loads as a program's Open does, which shows what the box throws.
  void open(const QByteArray& bytes) {
    try {
      box->LoadFile(writeFile("opened.txt", bytes));
    } catch (const RuntimeError& error) {
      program.MsgBox(error.description());
    }
  }
  void key(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    sendKey(*box, key, modifiers, text);
  }
  void paste(const QString& text) {
    clipboard->SetText(text);
    key(Qt::Key_V, {}, Qt::ControlModifier);
  }

  Program program;
  Form form;
  RichTextBox* box;
};

// The limit is on letters in a row: what ends a run does not count, and no way in, the user's
// own keys included, leaves a run longer than the box opens.
TEST_F(RichTextBoxLimits, NoWayInLeavesARunLongerThanTheBoxOpens) {
  const QString run(20'000, u'x');
  const QString half(10'000, u'x');
  const QString twoRuns = half + " " + half;  // caret after the blank
  const struct {
    const char* way;
    QString before;
    int caret, selected;
    std::function<void()> act;
    QString after;  // empty: refused, the box as before
  } ways[] = {
      {"open: the run and a line break", "", 0, 0, [&] { open(run.toLatin1() + "\r\n"); }, run},
      {"open: a letter more", "", 0, 0, [&] { open(run.toLatin1() + "x\r\n"); }, ""},
      {"paste: the run and a word", "", 0, 0, [&] { paste(run + " end"); }, run + " end"},
      {"paste: a letter onto the run", run, 20'000, 0, [&] { paste("y"); }, ""},
      {"hand-over: the run and a line break", "", 0, 0, [&] { box->ReceiveText(run + "\r\n"); },
       run + "\r\n"},
      {"hand-over: a letter more", "", 0, 0, [&] { box->ReceiveText(run + "x"); }, ""},
      {"typing a blank after the run", run, 20'000, 0, [&] { key(Qt::Key_Space, " "); }, run + " "},
      {"typing a letter after the run", run, 20'000, 0, [&] { key(Qt::Key_Y, "y"); }, ""},
      {"typing a letter before the run", run, 0, 0, [&] { key(Qt::Key_Y, "y"); }, ""},
      {"backspace joining two runs", twoRuns + "x", 10'001, 0, [&] { key(Qt::Key_Backspace); }, ""},
      {"delete joining two runs", twoRuns + "x", 10'000, 0, [&] { key(Qt::Key_Delete); }, ""},
      {"backspace joining short runs", twoRuns, 10'001, 0, [&] { key(Qt::Key_Backspace); },
       half + half},
      {"typing over the blank", twoRuns + "x", 10'000, 1, [&] { key(Qt::Key_Y, "y"); }, ""},
      {"replacing the blank", twoRuns + "x", 10'000, 1, [&] { box->setSelText("y"); }, ""},
      {"cutting the blank", twoRuns + "x", 10'000, 1,
       [&] { key(Qt::Key_X, {}, Qt::ControlModifier); }, ""},
  };
  for (const auto& way : ways) {
    box->setText(way.before);
    box->setSelStart(way.caret);
    box->setSelLength(way.selected);
    clipboard->Clear();
    if (way.after.isEmpty()) interaction->answerMessage(vbOK);
    const size_t shown = interaction->prompts().size();
    way.act();
    if (way.after.isEmpty()) {
      EXPECT_TRUE(box->Text() == way.before) << way.way;
      EXPECT_EQ(lastMessage(), RichTextBox::TooLargeMessage()) << way.way;
      EXPECT_EQ(box->SelStart(), way.caret) << way.way;
      // A refused cut does not copy either.
      EXPECT_TRUE(way.selected == 0 || clipboard->text.isEmpty()) << way.way;
    } else {
      EXPECT_TRUE(box->Text() == way.after) << way.way;
      EXPECT_EQ(interaction->prompts().size(), shown) << way.way;
    }
  }
}

// A refused key takes back only itself and leaves nothing to redo.
TEST_F(RichTextBoxLimits, ARefusedKeyLeavesTheUndoHistoryAsItWas) {
  const QString start(19'998, u'x');
  box->setText(start);
  box->setSelStart(19'998);
  key(Qt::Key_A, "a");
  key(Qt::Key_B, "b");
  interaction->answerMessage(vbOK);
  key(Qt::Key_C, "c");
  EXPECT_TRUE(box->Text() == start + "ab");
  EXPECT_EQ(lastMessage(), RichTextBox::TooLargeMessage());
  EXPECT_FALSE(box->document()->isRedoAvailable());
  key(Qt::Key_Z, {}, Qt::ControlModifier);
  EXPECT_TRUE(box->Text() == start);
}

TEST(RichTextBoxFiles, SaveFileReplacesTheFileWhole) {
  RichTextBox box;
  box.setText(QString::fromUtf8("line \u00e9\r\nbold"));
  box.setSelStart(7);
  box.setSelLength(4);
  box.setSelBold(true);
  const QString path = writeBytes("out.rtf", QByteArray(5000, 'x'));

  box.SaveFile(path);
  RichTextBox back;
  back.LoadFile(path);
  EXPECT_EQ(back.Text(), box.Text());
  back.setSelStart(7);
  back.setSelLength(4);
  EXPECT_EQ(back.SelBold(), Tri::True);

  box.SaveFile(path, rtfText);
  EXPECT_EQ(readBytes(path), QString::fromUtf8("line \u00e9\r\nbold").toUtf8());
  EXPECT_EQ(QDir(testRoot()).entryList(QDir::Files), QStringList{"out.rtf"});
}

// What each paragraph shows, a line each: its text, list marker, where its text starts, the size
// (to the half point a file holds) and weight of its first letters, and in a table how wide
// its cell's text is and whether the cell has lines on all four sides.
std::string shownParagraphs(const RichTextBox& box) {
  const QTextDocument& doc = *box.document();
  QStringList shown;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextList* list = b.textList();
    const QTextBlockFormat f = b.blockFormat();
    const double start =
        f.leftMargin() + f.textIndent() + (list ? list->format().indent() * doc.indentWidth() : 0);
    const QTextCharFormat first =
        b.begin().atEnd() ? b.charFormat() : b.begin().fragment().charFormat();
    const QFont font = first.font();
    QString line = QString("%1|%2|%3|%4pt%5")
                       .arg(b.text(), list ? list->itemText(b) : "", QString::number(start),
                            QString::number(std::round(font.pointSizeF() * 2) / 2),
                            font.bold() ? " bold" : "");
    if (const QTextTable* table = QTextCursor(b).currentTable()) {
      const QTextTableCellFormat cell = table->cellAt(b.position()).format().toTableCellFormat();
      const bool framed = std::max(table->format().border(),
                                   std::min({cell.topBorder(), cell.leftBorder(),
                                             cell.bottomBorder(), cell.rightBorder()})) > 0;
      const double width = doc.documentLayout()->blockBoundingRect(b).width();
      line += QString("|%1 wide%2").arg(std::lround(width / 4) * 4).arg(framed ? " framed" : "");
    }
    shown << line;
  }
  return shown.join('\n').toStdString();
}

// A browser's page pasted into a box and saved shows the same when opened again, in a box as
// wide, and its tables fit the box.
TEST(RichTextBoxFiles, WhatAPasteOfAWebPageShowsComesBackFromItsSave) {
  const QString words = QString("many words in a row ").repeated(12);
  const struct {
    const char* name;
    QString html;
  } cases[] = {
      {"headings", "<h1>Big</h1><h2>Title</h2><h3>Part</h3><p>Body text</p>"},
      {"bordered table", "<p>Before</p><table border=\"1\"><tr><td>one</td><td>two words</td></tr>"
                         "<tr><td>three</td><td>four</td></tr></table><p>After</p>"},
      {"table wider than its text", "<table border=\"1\" width=\"100%\"><tr><td>" + words +
                                        "</td><td>x</td></tr></table>"},
      {"nested lists", "<ol><li>One<ul><li>dot</li><li>dot two</li></ul></li><li>Two"
                       "<ol type=\"a\"><li>sub</li></ol></li></ol>"
                       "<p>After</p><ul><li>Other</li></ul>"},
  };
  const QString path = QDir(testRoot()).filePath("pasted.rtf");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RichTextBox pasted, opened;
    for (RichTextBox* box : {&pasted, &opened}) {
      box->resize(360, 300);
      box->show();
    }
    testing_support::MemoryClipboard clipboard;
    clipboard.html = c.html;
    pasted.Paste(clipboard);
    pasted.SaveFile(path);
    opened.LoadFile(path);
    EXPECT_EQ(shownParagraphs(opened), shownParagraphs(pasted));
    for (const QTextFrame* frame : opened.document()->rootFrame()->childFrames()) {
      EXPECT_LE(opened.document()->documentLayout()->frameBoundingRect(
                    const_cast<QTextFrame*>(frame)).right(),
                opened.viewport()->width());
    }
  }
}

TEST(RichTextBoxFiles, SaveFileIntoAMissingFolderFails) {
  RichTextBox box;
  box.setText("text");
  try {
    box.SaveFile(QDir(testRoot()).filePath("no/such/folder/out.rtf"));
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 75);
    EXPECT_FALSE(error.description().isEmpty());
  }
}

TEST(RichTextBoxEvents, KeyDownHandlerSettingZeroSwallowsTheKey) {
  RichTextBox box;
  std::vector<std::pair<int, int>> downs;
  QObject::connect(&box, &RichTextBox::KeyDown, [&](int& code, int shift) {
    downs.emplace_back(code, shift);
    if (code == 'A') code = 0;
  });
  int presses = 0;
  QObject::connect(&box, &RichTextBox::KeyPress, [&](int&) { ++presses; });
  sendKey(box, Qt::Key_A, {}, "a");
  sendKey(box, Qt::Key_B, Qt::ShiftModifier, "B");
  EXPECT_EQ(box.Text(), "B");
  EXPECT_EQ(presses, 1);  // the swallowed key raised no KeyPress
  const std::vector<std::pair<int, int>> expected = {{65, 0}, {66, 1}};
  EXPECT_EQ(downs, expected);
}

TEST(RichTextBoxEvents, KeyPressHandlerCanSwallowOrReplaceTheCharacter) {
  RichTextBox box;
  QObject::connect(&box, &RichTextBox::KeyPress, [](int& ascii) {
    if (ascii == 'x') ascii = 0;
    if (ascii == 'a') ascii = 'A';
  });
  sendKey(box, Qt::Key_X, {}, "x");
  sendKey(box, Qt::Key_A, {}, "a");
  sendKey(box, Qt::Key_B, {}, "b");
  EXPECT_EQ(box.Text(), "Ab");
}

TEST(RichTextBoxEvents, KeyCodesAndShiftStates) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int code;
    int shift;
    int ascii;
  } cases[] = {
      {Qt::Key_Return, {}, "\r", 13, 0, 13},
      {Qt::Key_Backspace, {}, "\b", 8, 0, 8},
      {Qt::Key_Delete, {}, "", 46, 0, 0},
      {Qt::Key_Left, {}, "", 37, 0, 0},
      {Qt::Key_Down, Qt::ShiftModifier, "", 40, 1, 0},
      {Qt::Key_F1, {}, "", 112, 0, 0},
      {Qt::Key_5, {}, "5", 53, 0, '5'},
      {Qt::Key_Percent, Qt::ShiftModifier, "%", 53, 1, '%'},
      {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, "\x18", 88, 3, 24},
      {Qt::Key_V, Qt::ControlModifier | Qt::AltModifier, "", 86, 6, 22},
      {Qt::Key_Space, {}, " ", 32, 0, 32},
      {Qt::Key_3, Qt::KeypadModifier, "3", 99, 0, '3'},
  };
  RichTextBox box;
  box.setLocked(true);  // the events come all the same; the text stays
  for (const auto& c : cases) {
    int code = -1;
    int shift = -1;
    int ascii = 0;
    int upCode = -1;
    const auto down = QObject::connect(&box, &RichTextBox::KeyDown, [&](int& k, int s) {
      code = k;
      shift = s;
    });
    const auto press = QObject::connect(&box, &RichTextBox::KeyPress, [&](int& a) { ascii = a; });
    const auto up = QObject::connect(&box, &RichTextBox::KeyUp, [&](int& k, int) { upCode = k; });
    sendKey(box, c.key, c.modifiers, c.text);
    EXPECT_EQ(code, c.code) << c.key;
    EXPECT_EQ(shift, c.shift) << c.key;
    EXPECT_EQ(ascii, c.ascii) << c.key;
    EXPECT_EQ(upCode, c.code) << c.key;
    QObject::disconnect(down);
    QObject::disconnect(press);
    QObject::disconnect(up);
  }
  EXPECT_EQ(box.Text(), "");
}

// A box outside any program's window works with the system's clipboard.
QString clipboardText() { return QGuiApplication::clipboard()->text(); }
void setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void selectRange(RichTextBox& box, int start, int length) {
  box.setSelStart(start);
  box.setSelLength(length);
}

TEST(RichTextBoxClipboard, TheClipboardKeysCutCopyAndPaste) {
  RichTextBox box;
  box.setText("some text");
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int start;
    int length;
    QString text;
    QString clipboard;
  } steps[] = {
      {Qt::Key_C, Qt::ControlModifier, 0, 4, "some text", "some"},
      {Qt::Key_Insert, Qt::ControlModifier, 5, 4, "some text", "text"},
      {Qt::Key_V, Qt::ControlModifier, 0, 0, "textsome text", "text"},
      {Qt::Key_X, Qt::ControlModifier, 0, 4, "some text", "text"},
      {Qt::Key_Delete, Qt::ShiftModifier, 4, 5, "some", " text"},
      {Qt::Key_Insert, Qt::ShiftModifier, 0, 4, " text", " text"},
  };
  setClipboardText("old");
  for (const auto& step : steps) {
    selectRange(box, step.start, step.length);
    sendKey(box, step.key, step.modifiers);
    EXPECT_EQ(box.Text(), step.text) << step.key;
    EXPECT_EQ(clipboardText(), step.clipboard) << step.key;
  }
  EXPECT_EQ(box.SelStart(), 5);  // the caret ends behind what was pasted
}

TEST(RichTextBoxClipboard, CopyAndPasteKeepTheFormatting) {
  RichTextBox box;
  box.setTextRTF("{\\rtf1 {\\b Bold} plain}");
  selectRange(box, 0, 4);
  sendKey(box, Qt::Key_C, Qt::ControlModifier);
  RichTextBox other;
  sendKey(other, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(other.Text(), "Bold");
  selectRange(other, 0, 4);
  EXPECT_EQ(other.SelBold(), Tri::True);
}

// A browser's links paste in the look of the text around them: its colour, no underline, and
// no longer a link.
TEST(RichTextBoxClipboard, LinksFromAWebPagePasteInTheLookOfTheTextAroundThem) {
  const struct {
    QString html;
    QString around;  // the link with text around it
    QColor colour;
  } cases[] = {
      {"<p>See <a href=\"https://example.org/\">the page</a> now.</p>", "See the page now",
       QColor(Qt::black)},
      {"<p style=\"color:#800000\">See <a href=\"https://example.org/\">the page</a></p>",
       "See the page", QColor(0x80, 0, 0)},
      {"<p><a href=\"https://example.org/\">the page</a><span style=\"color:#008000\"> after"
       "</span></p>",
       "the page after", QColor(0, 0x80, 0)},
  };
  for (const auto& c : cases) {
    RichTextBox box;
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, Qt::black);
    box.setPalette(palette);
    testing_support::MemoryClipboard clipboard;
    clipboard.html = c.html;
    box.Paste(clipboard);
    ASSERT_GE(box.Find(c.around), 0) << c.html.toStdString();
    EXPECT_EQ(box.SelColor(), c.colour) << c.html.toStdString();
    EXPECT_EQ(box.SelUnderline(), Tri::False) << c.html.toStdString();
    EXPECT_FALSE(box.textCursor().charFormat().isAnchor()) << c.html.toStdString();
  }
}

TEST(RichTextBoxClipboard, NothingSelectedCopiesNothingAndAnEmptyClipboardPastesNothing) {
  RichTextBox box;
  box.setText("keep");
  setClipboardText("kept");
  sendKey(box, Qt::Key_C, Qt::ControlModifier);
  sendKey(box, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), "kept");
  QGuiApplication::clipboard()->clear();
  selectRange(box, 0, 2);
  sendKey(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "keep");
}

TEST(RichTextBoxClipboard, AHandlerThatSwallowsTheKeyStopsTheBoxsCommand) {
  RichTextBox box;
  box.setText("some text");
  setClipboardText("pasted");
  std::vector<int> codes;
  QObject::connect(&box, &RichTextBox::KeyDown, [&](int& code, int) {
    codes.push_back(code);
    code = 0;
  });
  selectRange(box, 0, 4);
  sendKey(box, Qt::Key_V, Qt::ControlModifier, "\x16");
  sendKey(box, Qt::Key_X, Qt::ControlModifier, "\x18");
  sendKey(box, Qt::Key_C, Qt::ControlModifier, "\x03");
  sendKey(box, Qt::Key_Insert, Qt::ShiftModifier);
  sendKey(box, Qt::Key_Insert, Qt::ControlModifier);
  sendKey(box, Qt::Key_Delete, Qt::ShiftModifier);
  sendKey(box, Qt::Key_Z, Qt::ControlModifier, "\x1a");
  EXPECT_EQ(box.Text(), "some text");
  EXPECT_EQ(clipboardText(), "pasted");
  EXPECT_EQ(codes, (std::vector<int>{86, 88, 67, 45, 45, 46, 90}));
}

TEST(RichTextBoxClipboard, CtrlZUndoesEditsButNotANewText) {
  RichTextBox box;
  box.setText("abc");
  sendKey(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "abc");  // a new text leaves nothing to undo
  sendKey(box, Qt::Key_Q, {}, "q");
  sendKey(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "abc");
  // A paste over a selection goes back in one step.
  setClipboardText("xyz");
  selectRange(box, 1, 1);
  sendKey(box, Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(box.Text(), "axyzc");
  sendKey(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "abc");
  box.setTextRTF("{\\rtf1 new}");
  sendKey(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), "new");
}

TEST(RichTextBoxClipboard, ALockedBoxCopiesButNeitherCutsPastesNorUndoes) {
  RichTextBox box;
  box.setText("locked");
  box.setSelStart(6);
  box.setSelText("!");
  box.setLocked(true);
  setClipboardText("pasted");
  sendKey(box, Qt::Key_V, Qt::ControlModifier);
  sendKey(box, Qt::Key_Insert, Qt::ShiftModifier);
  sendKey(box, Qt::Key_Z, Qt::ControlModifier);
  selectRange(box, 0, 6);
  sendKey(box, Qt::Key_X, Qt::ControlModifier);
  sendKey(box, Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(box.Text(), "locked!");
  EXPECT_EQ(clipboardText(), "pasted");
  sendKey(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), "locked");
}

TEST(RichTextBoxClipboard, OtherBindingsOfTheEditingCommandsDoNothing) {
  RichTextBox box;
  box.setText("some text");
  setClipboardText("pasted");
  selectRange(box, 0, 4);
  sendKey(box, Qt::Key_Backspace, Qt::AltModifier);
  sendKey(box, Qt::Key_Y, Qt::ControlModifier, "\x19");
  sendKey(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "\x1a");
  sendKey(box, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "\x16");
  EXPECT_EQ(box.Text(), "some text");
  EXPECT_EQ(clipboardText(), "pasted");
}

TEST(RichTextBoxEvents, NoMenuAndNoDrops) {
  RichTextBox box;
  EXPECT_EQ(box.contextMenuPolicy(), Qt::PreventContextMenu);
  EXPECT_FALSE(box.acceptDrops());
}

TEST(RichTextBoxEvents, ChangeAndSelChangeOncePerOperation) {
  RichTextBox box;
  int changes = 0;
  int selChanges = 0;
  QObject::connect(&box, &RichTextBox::Change, [&] { ++changes; });
  QObject::connect(&box, &RichTextBox::SelChange, [&] { ++selChanges; });
  const struct {
    const char* what;
    std::function<void()> act;
    int changes;
  } steps[] = {
      {"setText", [&] { box.setText("one\r\ntwo"); }, 1},
      {"setTextRTF", [&] { box.setTextRTF("{\\rtf1 {\\b a}\\par b}"); }, 1},
      {"setSelStart", [&] { box.setSelStart(3); }, 0},
      {"setSelLength", [&] { box.setSelLength(1); }, 0},
      {"setSelBold", [&] { box.setSelBold(true); }, 1},
      {"setSelText", [&] { box.setSelText("xy"); }, 1},
      {"setSelRTF", [&] { box.setSelRTF("{\\rtf1 {\\i i}\\par j}"); }, 1},
      {"typing", [&] { sendKey(box, Qt::Key_K, {}, "k"); }, 1},
  };
  for (const auto& step : steps) {
    changes = 0;
    step.act();
    EXPECT_EQ(changes, step.changes) << step.what;
  }
  selChanges = 0;
  box.setSelStart(0);
  box.setSelStart(0);
  EXPECT_EQ(selChanges, 1);
}

TEST(RichTextBoxEvents, MouseUpWithButtonAndClick) {
  RichTextBox box;
  box.resize(200, 100);
  box.setText("text");
  std::vector<std::tuple<int, int, double, double>> ups;
  int clicks = 0;
  QObject::connect(&box, &RichTextBox::MouseUp, [&](int button, int shift, double x, double y) {
    ups.emplace_back(button, shift, x, y);
  });
  QObject::connect(&box, &RichTextBox::Click, [&] { ++clicks; });
  sendClick(box, Qt::RightButton, QPoint(10, 4), Qt::ControlModifier);
  sendClick(box, Qt::LeftButton, QPoint(12, 6));
  ASSERT_EQ(ups.size(), 2u);
  const QPoint offset = box.viewport()->mapTo(&box, QPoint(0, 0));
  EXPECT_EQ(ups[0], std::make_tuple(2, 2, (10.0 + offset.x()) * 15, (4.0 + offset.y()) * 15));
  EXPECT_EQ(std::get<0>(ups[1]), 1);
  EXPECT_EQ(clicks, 1);
}

TEST(RichTextBoxEvents, PressInsideTheSelectionStartsANewOneInsteadOfADrag) {
  RichTextBox box;
  box.resize(300, 100);
  box.show();
  box.setText("some words here");
  box.setSelStart(0);
  box.setSelLength(15);
  // Qt's editor keeps the selection on such a press, ready to drag it away.
  QTextCursor third(box.document());
  third.setPosition(3);
  const QPoint inside = box.cursorRect(third).center();
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(inside),
                    box.viewport()->mapToGlobal(QPointF(inside)), Qt::LeftButton,
                    Qt::LeftButton, {});
  QCoreApplication::sendEvent(box.viewport(), &press);
  EXPECT_EQ(box.SelLength(), 0);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(inside),
                      box.viewport()->mapToGlobal(QPointF(inside)), Qt::LeftButton,
                      Qt::NoButton, {});
  QCoreApplication::sendEvent(box.viewport(), &release);
}

TEST(RichTextBoxLook, LockedBoxIsReadOnlyButSelectable) {
  RichTextBox box;
  box.setText("fixed");
  box.setLocked(true);
  sendKey(box, Qt::Key_A, {}, "a");
  sendKey(box, Qt::Key_Backspace, {}, "\b");
  EXPECT_EQ(box.Text(), "fixed");
  EXPECT_TRUE(box.textInteractionFlags() & Qt::TextSelectableByKeyboard);
  box.setSelStart(1);
  box.setSelLength(2);
  EXPECT_EQ(box.SelText(), "ix");
  box.setLocked(false);
  sendKey(box, Qt::Key_A, {}, "a");
  EXPECT_EQ(box.Text(), "faed");
}

TEST(RichTextBoxLook, HideSelectionPaintsNoSelectionWithoutFocus) {
  RichTextBox box;
  const QPalette shown = QApplication::palette(&box);
  const auto brushStyle = [&](QPalette::ColorGroup group) {
    return box.palette().brush(group, QPalette::Highlight).style();
  };
  EXPECT_TRUE(box.HideSelection());
  EXPECT_EQ(brushStyle(QPalette::Inactive), Qt::NoBrush);
  EXPECT_EQ(box.palette().brush(QPalette::Active, QPalette::Highlight),
            shown.brush(QPalette::Active, QPalette::Highlight));
  box.setHideSelection(false);
  EXPECT_EQ(box.palette().brush(QPalette::Inactive, QPalette::Highlight),
            shown.brush(QPalette::Inactive, QPalette::Highlight));
  box.setSelectionHidden(true);
  EXPECT_EQ(brushStyle(QPalette::Active), Qt::NoBrush);
  EXPECT_EQ(brushStyle(QPalette::Inactive), Qt::NoBrush);
  box.setSelectionHidden(false);
  EXPECT_NE(brushStyle(QPalette::Active), Qt::NoBrush);
  // The back colour survives, and survives a change of the selection's look.
  box.setBackColor(QColor(0xC0, 0xFF, 0xFF));
  box.setHideSelection(true);
  EXPECT_EQ(box.BackColor(), QColor(0xC0, 0xFF, 0xFF));
}

TEST(RichTextBoxLook, ScreenReadersSeeNameAndText) {
  RichTextBox box;
  box.setAccessibleName("Paragraph");
  box.setText("hello\r\nworld");
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->text(QAccessible::Name), "Paragraph");
  ASSERT_NE(access->textInterface(), nullptr);
  EXPECT_TRUE(access->textInterface()->text(0, 5) == "hello");
  ASSERT_NE(access->editableTextInterface(), nullptr);
}

}  // namespace
}  // namespace platform
