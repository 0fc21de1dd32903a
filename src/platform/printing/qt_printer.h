#pragma once

#include <QString>
#include <memory>

#include "platform/printing/print_support.h"
#include "platform/printing/printer.h"

class QTemporaryFile;
class QWidget;

namespace platform {

// Where the printing module is: beside the running program.
QString printingModulePath();

// The system's printer through Qt: a CUPS printer, or a PDF file when one is chosen. Qt's print
// support is loaded from `modulePath` when the printer is first used; a module that cannot be
// loaded is a printer error. A PDF file is written beside the one it replaces and put in its place
// only when it is whole, so a print that fails (a full disk) leaves what was there, and says so.
class QtPrinter : public Printer {
 public:
  // The default system printer.
  QtPrinter();
  // A PDF file at `pdfPath`.
  explicit QtPrinter(QString pdfPath, QString modulePath = printingModulePath());
  ~QtPrinter() override;

  QPaintDevice& device() const override;
  PageGeometry geometry() const override;

  // The dialogs, which choose the printer and its settings.
  bool choosePageSetup(QWidget* parent, const QString& title);
  bool choosePrinter(QWidget* parent, const QString& title, PrintChoice& choice);

 protected:
  void startDocument(QPainter& painter) override;
  void startNextPage(QPainter& painter) override;
  void finishDocument(QPainter& painter) override;
  void abortDocument(QPainter& painter) override;
  void applyOrientation(int orientation) override;
  int deviceOrientation() const override;

 private:
  PrintDevice& printer() const;
  void writePdfBeside(PrintDevice& device);
  // Puts the PDF written beside its file in its place; false when it is not whole.
  bool placePdf();
  void dropPdf();

  QString pdfPath_;
  QString modulePath_;
  mutable std::unique_ptr<PrintDevice> printer_;
  // The file a PDF being printed is to become, and the PDF as it is written.
  QString pdfTarget_;
  std::unique_ptr<QTemporaryFile> pdfBeside_;
};

}  // namespace platform
