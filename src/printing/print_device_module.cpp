// The printing module: links Qt's print support, so that only a program that prints loads it.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "platform/printing/print_support.h"

namespace {

using platform::PrintChoice;

QAbstractPrintDialog::PrintRange dialogRange(PrintChoice::Range range) {
  switch (range) {
    case PrintChoice::Range::Selection:
      return QAbstractPrintDialog::Selection;
    case PrintChoice::Range::PageNumbers:
      return QAbstractPrintDialog::PageRange;
    case PrintChoice::Range::AllPages:
      break;
  }
  return QAbstractPrintDialog::AllPages;
}

// Qt's dialog opens with the range and copies folded away under "Options >>" and at a size taken
// before the options chose what it shows. It opens unfolded instead, at the size all of it needs.
void showWholeDialog(QPrintDialog& dialog) {
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    for (QAbstractButton* button : buttons->buttons()) {
      if (buttons->buttonRole(button) == QDialogButtonBox::ResetRole) button->click();
    }
  }
  dialog.adjustSize();
}

PrintChoice::Range choiceRange(QAbstractPrintDialog::PrintRange range) {
  if (range == QAbstractPrintDialog::Selection) return PrintChoice::Range::Selection;
  if (range == QAbstractPrintDialog::PageRange) return PrintChoice::Range::PageNumbers;
  return PrintChoice::Range::AllPages;
}

class QtPrintDevice : public platform::PrintDevice {
 public:
  explicit QtPrintDevice(const QString& pdfPath)
      : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (pdfPath.isEmpty()) return;
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(pdfPath);
  }

  QPaintDevice& paintDevice() override { return *printer_; }
  int resolution() const override { return printer_->resolution(); }
  QRectF paperInches() const override { return printer_->paperRect(QPrinter::Inch); }
  QRectF printableInches() const override { return printer_->pageRect(QPrinter::Inch); }
  bool newPage() override { return printer_->newPage(); }
  bool failed() const override { return printer_->printerState() == QPrinter::Error; }

  void abort() override { printer_->abort(); }

  void renew() override {
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->outputFormat() == QPrinter::NativeFormat) {
      fresh->setPrinterName(printer_->printerName());
    }
    fresh->setOutputFormat(printer_->outputFormat());
    fresh->setOutputFileName(printer_->outputFileName());
    fresh->setPageLayout(printer_->pageLayout());
    fresh->setCopyCount(printer_->copyCount());
    fresh->setCollateCopies(printer_->collateCopies());
    fresh->setColorMode(printer_->colorMode());
    fresh->setDuplex(printer_->duplex());
    printer_ = std::move(fresh);
  }

  QString outputFile() const override {
    return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : QString();
  }
  void setOutputFile(const QString& path) override {
    printer_->setOutputFileName(path);
    printer_->setOutputFormat(QPrinter::PdfFormat);
  }

  bool landscape() const override {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape;
  }
  void setLandscape(bool landscape) override {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  }

  bool choosePageSetup(QWidget* parent, const QString& title) override {
    QPageSetupDialog setup(printer_.get(), parent);
    if (!title.isEmpty()) setup.setWindowTitle(title);
    return setup.exec() == QDialog::Accepted;
  }

  bool choosePrinter(QWidget* parent, const QString& title, PrintChoice& choice) override {
    QPrintDialog dialog(printer_.get(), parent);
    if (!title.isEmpty()) dialog.setWindowTitle(title);
    // The file choice stays: on Linux it is the PDF printer, often the only way to print at all.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (choice.pageNumbersOffered) options |= QAbstractPrintDialog::PrintPageRange;
    if (choice.selectionOffered) options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(dialogRange(choice.range));
    showWholeDialog(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.range = choiceRange(dialog.printRange());
    return true;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) platform::PrintDevice*
scribary_make_print_device(const QString& pdfPath) {
  return new QtPrintDevice(pdfPath);
}
