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
QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString& pdfPath) : QtPrinter() {
  printer().setOutputFormat(QPrinter::PdfFormat);
  printer().setOutputFileName(pdfPath);
}

QtPrinter::~QtPrinter() { endPendingDocument(); }

// Made on first use: it loads the system's printing support, which a program starting has no
// need of.
QPrinter& QtPrinter::printer() const {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

PageGeometry QtPrinter::geometry() const {
  PageGeometry page;
  page.dpiX = printer().resolution();
  page.dpiY = printer().resolution();
  page.paper = inTwips(printer().paperRect(QPrinter::Inch)).size();
  // Qt's painter starts at the printable area, so the device origin stays at 0, 0.
  page.printable = inTwips(printer().pageRect(QPrinter::Inch));
  return page;
}

void QtPrinter::startDocument(QPainter& painter) {
  if (!painter.begin(&printer())) printerError();
}

void QtPrinter::startNextPage(QPainter&) {
  if (!printer().newPage()) printerError();
}

void QtPrinter::finishDocument(QPainter& painter) {
  const bool failed = printer().printerState() == QPrinter::Error;
  painter.end();
  if (failed) printerError();
}

void QtPrinter::abortDocument(QPainter& painter) {
  // Qt's print engines on Linux cannot withdraw a job once it is started; a PDF file, at least,
  // is not left behind half written.
  printer().abort();
  painter.end();
  if (printer().outputFormat() == QPrinter::PdfFormat && !printer().outputFileName().isEmpty()) {
    QFile::remove(printer().outputFileName());
  }
}

void QtPrinter::applyOrientation(int orientation) {
  printer().setPageOrientation(orientation == vbPRORLandscape ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
}

int QtPrinter::deviceOrientation() const {
  return printer().pageLayout().orientation() == QPageLayout::Landscape ? vbPRORLandscape
                                                                        : vbPRORPortrait;
}

}  // namespace platform
