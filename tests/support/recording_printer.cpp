#include "support/recording_printer.h"

#include <cmath>

#include "platform/system/errors.h"

namespace testing_support {

RecordingPrinter::RecordingPrinter(double dpi, double offset, double imageDpi)
    : dpi_(dpi), offset_(offset), imageDpi_(imageDpi > 0 ? imageDpi : dpi), page_(blankPage()) {}

RecordingPrinter::~RecordingPrinter() { endPendingDocument(); }

platform::PageGeometry RecordingPrinter::geometry() const {
  const bool landscape = orientation_ == platform::vbPRORLandscape;
  platform::PageGeometry page;
  page.dpiX = dpi_;
  page.dpiY = dpi_;
  page.paper =
      landscape ? QSizeF(kLetterHeight, kLetterWidth) : QSizeF(kLetterWidth, kLetterHeight);
  page.printable = QRectF(QPointF(offset_, offset_),
                          page.paper - QSizeF(2 * offset_, 2 * offset_));
  page.deviceOrigin = QPointF(offset_ * dpi_ / platform::kTwipsPerInch,
                              offset_ * dpi_ / platform::kTwipsPerInch);
  return page;
}

int RecordingPrinter::pagesInProgress() const {
  return printing() ? static_cast<int>(finished_.size()) + 1 : 0;
}

QPoint RecordingPrinter::pixelAt(QPointF twips) const {
  const double scale = imageDpi_ / platform::kTwipsPerInch;
  return QPoint(static_cast<int>(std::floor((twips.x() + offset_) * scale)),
                static_cast<int>(std::floor((twips.y() + offset_) * scale)));
}

QImage RecordingPrinter::blankPage() const {
  const QSizeF paper = geometry().paper * (imageDpi_ / platform::kTwipsPerInch);
  QImage image(qRound(paper.width()), qRound(paper.height()), QImage::Format_RGB32);
  // Fonts and layouts measure the device at its own resolution.
  const int dotsPerMeter = qRound(dpi_ / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  return image;
}

void RecordingPrinter::beginPage(QPainter& painter) {
  page_ = blankPage();
  painter.begin(&page_);
  if (imageDpi_ == dpi_) return;
  const QSizeF paper = geometry().paper * (dpi_ / platform::kTwipsPerInch);
  painter.setWindow(0, 0, qRound(paper.width()), qRound(paper.height()));
}

void RecordingPrinter::startDocument(QPainter& painter) { beginPage(painter); }

void RecordingPrinter::startNextPage(QPainter& painter) {
  if (failAtPage == static_cast<int>(finished_.size()) + 2) {
    throw platform::RuntimeError(platform::kPrinterError, QStringLiteral("Printer error"));
  }
  painter.end();
  finished_.push_back(page_);
  beginPage(painter);
}

void RecordingPrinter::finishDocument(QPainter& painter) {
  painter.end();
  finished_.push_back(page_);
  pages.insert(pages.end(), finished_.begin(), finished_.end());
  finished_.clear();
  ++documentsEnded;
}

void RecordingPrinter::abortDocument(QPainter& painter) {
  painter.end();
  finished_.clear();
  ++documentsKilled;
}

}  // namespace testing_support
