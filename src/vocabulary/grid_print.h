#pragma once

namespace platform {
class Grid;
}

namespace vocabulary {

class TablePrint;

// Fills `table` from `grid`: its fixed row becomes the header, its other rows the body, with the
// grid's texts, fonts, alignments and merge flags, and line thicknesses, inner margins and
// repeated headers for paper. Width <= 0 keeps the grid's column widths (twips); a larger width
// scales them to add up to it.
void PrintFlexGrid(TablePrint& table, platform::Grid& grid, double width);

}  // namespace vocabulary
