// PrintRTB of a 100-page document to PDF against QTextDocument::print of the same document, and
// of the longest plain text a box takes (8 million characters, some 3,500 pages) to PDF.

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <utility>

#include "platform/printing/qt_printer.h"
#include "platform/text/richtextbox.h"
#include "shared/print_rtb.h"
#include "support/bench_main.h"

namespace {

constexpr int kParagraphs = 970;  // about a hundred pages
constexpr double kTwoCentimetres = 1440 / 2.54 * 2;

// An essay with the formatting pupils use: headings, bold, italic, coloured and serif runs.
void fill(QTextDocument& document) {
  QTextCursor cursor(&document);
  QTextCharFormat plain;
  plain.setFontFamilies({QStringLiteral("DejaVu Sans")});
  plain.setFontPointSize(12);
  QTextCharFormat bold = plain;
  bold.setFontWeight(QFont::Bold);
  QTextCharFormat red = plain;
  red.setForeground(Qt::red);
  QTextCharFormat serif = plain;
  serif.setFontFamilies({QStringLiteral("DejaVu Serif")});
  serif.setFontItalic(true);
  QTextBlockFormat left;
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  for (int i = 0; i < kParagraphs; ++i) {
    if (i > 0) cursor.insertBlock();
    if (i % 8 == 0) {
      cursor.setBlockFormat(centred);
      cursor.insertText(QStringLiteral("Paragraph heading %1").arg(i / 8 + 1), bold);
      cursor.insertBlock();
    }
    cursor.setBlockFormat(left);
    cursor.insertText(QStringLiteral("The students wrote an essay about their town, its "), plain);
    cursor.insertText(QStringLiteral("museums and parks"), bold);
    cursor.insertText(QStringLiteral(", which they visited in spring; "), plain);
    cursor.insertText(QStringLiteral("red words stand out"), red);
    cursor.insertText(QStringLiteral(" and "), plain);
    cursor.insertText(QStringLiteral("serif italics follow"), serif);
    cursor.insertText(QStringLiteral(", then a longer plain passage keeps going for a while so "
                                     "that ordinary text dominates, as it does in real essays "
                                     "written in class by a whole group of pupils."),
                      plain);
  }
}

// The essay both benchmarks print; made once the application exists.
platform::RichTextBox* essay = nullptr;
// The longest text a box takes, in lines of an ordinary length.
platform::RichTextBox* longText = nullptr;
constexpr qsizetype kLongTextCharacters = 8'000'000;
// Some 3,000 pages: far less than a printer takes to print them.
constexpr double kLongTextLimitSeconds = 30;

platform::RichTextBox& box() { return *essay; }

QString outputPath(const char* name) {
  static QTemporaryDir dir;
  return dir.filePath(QString::fromLatin1(name));
}

int pdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// The same text area as QTextDocument::print's: two centimetres inside the printable area.
void BM_PrintRTB(benchmark::State& state) {
  const QString path = outputPath("print_rtb.pdf");
  for (auto _ : state) {
    platform::QtPrinter printer(path, SCRIBARY_PRINTING_MODULE);
    const double right = printer.Width() - printer.PhysicalOffsetX() - printer.ScaleWidth();
    const double bottom = printer.Height() - printer.PhysicalOffsetY() - printer.ScaleHeight();
    shared::PrintRTB(box(), qRound(printer.PhysicalOffsetX() + kTwoCentimetres),
                     printer.PhysicalOffsetY() + kTwoCentimetres, right + kTwoCentimetres,
                     bottom + kTwoCentimetres, printer);
  }
  state.counters["pages"] = pdfPages(path);
}
BENCHMARK(BM_PrintRTB)->Unit(benchmark::kMillisecond);

// Past the layout's range at printer resolution, which ends some 2,600 pages in.
void BM_PrintLongText(benchmark::State& state) {
  const QString path = outputPath("long_text.pdf");
  for (auto _ : state) {
    platform::QtPrinter printer(path, SCRIBARY_PRINTING_MODULE);
    shared::PrintRTB(*longText, 2880, 720, 2880, 720, printer);
  }
  state.counters["pages"] = pdfPages(path);
}
BENCHMARK(BM_PrintLongText)->Unit(benchmark::kSecond)->Iterations(1);

QString longPlainText() {
  const QString line =
      QStringLiteral("The class read the story aloud and wrote down the words they found new.\r\n");
  QString text;
  text.reserve(kLongTextCharacters);
  while (text.size() + line.size() <= kLongTextCharacters) text += line;
  text += QString(kLongTextCharacters - text.size(), QLatin1Char('x'));
  return text;
}

void printWithQt(const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  box().document()->print(&printer);
}

void BM_QTextDocumentPrint(benchmark::State& state) {
  const QString path = outputPath("qtextdocument_print.pdf");
  for (auto _ : state) printWithQt(path);
  state.counters["pages"] = pdfPages(path);
}
BENCHMARK(BM_QTextDocumentPrint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(
      argc, argv,
      [](const bench_support::Times& times) {
        bench_support::printRatio(times, "PrintRTB / QTextDocument::print", "BM_PrintRTB",
                                  "BM_QTextDocumentPrint", 1.20);
        bench_support::printTime(times, "PrintRTB of 8 million characters to PDF",
                                 "BM_PrintLongText/iterations:1", kLongTextLimitSeconds);
      },
      [] {
        auto boxes = std::make_shared<std::pair<platform::RichTextBox, platform::RichTextBox>>();
        fill(*boxes->first.document());
        essay = &boxes->first;
        boxes->second.setText(longPlainText());
        longText = &boxes->second;
        // Fonts load on first use; neither side should pay for that.
        printWithQt(outputPath("warm_up.pdf"));
        return boxes;
      });
}
