// Tables, pictures, lists and paragraph layout, read from RTF as word processors write it and
// written back.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/richtext/rtf.h"
#include "platform/richtext/rtf_formats.h"
#include "support/rtf_documents.h"
#include "platform/text/richtextbox.h"

namespace {

namespace rtf = platform::rtf;

using testing_support::readRtf;

std::unique_ptr<QTextDocument> roundTrip(const QTextDocument& doc) {
  return readRtf(rtf::write(doc));
}

std::vector<QTextTable*> tablesIn(const QTextFrame& frame) {
  std::vector<QTextTable*> tables;
  for (QTextFrame* child : frame.childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) tables.push_back(table);
  }
  return tables;
}

QString cellText(const QTextTable& table, int row, int column) {
  QTextCursor cursor = table.cellAt(row, column).firstCursorPosition();
  cursor.setPosition(table.cellAt(row, column).lastCursorPosition().position(),
                     QTextCursor::KeepAnchor);
  return cursor.selectedText().replace(QChar::ParagraphSeparator, QChar('\n'));
}

// The text of the paragraphs outside tables, one line each.
QStringList paragraphsOutsideTables(const QTextDocument& doc) {
  QStringList lines;
  for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (it.currentBlock().isValid()) lines << it.currentBlock().text();
  }
  return lines;
}

QTextBlock blockWith(const QTextDocument& doc, const QString& text) {
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b.text().contains(text)) return b;
  }
  ADD_FAILURE() << "no paragraph with " << text.toStdString();
  return {};
}

// ---- Tables ----

const char kWriterTable[] = R"({\rtf1\ansi\deff4\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f4\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}}
{\colortbl;\red0\green0\blue0;\red255\green255\blue0;}
\pard\plain \s0\hich\af4\loch\f4\fs24 Before\par
\trowd\trql\trleft-55\ltrrow\trpaddft3\trpaddt55\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clbrdrb\brdrs\brdrw10\brdrcf1\cellx1945\clbrdrt\brdrs\brdrw20\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clcbpat2\cellx4945
\pard\plain \s19\intbl\hich\af4\loch\f4\fs24 Name\cell\pard\plain \s19\intbl\hich\af4\loch\f4\fs24 {\b Score}\cell\row\pard
\trowd\trql\trleft-55\ltrrow\clbrdrt\brdrs\brdrw10\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clbrdrb\brdrs\brdrw10\brdrcf1\cellx1945\clbrdrt\brdrs\brdrw20\brdrcf1\clbrdrl\brdrs\brdrw10\brdrcf1\clbrdrb\brdrs\brdrw10\brdrcf1\clbrdrr\brdrs\brdrw10\brdrcf1\clcbpat2\cellx4945
\pard\plain \s19\intbl\hich\af4\loch\f4\fs24 Ann\par second line\cell\pard\plain \s19\intbl\hich\af4\loch\f4\fs24 12\cell\row\pard
\pard\plain \s0\hich\af4\loch\f4\fs24 After\par }
)";

// Row properties before and after the cells, and cells in groups of their own.
const char kWordTable[] = R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff0\deff0{\fonttbl{\f0\froman\fcharset0\fprq2 Times New Roman;}}
\pard\plain \ltrpar\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\faauto\rin0\lin0\itap0 \fs22 Intro\par
\trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108\trftsWidth1\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx4680\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx9468\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\yts11 \fs22 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 One}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \cell }\pard \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\yts11 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Two}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \cell }\pard\plain \ltrpar\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \fs22 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \trowd \irow0\irowband0\lastrow \ltrrow\ts11\trgaph108\trleft-108\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx4680\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx9468\row }\pard \ltrpar\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 {\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 Outro\par }}
)";

const char kNestedTable[] = R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}
\trowd\cellx3000\cellx6000
\pard\intbl Outer\par
\pard\intbl\itap2 Inner A\nestcell Inner B\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000\nestrow}{\nonesttables\par}
\pard\intbl\itap1\cell Right\cell\row
\pard After\par})";

TEST(RtfTables, RowsAndCellsBecomeATableWithWidthsBordersAndShading) {
  const auto doc = readRtf(kWriterTable);
  const auto tables = tablesIn(*doc->rootFrame());
  ASSERT_EQ(tables.size(), 1u);
  const QTextTable& table = *tables[0];
  ASSERT_EQ(table.rows(), 2);
  ASSERT_EQ(table.columns(), 2);
  EXPECT_EQ(cellText(table, 0, 0), "Name");
  EXPECT_EQ(cellText(table, 0, 1), "Score");
  EXPECT_EQ(cellText(table, 1, 0), "Ann\nsecond line");
  EXPECT_EQ(cellText(table, 1, 1), "12");
  EXPECT_EQ(paragraphsOutsideTables(*doc), QStringList({"Before", "After"}));

  const QList<QTextLength> widths = table.format().columnWidthConstraints();
  ASSERT_EQ(widths.size(), 2);
  EXPECT_EQ(widths[0].type(), QTextLength::FixedLength);
  EXPECT_DOUBLE_EQ(widths[0].rawValue(), 2000 / 15.0);  // from \trleft-55 to \cellx1945
  EXPECT_DOUBLE_EQ(widths[1].rawValue(), 200.0);

  const QTextTableCellFormat name = table.cellAt(0, 0).format().toTableCellFormat();
  EXPECT_DOUBLE_EQ(name.topBorder(), 10 / 15.0);
  EXPECT_EQ(name.rightBorderStyle(), QTextFrameFormat::BorderStyle_None);
  EXPECT_EQ(name.background().style(), Qt::NoBrush);
  const QTextTableCellFormat score = table.cellAt(1, 1).format().toTableCellFormat();
  EXPECT_DOUBLE_EQ(score.topBorder(), 20 / 15.0);
  EXPECT_EQ(score.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
  EXPECT_EQ(score.background().color(), QColor(255, 255, 0));
}

TEST(RtfTables, RowPropertiesAfterTheCellsAndCellsInGroups) {
  const auto doc = readRtf(kWordTable);
  const auto tables = tablesIn(*doc->rootFrame());
  ASSERT_EQ(tables.size(), 1u);
  ASSERT_EQ(tables[0]->rows(), 1);
  ASSERT_EQ(tables[0]->columns(), 2);
  EXPECT_EQ(cellText(*tables[0], 0, 0), "One");
  EXPECT_EQ(cellText(*tables[0], 0, 1), "Two");
  EXPECT_DOUBLE_EQ(tables[0]->format().columnWidthConstraints().value(1).rawValue(), 4788 / 15.0);
  EXPECT_EQ(paragraphsOutsideTables(*doc), QStringList({"Intro", "Outro"}));
}

TEST(RtfTables, NestedCellsBecomeATableInsideTheCell) {
  const auto doc = readRtf(kNestedTable);
  const auto tables = tablesIn(*doc->rootFrame());
  ASSERT_EQ(tables.size(), 1u);
  const QTextTable& outer = *tables[0];
  ASSERT_EQ(outer.columns(), 2);
  EXPECT_EQ(cellText(outer, 0, 1), "Right");
  const auto inner = tablesIn(*tables[0]);
  ASSERT_EQ(inner.size(), 1u);
  EXPECT_EQ(cellText(*inner[0], 0, 0), "Inner A");
  EXPECT_EQ(cellText(*inner[0], 0, 1), "Inner B");
  EXPECT_EQ(outer.cellAt(0, 0).firstCursorPosition().block().text(), "Outer");
  EXPECT_EQ(paragraphsOutsideTables(*doc).last(), "After");
}

TEST(RtfTables, WrittenAsRowsThatReadBackTheSame) {
  const auto doc = readRtf(kWriterTable);
  const QByteArray out = rtf::write(*doc);
  EXPECT_TRUE(out.contains("\\trowd")) << out.constData();
  EXPECT_TRUE(out.contains("\\intbl")) << out.constData();
  EXPECT_TRUE(out.contains("\\clcbpat")) << out.constData();
  EXPECT_TRUE(out.contains("\\trleft-55")) << out.constData();
  EXPECT_TRUE(out.contains("\\cellx1945")) << out.constData();
  EXPECT_TRUE(out.contains("\\cellx4945")) << out.constData();

  const auto back = readRtf(out);
  const auto tables = tablesIn(*back->rootFrame());
  ASSERT_EQ(tables.size(), 1u);
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c)
      EXPECT_EQ(cellText(*tables[0], r, c), cellText(*tablesIn(*doc->rootFrame())[0], r, c));
  }
  EXPECT_EQ(tables[0]->format().columnWidthConstraints(),
            tablesIn(*doc->rootFrame())[0]->format().columnWidthConstraints());
  EXPECT_EQ(tables[0]->cellAt(1, 1).format(), tablesIn(*doc->rootFrame())[0]->cellAt(1, 1).format());
  EXPECT_EQ(paragraphsOutsideTables(*back), paragraphsOutsideTables(*doc));
  EXPECT_EQ(rtf::write(*back), out);
}

TEST(RtfTables, ALongTableKeepsExactlyItsRows) {
  for (const int rows : {1, 17, 40, 300}) {
    QByteArray rtf = "{\\rtf1 ";
    for (int r = 0; r < rows; ++r)
      rtf += "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a" + QByteArray::number(r) +
             "\\cell b\\cell\\row\r\n";
    const auto open = readRtf(rtf + "}");  // the file ends inside the table
    const auto closed = readRtf(rtf + "\\pard after\\par}");
    for (const auto* doc : {open.get(), closed.get()}) {
      const auto tables = tablesIn(*doc->rootFrame());
      ASSERT_EQ(tables.size(), 1u) << rows;
      EXPECT_EQ(tables[0]->rows(), rows);
      EXPECT_EQ(cellText(*tables[0], rows - 1, 0), "a" + QString::number(rows - 1));
    }
    EXPECT_EQ(paragraphsOutsideTables(*closed).last(), "after");
  }
}

TEST(RtfTables, ATableMadeInTheBoxIsWrittenWithEqualColumns) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText("Top");
  QTextTable* table = cursor.insertTable(2, 3);
  table->cellAt(1, 2).firstCursorPosition().insertText("corner");
  const auto back = roundTrip(doc);
  const auto tables = tablesIn(*back->rootFrame());
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0]->rows(), 2);
  EXPECT_EQ(tables[0]->columns(), 3);
  EXPECT_EQ(cellText(*tables[0], 1, 2), "corner");
  EXPECT_EQ(back->toRawText(), doc.toRawText());
}

// Highlighted text in a cell stays highlighted text, a cell's shading stays the cell's, and a
// second save writes what the first did.
TEST(RtfTables, HighlightAndShadingSurviveTwoSavesAsTheyWereRead) {
  const QByteArray colours = "{\\rtf1{\\colortbl ;\\red255\\green255\\blue0;\\red200\\green200\\blue255;}";
  QByteArray longTable = colours;
  for (int r = 0; r < 40; ++r)
    longTable += "\\trowd" + QByteArray(r % 10 == 0 ? "\\clcbpat2" : "") +
                 "\\cellx1000\\cellx2000\\pard\\intbl\\highlight" + QByteArray::number(r % 2) +
                 " r" + QByteArray::number(r) + "\\cell\\pard\\intbl\\highlight1 x\\cell\\row\r\n";
  const struct {
    const char* name;
    QByteArray rtf;
    const char* highlighted;  // a word whose text is highlighted
    bool shaded;              // whether that word's cell is shaded
    int shadings;             // the \clcbpat the file holds
    const char* notWritten = "";
  } cases[] = {
      {"whole cells", colours + "\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\highlight1 Alpha\\cell "
                                "Bravo\\cell\\row}",
       "Alpha", false, 0},
      {"shaded cell", colours + "\\trowd\\clcbpat2\\cellx1000\\pard\\intbl{\\highlight1 Alpha}\\cell"
                                "\\row}",
       "Alpha", true, 1},
      {"empty shaded cell", colours + "\\trowd\\clcbpat2\\cellx1000\\pard\\intbl\\cell\\row"
                                      "\\pard\\highlight1 marked\\par}",
       "marked", false, 1, "\\highlight1"},
      {"nested cell", colours + "\\trowd\\cellx3000\\pard\\intbl\\itap2\\highlight1 Inner\\nestcell"
                                "{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}{\\nonesttables\\par}"
                                "\\pard\\intbl\\itap1\\highlight0 Outer\\cell\\row}",
       "Inner", false, 0},
      {"long table", longTable + "}", "r39", false, 4},
      {"text after the document", colours + "\\highlight1 kept\\par}\r\nafter the end}", "kept",
       false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto first = readRtf(c.rtf);
    const QByteArray once = rtf::write(*first);
    const auto second = readRtf(once);
    EXPECT_EQ(rtf::write(*second), once);
    EXPECT_EQ(once.count("\\clcbpat"), c.shadings) << once.constData();
    EXPECT_FALSE(second->toRawText().contains("after the end"));
    if (*c.notWritten != 0) {
      EXPECT_FALSE(once.contains(c.notWritten)) << once.constData();
    }

    const QTextCursor word = second->find(c.highlighted);
    ASSERT_FALSE(word.isNull());
    EXPECT_EQ(word.charFormat().background().color(), QColor(255, 255, 0));
    if (const QTextTable* table = word.currentTable()) {
      EXPECT_EQ(table->cellAt(word).format().background().style() != Qt::NoBrush, c.shaded);
    }
  }
}

// ---- Pictures ----

QByteArray pngBytes(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(200, 30, 30));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray jpegBytes() {
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG");
  return bytes;
}

// A picture we cannot draw: a small placeable metafile header and a record, as bytes.
const QByteArray kMetafile = QByteArray::fromHex(
    "d7cdc69a0000000000006400640060040000a84d0100090000037a0000000000050000000000"
    "0300000000000a1b2c3d4e5f");

QByteArray hexLines(const QByteArray& bytes) {
  QByteArray hex = bytes.toHex();
  for (qsizetype at = 60; at < hex.size(); at += 62) hex.insert(at, "\r\n");
  return hex;
}

std::vector<QTextImageFormat> imagesIn(const QTextDocument& doc) {
  std::vector<QTextImageFormat> images;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().isImageFormat())
        images.push_back(it.fragment().charFormat().toImageFormat());
    }
  }
  return images;
}

QImage shown(const QTextDocument& doc, const QTextImageFormat& image) {
  return doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
}

TEST(RtfPictures, PngAndJpegShowAtTheirGoalSizeScaled) {
  const QByteArray rtf = "{\\rtf1\\ansi\\deff0 A{\\pict\\pngblip\\picw8\\pich4\\picwgoal1200"
                         "\\pichgoal600\r\n" + hexLines(pngBytes(8, 4)) +
                         "}B{\\pict\\jpegblip\\picw6\\pich4\\picwgoal900\\pichgoal600"
                         "\\picscalex50\\picscaley200 " + jpegBytes().toHex() + "}C}";
  const auto doc = readRtf(rtf);
  EXPECT_EQ(doc->toRawText(), QString("A\uFFFC" "B\uFFFC" "C"));
  const auto images = imagesIn(*doc);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_DOUBLE_EQ(images[0].width(), 80.0);
  EXPECT_DOUBLE_EQ(images[0].height(), 40.0);
  EXPECT_EQ(shown(*doc, images[0]).size(), QSize(8, 4));
  EXPECT_EQ(shown(*doc, images[0]).pixelColor(1, 1), QColor(200, 30, 30));
  EXPECT_DOUBLE_EQ(images[1].width(), 30.0);
  EXPECT_DOUBLE_EQ(images[1].height(), 80.0);
  EXPECT_EQ(shown(*doc, images[1]).size(), QSize(6, 4));
}

TEST(RtfPictures, APictureOfferedTwiceShowsOnce) {
  const QByteArray shape = "{\\*\\shppict{\\pict\\pngblip\\picw8\\pich4 " + pngBytes(8, 4).toHex() +
                           "}}{\\nonshppict{\\pict\\wmetafile8\\picw8\\pich4 " +
                           kMetafile.toHex() + "}}";
  const auto doc = readRtf("{\\rtf1 x" + shape + "y}");
  EXPECT_EQ(doc->toRawText(), QString("x\uFFFCy"));
  const auto images = imagesIn(*doc);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(shown(*doc, images[0]).size(), QSize(8, 4));

  // Readers that know no shapes take the second offer; so does this one when it stands alone.
  const auto old = readRtf("{\\rtf1 x{\\nonshppict{\\pict\\wmetafile8\\picw8\\pich4 " +
                           kMetafile.toHex() + "}}y}");
  EXPECT_EQ(old->toRawText(), QString("x\uFFFCy"));
}

TEST(RtfPictures, APictureWeCannotDrawKeepsItsBytesAndSizeAndShowsAsAFrame) {
  for (const char* kind : {"wmetafile8", "emfblip", "macpict"}) {
    SCOPED_TRACE(kind);
    const QByteArray pict = "{\\pict\\" + QByteArray(kind) + "\\picw2646\\pich1323\\picwgoal1500"
                            "\\pichgoal750\r\n" + hexLines(kMetafile) + "}";
    const auto doc = readRtf("{\\rtf1\\ansi " + pict + "}");
    const auto images = imagesIn(*doc);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_DOUBLE_EQ(images[0].width(), 100.0);
    EXPECT_DOUBLE_EQ(images[0].height(), 50.0);
    const QImage frame = shown(*doc, images[0]);
    ASSERT_EQ(frame.size(), QSize(100, 50));
    EXPECT_NE(frame.pixelColor(0, 0).alpha(), 0);    // the frame
    EXPECT_EQ(frame.pixelColor(50, 25).alpha(), 0);  // and nothing inside it

    const QByteArray out = rtf::write(*doc);
    const qsizetype at = out.indexOf("{\\pict");
    ASSERT_GE(at, 0) << out.constData();
    const QByteArray group = out.mid(at, out.indexOf('}', at) - at);
    EXPECT_TRUE(group.startsWith("{\\pict\\" + QByteArray(kind) + "\\picw2646\\pich1323"
                                 "\\picwgoal1500\\pichgoal750"))
        << group.constData();
    const QByteArray hex = group.mid(group.indexOf("\r\n")).replace("\r\n", "");
    EXPECT_EQ(QByteArray::fromHex(hex), kMetafile);
    EXPECT_EQ(rtf::write(*readRtf(out)), out);
  }
}

TEST(RtfPictures, PicturesWrittenBackReadTheSame) {
  const QByteArray png = pngBytes(8, 4);
  const auto doc = readRtf("{\\rtf1 a{\\pict\\pngblip\\picw8\\pich4\\picwgoal240\\pichgoal120 " +
                           png.toHex() + "}b}");
  const QByteArray out = rtf::write(*doc);
  EXPECT_TRUE(out.contains("{\\pict\\pngblip\\picw8\\pich4\\picwgoal240\\pichgoal120"));
  const auto back = readRtf(out);
  EXPECT_EQ(back->toRawText(), doc->toRawText());
  ASSERT_EQ(imagesIn(*back).size(), 1u);
  EXPECT_DOUBLE_EQ(imagesIn(*back)[0].width(), 16.0);
  EXPECT_EQ(shown(*back, imagesIn(*back)[0]), shown(*doc, imagesIn(*doc)[0]));

  // A picture put into the box from elsewhere is written as PNG at its shown size.
  QTextDocument made;
  QImage image(5, 5, QImage::Format_RGB32);
  image.fill(Qt::green);
  made.addResource(QTextDocument::ImageResource, QUrl("made.png"), image);
  QTextImageFormat format;
  format.setName("made.png");
  format.setWidth(10);
  QTextCursor(&made).insertImage(format);
  const auto madeBack = roundTrip(made);
  ASSERT_EQ(imagesIn(*madeBack).size(), 1u);
  EXPECT_DOUBLE_EQ(imagesIn(*madeBack)[0].width(), 10.0);
  EXPECT_EQ(shown(*madeBack, imagesIn(*madeBack)[0]).pixelColor(2, 2), QColor(Qt::green));
}

TEST(RtfPictures, DamagedPicturesGiveADocument) {
  for (const char* body :
       {"{\\pict\\pngblip 89504e47}", "{\\pict\\pngblip\\picwgoal-5\\picscalex0 zz1}",
        "{\\pict\\jpegblip\\bin5 abc", "{\\pict 0102}", "{\\pict\\wmetafile8\\picwgoal99999999 01",
        "{\\*\\shppict{\\pict\\emfblip 0102}}{\\nonshppict{\\pict\\wmetafile8 0304}}"}) {
    const auto doc = readRtf(QByteArray("{\\rtf1 a") + body + "}");
    EXPECT_TRUE(doc->toRawText().startsWith("a")) << body;
    rtf::write(*doc);
  }
}

// ---- Positions in the box ----

// A picture counts as one character, far beyond 16-bit positions too.
TEST(RtfInTheBox, APictureCountsAsOneCharacter) {
  const QByteArray picture = "{\\pict\\pngblip\\picw8\\pich4 " + pngBytes(8, 4).toHex() + "}";
  for (const int filler : {0, 70000}) {
    SCOPED_TRACE(filler);
    platform::RichTextBox box;
    box.setTextRTF(QString::fromLatin1("{\\rtf1 " + QByteArray(filler, 'x') + "Look " + picture +
                                       " here\\par after}"));
    const int look = box.Find("Look");
    EXPECT_EQ(look, filler);
    EXPECT_EQ(box.Find("here"), look + 7);
    const int after = box.Find("after");
    EXPECT_EQ(after, look + 13);
    EXPECT_EQ(box.Text().size(), after + 5);

    box.setSelStart(look + 5);
    box.setSelLength(1);
    EXPECT_EQ(box.SelStart(), look + 5);
    EXPECT_EQ(box.SelLength(), 1);
    EXPECT_EQ(box.SelText(), QString(QChar::ObjectReplacementCharacter));
    box.setSelStart(after);
    EXPECT_EQ(box.SelStart(), after);
  }
}

// ---- Lists ----

const char kOldStyleList[] = R"({\rtf1\ansi\ansicpg1252\deff0\nouicompat{\fonttbl{\f0\fnil\fcharset0 Calibri;}{\f1\fnil\fcharset2 Symbol;}}
\viewkind4\uc1 
\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-360\li720\f0\fs22 Apples\par
{\pntext\f1\'B7\tab}Pears\par
\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart1\pndec{\pntxta.}}\fi-360\li720 First\par
{\pntext\f0 2.\tab}Second\par
\pard\f0 Done\par
}
)";

const char kListTableList[] = R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff0\deff0{\fonttbl{\f0\froman\fcharset0\fprq2 Times New Roman;}{\f3\froman\fcharset2\fprq2 Symbol;}}
{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23\leveljc0\levelfollow0\levelstartat1{\leveltext\leveltemplateid67698689\'01\u-3913 ?;}{\levelnumbers;}\f3\fi-360\li720}{\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'01.;}{\levelnumbers\'01;}\fi-360\li1440}{\listname ;}\listid11}
{\list\listtemplateid2{\listlevel\levelnfc0\leveljc0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-360\li720}{\listname ;}\listid22}}
{\*\listoverridetable{\listoverride\listid11\listoverridecount0\ls1}{\listoverride\listid22\listoverridecount0\ls2}}
{\listtext\pard\plain\f3\fs24 \'b7\tab}\pard\plain \fi-360\li720\ls1\f0\fs24 Apples\par
{\listtext\pard\plain\f0\fs24 a.\tab}\pard\plain \fi-360\li1440\ls1\ilvl1\f0\fs24 Green ones\par
{\listtext\pard\plain\f3\fs24 \'b7\tab}\pard\plain \fi-360\li720\ls1\f0\fs24 Pears\par
\pard\plain\f0 Steps\par
{\listtext\pard\plain\f0\fs24 1.\tab}\pard\plain \fi-360\li720\ls2\f0\fs24 Wash\par
{\listtext\pard\plain\f0\fs24 2.\tab}\pard\plain \fi-360\li720\ls2\f0\fs24 Cut\par }
)";

QTextListFormat::Style styleOf(const QTextDocument& doc, const QString& text) {
  const QTextList* list = blockWith(doc, text).textList();
  return list != nullptr ? list->format().style() : QTextListFormat::ListStyleUndefined;
}

TEST(RtfLists, OldStyleParagraphsBecomeListsWithoutTheirMarkerAsText) {
  const auto doc = readRtf(kOldStyleList);
  EXPECT_EQ(doc->toPlainText(), "Apples\nPears\nFirst\nSecond\nDone");
  EXPECT_EQ(styleOf(*doc, "Apples"), QTextListFormat::ListDisc);
  EXPECT_EQ(blockWith(*doc, "Apples").textList(), blockWith(*doc, "Pears").textList());
  EXPECT_EQ(styleOf(*doc, "First"), QTextListFormat::ListDecimal);
  EXPECT_EQ(blockWith(*doc, "First").textList(), blockWith(*doc, "Second").textList());
  EXPECT_EQ(blockWith(*doc, "Second").textList()->itemText(blockWith(*doc, "Second")), "2.");
  EXPECT_EQ(blockWith(*doc, "Done").textList(), nullptr);
  EXPECT_DOUBLE_EQ(blockWith(*doc, "Apples").blockFormat().leftMargin(), 48.0);
  // The marker is drawn in the size of the paragraph's text, the first paragraph's too.
  EXPECT_DOUBLE_EQ(blockWith(*doc, "Apples").charFormat().fontPointSize(), 11.0);
}

TEST(RtfLists, ListTableParagraphsTakeTheirLevelsNumbering) {
  const auto doc = readRtf(kListTableList);
  EXPECT_EQ(doc->toPlainText(), "Apples\nGreen ones\nPears\nSteps\nWash\nCut");
  EXPECT_EQ(styleOf(*doc, "Apples"), QTextListFormat::ListDisc);
  EXPECT_EQ(styleOf(*doc, "Green ones"), QTextListFormat::ListLowerAlpha);
  EXPECT_EQ(blockWith(*doc, "Apples").textList(), blockWith(*doc, "Pears").textList());
  EXPECT_EQ(styleOf(*doc, "Steps"), QTextListFormat::ListStyleUndefined);
  EXPECT_EQ(styleOf(*doc, "Wash"), QTextListFormat::ListDecimal);
  EXPECT_EQ(blockWith(*doc, "Cut").textList()->itemText(blockWith(*doc, "Cut")), "2.");
  EXPECT_DOUBLE_EQ(blockWith(*doc, "Green ones").blockFormat().leftMargin(), 96.0);
}

// A word processor's list with indents of its own, and a level that numbers afresh under each
// item of the level above.
const char kLevelledList[] = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\froman Times New Roman;}}
{\*\listtable{\list\listtemplateid7{\listlevel\levelnfc0\levelstartat1{\leveltext\'02\'00.;}{\levelnumbers\'01;}\fi-270\li1080}
{\listlevel\levelnfc4\levelstartat1{\leveltext\'02\'01);}{\levelnumbers\'01;}\fi-360\li1800}\listid7}}
{\*\listoverridetable{\listoverride\listid7\listoverridecount0\ls3}}
{\listtext 1.\tab}\pard\fi-270\li1080\ls3 Wash\par
{\listtext a)\tab}\pard\fi-360\li1800\ls3\ilvl1 Rinse\par
{\listtext b)\tab}\pard\fi-360\li1800\ls3\ilvl1 Dry\par
{\listtext 2.\tab}\pard\fi-270\li1080\ls3 Cut\par
{\listtext a)\tab}\pard\fi-360\li1800\ls3\ilvl1 Slice\par
{\listtext 3.\tab}\pard\fi0\li720\ls3 Serve\par
\pard Done\par}
)";

// Items of a level between items of another list, and a list of another list's level straight
// after it: each numbers on its own.
const char kInterleavedLists[] = R"({\rtf1\ansi{\*\listtable{\list{\listlevel\levelnfc0}{\listlevel\levelnfc4}\listid1}
{\list{\listlevel\levelnfc0}{\listlevel\levelnfc4}\listid2}}
{\*\listoverridetable{\listoverride\listid1\ls1}{\listoverride\listid2\ls2}}
\pard\ls2 B1\par\pard\ls1\ilvl1 A1\par\pard\ls2 B2\par\pard\ls1\ilvl1 A2\par\pard Gap\par
\pard\ls1\ilvl1 C1\par\pard\ls2\ilvl1 D1\par}
)";

// Each paragraph's text, marker, which of the document's lists it is in and of what kind, and
// its indents.
QStringList listParagraphs(const QTextDocument& doc) {
  QStringList shown;
  std::vector<const QTextList*> lists;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextList* list = b.textList();
    if (list && std::find(lists.begin(), lists.end(), list) == lists.end()) lists.push_back(list);
    const auto number = std::find(lists.begin(), lists.end(), list) - lists.begin();
    shown << QString("%1|%2|list %3 style %4|%5|%6")
                 .arg(b.text(), list ? list->itemText(b) : "", list ? QString::number(number) : "-")
                 .arg(list ? list->format().style() : 0)
                 .arg(b.blockFormat().leftMargin())
                 .arg(b.blockFormat().intProperty(rtf::kListFirstIndentProperty));
  }
  return shown;
}

TEST(RtfLists, WrittenBackWithTheirMarkersLevelsAndIndents) {
  const struct {
    const char* name;
    const char* rtf;
    std::vector<const char*> written;
    QStringList markers;  // what each paragraph shows before its text
  } cases[] = {
      {"old style", kOldStyleList, {"{\\pntext 2.\\tab}{\\*\\pn\\pnlvlbody\\pndec", "\\ls2\\ilvl0"},
       {".", ".", "1.", "2.", ""}},
      {"list table", kListTableList,
       {"{\\pntext\\f", "\\pnlvlblt", "\\fcharset2 Symbol;", "\\ls1\\ilvl1", "\\ls2\\ilvl0"},
       {".", "a.", ".", "", "1.", "2."}},
      {"levels and own indents", kLevelledList,
       {"\\fi-270\\li1080", "\\li720{\\pntext", "\\ls1\\ilvl1", "{\\*\\listtable",
        "\\listoverride"},
       {"1.", "a.", "b.", "2.", "a.", "3.", ""}},
      {"levels across other lists", kInterleavedLists, {"\\ls3\\ilvl1"},
       {"1.", "a.", "2.", "b.", "", "c.", "a."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto doc = readRtf(c.rtf);
    QStringList markers;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      markers << (b.textList() ? b.textList()->itemText(b) : "");
    EXPECT_EQ(markers, c.markers);
    const QByteArray out = rtf::write(*doc);
    for (const char* part : c.written)
      EXPECT_TRUE(out.contains(part)) << part << "\n" << out.constData();
    const auto back = readRtf(out);
    EXPECT_EQ(listParagraphs(*back), listParagraphs(*doc));
    EXPECT_EQ(rtf::write(*back), out);
  }
}

// An empty list item before a table that starts the text, and an item of its list after it.
const char kListBeforeATable[] = R"({\rtf1\ansi{\*\listtable{\list{\listlevel\levelnfc0}\listid1}}
{\*\listoverridetable{\listoverride\listid1\ls1}}
\pard\ls1\par\trowd\cellx1000\pard\intbl\ls1 A\cell\row\pard Done\par}
)";

TEST(RtfLists, AnItemBeforeATableIsWrittenSoTheItemsAfterItKeepTheirNumbers) {
  const QByteArray out = rtf::write(*readRtf(kListBeforeATable));
  const auto back = readRtf(out);
  const QTextBlock item = blockWith(*back, "A");
  ASSERT_NE(item.textList(), nullptr) << out.constData();
  EXPECT_EQ(item.textList()->itemText(item), "2.");
  EXPECT_EQ(rtf::write(*back), out);
}

// ---- Paragraphs ----

const char kParagraphs[] = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}
\pard\sb240\sa120\sl360\slmult1 Spaced\par
\pard\sl-300\slmult0 Exactly\par
\pard\sl300\slmult0 AtLeast\par
\pard\tx1440\tqc\tx4320\tqr\tldot\tx8640\tqdec\tx6000 Name\tab Middle\tab 3.5\tab Page\par
\pard\keep\keepn\pagebb Chapter\par
\pard Plain\par})";

TEST(RtfParagraphs, SpacingLineHeightTabStopsAndBreaks) {
  const auto doc = readRtf(kParagraphs);
  const QTextBlockFormat spaced = blockWith(*doc, "Spaced").blockFormat();
  EXPECT_DOUBLE_EQ(spaced.topMargin(), 16.0);
  EXPECT_DOUBLE_EQ(spaced.bottomMargin(), 8.0);
  EXPECT_EQ(spaced.lineHeightType(), QTextBlockFormat::ProportionalHeight);
  EXPECT_DOUBLE_EQ(spaced.lineHeight(), 150.0);
  const QTextBlockFormat exactly = blockWith(*doc, "Exactly").blockFormat();
  EXPECT_EQ(exactly.lineHeightType(), QTextBlockFormat::FixedHeight);
  EXPECT_DOUBLE_EQ(exactly.lineHeight(), 20.0);
  const QTextBlockFormat atLeast = blockWith(*doc, "AtLeast").blockFormat();
  EXPECT_EQ(atLeast.lineHeightType(), QTextBlockFormat::MinimumHeight);
  EXPECT_DOUBLE_EQ(atLeast.lineHeight(), 20.0);

  const QList<QTextOption::Tab> tabs = blockWith(*doc, "Name").blockFormat().tabPositions();
  ASSERT_EQ(tabs.size(), 4);
  EXPECT_EQ(tabs[0], QTextOption::Tab(96, QTextOption::LeftTab));
  EXPECT_EQ(tabs[1], QTextOption::Tab(288, QTextOption::CenterTab));
  EXPECT_EQ(tabs[2], QTextOption::Tab(576, QTextOption::RightTab));
  EXPECT_EQ(tabs[3], QTextOption::Tab(400, QTextOption::DelimiterTab, QChar('.')));
  EXPECT_EQ(blockWith(*doc, "Name").text(), "Name\tMiddle\t3.5\tPage");

  const QTextBlockFormat chapter = blockWith(*doc, "Chapter").blockFormat();
  EXPECT_TRUE(chapter.nonBreakableLines());
  EXPECT_EQ(chapter.pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
  const QTextBlockFormat plain = blockWith(*doc, "Plain").blockFormat();
  EXPECT_EQ(plain.tabPositions().size(), 0);
  EXPECT_DOUBLE_EQ(plain.topMargin(), 0.0);
  EXPECT_EQ(plain.lineHeightType(), QTextBlockFormat::SingleHeight);
  EXPECT_FALSE(plain.nonBreakableLines());
}

TEST(RtfParagraphs, WrittenBackWithTheirLeaders) {
  const auto doc = readRtf(kParagraphs);
  const QByteArray out = rtf::write(*doc);
  for (const char* expected : {"\\sb240\\sa120\\sl360\\slmult1", "\\sl-300\\slmult0",
                               "\\sl300\\slmult0", "\\tx1440\\tqc\\tx4320\\tldot\\tqr\\tx8640",
                               "\\tqdec\\tx6000", "\\keep\\pagebb"})
    EXPECT_TRUE(out.contains(expected)) << expected << "\n" << out.constData();
  const auto back = readRtf(out);
  for (QTextBlock a = doc->begin(), b = back->begin(); a.isValid(); a = a.next(), b = b.next()) {
    ASSERT_TRUE(b.isValid());
    EXPECT_EQ(b.blockFormat(), a.blockFormat()) << a.text().toStdString();
  }
}

// ---- Code pages word processors leave ----

TEST(RtfCodePagesLeftOver, AnsiFontsMacCharsetsAndBullets) {
  const struct {
    const char* rtf;
    const char* text;
  } cases[] = {
      // A Japanese document's Latin font.
      {R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 Gothic;}{\f1\fswiss\fcharset0 Arial;}}\f1 caf\'e9 \f0\'82\'a0})",
       "café あ"},
      {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset89 Mac Cyr;}{\f1\fnil\fcharset85 Mac Greek;}{\f2\fnil\fcharset88 Mac CE;}}\f0\'8c\'ee\'f0\f1\'a1\f2\'89})",
       "Мор\u0393\u010c"},
      {R"({\rtf1\mac\ansicpg10007 \'8c\'ee\'f0})", "Мор"},
      {R"({\rtf1\ansi{\fonttbl{\f0\fnil\fcharset78 Mac Gothic;}}\f0\'82\'a0})", "あ"},
  };
  for (const auto& c : cases) {
    QTextDocument doc;
    rtf::read(c.rtf, doc);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(c.text)) << c.rtf;
  }

  // Bytes after \\hich and \\dbch are in the font those words were given.
  const struct {
    const char* body;
    const char* text;
  } classes[] = {
      {R"(\loch\f0\hich\af0\dbch\af1 A\dbch \'82\'a0\hich \'e9\loch B)", "AあéB"},
      {R"(\hich\af1\dbch\af1\loch\f0 caf\hich\f0 \'e9)", "café"},
      {R"(\loch\f0\dbch\af1\loch {\dbch\'82\'a0}\'e9\plain\dbch\'e9)", "あéé"},
  };
  for (const auto& c : classes) {
    QTextDocument doc;
    rtf::read(QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset128 Mincho;}})") +
                  c.body + "}",
              doc);
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(c.text)) << c.body;
  }

  // A bullet in the default symbol font, with no marker text to go by.
  const auto bullets = readRtf(
      R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\*\pn\pnlvlblt\pnindent0{\pntxtb\'B7}}\fi-360\li720 Item\par})");
  EXPECT_EQ(bullets->toPlainText(), "Item");
  EXPECT_EQ(styleOf(*bullets, "Item"), QTextListFormat::ListDisc);
}

}  // namespace
