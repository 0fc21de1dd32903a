#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "platform/printing/qt_printer.h"
#include "vocabulary/grid_print.h"
#include "vocabulary/main_window.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"
#include "vocabulary/score_report.h"
#include "vocabulary/score_report_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;
using vocabulary_testing::PromptKind;

ScoreRecord record(const QString& test, const QString& teacher, const QString& student,
                   std::array<std::int16_t, 8> scores) {
  return ScoreRecord{test, teacher, student, scores};
}

TEST(ScoreReportTest, CellsAndAveragesHalfToEven) {
  const ReportRow spelled(record("Week 1", "Hale", "Ana", {0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ((QStringList{"7", "Week 1", "Hale", "Ana", "0", "0", "0", "0", "0", "0", "0", "?",
                         "P"}),
            ReportCells(spelled, 7));
  const ReportRow done(record("Week 1", "Hale", "Ana", {95, 96, 0, 0, 0, 0, 10, 85}));
  EXPECT_EQ("32", ReportCells(done, 1)[4]);
  EXPECT_EQ("OK", ReportCells(done, 1)[11]);
  EXPECT_EQ("85", ReportCells(done, 1)[12]);
  EXPECT_EQ(0, ReportAverage(ReportRow(record("", "", "", {3, 0, 0, 0, 0, 0, 0, 0}))));
  EXPECT_EQ(2, ReportAverage(ReportRow(record("", "", "", {15, 0, 0, 0, 0, 0, 0, 0}))));
  EXPECT_EQ(4, ReportAverage(ReportRow(record("", "", "", {27, 0, 0, 0, 0, 0, 0, 0}))));
}

class ScoreReportWindowTest : public LexoramaTest {
 protected:
  ScoreReportWindowTest() {
    records = {record("Week 1", "Hale", "Ortiz, Ana", {90, 80, 0, 0, 0, 0, 10, 1}),
               record("Week 1", "Okafor", "Brook, Sam", {40, 0, 0, 0, 0, 0, 0, 75}),
               record("Week 2", "Hale", "Ortiz, Ana", {0, 0, 0, 0, 0, 0, 0, 0}),
               record("Week 2", "Hale", "lee, Kim", {100, 100, 100, 100, 100, 100, 0, 0})};
    QByteArray bytes;
    for (const ScoreRecord& each : records) bytes += EncodeScoreRecord(each);
    writeFile("class/Resources/data.dat", bytes);
    lexorama.practice.DataFolder = classFolder();
    lexorama.practice.StudentName = "Ortiz, Ana";
  }
  ScoreReportWindow& report() { return lexorama.forms().get<ScoreReportWindow>(); }
  QStringList column(int col) {
    QStringList texts;
    for (int r = 1; r < report().reportGrid->Rows(); ++r) {
      texts << report().reportGrid->TextMatrix(r, col);
    }
    return texts;
  }
  QStringList entries(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
  }
  void clickHeading(int col) {
    QHeaderView* header = report().reportGrid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(col) + 5, header->height() / 2));
  }
  void doubleClickRow(int row) {
    platform::Grid* grid = report().reportGrid;
    grid->setRow(row);
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
  QByteArray scoreFile() { return readFile(classFolder() + "Resources/data.dat"); }

  std::vector<ScoreRecord> records;
};

TEST_F(ScoreReportWindowTest, TheTeacherReachesItThroughThePassword) {
  QFile check(PasswordCheckFilePath());
  ASSERT_TRUE(check.open(QIODevice::WriteOnly));
  check.write("395\r\n");
  check.close();
  lexorama.forms().get<MainWindow>();
  writeNameLists();
  open(writeWordList("Week 1.txt", 6));
  MainWindow& main = lexorama.forms().get<MainWindow>();
  ASSERT_TRUE(main.createReportAction->isEnabled());
  main.createReportAction->trigger();
  lexorama.forms().get<PasswordDialog>().passwordBox->setText("QUERN");
  lexorama.forms().get<PasswordDialog>().okButton->click();
  ASSERT_TRUE(lexorama.forms().isLoaded<ScoreReportWindow>());
  EXPECT_TRUE(report().isVisible());
}

TEST_F(ScoreReportWindowTest, ApplyListsScoredRecordsThroughTheFilters) {
  EXPECT_EQ("Score Report     Ortiz, Ana", report().Caption());
  EXPECT_EQ(1, report().reportGrid->Rows());
  EXPECT_EQ("Spelling", report().reportGrid->TextMatrix(0, 12));
  EXPECT_EQ((QStringList{"All", "Week 1", "Week 2"}), entries(report().testFilterBox));
  EXPECT_EQ((QStringList{"All", "Hale", "Okafor"}), entries(report().teacherFilterBox));

  report().applyButton->click();
  EXPECT_EQ((QStringList{"1", "2", "3"}), column(0));
  EXPECT_EQ((QStringList{"Ortiz, Ana", "Brook, Sam", "lee, Kim"}), column(3));
  EXPECT_EQ((QStringList{"28", "7", "100"}), column(4));
  EXPECT_EQ((QStringList{"OK", "?", "?"}), column(11));
  EXPECT_EQ((QStringList{"P", "75", "?"}), column(12));

  choose(report().teacherFilterBox, "Hale");
  choose(report().testFilterBox, "Week 2");
  report().applyButton->click();
  EXPECT_EQ((QStringList{"lee, Kim"}), column(3));
}

TEST_F(ScoreReportWindowTest, AClickedColumnSortsStablyEitherWay) {
  report().applyButton->click();
  clickHeading(12);  // "P" and "?" count as 0
  EXPECT_EQ((QStringList{"P", "?", "75"}), column(12));
  report().sortOrderButton->click();
  EXPECT_EQ("Descending Sort", report().sortOrderButton->text());
  clickHeading(3);
  EXPECT_EQ((QStringList{"Ortiz, Ana", "lee, Kim", "Brook, Sam"}), column(3));

  interaction->answerMessage(platform::vbOK);
  clickHeading(0);
  EXPECT_EQ("Unable to sort. Please try again.", messages().back().text);

  report().sortBox->click();
  EXPECT_EQ("Sort Off", report().sortBox->text());
  clickHeading(4);
  EXPECT_EQ((QStringList{"Ortiz, Ana", "lee, Kim", "Brook, Sam"}), column(3));
}

TEST_F(ScoreReportWindowTest, DeleteZeroesExactlyOneRecordInTheFile) {
  report().applyButton->click();
  const QByteArray before = scoreFile();
  report().deleteBox->click();
  interaction->answerMessage(platform::vbYes);
  doubleClickRow(2);
  EXPECT_EQ("Do you want to delete the record: \r\n          Week 1 - Okafor - Brook, Sam",
            messages().back().text);
  QByteArray expected = before;
  expected.replace(66 + 50, 16, QByteArray(16, '\0'));
  EXPECT_EQ(expected, scoreFile());
  EXPECT_EQ((QStringList{"Ortiz, Ana", "lee, Kim"}), column(3));
  EXPECT_EQ((QStringList{"All", "Hale"}), entries(report().teacherFilterBox));

  interaction->answerMessage(platform::vbNo);
  doubleClickRow(1);
  EXPECT_EQ(expected, scoreFile());
}

TEST_F(ScoreReportWindowTest, DeleteZeroesEveryRecordOfTheTestTeacherAndStudent) {
  // A second record of the same student (written by an older copy) and one of another student.
  QByteArray before = scoreFile();
  before +=
      EncodeScoreRecord(record("Week 1", "Okafor", "Brook, Sam  ", {70, 0, 0, 0, 0, 0, 10, 0}));
  before +=
      EncodeScoreRecord(record("Week 1", "Okafor", "Brook, Samuel", {60, 0, 0, 0, 0, 0, 0, 0}));
  writeFile("class/Resources/data.dat", before);
  report().applyButton->click();
  report().deleteBox->click();
  interaction->answerMessage(platform::vbYes);
  doubleClickRow(2);
  QByteArray expected = before;
  expected.replace(66 + 50, 16, QByteArray(16, '\0'));
  expected.replace(4 * 66 + 50, 16, QByteArray(16, '\0'));
  EXPECT_EQ(expected, scoreFile());

  report().deleteBox->click();
  report().applyButton->click();
  EXPECT_EQ((QStringList{"Ortiz, Ana", "lee, Kim", "Brook, Samuel"}), column(3));
}

TEST_F(ScoreReportWindowTest, DeletingTheLastListedRowAsksForApply) {
  choose(report().studentFilterBox, "lee, Kim");
  report().applyButton->click();
  report().deleteBox->click();
  interaction->answerMessage(platform::vbYes).answerMessage(platform::vbOK);
  doubleClickRow(1);
  EXPECT_EQ("This record has been deleted. Click apply to refresh the list of records.",
            messages().back().text);
  report().applyButton->click();
  EXPECT_EQ(1, report().reportGrid->Rows());
}

TEST_F(ScoreReportWindowTest, ADoubleClickWithNoDataRowDoesNothing) {
  report().deleteBox->click();
  QTest::mouseDClick(report().reportGrid->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(messages().empty());
}

TEST_F(ScoreReportWindowTest, AMissingResourcesFolderGivesAMessageAndAnEmptyReport) {
  lexorama.practice.DataFolder = testing_support::testRoot() + "/elsewhere/";
  interaction->answerMessage(platform::vbOK);
  report();
  EXPECT_EQ("The folder of this word list has no \"Resources\" folder, so it has no scores to "
            "show.",
            messages().back().text);
  EXPECT_EQ((QStringList{"All"}), entries(report().studentFilterBox));
}

TEST_F(ScoreReportWindowTest, ItGrowsWithTheFile) {
  QByteArray bytes;
  for (int i = 0; i < 12000; ++i) {
    bytes += EncodeScoreRecord(record("Week", "Hale", QString("Student %1").arg(i),
                                      {1, 0, 0, 0, 0, 0, 0, 0}));
  }
  writeFile("class/Resources/data.dat", bytes);
  report().applyButton->click();
  EXPECT_EQ(12001, report().reportGrid->Rows());
  EXPECT_EQ("12000", report().reportGrid->TextMatrix(12000, 0));
}

TEST_F(ScoreReportWindowTest, PrintingMakesATableWithItsHeaderOnEveryPage) {
  QByteArray bytes;
  for (int i = 0; i < 200; ++i) {
    bytes += EncodeScoreRecord(record("Week", "Hale", QString("Student %1").arg(i),
                                      {50, 0, 0, 0, 0, 0, 0, 0}));
  }
  writeFile("class/Resources/data.dat", bytes);
  report().applyButton->click();
  interaction->cancelPrint();
  report().printButton->click();
  EXPECT_TRUE(printer->pages.empty());

  interaction->answerPrint();
  report().printButton->click();
  EXPECT_EQ("Print...", interaction->prompts(PromptKind::PrintDialog).back().request.DialogTitle);
  EXPECT_GE(printer->pages.size(), 2U);
  EXPECT_EQ(1, printer->documentsEnded);
  // Each page starts with the heading row's top border at the top margin.
  for (const QImage& page : printer->pages) {
    EXPECT_NE(QColor(Qt::white), page.pixelColor(printer->pixelAt({1000, 567})));
  }
}

TEST_F(ScoreReportWindowTest, TheGridPrintedToPdfReadsBack) {
  report().applyButton->click();
  QTemporaryDir folder;
  const QString pdf = folder.filePath("report.pdf");
  {
    platform::QtPrinter paper(pdf, SCRIBARY_PRINTING_MODULE);
    TablePrint table;
    PrintFlexGrid(table, *report().reportGrid, paper.ScaleWidth());
    table.DrawTable(paper, 0, 1);
    paper.EndDoc();
  }
  QProcess reader;
  reader.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(reader.waitForFinished());
  const QString text = QString::fromUtf8(reader.readAllStandardOutput());
  EXPECT_TRUE(text.contains("Teacher")) << text.toStdString();
  EXPECT_TRUE(text.contains("Brook, Sam")) << text.toStdString();
  EXPECT_TRUE(text.contains("Okafor")) << text.toStdString();
}

TEST_F(ScoreReportWindowTest, RowNumbersPast999ShowWholeOnScreenAndOnPaper) {
  QByteArray bytes;
  for (int i = 0; i < 1005; ++i) {
    bytes += EncodeScoreRecord(record("Week", "Hale", "Ana", {50, 0, 0, 0, 0, 0, 0, 0}));
  }
  writeFile("class/Resources/data.dat", bytes);
  report().applyButton->click();
  platform::Grid* grid = report().reportGrid;
  ASSERT_EQ("1005", grid->TextMatrix(1005, 0));
  // The cell's text fits between the margins the style gives it.
  const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
  EXPECT_GE(grid->columnWidth(0),
            QFontMetrics(grid->font()).horizontalAdvance("1005") + 2 * margin);

  // On paper the number is drawn in the cell's font between the cell's margins, and cut off
  // past them.
  TablePrint table;
  PrintFlexGrid(table, *grid, -1);
  const double numberTwips =
      QFontMetricsF(*table.FontMatrix(1004, 0)).horizontalAdvance("1005") * 15;
  EXPECT_GE(table.ColWidth(0) - 2 * table.CellXOffset, numberTwips);
}

TEST(GridPrintTest, WidthsScaleAndAlignmentsMap) {
  platform::Grid grid;
  grid.setRows(1);  // the heading row only
  grid.setCols(3);
  grid.setColWidth(0, 1005);
  grid.setColWidth(1, 3000);
  grid.setColWidth(2, 990);
  grid.setColAlignment(0, platform::flexAlignRightCenter);
  grid.setColAlignment(1, platform::flexAlignGeneral);
  grid.setColAlignment(2, platform::flexAlignCenterCenter);
  TablePrint table;
  PrintFlexGrid(table, grid, 2000);
  EXPECT_EQ(0, table.Rows());
  EXPECT_NEAR(1200.0, table.ColWidth(1), 2);
  EXPECT_EQ(kAlignRight, table.ColAlignment(0));
  EXPECT_EQ(kAlignLeft, table.ColAlignment(1));
  EXPECT_EQ(kAlignCenter, table.ColAlignment(2));
  // Cells of one font share one font object.
  grid.AddItem("a\tb\tc");
  PrintFlexGrid(table, grid, -1);
  EXPECT_EQ(table.FontMatrix(0, 0), table.FontMatrix(0, 2));
  EXPECT_EQ(3000, table.ColWidth(1));

  grid.setFixedRows(0);
  PrintFlexGrid(table, grid, 2000);  // no header row: widths still scale
  EXPECT_NEAR(1200.0, table.ColWidth(1), 2);
}

}  // namespace
