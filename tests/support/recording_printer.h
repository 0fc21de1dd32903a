#pragma once

#include <QImage>
#include <vector>

#include "platform/printing/printer.h"

namespace testing_support {

// A printer that renders every page to an image of the whole sheet: Letter paper at 96 dots per
// inch, with the printable area a quarter inch in from every edge unless told otherwise. A printer
// of very many dots per inch keeps its pages at `imageDpi`, so that a long document fits in memory.
class RecordingPrinter : public platform::Printer {
 public:
  static constexpr double kLetterWidth = 12240;   // twips
  static constexpr double kLetterHeight = 15840;
  static constexpr double kQuarterInch = 360;

  explicit RecordingPrinter(double dpi = 96, double offset = kQuarterInch, double imageDpi = 0);
  ~RecordingPrinter() override;

  // Pages of the documents ended so far, in order.
  std::vector<QImage> pages;
  int documentsEnded = 0;
  int documentsKilled = 0;
  // When set, starting this page of a document fails with a printer error.
  int failAtPage = 0;
  // Pages of the document being printed, the current one included.
  int pagesInProgress() const;

  // Twips from the printable origin to the pixel of a page image.
  QPoint pixelAt(QPointF twips) const;

  QPaintDevice& device() const override { return page_; }
  platform::PageGeometry geometry() const override;

 protected:
  void startDocument(QPainter& painter) override;
  void startNextPage(QPainter& painter) override;
  void finishDocument(QPainter& painter) override;
  void abortDocument(QPainter& painter) override;
  void applyOrientation(int orientation) override { orientation_ = orientation; }
  int deviceOrientation() const override { return orientation_; }

 private:
  QImage blankPage() const;
  void beginPage(QPainter& painter);

  double dpi_;
  double offset_;
  double imageDpi_;
  int orientation_ = platform::vbPRORPortrait;
  mutable QImage page_;
  std::vector<QImage> finished_;  // earlier pages of the document being printed
};

}  // namespace testing_support
