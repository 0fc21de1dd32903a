#include "platform/printing/qt_printer.h"

#include <QFile>
#include <QPageLayout>

#include "platform/system/errors.h"

namespace platform {
namespace {

[[noreturn]] void printerError() {
  throw RuntimeError(kPrinterError, QStringLiteral("Printer error"));
}

QRectF inTwips(const QRectF& inches) {
  return QRectF(inches.left() * kTwipsPerInch, inches.top() * kTwipsPerInch,
                inches.width() * kTwipsPerInch, inches.height() * kTwipsPerInch);
}

}  // namespace

// High resolution, so that documents are laid out with the metrics they print with.
QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrinter::QtPrinter(const QString& pdfPath) : QtPrinter() {
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(pdfPath);
}

QtPrinter::~QtPrinter() { endPendingDocument(); }

PageGeometry QtPrinter::geometry() const {
  PageGeometry page;
  page.dpiX = printer_->resolution();
  page.dpiY = printer_->resolution();
  page.paper = inTwips(printer_->paperRect(QPrinter::Inch)).size();
  // Qt's painter starts at the printable area, so the device origin stays at 0, 0.
  page.printable = inTwips(printer_->pageRect(QPrinter::Inch));
  return page;
}

void QtPrinter::startDocument(QPainter& painter) {
  if (!painter.begin(printer_.get())) printerError();
}

void QtPrinter::startNextPage(QPainter&) {
  if (!printer_->newPage()) printerError();
}

void QtPrinter::finishDocument(QPainter& painter) {
  const bool failed = printer_->printerState() == QPrinter::Error;
  painter.end();
  if (failed) printerError();
}

void QtPrinter::abortDocument(QPainter& painter) {
  // Qt's print engines on Linux cannot withdraw a job once it is started; a PDF file, at least,
  // is not left behind half written.
  printer_->abort();
  painter.end();
  if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
    QFile::remove(printer_->outputFileName());
  }
}

void QtPrinter::applyOrientation(int orientation) {
  printer_->setPageOrientation(orientation == vbPRORLandscape ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

int QtPrinter::deviceOrientation() const {
  return printer_->pageLayout().orientation() == QPageLayout::Landscape ? vbPRORLandscape
                                                                        : vbPRORPortrait;
}

}  // namespace platform
