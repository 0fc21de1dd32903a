#include "platform/text/text_positions.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <gtest/gtest.h>

#include <vector>

namespace platform::textpos {
namespace {

// The document position of every Windows position of `text`, counted one by one: each
// character is one, CR LF is one, and the position between CR and LF is the one before.
std::vector<int> countedToQt(const QString& text) {
  std::vector<int> positions;
  int q = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    positions.push_back(q);
    const bool cr = text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n';
    if (cr) {
      positions.push_back(q);  // between CR and LF
      ++i;
    }
    ++q;
  }
  positions.push_back(q);
  return positions;
}

int countedToWindows(const QString& qtText, int q) {
  return q + int(qtText.left(q).count(u'\n'));
}

// Random text built from `pieces`.
QString randomWindowsText(QRandomGenerator& random, const QStringList& pieces, int length) {
  QString text;
  while (text.size() < length) text += pieces[random.bounded(int(pieces.size()))];
  return text;
}

void expectAgreement(const QString& windows) {
  const QString qtText = fromWindowsText(windows);
  QTextDocument doc;
  doc.setPlainText(qtText);
  ASSERT_EQ(windowsText(doc), windows);
  ASSERT_EQ(windowsLength(doc), windows.size());
  const std::vector<int> expected = countedToQt(windows);
  for (int w = 0; w <= windows.size(); ++w) {
    ASSERT_EQ(toQt(doc, w), expected[std::size_t(w)]) << "at " << w;
  }
  for (int q = 0; q <= qtText.size(); q += 1 + q / 50) {
    ASSERT_EQ(toWindows(doc, q), countedToWindows(qtText, q));
  }
}

TEST(TextPositions, TableOfMappings) {
  // Text "ab" CR LF CR LF "cd": Windows positions 0..8, document positions 0..6.
  QTextDocument doc;
  doc.setPlainText("ab\n\ncd");
  const struct {
    int windows;
    int qt;
  } toQtCases[] = {{-3, 0}, {0, 0}, {2, 2}, {3, 2}, {4, 3}, {5, 3}, {6, 4},
                   {7, 5},  {8, 6}, {9, 6}, {1000, 6}};
  for (const auto& c : toQtCases) EXPECT_EQ(toQt(doc, c.windows), c.qt) << c.windows;
  const struct {
    int qt;
    int windows;
  } toWindowsCases[] = {{-1, 0}, {0, 0}, {2, 2}, {3, 4}, {4, 6}, {6, 8}, {99, 8}};
  for (const auto& c : toWindowsCases) EXPECT_EQ(toWindows(doc, c.qt), c.windows) << c.qt;
  EXPECT_EQ(windowsLength(doc), 8);
}

TEST(TextPositions, EmptyDocument) {
  QTextDocument doc;
  EXPECT_EQ(windowsLength(doc), 0);
  EXPECT_EQ(toQt(doc, 5), 0);
  EXPECT_EQ(toWindows(doc, 5), 0);
}

// Short texts, and long ones of every shape: prose, short lines, nothing but empty lines,
// and mixtures, which take the different ways through the mapping.
TEST(TextPositions, AgreeWithCountingOnRandomTexts) {
  QRandomGenerator random(20240611);
  const QStringList shapes[] = {
      {"a", "b", " ", "\r\n", "\r\n\r\n", "word"},
      {QString(300, u'p') + "\r\n", QString(40, u's') + "\r\n", "x"},
      {"short line\r\n"},
      {"\r\n"},
      {"\r\n", "\r\n\r\n\r\n", QString(500, u'p')},
  };
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    expectAgreement(randomWindowsText(random, shapes[0], 1 + int(random.bounded(200))));
  }
  for (const QStringList& pieces : shapes) {
    SCOPED_TRACE(pieces.first().toStdString());
    expectAgreement(randomWindowsText(random, pieces, 6000));
  }
}

TEST(TextPositions, SelectionRoundTrip) {
  QTextDocument doc;
  doc.setPlainText("one\ntwo\nthree");
  const Selection cases[] = {{0, 0}, {0, 5}, {3, 2}, {5, 3}, {10, 5}, {0, 15}};
  for (const Selection& s : cases) {
    const Selection back = selectionOf(cursorFor(doc, s.start, s.length));
    EXPECT_EQ(back.start, s.start);
    EXPECT_EQ(back.length, s.length);
  }
  // Out of range: clamped to the text.
  const Selection clamped = selectionOf(cursorFor(doc, 12, 100));
  EXPECT_EQ(clamped.start, 12);
  EXPECT_EQ(clamped.length, 3);
}

TEST(TextPositions, LineEndsConvertBothWays) {
  EXPECT_EQ(fromWindowsText("a\r\nb\nc\rd"), "a\nb\nc\nd");
  EXPECT_EQ(fromWindowsText("\r\r\n\n"), "\n\n\n");
  EXPECT_EQ(toWindowsText(QString("a") + QChar::ParagraphSeparator + "b\nc"), "a\r\nb\r\nc");
  // A line break inside a paragraph stays one character wide.
  EXPECT_EQ(toWindowsText(QString("a") + QChar::LineSeparator + "b"), "a\vb");
  EXPECT_EQ(fromWindowsText("a\vb"), QString("a") + QChar::LineSeparator + "b");
}

// --- Pictures and tables --------------------------------------------------------------------

QImage picture() {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  return image;
}

// A table of rows x columns at the cursor, each cell holding `text` and its row and column.
QTextTable* insertTable(QTextCursor& cursor, int rows, int columns, const QString& text) {
  QTextTable* table = cursor.insertTable(rows, columns);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      table->cellAt(r, c).firstCursorPosition().insertText(text + QString::number(r * 10 + c));
    }
  }
  cursor = table->lastCursorPosition();
  cursor.movePosition(QTextCursor::NextBlock);
  return table;
}

// The positions agree with the text, each of whose characters stands for one character of the
// document but CR LF, which stands for one break.
void expectConsistent(const QTextDocument& doc) {
  const QString text = windowsText(doc);
  ASSERT_EQ(windowsLength(doc), text.size());
  const std::vector<int> expected = countedToQt(text);
  ASSERT_EQ(expected.back(), doc.characterCount() - 1);
  for (int w = 0; w <= text.size(); ++w) {
    ASSERT_EQ(toQt(doc, w), expected[std::size_t(w)]) << "at " << w;
    const bool betweenCrAndLf = w > 0 && text.mid(w - 1, 2) == "\r\n";
    if (!betweenCrAndLf) {
      ASSERT_EQ(toWindows(doc, expected[std::size_t(w)]), w) << "at " << w;
    }
  }
}

TEST(TextPositions, APictureAndEachCellEndCountAsOneCharacter) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText("ab");
  insertTable(cursor, 2, 3, "c");
  cursor.insertText("after");
  cursor.insertImage(picture());
  cursor.insertText("z");
  // A row's cells end in tabs but the last, which ends the row as CR LF does.
  const QString expected = QStringLiteral("ab\r\nc0\tc1\tc2\r\nc10\tc11\tc12\r\nafter") +
                           QChar::ObjectReplacementCharacter + "z";
  EXPECT_EQ(windowsText(doc), expected);
  EXPECT_EQ(toWindows(doc, doc.characterCount() - 1), expected.size());
  expectConsistent(doc);
}

TEST(TextPositions, MergedAndNestedCellsCountOnce) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText("top");
  QTextTable* outer = insertTable(cursor, 2, 3, "o");
  outer->mergeCells(0, 0, 1, 2);
  QTextCursor inner = outer->cellAt(1, 1).lastCursorPosition();
  insertTable(inner, 2, 2, "i");
  cursor.insertText("end");
  const QString text = windowsText(doc);
  EXPECT_EQ(text.count(u'\t'), 1 + 2 + 2);  // merged row: one tab; others: two; inner: one each
  EXPECT_FALSE(text.contains(QChar(0xfdd0)) || text.contains(QChar(0xfdd1)));
  expectConsistent(doc);
}

// Long documents take the searching ways through the mapping.
TEST(TextPositions, LongTextsWithTablesAndPicturesAgree) {
  QRandomGenerator random(20261209);
  QTextDocument doc;
  QTextCursor cursor(&doc);
  for (int piece = 0; piece < 300; ++piece) {
    switch (random.bounded(5)) {
      case 0:
        insertTable(cursor, 1 + int(random.bounded(3)), 1 + int(random.bounded(4)), "t");
        break;
      case 1:
        cursor.insertImage(picture());
        break;
      case 2:
        cursor.insertBlock();
        break;
      default:
        cursor.insertText(QString(int(random.bounded(60)), u'w'));
    }
  }
  expectConsistent(doc);
}

}  // namespace
}  // namespace platform::textpos
