#pragma once

#include <cstdint>

namespace platform {
class CommonDialog;
class Printer;
class RichTextBox;
}  // namespace platform

namespace shared {

// Prints the whole of `Box`, with its fonts, colours and paragraph formatting, on `printer`, page
// by page, inside margins given in twips from the paper's edges, and ends the document. Lines are
// never split across pages; an empty box prints one blank page. Printing stops before a line no
// page can take (margins leaving no room, or a line taller than the page), so paper is never fed
// without end. Leaves the printer's ScaleMode at twips. Printer errors reach the caller.
void PrintRTB(const platform::RichTextBox& Box, std::int32_t LeftMargin, double TopMargin,
              double RightMargin, double BottomMargin, platform::Printer& printer);

enum class PrintOutcome { Printed, Cancelled, Failed };

// A print command of a window that prints a whole box: the print dialog "Print..." (which offers
// no selection, since the whole box prints), then PrintRTB. The window reports a failure.
PrintOutcome PrintWholeBox(platform::CommonDialog& dialog, const platform::RichTextBox& Box,
                           std::int32_t LeftMargin, double TopMargin, double RightMargin,
                           double BottomMargin, platform::Printer& printer);

}  // namespace shared
