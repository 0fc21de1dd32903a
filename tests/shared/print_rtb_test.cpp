#include "shared/print_rtb.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "platform/system/errors.h"
#include "platform/printing/qt_printer.h"
#include "platform/text/richtextbox.h"
#include "platform/windows/interaction.h"
#include "support/file_size_limit.h"
#include "support/fixture.h"
#include "support/recording_printer.h"

namespace {

using shared::PrintRTB;
using testing_support::RecordingPrinter;

constexpr double kTwipsPerPixel = 15;  // the recording printer's 96 dots per inch

bool isWhite(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }

QRect inkBounds(const QImage& page) {
  QRect bounds;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (!isWhite(page.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// Runs of rows with ink, separated by blank rows: one per printed line of capitals.
int inkBands(const QImage& page) {
  int bands = 0;
  bool inBand = false;
  for (int y = 0; y < page.height(); ++y) {
    bool ink = false;
    for (int x = 0; x < page.width() && !ink; ++x) ink = !isWhite(page.pixel(x, y));
    if (ink && !inBand) ++bands;
    inBand = ink;
  }
  return bands;
}

// The printed lines of a page, top to bottom: runs of rows with ink, separated by blank rows,
// each with the columns its ink spans.
struct InkBand {
  int top = 0;
  int bottom = 0;  // the last row with ink
  int left = std::numeric_limits<int>::max();
  int right = -1;
};

std::vector<InkBand> inkBandsWithExtent(const QImage& page) {
  std::vector<InkBand> bands;
  bool inBand = false;
  for (int y = 0; y < page.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    InkBand line;
    for (int x = 0; x < page.width(); ++x) {
      if (isWhite(row[x])) continue;
      line.left = std::min(line.left, x);
      line.right = x;
    }
    const bool ink = line.right >= 0;
    if (ink && !inBand) bands.push_back({y, y, line.left, line.right});
    if (ink && inBand) {
      InkBand& band = bands.back();
      band.bottom = y;
      band.left = std::min(band.left, line.left);
      band.right = std::max(band.right, line.right);
    }
    inBand = ink;
  }
  return bands;
}

int countPixels(const QImage& page, const std::function<bool(QColor)>& test) {
  int count = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) count += test(page.pixelColor(x, y)) ? 1 : 0;
  }
  return count;
}

// Lines of capitals only, so every printed line leaves one band of ink.
QString capitalLines(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i) lines << QStringLiteral("HELLO WORLD THE END");
  return lines.join(QStringLiteral("\r\n"));
}

class PrintRTBTest : public testing_support::RuntimeTest {
 protected:
  PrintRTBTest() { box.setFont(QFont(QStringLiteral("DejaVu Sans"), 12)); }

  // The paper pixels inside the margins (twips from the paper's edges).
  static QRect drawingPixels(double left, double top, double right, double bottom) {
    return QRect(QPoint(qRound(left / kTwipsPerPixel), qRound(top / kTwipsPerPixel)),
                 QPoint(qRound((RecordingPrinter::kLetterWidth - right) / kTwipsPerPixel) - 1,
                        qRound((RecordingPrinter::kLetterHeight - bottom) / kTwipsPerPixel) - 1));
  }

  // Height of the box's text when laid out for the printer `width` twips wide, in pixels.
  double contentHeight(double widthTwips) {
    std::unique_ptr<QTextDocument> copy(box.document()->clone());
    copy->setDocumentMargin(0);
    copy->documentLayout()->setPaintDevice(&printer->device());
    copy->setTextWidth(widthTwips / kTwipsPerPixel);
    return copy->documentLayout()->documentSize().height();
  }

  platform::RichTextBox box;
};

TEST_F(PrintRTBTest, AnEmptyBoxPrintsOneBlankPage) {
  PrintRTB(box, 2880, 720, 2880, 720, *printer);
  EXPECT_EQ(printer->documentsEnded, 1);
  ASSERT_EQ(printer->pages.size(), 1u);
  EXPECT_TRUE(inkBounds(printer->pages[0]).isEmpty());
}

// The lines printed on all pages, checking that every page but the last is as full as the first
// and none is blank.
int linesOnWholePages(const std::vector<QImage>& pages) {
  const int perPage = inkBands(pages.at(0));
  int printed = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const int lines = inkBands(pages[i]);
    if (i + 1 < pages.size()) {
      EXPECT_EQ(lines, perPage) << "page " << i + 1;
    }
    EXPECT_GT(lines, 0) << "page " << i + 1;
    printed += lines;
  }
  return printed;
}

TEST_F(PrintRTBTest, ALongTextPrintsEveryLineOnceOnWholePages) {
  box.setText(capitalLines(150));
  const std::string before = box.Text().toStdString();
  PrintRTB(box, 2880, 720, 2880, 720, *printer);
  ASSERT_GT(printer->pages.size(), 2u);
  EXPECT_EQ(linesOnWholePages(printer->pages), 150)
      << "a line cut at a page's end would be counted twice";
  EXPECT_EQ(box.Text().toStdString(), before);
}

// Qt's layout counts in 64ths of a device pixel in 32 bits, some 33.5 million pixels: a printer of
// 12,000 dots per inch passes them after some 280 pages, as one of 1,200 does after 2,800. The
// words are as wide as to fill a line each, or two to a line when they make one paragraph.
TEST_F(PrintRTBTest, EveryPageOfATextPastTheLayoutsRangeCarriesItsWords) {
  box.setFont(QFont(QStringLiteral("DejaVu Sans"), 72));
  for (const auto& [separator, words] : {std::pair("\r\n", 3000), std::pair(" ", 6000)}) {
    SCOPED_TRACE(words);
    box.setText(QStringList(words, QStringLiteral("HELLO")).join(QString::fromLatin1(separator)));
    RecordingPrinter fine(12000, RecordingPrinter::kQuarterInch, 12);
    PrintRTB(box, 720, 720, 720, 720, fine);
    ASSERT_GT(fine.pages.size(), 300u);
    const int printed = linesOnWholePages(fine.pages);
    if (words == 3000) {
      EXPECT_EQ(printed, words) << "a line each";
    }
  }
}

// The words of a PDF file as a reader's search, copy or screen reader finds them.
QStringList pdfWords(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  pdftotext.waitForFinished();
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(blanks, Qt::SkipEmptyParts);
}

// Paragraphs of several lines: pages end between paragraphs and inside them.
TEST_F(PrintRTBTest, APdfHoldsEachLineOnceThoughLinesMeetAtThePageEnds) {
  QStringList words, paragraphs;
  for (int i = 0; i < 150; ++i) {  // paragraph i has 1 + i % 25 words
    QStringList line;
    for (int word = 0; word <= i % 25; ++word) line << QString("w%1x%2").arg(i).arg(word);
    words += line;
    paragraphs << line.join(QLatin1Char(' '));
  }
  box.setText(paragraphs.join(QStringLiteral("\r\n")));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("lines.pdf"));
  {
    platform::QtPrinter pdf(path, SCRIBARY_PRINTING_MODULE);
    PrintRTB(box, 720, 720, 720, 720, pdf);
  }
  EXPECT_EQ(pdfWords(path), words);
}

TEST_F(PrintRTBTest, APdfTheDiskCannotHoldSaysNothingWasPrinted) {
  box.setText(capitalLines(400));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("essay.pdf"));
  platform::QtPrinter pdf(path, SCRIBARY_PRINTING_MODULE);
  platform::CommonDialog dialog(*interaction, pdf);
  interaction->answerPrint();
  shared::PrintResult printed;
  {
    testing_support::FileSizeLimit full(4096);
    printed = shared::PrintWholeBox(dialog, box, 720, 720, 720, 720, pdf);
  }
  EXPECT_EQ(printed.outcome, shared::PrintOutcome::Failed);
  EXPECT_TRUE(printed.failure.startsWith(QStringLiteral("Nothing was written to ") + path))
      << printed.failure.toStdString();
  EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(PrintRTBTest, ATextThatFillsExactlyOnePagePrintsOnePage) {
  box.setText(capitalLines(12));
  const double left = 720, top = 720, right = 720;
  const double height = contentHeight(RecordingPrinter::kLetterWidth - left - right);
  const double bottom = RecordingPrinter::kLetterHeight - top - height * kTwipsPerPixel;
  PrintRTB(box, static_cast<std::int32_t>(left), top, right, bottom, *printer);
  ASSERT_EQ(printer->pages.size(), 1u);
  EXPECT_EQ(inkBands(printer->pages[0]), 12);

  // One pixel less room and the last line goes over.
  PrintRTB(box, static_cast<std::int32_t>(left), top, right, bottom + kTwipsPerPixel, *printer);
  ASSERT_EQ(printer->pages.size(), 3u);
  EXPECT_EQ(inkBands(printer->pages[1]), 11);
  EXPECT_EQ(inkBands(printer->pages[2]), 1);
}

struct MarginCase {
  double offset;  // the printer's unprintable border, twips
  double left, top, right, bottom;
};

void PrintTo(const MarginCase& c, std::ostream* os) {
  *os << "offset " << c.offset << ", margins " << c.left << " " << c.top << " " << c.right << " "
      << c.bottom;
}

class PrintRTBMarginTest : public PrintRTBTest,
                           public ::testing::WithParamInterface<MarginCase> {};

TEST_P(PrintRTBMarginTest, NothingIsDrawnOutsideTheMargins) {
  const MarginCase c = GetParam();
  RecordingPrinter sheet(96, c.offset);
  QStringList words;
  for (int i = 0; i < 3000; ++i) words << QStringLiteral("margin%1").arg(i);
  box.setText(words.join(QLatin1Char(' ')));
  PrintRTB(box, static_cast<std::int32_t>(c.left), c.top, c.right, c.bottom, sheet);
  ASSERT_GT(sheet.pages.size(), 1u);
  // Margins inside the unprintable border count from the border.
  const QRect allowed = drawingPixels(std::max(c.left, c.offset), std::max(c.top, c.offset),
                                      std::max(c.right, c.offset),
                                      std::max(c.bottom, c.offset));
  for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
    const QRect ink = inkBounds(sheet.pages[i]);
    EXPECT_TRUE(allowed.contains(ink)) << "page " << i + 1 << ": ink at " << ink.x() << ","
                                       << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_LE(ink.left() - allowed.left(), 3) << "text starts at the left margin";
    EXPECT_LE(ink.top() - allowed.top(), 6) << "text starts at the top margin";
  }
}

INSTANTIATE_TEST_SUITE_P(Margins, PrintRTBMarginTest,
                         ::testing::Values(MarginCase{360, 2880, 720, 2880, 720},
                                           MarginCase{360, 720, 720, 720, 720},
                                           MarginCase{0, 720, 360, 720, 360},
                                           MarginCase{500, 720, 720, 720, 720},
                                           MarginCase{360, 100, 100, 2000, 100}));

TEST_F(PrintRTBTest, APictureWiderThanTheTextIsCutAtTheMargin) {
  QImage wide(3000, 40, QImage::Format_RGB32);
  wide.fill(Qt::black);
  box.document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("wide.png")),
                              wide);
  QTextImageFormat picture;
  picture.setName(QStringLiteral("wide.png"));
  QTextCursor(box.document()).insertImage(picture);
  PrintRTB(box, 2880, 720, 2880, 720, *printer);
  const QRect allowed = drawingPixels(2880, 720, 2880, 720);
  const QRect ink = inkBounds(printer->pages.at(0));
  EXPECT_TRUE(allowed.contains(ink));
  EXPECT_EQ(ink.right(), allowed.right());
}

TEST_F(PrintRTBTest, KeepsColoursAndFonts) {
  box.setText(QStringLiteral("BLACK RED BLACK"));
  QTextCursor red(box.document());
  red.setPosition(6);
  red.setPosition(9, QTextCursor::KeepAnchor);
  QTextCharFormat colour;
  colour.setForeground(Qt::red);
  red.mergeCharFormat(colour);
  PrintRTB(box, 720, 720, 720, 720, *printer);
  ASSERT_EQ(printer->pages.size(), 1u);
  const QImage& page = printer->pages[0];
  EXPECT_GT(countPixels(page, [](QColor c) { return c.red() > 200 && c.green() < 60; }), 20);
  EXPECT_GT(countPixels(page, [](QColor c) { return c.value() < 60; }), 20);

  const int smallHeight = inkBounds(page).height();
  QTextCursor all(box.document());
  all.select(QTextCursor::Document);
  QTextCharFormat large;
  large.setFontPointSize(36);
  all.mergeCharFormat(large);
  PrintRTB(box, 720, 720, 720, 720, *printer);
  ASSERT_EQ(printer->pages.size(), 2u);
  EXPECT_NEAR(static_cast<double>(inkBounds(printer->pages[1]).height()) / smallHeight, 3.0, 0.3);
}

TEST_F(PrintRTBTest, KeepsParagraphAlignment) {
  box.setText(QStringLiteral("CENTRED"));
  QTextCursor cursor(box.document());
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);
  PrintRTB(box, 2880, 720, 1440, 720, *printer);
  const QRect ink = inkBounds(printer->pages.at(0));
  const QRect area = drawingPixels(2880, 720, 1440, 720);
  EXPECT_NEAR(ink.center().x(), area.center().x(), 3);
}

// Paragraphs of capitals in the box's font, each line its own band of ink: a plain line, a left
// indent, a hanging indent over two lines, a right indent beside a plain right-aligned line, a
// tab stop, space before and space after.
constexpr char kMeasuredRtf[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss DejaVu Sans;}}\\f0\\fs24\n"
    "\\pard HHHH\\par\n"
    "\\pard\\li1440 HHHH\\par\n"
    "\\pard\\li1440\\fi-720 HHHHHHHH HHHHHHHH HHHHHHHH HHHHHHHH HHHHHHHH HHHHHHHH HHHHHHHH\\par\n"
    "\\pard\\qr\\ri1440 HHHH\\par\n"
    "\\pard\\qr HHHH\\par\n"
    "\\pard\\tab HHHH\\par\n"
    "\\pard HHHH\\par\n"
    "\\pard HHHH\\par\n"
    "\\pard HHHH}";

class PrintRTBResolutionTest : public PrintRTBTest, public ::testing::WithParamInterface<double> {
 protected:
  // Changes one paragraph's format, whose lengths are in the box's pixels of 15 twips.
  void formatParagraph(int block, const std::function<void(QTextBlockFormat&)>& change) {
    QTextCursor cursor(box.document()->findBlockByNumber(block));
    QTextBlockFormat format = cursor.blockFormat();
    change(format);
    cursor.setBlockFormat(format);
  }
};

TEST_P(PrintRTBResolutionTest, IndentsTabStopsAndSpacingPrintAtTheirSizeInInches) {
  const double dpi = GetParam();
  box.setTextRTF(QString::fromLatin1(kMeasuredRtf));
  // Two inches, half an inch and a quarter inch.
  formatParagraph(5, [](QTextBlockFormat& f) {
    f.setTabPositions({QTextOption::Tab(192, QTextOption::LeftTab)});
  });
  formatParagraph(6, [](QTextBlockFormat& f) { f.setTopMargin(48); });
  formatParagraph(7, [](QTextBlockFormat& f) { f.setBottomMargin(24); });
  RecordingPrinter sheet(dpi);
  PrintRTB(box, 1440, 1440, 1440, 1440, sheet);
  ASSERT_EQ(sheet.pages.size(), 1u);
  const std::vector<InkBand> lines = inkBandsWithExtent(sheet.pages[0]);
  ASSERT_EQ(lines.size(), 10u);
  const double point = dpi / 72;
  const auto gapAbove = [&](std::size_t line) { return lines[line].top - lines[line - 1].bottom; };
  const InkBand& plain = lines[0];
  EXPECT_NEAR(lines[1].left - plain.left, dpi, point) << "left indent";
  EXPECT_NEAR(lines[2].left - plain.left, dpi / 2, point) << "first line of a hanging indent";
  EXPECT_NEAR(lines[3].left - plain.left, dpi, point) << "the lines under it";
  EXPECT_NEAR(lines[5].right - lines[4].right, dpi, point) << "right indent";
  EXPECT_NEAR(lines[6].left - plain.left, 2 * dpi, point) << "tab stop";
  EXPECT_NEAR(gapAbove(7) - gapAbove(1), dpi / 2, point) << "space before";
  EXPECT_NEAR(gapAbove(9) - gapAbove(1), dpi / 4, point) << "space after";
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PrintRTBResolutionTest, ::testing::Values(300.0, 1200.0));

// Where the page has ink of one strong colour: red, green or blue.
QRect boundsOf(const QImage& page, int (*channel)(QRgb)) {
  QRect bounds;
  for (int y = 0; y < page.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      const QRgb p = row[x];
      const bool strong = channel(p) > 200 && qRed(p) + qGreen(p) + qBlue(p) - channel(p) < 120;
      if (strong) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

QByteArray bluePicture() {
  QImage image(4, 2, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toHex();
}

// A table of a one-inch and a two-inch column with red borders and a green cell, and under it
// a blue picture an inch wide and half an inch high.
TEST_F(PrintRTBTest, TablesAndPicturesPrintAtTheirSizeInInches) {
  const double dpi = 300;
  const QByteArray rtf =
      "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\n"
      "\\trowd\\trgaph0\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrl\\brdrs\\brdrw30\\brdrcf1"
      "\\clbrdrb\\brdrs\\brdrw30\\brdrcf1\\cellx1440\\clbrdrt\\brdrs\\brdrw30\\brdrcf1"
      "\\clbrdrb\\brdrs\\brdrw30\\brdrcf1\\clbrdrr\\brdrs\\brdrw30\\brdrcf1\\clcbpat2\\cellx4320\n"
      "\\pard\\intbl \\cell\\pard\\intbl \\cell\\row\n"
      "\\pard{\\pict\\pngblip\\picw4\\pich2\\picwgoal1440\\pichgoal720 " + bluePicture() + "}\\par}";
  box.setTextRTF(QString::fromLatin1(rtf));
  RecordingPrinter sheet(dpi);
  PrintRTB(box, 1440, 1440, 1440, 1440, sheet);
  ASSERT_EQ(sheet.pages.size(), 1u);
  const QImage& page = sheet.pages[0];
  const double slack = dpi / 48;

  const QRect table = boundsOf(page, qRed);
  EXPECT_NEAR(table.width(), 3 * dpi, slack) << "the two columns";
  EXPECT_NEAR(table.left(), dpi, slack) << "at the left margin";
  const QRect shaded = boundsOf(page, qGreen);
  EXPECT_NEAR(shaded.width(), 2 * dpi, slack) << "the green cell";

  const QRect picture = boundsOf(page, qBlue);
  EXPECT_NEAR(picture.width(), dpi, slack);
  EXPECT_NEAR(picture.height(), dpi / 2, slack);
  EXPECT_GT(picture.top(), table.bottom());
}

TEST_F(PrintRTBTest, MarginsThatLeaveNoRoomPrintOneBlankPage) {
  box.setText(capitalLines(5));
  PrintRTB(box, 720, 8000, 720, 8000, *printer);
  PrintRTB(box, 7000, 720, 7000, 720, *printer);
  ASSERT_EQ(printer->pages.size(), 2u);
  EXPECT_TRUE(inkBounds(printer->pages[0]).isEmpty());
  EXPECT_TRUE(inkBounds(printer->pages[1]).isEmpty());
  EXPECT_EQ(printer->documentsEnded, 2);
}

TEST_F(PrintRTBTest, APageThatCannotTakeALineEndsThePrinting) {
  box.setText(capitalLines(5));
  // Four pixels of room for a line of some twenty.
  const double bottom = RecordingPrinter::kLetterHeight - 720 - 4 * kTwipsPerPixel;
  PrintRTB(box, 720, 720, 720, bottom, *printer);
  ASSERT_EQ(printer->pages.size(), 1u);
  EXPECT_TRUE(inkBounds(printer->pages[0]).isEmpty()) << "no part of a line";
}

TEST_F(PrintRTBTest, PrintingEndsAboveALineTallerThanThePage) {
  box.setText(capitalLines(3) + QStringLiteral("\r\nHUGE\r\n") + capitalLines(3));
  QTextCursor huge(box.document()->findBlockByNumber(3));
  huge.select(QTextCursor::BlockUnderCursor);
  QTextCharFormat size;
  size.setFontPointSize(150);
  huge.mergeCharFormat(size);
  // Two inches high: room for the small lines, not for the huge one.
  PrintRTB(box, 720, 720, 720, RecordingPrinter::kLetterHeight - 720 - 2880, *printer);
  ASSERT_EQ(printer->pages.size(), 1u);
  EXPECT_EQ(inkBands(printer->pages[0]), 3) << "three whole lines and no piece of the huge one";
}

TEST_F(PrintRTBTest, LeavesTheScaleModeAtTwips) {
  printer->setScaleMode(platform::vbPixels);
  PrintRTB(box, 720, 720, 720, 720, *printer);
  EXPECT_EQ(printer->ScaleMode(), platform::vbTwips);
}

TEST_F(PrintRTBTest, APrinterFailingHalfWayAbandonsTheDocument) {
  box.setText(capitalLines(150));
  printer->failAtPage = 2;
  try {
    PrintRTB(box, 720, 720, 720, 720, *printer);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kPrinterError);
  }
  EXPECT_FALSE(printer->printing());
  EXPECT_EQ(printer->documentsKilled, 1);
  printer->failAtPage = 0;
  PrintRTB(box, 720, 720, 720, 720, *printer);
  EXPECT_EQ(printer->documentsEnded, 1);
  EXPECT_EQ(inkBands(printer->pages.at(0)), inkBands(printer->pages.at(1)))
      << "the next document starts afresh";
}

TEST_F(PrintRTBTest, APrinterErrorReachesTheCaller) {
  QTemporaryDir dir;
  platform::QtPrinter broken(dir.filePath(QStringLiteral("no/such/folder/out.pdf")),
                             SCRIBARY_PRINTING_MODULE);
  box.setText(QStringLiteral("text"));
  try {
    PrintRTB(box, 720, 720, 720, 720, broken);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.number(), platform::kPrinterError);
  }
}

}  // namespace
