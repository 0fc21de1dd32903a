#include "platform/windows/grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <algorithm>

#include "platform/system/errors.h"
#include "platform/system/runtime_library.h"

namespace platform {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kDefaultColWidthTwips = 960;
constexpr int kFormatPaddingPixels = 16;

[[noreturn]] void subscriptError() {
  throw RuntimeError(381, QStringLiteral("Invalid property array index"));
}

Qt::Alignment qtAlignment(int alignment) {
  if (alignment >= flexAlignCenterTop && alignment <= flexAlignCenterBottom) return Qt::AlignHCenter;
  if (alignment >= flexAlignRightTop && alignment <= flexAlignRightBottom) return Qt::AlignRight;
  return Qt::AlignLeft;
}

}  // namespace

struct GridCell {
  QString text;
  QColor back;
};

// The grid's cells: the fixed row apart (it feeds the headings), the others in display order.
class GridModel : public QAbstractTableModel {
 public:
  using Row = std::vector<GridCell>;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : cols;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const GridCell& cell = rows[static_cast<std::size_t>(index.row())]
                               [static_cast<std::size_t>(index.column())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return cell.text;
    if (role == Qt::BackgroundRole && cell.back.isValid()) return cell.back;
    if (role == Qt::TextAlignmentRole) return alignmentOf(index.column());
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) return headings[static_cast<std::size_t>(section)].text;
    if (role == Qt::TextAlignmentRole) return alignmentOf(section);
    return {};
  }

  QVariant alignmentOf(int col) const {
    return QVariant::fromValue(qtAlignment(alignments[static_cast<std::size_t>(col)]) |
                               Qt::AlignVCenter);
  }
  Row emptyRow() const { return Row(static_cast<std::size_t>(cols)); }
  void reshape(int rowCountWanted, int colCount) {
    beginResetModel();
    cols = colCount;
    rows.resize(static_cast<std::size_t>(rowCountWanted), emptyRow());
    for (Row& row : rows) row.resize(static_cast<std::size_t>(cols));
    headings.resize(static_cast<std::size_t>(cols));
    alignments.resize(static_cast<std::size_t>(cols), flexAlignGeneral);
    endResetModel();
  }
  void append(std::vector<Row> added) {
    if (added.empty()) return;
    const int at = static_cast<int>(rows.size());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(added.size()) - 1);
    for (Row& row : added) rows.push_back(std::move(row));
    endInsertRows();
  }
  Row rowOf(const QStringList& texts) const {
    Row row = emptyRow();
    for (std::size_t c = 0; c < row.size() && c < static_cast<std::size_t>(texts.size()); ++c) {
      row[c].text = texts.at(static_cast<qsizetype>(c));
    }
    return row;
  }
  void remove(int at) {
    beginRemoveRows(QModelIndex(), at, at);
    rows.erase(rows.begin() + at);
    endRemoveRows();
  }
  void empty() {
    beginResetModel();
    for (GridCell& cell : headings) cell = GridCell();
    for (Row& row : rows) row = emptyRow();
    endResetModel();
  }
  void changed(int row, int col) {
    if (row < 0) {
      emit headerDataChanged(Qt::Horizontal, col, col);
      return;
    }
    const QModelIndex at = index(row, col);
    emit dataChanged(at, at);
  }

  int cols = 0;
  std::vector<Row> rows;
  Row headings;
  std::vector<int> alignments;
};

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel) {
  model_->setParent(this);
  setModel(model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  model_->reshape(1, 2);
  mergeCols_.assign(2, false);
  mergeRows_.assign(2, false);
  connect(this, &QTableView::clicked, this, [this] { emit Click(); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int col) {
    setCol(col);
    emit Click();
  });
}

int Grid::Rows() const { return static_cast<int>(model_->rows.size()) + fixedRows_; }

void Grid::setRows(int rows) {
  if (rows < fixedRows_) throw RuntimeError(30009, QStringLiteral("Invalid row value"));
  model_->reshape(rows - fixedRows_, model_->cols);
  mergeRows_.resize(static_cast<std::size_t>(rows), false);
}

int Grid::Cols() const { return model_->cols; }

void Grid::setCols(int cols) {
  if (cols < 1) throw RuntimeError(30010, QStringLiteral("Invalid column value"));
  const int oldCols = model_->cols;
  model_->reshape(static_cast<int>(model_->rows.size()), cols);
  mergeCols_.resize(static_cast<std::size_t>(cols), false);
  for (int c = oldCols; c < cols; ++c) setColWidth(c, kDefaultColWidthTwips);
}

void Grid::setFixedRows(int fixedRows) {
  if (fixedRows < 0 || fixedRows > 1) throw RuntimeError(30011, QStringLiteral("Invalid fixed row value"));
  const int rows = Rows();
  fixedRows_ = fixedRows;
  horizontalHeader()->setVisible(fixedRows_ == 1);
  setRows(std::max(rows, fixedRows_));
}

void Grid::setFormatString(const QString& format) {
  const QStringList pieces = format.split(QLatin1Char('|'));
  setCols(static_cast<int>(pieces.size()));
  const QFontMetrics metrics(horizontalHeader()->font());
  for (int c = 0; c < Cols(); ++c) {
    QString piece = pieces.at(c);
    int alignment = flexAlignLeftCenter;
    if (piece.startsWith(QLatin1Char('^'))) alignment = flexAlignCenterCenter;
    if (piece.startsWith(QLatin1Char('>'))) alignment = flexAlignRightCenter;
    if (piece.startsWith(QLatin1Char('^')) || piece.startsWith(QLatin1Char('<')) ||
        piece.startsWith(QLatin1Char('>'))) {
      piece.remove(0, 1);
    }
    setColAlignment(c, alignment);
    setColWidth(c, (metrics.horizontalAdvance(piece) + kFormatPaddingPixels) * kTwipsPerPixel);
    if (fixedRows_ == 1) setTextMatrix(0, c, piece.trimmed());
  }
}

QString Grid::TextMatrix(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) subscriptError();
  const auto c = static_cast<std::size_t>(col);
  if (row < fixedRows_) return model_->headings[c].text;
  return model_->rows[static_cast<std::size_t>(row - fixedRows_)][c].text;
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
  if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) subscriptError();
  const auto c = static_cast<std::size_t>(col);
  if (row < fixedRows_) {
    model_->headings[c].text = text;
  } else {
    model_->rows[static_cast<std::size_t>(row - fixedRows_)][c].text = text;
  }
  model_->changed(row - fixedRows_, col);
}

void Grid::setCellBackColor(int row, int col, const QColor& color) {
  if (row < fixedRows_ || row >= Rows() || col < 0 || col >= Cols()) subscriptError();
  model_->rows[static_cast<std::size_t>(row - fixedRows_)][static_cast<std::size_t>(col)].back =
      color;
  model_->changed(row - fixedRows_, col);
}

void Grid::AddItem(const QString& tabbedTexts) {
  AddRows({tabbedTexts.split(QLatin1Char('\t'))});
}

void Grid::AddRows(const std::vector<QStringList>& rows) {
  std::vector<GridModel::Row> added;
  added.reserve(rows.size());
  for (const QStringList& texts : rows) added.push_back(model_->rowOf(texts));
  model_->append(std::move(added));
  mergeRows_.resize(mergeRows_.size() + rows.size(), false);
}

void Grid::RemoveItem(int row) {
  if (row < fixedRows_ || row >= Rows()) subscriptError();
  if (Rows() - fixedRows_ == 1) {
    throw RuntimeError(kCannotRemoveLastNonFixedRow,
                       QStringLiteral("Cannot remove last non-fixed row"));
  }
  model_->remove(row - fixedRows_);
  mergeRows_.erase(mergeRows_.begin() + row);
}

void Grid::Clear() {
  model_->empty();
}

int Grid::Row() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() + fixedRows_ : -1;
}

int Grid::Col() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() : col_;
}

void Grid::setRow(int row) {
  if (row < fixedRows_ || row >= Rows()) subscriptError();
  setCurrentIndex(model_->index(row - fixedRows_, std::max(Col(), 0)));
}

void Grid::setCol(int col) {
  if (col < 0 || col >= Cols()) subscriptError();
  col_ = col;
  const QModelIndex current = currentIndex();
  if (current.isValid()) setCurrentIndex(model_->index(current.row(), col));
}

int Grid::ColWidth(int col) const {
  if (col < 0 || col >= Cols()) subscriptError();
  return columnWidth(col) * kTwipsPerPixel;
}

void Grid::setColWidth(int col, int twips) {
  if (col < 0 || col >= Cols()) subscriptError();
  setColumnWidth(col, twips / kTwipsPerPixel);
}

int Grid::ColAlignment(int col) const {
  if (col < 0 || col >= Cols()) subscriptError();
  return model_->alignments[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, int alignment) {
  if (col < 0 || col >= Cols()) subscriptError();
  model_->alignments[static_cast<std::size_t>(col)] = alignment;
  emit model_->headerDataChanged(Qt::Horizontal, col, col);
  if (!model_->rows.empty()) {
    emit model_->dataChanged(model_->index(0, col), model_->index(model_->rowCount() - 1, col));
  }
}

bool Grid::MergeRow(int row) const {
  if (row < 0 || row >= Rows()) subscriptError();
  return mergeRows_[static_cast<std::size_t>(row)];
}

void Grid::setMergeRow(int row, bool merge) {
  if (row < 0 || row >= Rows()) subscriptError();
  mergeRows_[static_cast<std::size_t>(row)] = merge;
}

bool Grid::MergeCol(int col) const {
  if (col < 0 || col >= Cols()) subscriptError();
  return mergeCols_[static_cast<std::size_t>(col)];
}

void Grid::setMergeCol(int col, bool merge) {
  if (col < 0 || col >= Cols()) subscriptError();
  mergeCols_[static_cast<std::size_t>(col)] = merge;
}

void Grid::Sort(int col, int order) {
  if (col < 0 || col >= Cols()) subscriptError();
  const auto c = static_cast<std::size_t>(col);
  const bool numeric = order == flexSortNumericAscending || order == flexSortNumericDescending;
  const bool descending = order == flexSortNumericDescending || order == flexSortStringNoCaseDescending;
  std::vector<GridModel::Row>& rows = model_->rows;
  emit model_->layoutAboutToBeChanged();
  if (numeric) {
    std::vector<std::pair<double, std::size_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) keys.emplace_back(rtl::Val(rows[i][c].text), i);
    std::stable_sort(keys.begin(), keys.end(), [descending](const auto& a, const auto& b) {
      return descending ? a.first > b.first : a.first < b.first;
    });
    std::vector<GridModel::Row> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys) sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
  } else {
    std::stable_sort(rows.begin(), rows.end(), [c, descending](const auto& a, const auto& b) {
      const int order = QString::compare(a[c].text, b[c].text, Qt::CaseInsensitive);
      return descending ? order > 0 : order < 0;
    });
  }
  emit model_->layoutChanged();
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  emit DblClick();
}

}  // namespace platform
