#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTableView>
#include <vector>

// The flex grid: a table of text cells addressed by (row, column) from 0, whose first rows may be
// fixed (shown as the column headings, never sorted). Widths are in twips.
namespace platform {

// Column alignments as the grid numbers them.
enum GridAlignment {
  flexAlignLeftTop = 0, flexAlignLeftCenter = 1, flexAlignLeftBottom = 2,
  flexAlignCenterTop = 3, flexAlignCenterCenter = 4, flexAlignCenterBottom = 5,
  flexAlignRightTop = 6, flexAlignRightCenter = 7, flexAlignRightBottom = 8, flexAlignGeneral = 9
};

// Sort orders: numbers by value (a text that is no number counts as 0), or texts ignoring case.
enum GridSort {
  flexSortNumericAscending = 3, flexSortNumericDescending = 4,
  flexSortStringNoCaseAscending = 5, flexSortStringNoCaseDescending = 6
};

// Raised when the last row that is not fixed is to be removed.
constexpr int kCannotRemoveLastNonFixedRow = 30015;

class GridModel;

class Grid : public QTableView {
  Q_OBJECT

 public:
  explicit Grid(QWidget* parent = nullptr);

  // Rows count the fixed row. The grid has one fixed row (the headings) or none.
  int Rows() const;
  void setRows(int rows);
  int Cols() const;
  void setCols(int cols);
  int FixedRows() const { return fixedRows_; }
  void setFixedRows(int fixedRows);
  // "^Name|<Score|>Total": one piece per column; "<" left, "^" centre, ">" right; the piece's
  // text, blanks included, sets the column's width; trimmed, it is the heading. Sets Cols.
  void setFormatString(const QString& format);

  QString TextMatrix(int row, int col) const;
  void setTextMatrix(int row, int col, const QString& text);
  void setCellBackColor(int row, int col, const QColor& color);
  // Adds a row at the end; tabs separate the cells' texts.
  void AddItem(const QString& tabbedTexts);
  // Adds rows at the end at once, each given by its cells' texts.
  void AddRows(const std::vector<QStringList>& rows);
  // Removes a row that is not fixed; raises kCannotRemoveLastNonFixedRow for the last one.
  void RemoveItem(int row);
  // Empties every cell, fixed ones included.
  void Clear();

  // The current cell. Row is -1 when there is none.
  int Row() const;
  int Col() const;
  void setRow(int row);
  void setCol(int col);
  QString Text() const { return TextMatrix(Row(), Col()); }
  QFont CellFont() const { return font(); }

  int ColWidth(int col) const;
  void setColWidth(int col, int twips);
  int ColAlignment(int col) const;
  void setColAlignment(int col, int alignment);
  int GridLineWidth() const { return 1; }
  int RowHeightMin() const { return rowHeightMin_; }
  void setRowHeightMin(int twips) { rowHeightMin_ = twips; }
  bool MergeRow(int row) const;
  void setMergeRow(int row, bool merge);
  bool MergeCol(int col) const;
  void setMergeCol(int col, bool merge);

  // Sorts the rows that are not fixed by column `col`, keeping equal rows in their order.
  void Sort(int col, int order);

 signals:
  // A click on a cell or on a column heading; Col() is then the column clicked.
  void Click();
  void DblClick();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  GridModel* model_;
  int fixedRows_ = 1;
  int col_ = 0;  // the column chosen while no cell is current
  int rowHeightMin_ = 0;
  std::vector<bool> mergeRows_;
  std::vector<bool> mergeCols_;
};

}  // namespace platform
