#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "platform/windows/grid.h"

namespace {

using platform::Grid;

QStringList column(const Grid& grid, int col) {
  QStringList texts;
  for (int r = grid.FixedRows(); r < grid.Rows(); ++r) texts << grid.TextMatrix(r, col);
  return texts;
}

TEST(GridTest, TheFormatStringSetsHeadingsAlignmentsAndWidths) {
  Grid grid;
  grid.setRows(1);
  grid.setFormatString("^  #  |<Name          |>Score");
  EXPECT_EQ(3, grid.Cols());
  EXPECT_EQ("#", grid.TextMatrix(0, 0));
  EXPECT_EQ("Name", grid.TextMatrix(0, 1));
  EXPECT_EQ(platform::flexAlignCenterCenter, grid.ColAlignment(0));
  EXPECT_EQ(platform::flexAlignLeftCenter, grid.ColAlignment(1));
  EXPECT_EQ(platform::flexAlignRightCenter, grid.ColAlignment(2));
  EXPECT_GT(grid.ColWidth(1), grid.ColWidth(2));
}

TEST(GridTest, SortKeepsTheHeadingsAndEqualRowsInOrder) {
  Grid grid;
  grid.setRows(1);
  grid.setCols(2);
  for (const char* row : {"a\t10", "B\t?", "c\t9", "d\tOK", "A\t10"}) grid.AddItem(row);
  grid.Sort(1, platform::flexSortNumericAscending);
  EXPECT_EQ((QStringList{"B", "d", "c", "a", "A"}), column(grid, 0));
  grid.Sort(1, platform::flexSortNumericDescending);
  EXPECT_EQ((QStringList{"a", "A", "c", "B", "d"}), column(grid, 0));
  grid.Sort(0, platform::flexSortStringNoCaseAscending);
  EXPECT_EQ((QStringList{"a", "A", "B", "c", "d"}), column(grid, 0));
  EXPECT_EQ(6, grid.Rows());
}

TEST(GridTest, TheLastRowThatIsNotFixedCannotBeRemoved) {
  Grid grid;
  grid.setRows(1);
  grid.AddItem("one");
  grid.AddItem("two");
  grid.RemoveItem(1);
  EXPECT_EQ((QStringList{"two"}), column(grid, 0));
  try {
    grid.RemoveItem(1);
    FAIL() << "removed the last row";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(platform::kCannotRemoveLastNonFixedRow, error.number());
  }
  EXPECT_EQ(2, grid.Rows());
}

}  // namespace
