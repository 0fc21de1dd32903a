#pragma once

#include <QColor>
#include <array>
#include <vector>

class QTextCursor;
class QTextTable;

// Tables as RTF describes them row by row, and the document's tables they become.
namespace platform::rtf {

struct CellBorder {
  int twips = 0;  // 0: no line
  QColor colour;  // invalid: automatic
};

struct CellDefinition {
  int right = 0;                      // \cellx: the cell's right edge, in twips
  std::array<CellBorder, 4> borders;  // top, left, bottom, right
  QColor shading;                     // invalid: none
};

inline constexpr int kMaxTableDepth = 8;
inline constexpr int kMaxColumns = 64;            // Word's own limit
inline constexpr int kMaxColumnTwips = 31680;     // 22 inches
inline constexpr int kMaxRowTwips = (kMaxColumns + 1) * kMaxColumnTwips;  // \trleft and the cells

struct RowDefinition {
  std::vector<CellDefinition> cells;
  int gap = 108;  // \trgaph: half the space between cells, in twips
  int left = 0;   // \trleft: where the first cell starts, in twips
};

// The row being defined at each depth of nesting: a table in a cell has rows of its own.
using RowDefinitions = std::array<RowDefinition, kMaxTableDepth + 1>;

// Builds the document's tables at a reader's cursor. Depth 0 is outside any table; a paragraph
// at depth 2 is in a table inside a cell of another.
class TableBuilder {
 public:
  explicit TableBuilder(QTextCursor& cursor) : cursor_(cursor) {}

  // Moves the cursor where a paragraph at `depth` goes: into a new table (after the text
  // before it), a new row, or out of tables that ended. Returns true when the cursor moved to a
  // fresh empty block.
  bool place(int depth, const RowDefinitions& definitions);

  // The end of the cell the cursor is in: the cursor moves to the next cell of the row.
  void endCell();

  // The end of the innermost table's row; its cells take the definition's borders and shading,
  // and the first row gives the table its column widths.
  void endRow(const RowDefinition& definition);

  int depth() const { return int(open_.size()); }

  // True where the cursor stands at the start of the cell it is in. The document keeps the
  // character format of a cell's first paragraph and the cell's own format in one place.
  bool atCellStart() const;

  // Tables still open at the end of the input lose the rows made ready for rows that never came.
  void finish();

  // True when a paragraph at `depth` cannot go where the cursor stands.
  bool needsPlacing(int depth) const {
    return int(open_.size()) != depth ||
           (!open_.empty() && (open_.back().rowEnded || open_.back().cellEnded));
  }

 private:
  struct OpenTable {
    QTextTable* table;
    int row = 0;
    int column = 0;
    bool cellEnded = false;
    bool rowEnded = false;
  };

  void open(const RowDefinition& definition);
  void close();
  static void trim(const OpenTable& t);
  void startRow();
  void nextCell();

  QTextCursor& cursor_;
  std::vector<OpenTable> open_;
};

}  // namespace platform::rtf
