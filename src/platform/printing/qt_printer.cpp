#include "platform/printing/qt_printer.h"

#include <QFile>
#include <QPainter>

#include "platform/files/locations.h"
#include "platform/system/errors.h"
#include "platform/system/module.h"

namespace platform {
namespace {

[[noreturn]] void printerError() {
  throw RuntimeError(kPrinterError, QStringLiteral("Printer error"));
}

QRectF inTwips(const QRectF& inches) {
  return QRectF(inches.left() * kTwipsPerInch, inches.top() * kTwipsPerInch,
                inches.width() * kTwipsPerInch, inches.height() * kTwipsPerInch);
}

// A device of the printing module; none when the module cannot be loaded.
std::unique_ptr<PrintDevice> makeDevice(const QString& pdfPath, const QString& modulePath) {
  const auto entry =
      reinterpret_cast<PrintDeviceEntry>(moduleEntry(modulePath, kPrintDeviceEntry, "Printing"));
  return entry ? std::unique_ptr<PrintDevice>(entry(pdfPath)) : nullptr;
}

}  // namespace

QString printingModulePath() {
  return locations::programFolder() + QStringLiteral("/" SCRIBARY_PRINTING_MODULE_FILE);
}

QtPrinter::QtPrinter() : modulePath_(printingModulePath()) {}

QtPrinter::QtPrinter(QString pdfPath, QString modulePath)
    : pdfPath_(std::move(pdfPath)), modulePath_(std::move(modulePath)) {}

QtPrinter::~QtPrinter() { endPendingDocument(); }

// Made on first use: it loads the system's printing support, which a program starting has no
// need of.
PrintDevice& QtPrinter::printer() const {
  if (!printer_) printer_ = makeDevice(pdfPath_, modulePath_);
  if (!printer_) printerError();
  return *printer_;
}

QPaintDevice& QtPrinter::device() const { return printer().paintDevice(); }

PageGeometry QtPrinter::geometry() const {
  PageGeometry page;
  page.dpiX = printer().resolution();
  page.dpiY = printer().resolution();
  page.paper = inTwips(printer().paperInches()).size();
  // Qt's painter starts at the printable area, so the device origin stays at 0, 0.
  page.printable = inTwips(printer().printableInches());
  return page;
}

bool QtPrinter::choosePageSetup(QWidget* parent, const QString& title) {
  return printer().choosePageSetup(parent, title);
}

bool QtPrinter::choosePrinter(QWidget* parent, const QString& title, PrintChoice& choice) {
  return printer().choosePrinter(parent, title, choice);
}

void QtPrinter::startDocument(QPainter& painter) {
  if (!painter.begin(&printer().paintDevice())) printerError();
}

void QtPrinter::startNextPage(QPainter&) {
  if (!printer().newPage()) printerError();
}

void QtPrinter::finishDocument(QPainter& painter) {
  const bool failed = printer().failed();
  painter.end();
  if (failed) printerError();
}

void QtPrinter::abortDocument(QPainter& painter) {
  // Qt's print engines on Linux cannot withdraw a job once it is started; a PDF file, at least,
  // is not left behind half written.
  printer().abort();
  painter.end();
  if (!pdfPath_.isEmpty()) QFile::remove(pdfPath_);
}

void QtPrinter::applyOrientation(int orientation) {
  printer().setLandscape(orientation == vbPRORLandscape);
}

int QtPrinter::deviceOrientation() const {
  return printer().landscape() ? vbPRORLandscape : vbPRORPortrait;
}

}  // namespace platform
