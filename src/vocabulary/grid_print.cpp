#include "vocabulary/grid_print.h"

#include <algorithm>
#include <memory>

#include "platform/windows/grid.h"
#include "vocabulary/table_print.h"

namespace vocabulary {
namespace {

constexpr double kCellXOffset = 60;
constexpr double kCellYOffset = 30;

int tableAlignment(int gridAlignment) {
  if (gridAlignment >= platform::flexAlignCenterTop &&
      gridAlignment <= platform::flexAlignCenterBottom) {
    return kAlignCenter;
  }
  if (gridAlignment >= platform::flexAlignRightTop &&
      gridAlignment <= platform::flexAlignRightBottom) {
    return kAlignRight;
  }
  return kAlignLeft;
}

// Hands out one font object for a run of cells with equal fonts, so that the drawing switches
// fonts only where they change.
class CellFontCache {
 public:
  CellFont fontOf(const platform::Grid& grid) {
    const QFont font = grid.CellFont();
    if (!cached_ || *cached_ != font) cached_ = std::make_shared<const QFont>(font);
    return cached_;
  }

 private:
  CellFont cached_;
};

}  // namespace

void PrintFlexGrid(TablePrint& table, platform::Grid& grid, double width) {
  const int fixedRows = grid.FixedRows();
  const int bodyRows = grid.Rows() - fixedRows;
  const int cols = grid.Cols();
  table.setRows(bodyRows);
  table.setCols(cols);
  table.setHeaderRows(std::max(fixedRows, 1));
  table.setHasFooter(false);
  table.LineThickness = grid.GridLineWidth();
  table.HeaderLineThickness = 2 * table.LineThickness;
  table.MinRowHeight = grid.RowHeightMin();
  table.MinFooterHeight = table.MinRowHeight;
  table.MinHeaderHeight = table.MinRowHeight;
  table.CellXOffset = kCellXOffset;
  table.CellYOffset = kCellYOffset;
  table.CenterMergedHeaders = false;
  table.RepeatHeaders = true;

  CellFontCache fonts;
  double total = 0;
  for (int c = 0; c < cols; ++c) {
    table.setColAlignment(c, tableAlignment(grid.ColAlignment(c)));
    total += grid.ColWidth(c);
  }
  for (int r = 0; r < fixedRows; ++r) {
    for (int c = 0; c < cols; ++c) {
      table.setHeaderFont(r, c, fonts.fontOf(grid));
      table.setHeaderText(r, c, grid.TextMatrix(r, c));
    }
    table.setMergeHeaderRow(r, grid.MergeRow(r));
  }
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < bodyRows; ++r) {
      table.setFontMatrix(r, c, fonts.fontOf(grid));
      table.setTextMatrix(r, c, grid.TextMatrix(fixedRows + r, c));
      if (c == 0) table.setMergeRow(r, grid.MergeRow(fixedRows + r));
    }
    // Scaling needs widths to scale; a grid of zero width keeps its own.
    const bool scale = width > 0 && total > 0;
    table.setColWidth(c, scale ? grid.ColWidth(c) / total * width : grid.ColWidth(c));
    table.setMergeCol(c, grid.MergeCol(c));
    table.setMergeHeaderCol(c, grid.MergeCol(c));
  }
}

}  // namespace vocabulary
