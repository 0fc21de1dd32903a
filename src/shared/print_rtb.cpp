#include "shared/print_rtb.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <utility>
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

// Qt's layout keeps positions in 26.6 fixed point: past 2^31 / 64 device pixels (some 2,600 pages
// at 1,200 dots per inch) they wrap round and the pages come out blank. The text is therefore laid
// out and printed a part at a time, each part far inside that range.
constexpr double kPartHeightLimit = 1 << 24;
constexpr int kPagesPerPart = 40;
constexpr int kFirstPartCharacters = 100000;

// A part of the box's text in a document of its own; its pictures are the box's.
class PartDocument : public QTextDocument {
 public:
  explicit PartDocument(const QTextDocument& source) : source_(source) {}

 protected:
  QVariant loadResource(int type, const QUrl& name) override {
    return source_.resource(type, name);
  }

 private:
  const QTextDocument& source_;
};

// The first paragraph of a part takes its format from the box: a copied range leaves it out. A
// part that starts inside a paragraph continues it, so it starts without the paragraph's first
// line indent, its space above or its list mark.
void formatFirstParagraph(QTextDocument& part, const QTextBlock& source, int from) {
  QTextBlockFormat format = source.blockFormat();
  format.setObjectIndex(-1);
  const bool continued = from > source.position();
  QTextList* list = source.textList();
  if (continued) {
    format.setTopMargin(0);
    format.setTextIndent(0);
    if (list) format.setIndent(format.indent() + list->format().indent());
  }
  QTextCursor first(&part);
  first.setBlockFormat(format);
  first.setBlockCharFormat(source.charFormat());
  if (list && !continued) first.createList(list->format());
}

// The top level table that holds `position`, if any.
QTextTable* tableAround(const QTextDocument& source, int position) {
  QTextFrame* frame = source.frameAt(position);
  QTextTable* table = nullptr;
  for (; frame && frame != source.rootFrame(); frame = frame->parentFrame()) {
    if (auto* found = qobject_cast<QTextTable*>(frame)) table = found;
  }
  return table;
}

// The box's text from `from`, about `characters` of it; a table is never cut.
struct PartRange {
  int from = 0;
  int to = 0;
  bool reachesEnd = false;
};

PartRange partRange(const QTextDocument& source, int from, int characters) {
  const int end = source.characterCount() - 1;
  PartRange range{from, from + characters, false};
  if (range.to >= end) return {from, end, true};
  if (QTextTable* table = tableAround(source, range.to)) range.to = table->lastPosition() + 1;
  range.reachesEnd = range.to >= end;
  range.to = std::min(range.to, end);
  return range;
}

void prepareForPrinter(QTextDocument& document, Printer& printer, const QSizeF& area) {
  // Before the document has a layout, so that its changes cost no layout work.
  scaleIndentsToPrinter(document, printer.geometry().dpiX);
  document.setDocumentMargin(0);
  QTextFrameFormat root = document.rootFrame()->frameFormat();
  root.setPadding(0);
  root.setBorder(0);
  root.clearBackground();
  document.rootFrame()->setFrameFormat(root);
  document.documentLayout()->setPaintDevice(&printer.device());
  document.setPageSize(area);
}

// The range of the box's text laid out for the printer in pages of `area`'s size.
std::unique_ptr<QTextDocument> layOut(const QTextDocument& source, const PartRange& range,
                                      Printer& printer, const QSizeF& area) {
  auto part = std::make_unique<PartDocument>(source);
  part->setUndoRedoEnabled(false);
  part->setDefaultFont(source.defaultFont());
  part->setDefaultTextOption(source.defaultTextOption());
  part->setIndentWidth(source.indentWidth());
  part->setUseDesignMetrics(source.useDesignMetrics());
  part->rootFrame()->setFrameFormat(source.rootFrame()->frameFormat());
  // Only read through the cursor, which a document hands out to writers and readers alike.
  QTextCursor selection(const_cast<QTextDocument*>(&source));
  selection.setPosition(range.from);
  selection.setPosition(range.to, QTextCursor::KeepAnchor);
  QTextCursor(part.get()).insertFragment(QTextDocumentFragment(selection));
  formatFirstParagraph(*part, source.findBlock(range.from), range.from);
  prepareForPrinter(*part, printer, area);
  return part;
}

// Whether the layout's positions stayed in its range: top level paragraphs and tables, and the
// lines of each paragraph, follow each other down the pages.
bool laidOutInRange(const QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  layout->documentSize();  // the layout is made as it is asked for: all of it, here
  double previous = 0;
  const auto follows = [&](double top, double bottom) {
    const bool inOrder = top >= previous && bottom <= kPartHeightLimit;
    previous = top;
    return inOrder;
  };
  for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
    if (QTextFrame* frame = it.currentFrame()) {
      const QRectF rect = layout->frameBoundingRect(frame);
      if (!follows(rect.top(), rect.bottom())) return false;
      continue;
    }
    const QTextLayout* text = it.currentBlock().layout();
    const double origin = text->position().y();
    if (!follows(origin, origin)) return false;
    for (int i = 0; i < text->lineCount(); ++i) {
      const QTextLine line = text->lineAt(i);
      if (!follows(origin + line.y(), origin + line.y() + line.height())) return false;
    }
  }
  return true;
}

struct PrintedLine {
  double top;
  double bottom;
  int position;     // in the part
  // The first line of a top level paragraph outside a list (a part that started at a list's item
  // would number it afresh).
  bool opensParagraph;
  bool topLevel;    // not inside a table
};

// Every line of the laid-out document, top to bottom, in its own coordinates.
std::vector<PrintedLine> linesOf(const QTextDocument& document) {
  std::vector<PrintedLine> lines;
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* text = block.layout();
    // The block's rectangle starts at its layout's position, which its lines are relative to.
    const double origin = layout->blockBoundingRect(block).top();
    const bool topLevel = document.frameAt(block.position()) == document.rootFrame();
    const bool listed = block.textList() != nullptr;
    for (int i = 0; i < text->lineCount(); ++i) {
      const QTextLine line = text->lineAt(i);
      lines.push_back({origin + line.y(), origin + line.y() + line.height(),
                       block.position() + line.textStart(), topLevel && i == 0 && !listed,
                       topLevel});
    }
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const PrintedLine& a, const PrintedLine& b) { return a.top < b.top; });
  return lines;
}

int pageOf(double top, double pageHeight) { return static_cast<int>(std::floor(top / pageHeight)); }

// What gets printed of a part: its pages up to where the next part starts, and where the text
// ends. The layout puts every line that fits on a page wholly on one page. A line taller than the
// page could never be printed and would make no progress, so printing ends just above it.
struct Plan {
  int pages = 1;
  double end = std::numeric_limits<double>::infinity();
  std::optional<int> next;  // the part's position the next part starts at
};

// The last page after the first that starts with a paragraph of its own, else with any line
// outside a table: there the next part starts, at the top of a page as here.
std::optional<std::pair<int, int>> nextStart(const std::vector<PrintedLine>& lines,
                                             double pageHeight, int pages) {
  std::optional<std::pair<int, int>> paragraph, line;
  int page = 0;
  for (const PrintedLine& printed : lines) {
    const int at = pageOf(printed.top, pageHeight);
    if (at == page || at >= pages) continue;
    page = at;
    if (!printed.topLevel) continue;
    line = {at, printed.position};
    if (printed.opensParagraph) paragraph = line;
  }
  return paragraph ? paragraph : line;
}

Plan plan(const std::vector<PrintedLine>& lines, double pageHeight, bool reachesEnd) {
  Plan plan;
  for (const PrintedLine& line : lines) {
    if (line.bottom - line.top > pageHeight) {
      plan.end = line.top;
      break;
    }
    plan.pages = std::max(plan.pages, pageOf(line.top, pageHeight) + 1);
  }
  if (reachesEnd || std::isfinite(plan.end)) return plan;
  if (const auto start = nextStart(lines, pageHeight, plan.pages)) {
    plan.pages = start->first;
    plan.next = start->second;
  }
  return plan;
}

// Where a top level paragraph lies, its layout's own rectangle, for paragraphs that run from one
// page onto the next.
struct Straddler {
  QTextBlock block;
  QRectF rect;
};

std::vector<Straddler> straddlers(const QTextDocument& document, double pageHeight) {
  std::vector<Straddler> found;
  for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
    const QTextBlock block = it.currentBlock();
    if (!block.isValid() || block.layout()->lineCount() < 2) continue;
    const QTextLayout* text = block.layout();
    const double origin = text->position().y();
    const QTextLine last = text->lineAt(text->lineCount() - 1);
    if (pageOf(origin + text->lineAt(0).y(), pageHeight) == pageOf(origin + last.y(), pageHeight)) {
      continue;
    }
    found.push_back({block, text->boundingRect().translated(text->position())});
  }
  return found;
}

// Draws the lines whose top lies on the page. The layout draws a paragraph whole wherever any of
// it shows, and its lines on the pages beside, though cut away, would put their words twice into
// a file's text: a paragraph that runs over the page's top or end is drawn here line by line. (A
// list item keeps its mark, which only the layout draws, on the page where it starts.)
void drawPage(Printer& printer, const QTextDocument& document, const QRectF& area, int page,
              const std::vector<Straddler>& across, double end) {
  const double top = page * area.height();
  const QRectF window(0, top, area.width(), std::clamp(end - top, 0.0, area.height()));
  if (window.isEmpty()) return;
  const QPointF origin = printer.geometry().deviceOrigin + area.topLeft() - window.topLeft();
  QPainter& painter = printer.painter();
  painter.save();
  painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
  painter.setClipRect(window);
  // Positions are in 64ths of a pixel; one unit in keeps a neighbour that touches the page out.
  constexpr double kUnit = 1.0 / 64;
  QRectF clip = window.adjusted(0, kUnit, 0, -kUnit);
  std::vector<QTextBlock> byLine;
  for (const Straddler& straddler : across) {
    const QRectF& rect = straddler.rect;
    if (rect.bottom() <= window.top() || rect.top() >= window.bottom()) continue;
    if (rect.top() < window.top()) {
      clip.setTop(std::max(clip.top(), rect.bottom() + kUnit));
    } else if (straddler.block.textList()) {
      continue;
    } else {
      clip.setBottom(std::min(clip.bottom(), rect.top() - kUnit));
    }
    byLine.push_back(straddler.block);
  }
  // Paper is white whatever the desktop's colours.
  painter.setPen(Qt::black);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = clip;
  context.palette.setColor(QPalette::Text, Qt::black);
  if (clip.height() > 0) document.documentLayout()->draw(&painter, context);
  for (const QTextBlock& block : byLine) {
    const QTextLayout* text = block.layout();
    for (int i = 0; i < text->lineCount(); ++i) {
      const QTextLine line = text->lineAt(i);
      const double lineTop = text->position().y() + line.y();
      if (lineTop >= window.top() && lineTop < window.bottom()) {
        line.draw(&painter, text->position());
      }
    }
  }
  painter.restore();
}

// A part of the text from `from`, laid out within the layout's range: smaller when it would not
// fit. None when not even a little of it fits.
struct LaidOutPart {
  std::unique_ptr<QTextDocument> document;
  PartRange range;
};

std::optional<LaidOutPart> layOutPart(const QTextDocument& source, int from, int& characters,
                                      bool& shrunk, Printer& printer, const QSizeF& area) {
  for (;;) {
    const PartRange range = partRange(source, from, characters);
    std::unique_ptr<QTextDocument> document = layOut(source, range, printer, area);
    if (laidOutInRange(*document)) return LaidOutPart{std::move(document), range};
    if (characters == 1) return std::nullopt;
    characters = std::max(1, characters / 2);
    shrunk = true;
  }
}

void printPages(const QTextDocument& source, const QRectF& area, Printer& printer) {
  int from = 0;
  int characters = kFirstPartCharacters;
  bool firstPage = true;
  for (;;) {
    bool shrunk = false;
    std::optional<LaidOutPart> part =
        layOutPart(source, from, characters, shrunk, printer, area.size());
    if (!part) return;
    const std::vector<PrintedLine> lines = linesOf(*part->document);
    const Plan pages = plan(lines, area.height(), part->range.reachesEnd);
    if (!pages.next && !part->range.reachesEnd && !std::isfinite(pages.end) && !shrunk) {
      // No page after the first to start the next part at: take more of the text.
      characters = static_cast<int>(std::min<qint64>(2LL * characters, source.characterCount()));
      continue;
    }
    const std::vector<Straddler> across = straddlers(*part->document, area.height());
    for (int page = 0; page < pages.pages; ++page) {
      if (!firstPage) printer.NewPage();
      firstPage = false;
      drawPage(printer, *part->document, area, page, across, pages.end);
    }
    if (!pages.next && (part->range.reachesEnd || std::isfinite(pages.end))) return;
    const int printed = pages.next ? *pages.next : part->range.to - part->range.from;
    characters = std::max(1, printed / std::max(1, pages.pages) * kPagesPerPart);
    from += printed;
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

PrintResult PrintWholeBox(platform::CommonDialog& dialog, const platform::RichTextBox& Box,
                           std::int32_t LeftMargin, double TopMargin, double RightMargin,
                           double BottomMargin, platform::Printer& printer) {
  dialog.DialogTitle = QStringLiteral("Print...");
  dialog.CancelError = true;
  dialog.Flags = platform::cdlPDHidePrintToFile | platform::cdlPDReturnDC |
                 platform::cdlPDNoPageNums | platform::cdlPDNoSelection;
  try {
    dialog.ShowPrinter();
  } catch (const platform::RuntimeError&) {
    return {PrintOutcome::Cancelled, QString()};
  }
  try {
    PrintRTB(Box, LeftMargin, TopMargin, RightMargin, BottomMargin, printer);
  } catch (const platform::PrinterError& error) {
    return {PrintOutcome::Failed, error.reason()};
  } catch (const std::exception&) {
    return {PrintOutcome::Failed, QStringLiteral("Please check the printer and try again.")};
  }
  return {PrintOutcome::Printed, QString()};
}

}  // namespace shared
