#include "platform/richtext/rtf_tables.h"

#include "platform/richtext/rtf_formats.h"

#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

namespace platform::rtf {
namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kRowBatchDivisor = 16;

void applyBorder(QTextTableCellFormat& f, int side, const CellBorder& b) {
  const double width = b.twips / kTwipsPerPixel;
  const QBrush brush(b.colour.isValid() ? b.colour : QColor(Qt::black));
  const auto style = b.twips > 0 ? QTextFrameFormat::BorderStyle_Solid
                                 : QTextFrameFormat::BorderStyle_None;
  switch (side) {
    case 0:
      f.setTopBorder(width), f.setTopBorderBrush(brush), f.setTopBorderStyle(style);
      break;
    case 1:
      f.setLeftBorder(width), f.setLeftBorderBrush(brush), f.setLeftBorderStyle(style);
      break;
    case 2:
      f.setBottomBorder(width), f.setBottomBorderBrush(brush), f.setBottomBorderStyle(style);
      break;
    default:
      f.setRightBorder(width), f.setRightBorderBrush(brush), f.setRightBorderStyle(style);
      break;
  }
}

QTextTableFormat tableFormat(const RowDefinition& definition) {
  QTextTableFormat f;
  f.setBorder(0);
  f.setBorderCollapse(true);
  f.setCellSpacing(0);
  f.setCellPadding(std::clamp(definition.gap, 0, 1440) / kTwipsPerPixel);
  f.setAlignment(Qt::AlignLeft);
  return f;
}

// The first row sets the table's spacing and, where it gives them, its column widths.
void applyFirstRow(QTextTable& table, const RowDefinition& definition) {
  QTextTableFormat f = table.format();
  f.setCellPadding(tableFormat(definition).cellPadding());
  if (definition.left != 0) f.setProperty(kTableLeftProperty, definition.left);
  if (definition.cells.empty()) return table.setFormat(f);
  QList<QTextLength> widths;
  int left = definition.left;
  for (const CellDefinition& cell : definition.cells) {
    const int width = std::clamp(cell.right - left, 0, kMaxColumnTwips);
    widths.append(QTextLength(QTextLength::FixedLength, width / kTwipsPerPixel));
    left = std::max(left, cell.right);
  }
  widths.resize(table.columns(), QTextLength());
  f.setColumnWidthConstraints(widths);
  table.setFormat(f);
}

}  // namespace

bool TableBuilder::place(int depth, const RowDefinitions& definitions) {
  depth = std::clamp(depth, 0, kMaxTableDepth);
  bool fresh = false;
  while (int(open_.size()) > depth) {
    close();
    fresh = true;
  }
  if (!open_.empty() && open_.back().rowEnded) {
    startRow();
    fresh = true;
  } else if (!open_.empty() && open_.back().cellEnded) {
    nextCell();
    fresh = true;
  }
  while (int(open_.size()) < depth) {
    open(definitions[open_.size() + 1]);
    fresh = true;
  }
  return fresh;
}

bool TableBuilder::atCellStart() const {
  if (open_.empty()) return false;
  const OpenTable& t = open_.back();
  return cursor_.position() == t.table->cellAt(t.row, t.column).firstPosition();
}

void TableBuilder::endCell() {
  if (!open_.empty()) open_.back().cellEnded = true;
}

// Cells beyond the columns the table has so far widen it; past the limit they share the last.
void TableBuilder::nextCell() {
  OpenTable& t = open_.back();
  t.cellEnded = false;
  if (t.column + 1 >= t.table->columns()) {
    if (t.table->columns() >= kMaxColumns) return;
    t.table->appendColumns(1);
  }
  ++t.column;
  cursor_ = t.table->cellAt(t.row, t.column).firstCursorPosition();
}

void TableBuilder::endRow(const RowDefinition& definition) {
  if (open_.empty() || open_.back().rowEnded) return;
  OpenTable& t = open_.back();
  const auto count = std::min<std::size_t>(definition.cells.size(), std::size_t(t.table->columns()));
  for (std::size_t c = 0; c < count; ++c) {
    QTextTableCell cell = t.table->cellAt(t.row, int(c));
    QTextTableCellFormat f = cell.format().toTableCellFormat();
    for (int side = 0; side < 4; ++side) applyBorder(f, side, definition.cells[c].borders[side]);
    if (definition.cells[c].shading.isValid()) f.setBackground(definition.cells[c].shading);
    cell.setFormat(f);
  }
  if (t.row == 0) applyFirstRow(*t.table, definition);
  t.rowEnded = true;
  t.cellEnded = false;
}

void TableBuilder::open(const RowDefinition& definition) {
  const int columns = std::clamp(int(definition.cells.size()), 1, kMaxColumns);
  QTextTable* table = cursor_.insertTable(1, columns, tableFormat(definition));
  open_.push_back({table});
}

void TableBuilder::close() {
  trim(open_.back());
  const QTextTable* table = open_.back().table;
  open_.pop_back();
  cursor_.setPosition(table->lastPosition() + 1);
}

void TableBuilder::finish() {
  for (const OpenTable& t : open_) trim(t);
}

void TableBuilder::trim(const OpenTable& t) {
  if (t.table->rows() > t.row + 1) t.table->removeRows(t.row + 1, t.table->rows() - t.row - 1);
}

// Every change of the table's shape makes the document look at all its cells again, so rows
// are added in batches that grow with the table; the ones left over are removed at its end.
void TableBuilder::startRow() {
  OpenTable& t = open_.back();
  if (t.row + 1 >= t.table->rows()) t.table->appendRows(1 + t.table->rows() / kRowBatchDivisor);
  ++t.row;
  t.column = 0;
  t.rowEnded = false;
  t.cellEnded = false;
  cursor_ = t.table->cellAt(t.row, 0).firstCursorPosition();
}

}  // namespace platform::rtf
