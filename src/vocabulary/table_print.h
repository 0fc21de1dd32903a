#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Printer;
}

// A table held in memory (body cells, header rows, an optional one-line footer, column settings,
// merge flags) and drawn on the printer page by page.
namespace vocabulary {

// Cells share font objects; the drawing changes the printer's font only when the next cell's
// font is another object.
using CellFont = std::shared_ptr<const QFont>;

enum TableAlignment { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };

class TablePrint {
 public:
  TablePrint();

  bool RepeatHeaders = false;
  bool CenterMergedHeaders = false;
  // Least heights of a body row, a header row and the footer, inner margins included.
  double MinRowHeight = 0;
  double MinHeaderHeight = 0;
  double MinFooterHeight = 0;

  // Setting Rows, Cols or HeaderRows re-creates every cell, empty: set them first. Values below
  // 0 rows, 1 column or 1 header row raise error 380 and change nothing.
  int Rows() const { return rows_; }
  void setRows(int rows);
  int Cols() const { return cols_; }
  void setCols(int cols);
  int HeaderRows() const { return headerRows_; }
  void setHeaderRows(int headerRows);
  // The footer's cells follow this at the next change of the dimensions.
  bool HasFooter() const { return hasFooter_; }
  void setHasFooter(bool hasFooter) { hasFooter_ = hasFooter; }

  // Setters with a negative index set every row or column; getters and an index out of range
  // raise error 9.
  QString TextMatrix(int row, int col) const;
  void setTextMatrix(int row, int col, const QString& text);
  CellFont FontMatrix(int row, int col) const;
  void setFontMatrix(int row, int col, const CellFont& font);
  QString HeaderText(int row, int col) const;
  void setHeaderText(int row, int col, const QString& text);
  CellFont HeaderFont(int row, int col) const;
  void setHeaderFont(int row, int col, const CellFont& font);
  CellFont ColFont(int col) const { return FontMatrix(0, col); }
  void setColFont(int col, const CellFont& font) { setFontMatrix(-1, col, font); }
  QString FooterText(int col) const;
  void setFooterText(int col, const QString& text);
  CellFont FooterFont(int col) const;
  void setFooterFont(int col, const CellFont& font);
  int ColAlignment(int col) const;
  void setColAlignment(int col, int alignment);
  double ColWidth(int col) const;
  void setColWidth(int col, double width);

  bool MergeRow(int row) const;
  void setMergeRow(int row, bool merge);
  bool MergeCol(int col) const;
  void setMergeCol(int col, bool merge);
  bool MergeHeaderRow(int row) const;
  void setMergeHeaderRow(int row, bool merge);
  bool MergeHeaderCol(int col) const;
  void setMergeHeaderCol(int col, bool merge);

  // In the printer's scale units.
  double MarginTop = 0;
  double MarginBottom = 0;
  double MarginLeft = 0;
  double CellXOffset = 0;
  double CellYOffset = 0;
  // Pen widths in pixels.
  int LineThickness = 1;
  int HeaderLineThickness = 1;
  int FooterLineThickness = 1;

  // Raised after each full page that is not the last. The handler starts a new sheet; `cancel`
  // stops the drawing, `keepPosition` keeps the printer's CurrentY where the handler left it.
  struct NewPageEvent {
    platform::Printer& target;
    bool keepPosition = false;
    bool cancel = false;
    int lastRow = 0;  // the last body row on the finished page
  };
  std::function<void(NewPageEvent&)> onNewPage;

  // How many body rows fit on a page below the margins (and the header rows and footer when
  // asked), never fewer than 0.
  int CalcNumRowsPerPage(platform::Printer& target, bool includeHeaders,
                         std::optional<bool> includeFooter = std::nullopt) const;
  // Draws body rows firstRow.. from the printer's CurrentY on, page by page, and leaves CurrentY
  // below what was drawn. Every page holds at least one body row, so a table always ends.
  void DrawTable(platform::Printer& target, int firstRow, int pageNumber);

 private:
  template <class T>
  using Matrix = std::vector<std::vector<T>>;
  void resizeArrays();
  double rowHeight(platform::Printer& target) const;
  double headerHeight(platform::Printer& target) const;
  double footerHeight(platform::Printer& target) const;
  class Layout;

  int rows_ = 5;
  int cols_ = 2;
  int headerRows_ = 1;
  bool hasFooter_ = true;
  Matrix<QString> text_;
  Matrix<CellFont> fonts_;
  Matrix<QString> headerText_;
  Matrix<CellFont> headerFonts_;
  std::vector<QString> footerText_;
  std::vector<CellFont> footerFonts_;
  std::vector<int> alignments_;
  std::vector<double> widths_;
  std::vector<bool> mergeCols_;
  std::vector<bool> mergeHeaderCols_;
  std::vector<bool> mergeRows_;
  std::vector<bool> mergeHeaderRows_;
};

}  // namespace vocabulary
