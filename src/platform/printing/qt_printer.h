#pragma once

#include <QPrinter>
#include <memory>

#include "platform/printing/printer.h"

namespace platform {

// The system's printer through Qt: a CUPS printer, or a PDF file when one is chosen.
class QtPrinter : public Printer {
 public:
  // The default system printer.
  QtPrinter();
  // A PDF file at `pdfPath`.
  explicit QtPrinter(const QString& pdfPath);
  ~QtPrinter() override;

  // For the print dialog, which chooses the printer and its settings.
  QPrinter& qprinter() const { return printer(); }

  QPaintDevice& device() const override { return printer(); }
  PageGeometry geometry() const override;

 protected:
  void startDocument(QPainter& painter) override;
  void startNextPage(QPainter& painter) override;
  void finishDocument(QPainter& painter) override;
  void abortDocument(QPainter& painter) override;
  void applyOrientation(int orientation) override;
  int deviceOrientation() const override;

 private:
  QPrinter& printer() const;

  mutable std::unique_ptr<QPrinter> printer_;
};

}  // namespace platform
