#include <QRectF>
#include <algorithm>
#include <cmath>

#include "platform/printing/printer.h"
#include "vocabulary/table_print.h"

namespace vocabulary {
namespace {

// The shortest a row may be, so that a table of empty cells still moves down the page.
constexpr double kLeastRowHeightTwips = 15;

int qtAlignment(int alignment) {
  switch (alignment) {
    case kAlignCenter:
      return Qt::AlignHCenter;
    case kAlignRight:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// The least height of a band of cells: its tallest text, at least `least`, plus the inner margins.
template <class CellText, class CellFontOf>
double bandHeight(platform::Printer& target, double least, double innerMargin, int rows, int cols,
                  CellText text, CellFontOf font) {
  const QFont original = target.Font();
  double tallest = least - 2 * innerMargin;
  for (int c = 0; c < cols; ++c) {
    for (int r = 0; r < rows; ++r) {
      const CellFont cellFont = font(r, c);
      target.setFont(cellFont ? *cellFont : original);
      tallest = std::max(tallest, target.TextHeight(text(r, c)));
    }
  }
  target.setFont(original);
  return tallest + 2 * innerMargin;
}

}  // namespace

double TablePrint::rowHeight(platform::Printer& target) const {
  const double height = bandHeight(
      target, MinRowHeight, CellYOffset, rows_, cols_,
      [this](int r, int c) { return TextMatrix(r, c); },
      [this](int r, int c) { return FontMatrix(r, c); });
  return std::max(height, target.ScaleY(kLeastRowHeightTwips, platform::vbTwips, target.ScaleMode()));
}

double TablePrint::headerHeight(platform::Printer& target) const {
  return bandHeight(
      target, MinHeaderHeight, CellYOffset, headerRows_, cols_,
      [this](int r, int c) { return HeaderText(r, c); },
      [this](int r, int c) { return HeaderFont(r, c); });
}

double TablePrint::footerHeight(platform::Printer& target) const {
  if (!hasFooter_) return 0;
  const double height = bandHeight(
      target, MinFooterHeight, 0, 1, cols_, [this](int, int c) { return FooterText(c); },
      [this](int, int c) { return FooterFont(c); });
  return height > 0 ? height + 2 * CellYOffset : 0;
}

int TablePrint::CalcNumRowsPerPage(platform::Printer& target, bool includeHeaders,
                                   std::optional<bool> includeFooter) const {
  double avail = target.ScaleHeight() - MarginBottom - MarginTop;
  if (includeHeaders) avail -= headerHeight(target) * headerRows_;
  if (includeFooter.value_or(hasFooter_)) avail -= footerHeight(target);
  return std::max(0, static_cast<int>(std::floor(avail / rowHeight(target))));
}

// One DrawTable call: the measures, the printer's font and the page being drawn.
class TablePrint::Layout {
 public:
  Layout(const TablePrint& table, platform::Printer& target)
      : table_(table), target_(target), originalFont_(target.Font()) {
    rowH_ = table.rowHeight(target);
    headH_ = table.headerHeight(target);
    footH_ = table.footerHeight(target);
    target.setFillStyle(platform::vbFSTransparent);
  }
  ~Layout() { target_.setFont(originalFont_); }
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  void draw(int firstRow, int pageNumber) {
    int lastRow = firstRow - 1;
    int page = pageNumber;
    bool freshPage = target_.CurrentY() <= table_.MarginTop;
    bool lastPageEmpty = false;
    while (true) {
      const bool withHeader = table_.RepeatHeaders || page == 1;
      const double top = target_.CurrentY();
      double avail = target_.ScaleHeight() - top - table_.MarginBottom;
      if (withHeader) avail -= headH_ * table_.HeaderRows();
      int fits = static_cast<int>(std::floor(avail / rowH_));
      // A page that cannot hold a row even from its top still takes one, so the table ends.
      if (fits < 1 && (freshPage || lastPageEmpty)) fits = 1;
      lastPageEmpty = fits < 1;
      if (fits >= 1) {
        const int first = lastRow + 1;
        lastRow = std::min(lastRow + fits, table_.Rows() - 1);
        double y = top;
        if (withHeader) y = drawHeader(y);
        y = drawBody(y, first, lastRow);
        if (lastRow >= table_.Rows() - 1 && table_.HasFooter()) y = drawFooter(y);
        target_.setCurrentY(y);
      }
      if (lastRow >= table_.Rows() - 1) return;
      NewPageEvent event{target_, false, false, lastRow};
      if (table_.onNewPage) table_.onNewPage(event);
      if (event.cancel) return;
      if (!event.keepPosition) target_.setCurrentY(table_.MarginTop);
      freshPage = !event.keepPosition;
      ++page;
    }
  }

 private:
  double left(int col) const {
    double x = table_.MarginLeft;
    for (int c = 0; c < col; ++c) x += table_.ColWidth(c);
    return x;
  }

  void useFont(const CellFont& font) {
    if (font == lastFont_ && fontSet_) return;
    target_.setFont(font ? *font : originalFont_);
    lastFont_ = font;
    fontSet_ = true;
  }

  // A cell or merged block: its outline, then its text centred in it vertically.
  void drawCell(const QRectF& cell, const QString& text, const CellFont& font, int alignment) {
    target_.Line(cell.left(), cell.top(), cell.right(), cell.bottom(), platform::LineShape::Box);
    if (text.isEmpty()) return;
    useFont(font);
    const QRectF textArea = cell.adjusted(table_.CellXOffset, 0, -table_.CellXOffset, 0);
    target_.DrawText(textArea, Qt::AlignVCenter | Qt::TextSingleLine | qtAlignment(alignment),
                     text);
  }

  // Draws the cells of rows first..last; a cell equal to the one below (in a merged column) or
  // beside it (in a merged row) is drawn with the last cell of its run, as one block.
  template <class Text, class Font>
  void drawCells(double top, double height, int first, int last, const std::vector<bool>& mergeCols,
                 const std::function<bool(int)>& mergeRow, Text text, Font font, bool centreMerged) {
    const int cols = table_.Cols();
    for (int c = 0; c < cols; ++c) {
      for (int r = first; r <= last; ++r) {
        const QString cellText = text(r, c);
        const bool down = mergeCols[static_cast<std::size_t>(c)];
        const bool across = mergeRow(r);
        if (down && r < last && text(r + 1, c) == cellText) continue;
        if (across && c < cols - 1 && text(r, c + 1) == cellText) continue;
        int runTop = r;
        while (down && runTop > first && text(runTop - 1, c) == cellText) --runTop;
        int runLeft = c;
        while (across && runLeft > 0 && text(r, runLeft - 1) == cellText) --runLeft;
        const QRectF block(left(runLeft), top + (runTop - first) * height,
                           left(c + 1) - left(runLeft), (r - runTop + 1) * height);
        const int alignment = centreMerged && runLeft < c ? kAlignCenter : table_.ColAlignment(c);
        drawCell(block, cellText, font(r, c), alignment);
      }
    }
  }

  double drawHeader(double y) {
    target_.setDrawWidth(std::max(1, table_.HeaderLineThickness));
    drawCells(
        y, headH_, 0, table_.HeaderRows() - 1, table_.mergeHeaderCols_,
        [this](int r) { return table_.MergeHeaderRow(r); },
        [this](int r, int c) { return table_.HeaderText(r, c); },
        [this](int r, int c) { return table_.HeaderFont(r, c); }, table_.CenterMergedHeaders);
    return y + headH_ * table_.HeaderRows();
  }

  double drawBody(double y, int first, int last) {
    if (last < first) return y;
    target_.setDrawWidth(std::max(1, table_.LineThickness));
    drawCells(
        y, rowH_, first, last, table_.mergeCols_, [this](int r) { return table_.MergeRow(r); },
        [this](int r, int c) { return table_.TextMatrix(r, c); },
        [this](int r, int c) { return table_.FontMatrix(r, c); }, false);
    return y + rowH_ * (last - first + 1);
  }

  double drawFooter(double y) {
    target_.setDrawWidth(std::max(1, table_.FooterLineThickness));
    const int cols = table_.Cols();
    target_.Line(table_.MarginLeft, y, left(cols), y + footH_, platform::LineShape::Box);
    for (int c = 0; c < cols; ++c) {
      if (c > 0) target_.Line(left(c), y, left(c), y + footH_);
      const QRectF cell(left(c), y, table_.ColWidth(c), footH_);
      const QString text = table_.FooterText(c);
      if (text.isEmpty()) continue;
      useFont(table_.FooterFont(c));
      target_.DrawText(cell.adjusted(table_.CellXOffset, 0, -table_.CellXOffset, 0),
                       Qt::AlignVCenter | Qt::TextSingleLine | qtAlignment(table_.ColAlignment(c)),
                       text);
    }
    return y + footH_;
  }

  const TablePrint& table_;
  platform::Printer& target_;
  const QFont originalFont_;
  CellFont lastFont_;
  bool fontSet_ = false;
  double rowH_ = 0;
  double headH_ = 0;
  double footH_ = 0;
};

void TablePrint::DrawTable(platform::Printer& target, int firstRow, int pageNumber) {
  Layout(*this, target).draw(std::max(firstRow, 0), pageNumber);
}

}  // namespace vocabulary
