#include "platform/printing/qt_printer.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <cstdio>

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

// What the user is told when a PDF file could not be written.
[[noreturn]] void pdfError(const QString& path, bool existed) {
  const QFileInfo target(path);
  const QFileInfo folder(target.absolutePath());
  const QStorageInfo disk(folder.absoluteFilePath());
  // A page of text takes some kilobytes; less room than that is a full disk.
  constexpr qint64 kRoomForAPage = 64 * 1024;
  QString reason;
  if (disk.isValid() && disk.bytesAvailable() < kRoomForAPage) {
    reason = QStringLiteral(", as the disk is full. Make room on the disk, or print to another "
                            "folder.");
  } else if (folder.isDir() && !folder.isWritable()) {
    reason = QStringLiteral(", as its folder cannot be written to. Print to another folder.");
  } else {
    reason = QStringLiteral(". Make room on the disk, or print to another folder.");
  }
  QString message = QStringLiteral("Nothing was written to %1").arg(path) + reason;
  if (existed) message += QStringLiteral(" The file that was there before is kept as it was.");
  throw PrinterError(message);
}

// Whether the PDF at `path` was written to its end: its last lines give where its table of
// contents starts, which a file cut short or with a piece missing does not hold there.
bool wholePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  constexpr qint64 kTail = 64;
  const qint64 size = file.size();
  if (size < kTail || !file.seek(size - kTail)) return false;
  const QByteArray tail = file.read(kTail);
  const qsizetype at = tail.lastIndexOf("startxref");
  if (at < 0 || !tail.trimmed().endsWith("%%EOF")) return false;
  bool number = false;
  const qint64 table = tail.mid(at + 9).replace("%%EOF", "").trimmed().toLongLong(&number);
  return number && table < size && file.seek(table) && file.read(4) == "xref";
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
  PrintDevice& device = printer();
  if (!device.outputFile().isEmpty()) writePdfBeside(device);
  if (painter.begin(&device.paintDevice())) return;
  const QString target = pdfTarget_;
  const bool existed = QFileInfo::exists(target);
  dropPdf();
  if (!target.isEmpty()) pdfError(target, existed);
  printerError();
}

void QtPrinter::startNextPage(QPainter&) {
  if (printer().newPage()) return;
  if (pdfBeside_) pdfError(pdfTarget_, QFileInfo::exists(pdfTarget_));
  printerError();
}

void QtPrinter::finishDocument(QPainter& painter) {
  const bool failed = printer().failed();
  painter.end();
  if (pdfBeside_) {
    const QString target = pdfTarget_;
    const bool existed = QFileInfo::exists(target);
    const bool placed = !failed && placePdf();
    dropPdf();
    if (!placed) {
      printer().renew();
      pdfError(target, existed);
    }
  }
  if (failed) printerError();
}

void QtPrinter::abortDocument(QPainter& painter) {
  // Qt's print engines on Linux cannot withdraw a job once it is started; a PDF file, at least,
  // is not left behind half written.
  printer().abort();
  painter.end();
  dropPdf();
  printer().renew();
}

void QtPrinter::writePdfBeside(PrintDevice& device) {
  pdfTarget_ = device.outputFile();
  const QFileInfo target(pdfTarget_);
  pdfBeside_ = std::make_unique<QTemporaryFile>(target.absolutePath() + QStringLiteral("/.") +
                                                target.completeBaseName() +
                                                QStringLiteral("-XXXXXX.pdf"));
  // Opening makes the name; the device writes the file itself.
  if (!pdfBeside_->open()) {
    const bool existed = target.exists();
    dropPdf();
    pdfError(target.filePath(), existed);
  }
  pdfBeside_->close();
  device.setOutputFile(pdfBeside_->fileName());
}

bool QtPrinter::placePdf() {
  const QString written = pdfBeside_->fileName();
  if (!wholePdf(written)) return false;
  const QFileInfo target(pdfTarget_);
  QFile::setPermissions(written, target.exists()
                                     ? target.permissions()
                                     : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                           QFile::ReadOther);
  if (std::rename(QFile::encodeName(written).constData(),
                  QFile::encodeName(pdfTarget_).constData()) != 0) {
    return false;
  }
  pdfBeside_->setAutoRemove(false);
  return true;
}

// Whatever is left of the PDF beside its file goes, and the device prints to the file again.
void QtPrinter::dropPdf() {
  if (!pdfBeside_) return;
  pdfBeside_.reset();
  printer().setOutputFile(pdfTarget_);
  pdfTarget_.clear();
}

void QtPrinter::applyOrientation(int orientation) {
  printer().setLandscape(orientation == vbPRORLandscape);
}

int QtPrinter::deviceOrientation() const {
  return printer().landscape() ? vbPRORLandscape : vbPRORPortrait;
}

}  // namespace platform
