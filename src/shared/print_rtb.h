#pragma once

#include <QString>
#include <cstdint>

namespace platform {
class CommonDialog;
class Printer;
class RichTextBox;
}  // namespace platform

namespace shared {

// Prints the whole of `Box`, with its fonts, colours and paragraph formatting, on `printer`, page
// by page, inside margins given in twips from the paper's edges, and ends the document. Lines are
// never split across pages, and each is drawn on its own page only; every page of the longest
// text a box takes carries its words. An empty box prints one blank page. Printing stops before
// a line no page can take (margins leaving no room, or a line taller than the page), so paper is
// never fed without end. Leaves the printer's ScaleMode at twips. Printer errors reach the
// caller.
void PrintRTB(const platform::RichTextBox& Box, std::int32_t LeftMargin, double TopMargin,
              double RightMargin, double BottomMargin, platform::Printer& printer);

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintResult {
  PrintOutcome outcome = PrintOutcome::Printed;
  // When the print failed: why, and what to do, to follow the window's own sentence.
  QString failure;
};

// A print command of a window that prints a whole box: the print dialog "Print..." (which offers
// no selection, since the whole box prints), then PrintRTB. The window reports a failure.
PrintResult PrintWholeBox(platform::CommonDialog& dialog, const platform::RichTextBox& Box,
                           std::int32_t LeftMargin, double TopMargin, double RightMargin,
                           double BottomMargin, platform::Printer& printer);

}  // namespace shared
