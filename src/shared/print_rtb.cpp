#include "shared/print_rtb.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "platform/system/errors.h"
#include "platform/system/runtime_library.h"
#include "platform/windows/interaction.h"
#include "platform/printing/printer.h"
#include "platform/text/richtextbox.h"

namespace shared {
namespace {

using platform::Printer;

struct Margins {
  double left;
  double top;
  double right;
  double bottom;
};

// Where the text goes, in device pixels from the printable origin. The margins count from the
// paper's edges; whatever falls outside the printable area is left out, since no printer could
// put it on paper. Empty when the margins leave no room.
QRectF drawingArea(const Printer& printer, const Margins& margins) {
  const double offsetX = std::round(printer.PhysicalOffsetX());
  const double offsetY = std::round(printer.PhysicalOffsetY());
  const QRectF twips(QPointF(margins.left - offsetX, margins.top - offsetY),
                     QPointF(printer.Width() - margins.right - offsetX,
                             printer.Height() - margins.bottom - offsetY));
  if (!(twips.width() > 0 && twips.height() > 0)) return QRectF();
  const platform::PageGeometry page = printer.geometry();
  const QRectF printable(QPointF(), page.printable.size());
  const QRectF inside = twips.intersected(printable);
  if (inside.isEmpty()) return QRectF();
  const double scaleX = page.dpiX / platform::kTwipsPerInch;
  const double scaleY = page.dpiY / platform::kTwipsPerInch;
  // The layout counts in 64ths of a pixel; a page height it can hold exactly keeps our page
  // boundaries on its own. The allowance keeps rounding noise from costing a whole 64th.
  const double height = std::floor(inside.height() * scaleY * 64 + 1e-6) / 64;
  return QRectF(inside.left() * scaleX, inside.top() * scaleY, inside.width() * scaleX, height);
}

// The box keeps paragraph indents in its screen pixels, and the layout takes them as pixels of
// whatever device it lays out for, so on a printer they would shrink. Tab stops and the space
// between paragraphs it scales to the device itself; these it leaves alone.
void scaleIndentsToPrinter(QTextDocument& document, double dpiX) {
  const double scale = dpiX * platform::rtl::kTwipsPerPixel / platform::kTwipsPerInch;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    if (format.leftMargin() == 0 && format.rightMargin() == 0 && format.textIndent() == 0) {
      continue;
    }
    format.setLeftMargin(format.leftMargin() * scale);
    format.setRightMargin(format.rightMargin() * scale);
    format.setTextIndent(format.textIndent() * scale);
    QTextCursor(block).setBlockFormat(format);
  }
}

// A copy of the box's text laid out for the printer in pages of `area`'s size.
std::unique_ptr<QTextDocument> layOut(const QTextDocument& source, Printer& printer,
                                      const QSizeF& area) {
  std::unique_ptr<QTextDocument> copy(source.clone());
  copy->setUndoRedoEnabled(false);
  // Before the copy has a layout, so that its changes cost no layout work.
  scaleIndentsToPrinter(*copy, printer.geometry().dpiX);
  copy->setDocumentMargin(0);
  QTextFrameFormat root = copy->rootFrame()->frameFormat();
  root.setPadding(0);
  root.setBorder(0);
  root.clearBackground();
  copy->rootFrame()->setFrameFormat(root);
  copy->documentLayout()->setPaintDevice(&printer.device());
  copy->setPageSize(area);
  return copy;
}

struct LineSpan {
  double top;
  double bottom;
};

// Every line of the laid-out document, top to bottom, in its own coordinates.
std::vector<LineSpan> lineSpans(const QTextDocument& document) {
  std::vector<LineSpan> spans;
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* text = block.layout();
    // The block's rectangle starts at its layout's position, which its lines are relative to.
    const double origin = layout->blockBoundingRect(block).top();
    for (int i = 0; i < text->lineCount(); ++i) {
      const QRectF line = text->lineAt(i).rect();
      spans.push_back({origin + line.top(), origin + line.bottom()});
    }
  }
  std::sort(spans.begin(), spans.end(),
            [](const LineSpan& a, const LineSpan& b) { return a.top < b.top; });
  return spans;
}

// What gets printed: the pages, and where the text ends. The layout puts every line that fits on
// a page wholly on one page. A line taller than the page could never be printed and would make no
// progress, so printing ends just above it.
struct Plan {
  int pages = 1;
  double end = std::numeric_limits<double>::infinity();
};

Plan plan(const std::vector<LineSpan>& lines, double pageHeight) {
  Plan plan;
  for (const LineSpan& line : lines) {
    if (line.bottom - line.top > pageHeight) {
      plan.end = line.top;
      break;
    }
    plan.pages = std::max(plan.pages, static_cast<int>(std::floor(line.top / pageHeight)) + 1);
  }
  return plan;
}

void drawPage(Printer& printer, const QTextDocument& document, const QRectF& area, int page,
              double end) {
  const double top = page * area.height();
  const QRectF window(0, top, area.width(), std::clamp(end - top, 0.0, area.height()));
  if (window.isEmpty()) return;
  const QPointF origin = printer.geometry().deviceOrigin + area.topLeft() - window.topLeft();
  QPainter& painter = printer.painter();
  painter.save();
  painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
  painter.setClipRect(window);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = window;
  // Paper is white whatever the desktop's colours.
  context.palette.setColor(QPalette::Text, Qt::black);
  document.documentLayout()->draw(&painter, context);
  painter.restore();
}

void printPages(const QTextDocument& source, const QRectF& area, Printer& printer) {
  const std::unique_ptr<QTextDocument> document = layOut(source, printer, area.size());
  const Plan pages = plan(lineSpans(*document), area.height());
  for (int page = 0; page < pages.pages; ++page) {
    if (page > 0) printer.NewPage();
    drawPage(printer, *document, area, page, pages.end);
  }
}

}  // namespace

void PrintRTB(const platform::RichTextBox& Box, std::int32_t LeftMargin, double TopMargin,
              double RightMargin, double BottomMargin, platform::Printer& printer) {
  printer.painter();  // the document, and its first page, start here
  try {
    printer.setScaleMode(platform::vbTwips);
    const QRectF area = drawingArea(
        printer, {static_cast<double>(LeftMargin), TopMargin, RightMargin, BottomMargin});
    if (!area.isEmpty()) printPages(*Box.document(), area, printer);
  } catch (...) {
    // A document broken off half way is not sent later with the next one.
    printer.KillDoc();
    throw;
  }
  printer.EndDoc();
}

PrintOutcome PrintWholeBox(platform::CommonDialog& dialog, const platform::RichTextBox& Box,
                           std::int32_t LeftMargin, double TopMargin, double RightMargin,
                           double BottomMargin, platform::Printer& printer) {
  dialog.DialogTitle = QStringLiteral("Print...");
  dialog.CancelError = true;
  dialog.Flags = platform::cdlPDHidePrintToFile | platform::cdlPDReturnDC |
                 platform::cdlPDNoPageNums | platform::cdlPDNoSelection;
  try {
    dialog.ShowPrinter();
  } catch (const platform::RuntimeError&) {
    return PrintOutcome::Cancelled;
  }
  try {
    PrintRTB(Box, LeftMargin, TopMargin, RightMargin, BottomMargin, printer);
  } catch (const std::exception&) {
    return PrintOutcome::Failed;
  }
  return PrintOutcome::Printed;
}

}  // namespace shared
