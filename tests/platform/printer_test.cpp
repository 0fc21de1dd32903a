#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "platform/printing/printer.h"
#include "platform/windows/qt_interaction.h"
#include "platform/printing/qt_printer.h"
#include "support/file_size_limit.h"
#include "support/fixture.h"
#include "support/recording_printer.h"

namespace {

using platform::LineShape;
using platform::Printer;
using platform::RuntimeError;
using testing_support::RecordingPrinter;

// The smallest rectangle holding every pixel that is not white; empty on a blank page.
QRect inkBounds(const QImage& page) {
  QRect bounds;
  for (int y = 0; y < page.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      if ((row[x] & 0xFFFFFF) != 0xFFFFFF) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

int errorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(PrinterGeometryTest, GivesPaperPrintableAreaAndOffsetsInTwips) {
  RecordingPrinter printer;
  EXPECT_DOUBLE_EQ(printer.Width(), 12240);
  EXPECT_DOUBLE_EQ(printer.Height(), 15840);
  EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 11520);
  EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 15120);
  EXPECT_DOUBLE_EQ(printer.PhysicalOffsetX(), 360);
  EXPECT_DOUBLE_EQ(printer.PhysicalOffsetY(), 360);
  EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 15);
  EXPECT_DOUBLE_EQ(printer.TwipsPerPixelY(), 15);
}

TEST(PrinterGeometryTest, ScaleModeChangesTheUnitsOfTheInnerSizeButNotOfThePaper) {
  RecordingPrinter printer;
  printer.setScaleMode(platform::vbPixels);
  EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 768);
  EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 1008);
  EXPECT_DOUBLE_EQ(printer.Width(), 12240);
  printer.setScaleMode(platform::vbInches);
  EXPECT_DOUBLE_EQ(printer.ScaleWidth(), 8);
  EXPECT_DOUBLE_EQ(printer.ScaleHeight(), 10.5);
}

TEST(PrinterGeometryTest, LandscapeTurnsThePaper) {
  RecordingPrinter printer;
  printer.setOrientation(platform::vbPRORLandscape);
  EXPECT_EQ(printer.Orientation(), platform::vbPRORLandscape);
  EXPECT_DOUBLE_EQ(printer.Width(), 15840);
  EXPECT_DOUBLE_EQ(printer.Height(), 12240);
  printer.Print(QStringLiteral("x"));
  printer.EndDoc();
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_GT(printer.pages[0].width(), printer.pages[0].height());
}

TEST(PrinterGeometryTest, OrientationCannotChangeWithinADocument) {
  RecordingPrinter printer;
  printer.Print(QStringLiteral("x"));
  EXPECT_EQ(errorNumber([&] { printer.setOrientation(platform::vbPRORLandscape); }),
            platform::kSetWithinPage);
  EXPECT_EQ(printer.Orientation(), platform::vbPRORPortrait);
  EXPECT_EQ(errorNumber([&] { printer.setOrientation(3); }), platform::kInvalidPropertyValue);
}

struct Conversion {
  double value;
  int from;
  int to;
  double horizontal;
  double vertical;
};

class PrinterScaleTest : public ::testing::TestWithParam<Conversion> {};

TEST_P(PrinterScaleTest, ConvertsBetweenUnits) {
  const Conversion c = GetParam();
  RecordingPrinter printer;  // 96 dots per inch
  EXPECT_NEAR(printer.ScaleX(c.value, c.from, c.to), c.horizontal, 1e-9);
  EXPECT_NEAR(printer.ScaleY(c.value, c.from, c.to), c.vertical, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Units, PrinterScaleTest,
    ::testing::Values(Conversion{1440, platform::vbTwips, platform::vbInches, 1, 1},
                      Conversion{1, platform::vbInches, platform::vbPoints, 72, 72},
                      Conversion{15, platform::vbTwips, platform::vbPixels, 1, 1},
                      Conversion{2540, platform::vbHimetric, platform::vbTwips, 1440, 1440},
                      Conversion{2540, platform::vbHimetric, platform::vbPixels, 96, 96},
                      Conversion{1, platform::vbCharacters, platform::vbTwips, 120, 240},
                      Conversion{25.4, platform::vbMillimeters, platform::vbTwips, 1440, 1440},
                      Conversion{2.54, platform::vbCentimeters, platform::vbInches, 1, 1}));

TEST(PrinterPropertyTest, RejectsInvalidValues) {
  RecordingPrinter printer;
  EXPECT_EQ(errorNumber([&] { printer.setScaleMode(0); }), platform::kInvalidPropertyValue);
  EXPECT_EQ(errorNumber([&] { printer.setScaleMode(9); }), platform::kInvalidPropertyValue);
  EXPECT_EQ(errorNumber([&] { printer.ScaleX(1, platform::vbTwips, 12); }),
            platform::kInvalidPropertyValue);
  EXPECT_EQ(errorNumber([&] { printer.setFontSize(0); }), platform::kInvalidPropertyValue);
  EXPECT_EQ(errorNumber([&] { printer.setDrawWidth(0); }), platform::kInvalidPropertyValue);
  EXPECT_EQ(errorNumber([&] { printer.setFillStyle(8); }), platform::kInvalidPropertyValue);
  EXPECT_EQ(printer.ScaleMode(), platform::vbTwips);
}

TEST(PrinterTextTest, PrintMovesToTheNextLineUnlessToldToStay) {
  RecordingPrinter printer;
  const double line = printer.TextHeight(QStringLiteral("Ag"));
  ASSERT_GT(line, 0);
  printer.setCurrentX(500);
  printer.Print(QStringLiteral("Hello"));
  EXPECT_DOUBLE_EQ(printer.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(printer.CurrentY(), line);
  printer.Print(QStringLiteral("Hello"), false);
  EXPECT_NEAR(printer.CurrentX(), printer.TextWidth(QStringLiteral("Hello")), 1e-6);
  EXPECT_DOUBLE_EQ(printer.CurrentY(), line);
  printer.Print(QStringLiteral("one\r\ntwo\rthree\nfour"));
  EXPECT_DOUBLE_EQ(printer.CurrentY(), 5 * line);
  EXPECT_DOUBLE_EQ(printer.TextHeight(QStringLiteral("a\r\nb")), 2 * line);
  EXPECT_DOUBLE_EQ(printer.TextWidth(QStringLiteral("ab\r\nabcd")),
                   printer.TextWidth(QStringLiteral("abcd")));
}

TEST(PrinterTextTest, PrintsTheTextAtTheCurrentPositionInTheForeColour) {
  RecordingPrinter printer;
  printer.setForeColor(Qt::blue);
  printer.setCurrentX(1440);
  printer.setCurrentY(2880);
  const double width = printer.TextWidth(QStringLiteral("Blue text"));
  const double height = printer.TextHeight(QStringLiteral("Blue text"));
  printer.Print(QStringLiteral("Blue text"));
  printer.EndDoc();
  ASSERT_EQ(printer.pages.size(), 1u);
  const QRect ink = inkBounds(printer.pages[0]);
  const QRect band(printer.pixelAt({1440, 2880}), printer.pixelAt({1440 + width, 2880 + height}));
  EXPECT_FALSE(ink.isEmpty());
  EXPECT_TRUE(band.adjusted(-1, -1, 1, 1).contains(ink)) << "ink outside the text's box";
  const QRgb centre = printer.pages[0].pixel(ink.center());
  EXPECT_GE(qBlue(centre), qRed(centre));
}

TEST(PrinterTextTest, FontSizeScalesTheText) {
  RecordingPrinter printer;
  printer.setFontSize(10);
  const double small = printer.TextHeight(QStringLiteral("x"));
  printer.setFontName(QStringLiteral("DejaVu Sans"));
  printer.setFontSize(30);
  printer.setFontBold(true);
  EXPECT_EQ(printer.FontName(), QStringLiteral("DejaVu Sans"));
  EXPECT_DOUBLE_EQ(printer.FontSize(), 30);
  EXPECT_TRUE(printer.FontBold());
  EXPECT_NEAR(printer.TextHeight(QStringLiteral("x")) / small, 3, 0.4);
  QFont screenFont;
  screenFont.setPixelSize(20);
  printer.setFont(screenFont);
  EXPECT_DOUBLE_EQ(printer.FontSize(), 15) << "20 screen pixels are 15 points";
}

TEST(PrinterTextTest, DrawTextStaysInsideItsRectangle) {
  RecordingPrinter printer;
  printer.setFontSize(24);
  const QRectF cell(1440, 1440, 600, 400);
  printer.DrawText(cell, Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("A text far too wide for its little cell"));
  printer.EndDoc();
  const QRect ink = inkBounds(printer.pages.at(0));
  EXPECT_FALSE(ink.isEmpty());
  EXPECT_TRUE(QRect(printer.pixelAt(cell.topLeft()), printer.pixelAt(cell.bottomRight()))
                  .adjusted(-1, -1, 1, 1)
                  .contains(ink));
}

TEST(PrinterTextTest, TextBoundsGrowWithWrappedLines) {
  RecordingPrinter printer;
  const QRectF narrow(100, 200, 1500, 100);
  const QRectF one = printer.TextBounds(narrow, Qt::TextWordWrap, QStringLiteral("word"));
  const QRectF three =
      printer.TextBounds(narrow, Qt::TextWordWrap, QStringLiteral("word word word word word"));
  EXPECT_EQ(one.topLeft(), narrow.topLeft());
  EXPECT_NEAR(one.height(), printer.TextHeight(QStringLiteral("word")), 1);
  EXPECT_GE(three.height(), 2 * one.height());
}

TEST(PrinterDrawingTest, LineBoxAndFilledBox) {
  RecordingPrinter printer;
  printer.Line(1440, 1440, 2880, 2880, LineShape::Box);
  EXPECT_DOUBLE_EQ(printer.CurrentX(), 2880);
  EXPECT_DOUBLE_EQ(printer.CurrentY(), 2880);
  printer.setFillStyle(platform::vbFSSolid);
  printer.setFillColor(Qt::red);
  printer.Line(4320, 1440, 5760, 2880, LineShape::Box);
  printer.setForeColor(Qt::green);
  printer.Line(7200, 1440, 8640, 2880, LineShape::FilledBox);
  printer.EndDoc();
  const QImage& page = printer.pages.at(0);
  auto at = [&](double x, double y) { return page.pixel(printer.pixelAt({x, y})) & 0xFFFFFF; };
  EXPECT_EQ(at(1440, 2160), 0x000000u) << "outline";
  EXPECT_EQ(at(2160, 2160), 0xFFFFFFu) << "a transparent box stays empty inside";
  EXPECT_EQ(at(5040, 2160), 0xFF0000u) << "solid fill colour";
  EXPECT_EQ(at(7920, 2160), 0x00FF00u) << "filled with the fore colour";
  EXPECT_EQ(at(3600, 2160), 0xFFFFFFu);
}

TEST(PrinterDrawingTest, PainterCountsTwipsFromThePrintableOrigin) {
  RecordingPrinter printer;
  printer.painter().fillRect(QRectF(0, 0, 1440, 720), Qt::black);
  printer.EndDoc();
  // A quarter inch in from the paper's corner, one inch by half an inch, at 96 dots per inch.
  EXPECT_EQ(inkBounds(printer.pages.at(0)), QRect(24, 24, 96, 48));
}

TEST(PrinterDocumentTest, NewPageAndEndDocDeliverThePages) {
  RecordingPrinter printer;
  EXPECT_EQ(printer.Page(), 1);
  printer.Print(QStringLiteral("one"));
  printer.NewPage();
  EXPECT_EQ(printer.Page(), 2);
  EXPECT_DOUBLE_EQ(printer.CurrentY(), 0);
  printer.Print(QStringLiteral("two"));
  EXPECT_EQ(printer.pagesInProgress(), 2);
  EXPECT_TRUE(printer.pages.empty()) << "nothing goes out before EndDoc";
  printer.EndDoc();
  EXPECT_EQ(printer.pages.size(), 2u);
  EXPECT_EQ(printer.documentsEnded, 1);
  EXPECT_EQ(printer.Page(), 1);
  EXPECT_FALSE(printer.printing());
}

TEST(PrinterDocumentTest, EndDocWithNothingPrintedSendsNothing) {
  RecordingPrinter printer;
  printer.EndDoc();
  printer.KillDoc();
  EXPECT_TRUE(printer.pages.empty());
  EXPECT_EQ(printer.documentsEnded, 0);
  EXPECT_EQ(printer.documentsKilled, 0);
}

TEST(PrinterDocumentTest, KillDocDiscardsTheDocument) {
  RecordingPrinter printer;
  printer.Print(QStringLiteral("one"));
  printer.NewPage();
  printer.Print(QStringLiteral("two"));
  printer.KillDoc();
  EXPECT_TRUE(printer.pages.empty());
  EXPECT_EQ(printer.documentsKilled, 1);
  EXPECT_EQ(printer.Page(), 1);
  printer.Print(QStringLiteral("again"));
  printer.EndDoc();
  EXPECT_EQ(printer.pages.size(), 1u);
}

// Pages of a PDF file, counted by their page objects.
int pdfPages(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(QtPrinterTest, PrintsToAPdfFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.pdf"));
  platform::QtPrinter printer(path, SCRIBARY_PRINTING_MODULE);
  EXPECT_GT(printer.Width(), printer.ScaleWidth());
  EXPECT_GE(printer.Width(), printer.PhysicalOffsetX() + printer.ScaleWidth() - 1);
  EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 1440.0 / printer.device().logicalDpiX());
  printer.Print(QStringLiteral("first page"));
  printer.Line(0, 0, 1440, 1440, LineShape::Box);
  printer.NewPage();
  printer.Print(QStringLiteral("second page"));
  printer.EndDoc();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdfPages(pdf), 2);
}

TEST(QtPrinterTest, KillDocLeavesNoFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("killed.pdf"));
  platform::QtPrinter printer(path, SCRIBARY_PRINTING_MODULE);
  printer.Print(QStringLiteral("never mind"));
  printer.KillDoc();
  EXPECT_FALSE(QFile::exists(path));
}

TEST(QtPrinterTest, APdfTheDiskCannotHoldKeepsTheFileBeforeAndTheNextPrintReplacesIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.pdf"));
  QFile earlier(path);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier");
  earlier.close();
  platform::QtPrinter printer(path, SCRIBARY_PRINTING_MODULE);
  {
    testing_support::FileSizeLimit full(2048);
    try {
      for (int page = 0; page < 20; ++page) {
        if (page > 0) printer.NewPage();
        printer.Print(QStringLiteral("page %1 of a long document").arg(page + 1));
      }
      printer.EndDoc();
      ADD_FAILURE() << "no error";
    } catch (const platform::PrinterError& error) {
      printer.KillDoc();
      EXPECT_EQ(error.number(), platform::kPrinterError);
      EXPECT_EQ(error.reason(), QStringLiteral("Nothing was written to ") + path +
                                    QStringLiteral(". Make room on the disk, or print to another "
                                                   "folder. The file that was there before is "
                                                   "kept as it was."));
    }
  }
  EXPECT_EQ(testing_support::entries(dir.path()), QStringList{QStringLiteral("out.pdf")});
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), "earlier");
  earlier.close();

  printer.Print(QStringLiteral("with room"));
  printer.EndDoc();
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_TRUE(earlier.readAll().startsWith("%PDF"));
}

TEST(QtPrinterTest, AFileThatCannotBeWrittenIsAPrinterError) {
  QTemporaryDir dir;
  platform::QtPrinter printer(dir.filePath(QStringLiteral("missing/folder/out.pdf")),
                              SCRIBARY_PRINTING_MODULE);
  EXPECT_EQ(errorNumber([&] { printer.Print(QStringLiteral("x")); }), platform::kPrinterError);
  EXPECT_FALSE(printer.printing());
}

TEST(QtPrinterTest, WithoutItsPrintingModuleAPrinterSaysPrinterError) {
  QTemporaryDir dir;
  platform::QtPrinter printer(dir.filePath(QStringLiteral("out.pdf")),
                              QStringLiteral("/nonexistent/libscribary_printing.so"));
  EXPECT_EQ(errorNumber([&] { printer.Print(QStringLiteral("x")); }), platform::kPrinterError);
  EXPECT_EQ(errorNumber([&] { (void)printer.ScaleWidth(); }), platform::kPrinterError);
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
}

TEST(QtPrinterTest, LandscapeSwapsThePaper) {
  QTemporaryDir dir;
  platform::QtPrinter printer(dir.filePath(QStringLiteral("out.pdf")), SCRIBARY_PRINTING_MODULE);
  const double width = printer.Width();
  printer.setOrientation(platform::vbPRORLandscape);
  EXPECT_EQ(printer.Orientation(), platform::vbPRORLandscape);
  EXPECT_DOUBLE_EQ(printer.Height(), width);
}

// The common dialog's print flags as the print dialog shows them.
struct PrintFlagsCase {
  long flags;
  bool selectionOffered;
  bool pagesOffered;
  platform::PrintChoice::Range initial;
};

class PrintDialogFlagsTest : public ::testing::TestWithParam<PrintFlagsCase> {};

using Range = platform::PrintChoice::Range;

TEST_P(PrintDialogFlagsTest, OffersWhatTheFlagsAllow) {
  const PrintFlagsCase c = GetParam();
  const platform::PrintChoice choice = platform::printChoice(c.flags);
  EXPECT_EQ(choice.selectionOffered, c.selectionOffered);
  EXPECT_EQ(choice.pageNumbersOffered, c.pagesOffered);
  EXPECT_EQ(choice.range, c.initial);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PrintDialogFlagsTest,
    ::testing::Values(PrintFlagsCase{0, true, true, Range::AllPages},
                      PrintFlagsCase{0x100108, true, false, Range::AllPages},
                      PrintFlagsCase{0x100108 + 1, true, false, Range::Selection},
                      PrintFlagsCase{0x100108 + 4, false, false, Range::AllPages},
                      PrintFlagsCase{0x100108 + 4 + 1, false, false, Range::AllPages},
                      PrintFlagsCase{platform::cdlPDPageNums, true, true, Range::PageNumbers},
                      PrintFlagsCase{platform::cdlPDPageNums | platform::cdlPDNoPageNums, true,
                                     false, Range::AllPages}));

TEST(PrintDialogFlagsTest, TheChosenRangeReplacesTheRangeFlags) {
  EXPECT_EQ(platform::flagsWithRange(0x100109, Range::AllPages), 0x100108);
  EXPECT_EQ(platform::flagsWithRange(0x100108, Range::Selection), 0x100109);
  EXPECT_EQ(platform::flagsWithRange(0x100109, Range::PageNumbers), 0x10010A);
}

class ShowPrinterTest : public testing_support::RuntimeTest {};

TEST_F(ShowPrinterTest, CancelRaises32755WhenCancelErrorIsSet) {
  platform::CommonDialog dialog(*runtime);
  dialog.DialogTitle = QStringLiteral("Print...");
  dialog.CancelError = true;
  dialog.Flags = 0x100108 + platform::cdlPDNoSelection;
  interaction->cancelPrint();
  EXPECT_EQ(errorNumber([&] { dialog.ShowPrinter(); }), platform::kCancelError);
  const auto shown = interaction->prompts(testing_support::PromptKind::PrintDialog);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Print..."));
  EXPECT_TRUE(shown[0].request.Flags & platform::cdlPDNoSelection);
}

TEST_F(ShowPrinterTest, CancelIsQuietWithoutCancelError) {
  platform::CommonDialog dialog(*runtime);
  interaction->cancelPrint();
  EXPECT_EQ(errorNumber([&] { dialog.ShowPrinter(); }), 0);
}

TEST_F(ShowPrinterTest, AcceptedDialogReportsTheRangeInFlags) {
  platform::CommonDialog dialog(*runtime);
  dialog.CancelError = true;
  dialog.Flags = 0x100108 + platform::cdlPDSelection;
  interaction->answerPrint([](platform::DialogRequest& request) {
    request.Flags = platform::flagsWithRange(request.Flags, Range::AllPages);
  });
  dialog.ShowPrinter();
  EXPECT_EQ(dialog.Flags, 0x100108);
}

TEST_F(ShowPrinterTest, ADialogWithoutAPrinterIsAPrinterError) {
  platform::CommonDialog dialog(runtime->interaction());
  EXPECT_EQ(errorNumber([&] { dialog.ShowPrinter(); }), platform::kPrinterError);
  EXPECT_TRUE(interaction->prompts().empty());
}

}  // namespace
