#include "vocabulary/table_print.h"

#include <algorithm>

#include "platform/printing/printer.h"
#include "platform/system/errors.h"

namespace vocabulary {
namespace {

constexpr int kSubscriptOutOfRange = 9;
constexpr double kDefaultColWidth = 15;

[[noreturn]] void subscriptError() {
  throw platform::RuntimeError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

[[noreturn]] void invalidValue() {
  throw platform::RuntimeError(platform::kInvalidPropertyValue,
                               QStringLiteral("Invalid property value"));
}

// The position of `index` in `values`; error 9 when it has none.
template <class T>
std::size_t checked(const std::vector<T>& values, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= values.size()) subscriptError();
  return static_cast<std::size_t>(index);
}

template <class T>
T at(const std::vector<T>& values, int index) {
  return values[checked(values, index)];
}

template <class T>
T at(const std::vector<std::vector<T>>& cells, int row, int col) {
  const std::vector<T>& cellsOfRow = cells[checked(cells, row)];
  return cellsOfRow[checked(cellsOfRow, col)];
}

// A negative index sets every element.
template <class T, class V>
void fill(std::vector<T>& values, int index, const V& value) {
  if (index < 0) {
    for (auto&& element : values) element = value;
    return;
  }
  values[checked(values, index)] = value;
}

template <class T, class V>
void fill(std::vector<std::vector<T>>& cells, int row, int col, const V& value) {
  if (row < 0) {
    for (auto& cellsOfRow : cells) fill(cellsOfRow, col, value);
    return;
  }
  fill(cells[checked(cells, row)], col, value);
}

template <class T>
std::vector<std::vector<T>> matrix(int rows, int cols) {
  return std::vector<std::vector<T>>(static_cast<std::size_t>(std::max(rows, 0)),
                                     std::vector<T>(static_cast<std::size_t>(cols)));
}

}  // namespace

TablePrint::TablePrint() { resizeArrays(); }

void TablePrint::resizeArrays() {
  const auto cols = static_cast<std::size_t>(cols_);
  text_ = matrix<QString>(rows_, cols_);
  fonts_ = matrix<CellFont>(rows_, cols_);
  headerText_ = matrix<QString>(headerRows_, cols_);
  headerFonts_ = matrix<CellFont>(headerRows_, cols_);
  alignments_.assign(cols, kAlignLeft);
  widths_.assign(cols, kDefaultColWidth);
  mergeCols_.assign(cols, false);
  mergeHeaderCols_.assign(cols, false);
  mergeRows_.assign(static_cast<std::size_t>(rows_), false);
  mergeHeaderRows_.assign(static_cast<std::size_t>(headerRows_), false);
  footerText_.assign(hasFooter_ ? cols : 0, QString());
  footerFonts_.assign(hasFooter_ ? cols : 0, CellFont());
}

void TablePrint::setRows(int rows) {
  if (rows < 0) invalidValue();
  rows_ = rows;
  resizeArrays();
}

void TablePrint::setCols(int cols) {
  if (cols < 1) invalidValue();
  cols_ = cols;
  resizeArrays();
}

void TablePrint::setHeaderRows(int headerRows) {
  if (headerRows < 1) invalidValue();
  headerRows_ = headerRows;
  resizeArrays();
}

QString TablePrint::TextMatrix(int row, int col) const { return at(text_, row, col); }
void TablePrint::setTextMatrix(int row, int col, const QString& text) {
  fill(text_, row, col, text);
}
CellFont TablePrint::FontMatrix(int row, int col) const { return at(fonts_, row, col); }
void TablePrint::setFontMatrix(int row, int col, const CellFont& font) {
  fill(fonts_, row, col, font);
}
QString TablePrint::HeaderText(int row, int col) const { return at(headerText_, row, col); }
void TablePrint::setHeaderText(int row, int col, const QString& text) {
  fill(headerText_, row, col, text);
}
CellFont TablePrint::HeaderFont(int row, int col) const { return at(headerFonts_, row, col); }
void TablePrint::setHeaderFont(int row, int col, const CellFont& font) {
  fill(headerFonts_, row, col, font);
}
QString TablePrint::FooterText(int col) const { return at(footerText_, col); }
void TablePrint::setFooterText(int col, const QString& text) { fill(footerText_, col, text); }
CellFont TablePrint::FooterFont(int col) const { return at(footerFonts_, col); }
void TablePrint::setFooterFont(int col, const CellFont& font) { fill(footerFonts_, col, font); }
int TablePrint::ColAlignment(int col) const { return at(alignments_, col); }
void TablePrint::setColAlignment(int col, int alignment) { fill(alignments_, col, alignment); }
double TablePrint::ColWidth(int col) const { return at(widths_, col); }
void TablePrint::setColWidth(int col, double width) { fill(widths_, col, width); }

bool TablePrint::MergeRow(int row) const { return at(mergeRows_, row); }
void TablePrint::setMergeRow(int row, bool merge) {
  mergeRows_[checked(mergeRows_, row)] = merge;
}
bool TablePrint::MergeCol(int col) const { return at(mergeCols_, col); }
void TablePrint::setMergeCol(int col, bool merge) {
  mergeCols_[checked(mergeCols_, col)] = merge;
}
bool TablePrint::MergeHeaderRow(int row) const { return at(mergeHeaderRows_, row); }
void TablePrint::setMergeHeaderRow(int row, bool merge) {
  mergeHeaderRows_[checked(mergeHeaderRows_, row)] = merge;
}
bool TablePrint::MergeHeaderCol(int col) const { return at(mergeHeaderCols_, col); }
void TablePrint::setMergeHeaderCol(int col, bool merge) {
  mergeHeaderCols_[checked(mergeHeaderCols_, col)] = merge;
}

}  // namespace vocabulary
