#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "support/recording_printer.h"
#include "vocabulary/table_print.h"

namespace {

using testing_support::RecordingPrinter;
using vocabulary::TablePrint;

int errorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const platform::RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(TablePrintModelTest, ANewTableAndItsDimensionRules) {
  TablePrint table;
  EXPECT_EQ(5, table.Rows());
  EXPECT_EQ(2, table.Cols());
  EXPECT_EQ(1, table.HeaderRows());
  EXPECT_TRUE(table.HasFooter());
  EXPECT_EQ(15, table.ColWidth(1));
  EXPECT_EQ(1, table.LineThickness);

  EXPECT_EQ(380, errorNumber([&] { table.setCols(0); }));
  EXPECT_EQ(380, errorNumber([&] { table.setHeaderRows(0); }));
  EXPECT_EQ(380, errorNumber([&] { table.setRows(-1); }));
  EXPECT_EQ(2, table.Cols());
  table.setRows(0);
  EXPECT_EQ(9, errorNumber([&] { table.TextMatrix(0, 0); }));
  EXPECT_EQ(9, errorNumber([&] { table.setMergeCol(2, true); }));

  table.setHasFooter(false);
  EXPECT_EQ("", table.FooterText(0));  // the footer follows only at the next resize
  table.setCols(3);
  EXPECT_EQ(9, errorNumber([&] { table.FooterText(0); }));
}

TEST(TablePrintModelTest, NegativeIndicesFillAndResizingEmpties) {
  TablePrint table;
  table.setCols(3);
  table.setTextMatrix(-1, 1, "x");
  table.setTextMatrix(2, -1, "y");
  EXPECT_EQ("x", table.TextMatrix(0, 1));
  EXPECT_EQ("x", table.TextMatrix(4, 1));
  EXPECT_EQ("", table.TextMatrix(0, 0));
  EXPECT_EQ("y", table.TextMatrix(2, 0));
  table.setColWidth(-1, 900);
  table.setColAlignment(2, vocabulary::kAlignRight);
  const auto bold = std::make_shared<QFont>("Sans", 12);
  table.setColFont(1, bold);
  EXPECT_EQ(bold, table.FontMatrix(3, 1));
  EXPECT_EQ(900, table.ColWidth(0));

  table.setCols(3);
  EXPECT_EQ("", table.TextMatrix(2, 0));
  EXPECT_EQ(15, table.ColWidth(0));
  EXPECT_EQ(0, table.ColAlignment(2));
  EXPECT_EQ(nullptr, table.ColFont(1));
}

// A table of `rows` body rows whose header and rows are each 3000 twips high: four rows under
// the header fill a Letter page.
class TablePrintPagesTest : public ::testing::Test {
 protected:
  TablePrintPagesTest() {
    table.setCols(2);
    table.setRows(10);
    table.MinRowHeight = 3000;
    table.MinHeaderHeight = 3000;
    table.RepeatHeaders = true;
    table.setHasFooter(false);
    table.setCols(2);
    table.setColWidth(-1, 3000);
    table.setHeaderText(0, 0, "Name");
    table.setHeaderText(0, 1, "Score");
    for (int r = 0; r < table.Rows(); ++r) table.setTextMatrix(r, 0, QString("row%1").arg(r));
    table.onNewPage = [this](TablePrint::NewPageEvent& event) {
      lastRows.push_back(event.lastRow);
      event.target.NewPage();
      event.cancel = lastRows.size() == cancelAfter;
    };
  }
  void draw() {
    table.DrawTable(printer, 0, 1);
    printer.EndDoc();
  }

  RecordingPrinter printer;
  TablePrint table;
  std::vector<int> lastRows;
  std::size_t cancelAfter = 0;
};

TEST_F(TablePrintPagesTest, TenRowsAtFourAPageMakeTwoNewPagesAndNoneAfterAnExactFit) {
  EXPECT_EQ(4, table.CalcNumRowsPerPage(printer, true));
  draw();
  EXPECT_EQ((std::vector<int>{3, 7}), lastRows);
  EXPECT_EQ(3U, printer.pages.size());
  // The header repeats: each page has a line at the top of its header and below it.
  for (const QImage& page : printer.pages) {
    EXPECT_NE(QColor(Qt::white), page.pixelColor(printer.pixelAt({1500, 0})));
  }

  lastRows.clear();
  table.setRows(8);
  draw();
  EXPECT_EQ((std::vector<int>{3}), lastRows);
  EXPECT_EQ(5U, printer.pages.size());
}

TEST_F(TablePrintPagesTest, HeadersOnlyOnTheFirstPageUnlessRepeated) {
  table.RepeatHeaders = false;
  draw();
  // Page 2 has no header to make room for, so five rows fit there: rows 4 to 8.
  EXPECT_EQ((std::vector<int>{3, 8}), lastRows);
}

TEST_F(TablePrintPagesTest, CancelStopsAfterThePage) {
  cancelAfter = 1;
  draw();
  EXPECT_EQ((std::vector<int>{3}), lastRows);
  EXPECT_EQ(2U, printer.pages.size());
}

TEST_F(TablePrintPagesTest, APageTooShortForOneRowStillEnds) {
  table.MinRowHeight = 20000;
  EXPECT_EQ(0, table.CalcNumRowsPerPage(printer, true));
  draw();
  // One row to a page, each running past the bottom margin, rather than endless empty pages.
  EXPECT_EQ(10U, printer.pages.size());

  printer.pages.clear();
  lastRows.clear();
  table.MinRowHeight = 0;
  table.CellYOffset = 0;
  table.setRows(3);  // empty texts: rows are still given a height
  draw();
  EXPECT_TRUE(lastRows.empty());
  EXPECT_EQ(1U, printer.pages.size());
}

TEST_F(TablePrintPagesTest, TheFooterFollowsTheLastRowOnly) {
  table.setHasFooter(true);
  table.setRows(6);
  table.MinFooterHeight = 600;
  table.setFooterText(0, "Total");
  table.setColWidth(-1, 3000);
  for (int r = 0; r < table.Rows(); ++r) table.setTextMatrix(r, 0, QString("row%1").arg(r));
  draw();
  ASSERT_EQ(2U, printer.pages.size());
  // Page 2: header 0-3000, rows 4 and 5 to 9000, the footer to 9600.
  const QImage& last = printer.pages[1];
  EXPECT_NE(QColor(Qt::white), last.pixelColor(printer.pixelAt({1500, 9600})));
  EXPECT_EQ(QColor(Qt::white), printer.pages[0].pixelColor(printer.pixelAt({1500, 15060})));
}

TEST_F(TablePrintPagesTest, EqualCellsOfAMergedColumnAreOneBlock) {
  table.setRows(3);
  table.setColWidth(-1, 3000);
  table.setTextMatrix(-1, 0, "same");
  table.setMergeCol(0, true);
  draw();
  const QImage& page = printer.pages.at(0);
  // No border between the merged rows of column 0; column 1 keeps its borders.
  EXPECT_EQ(QColor(Qt::white), page.pixelColor(printer.pixelAt({300, 6000})));
  EXPECT_NE(QColor(Qt::white), page.pixelColor(printer.pixelAt({4500, 6000})));
}

}  // namespace
