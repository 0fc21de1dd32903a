#pragma once

#include <QRectF>
#include <QString>

class QPaintDevice;
class QWidget;

namespace platform {

// What the print dialog offers and, once accepted, the range the user chose.
struct PrintChoice {
  enum class Range { AllPages, Selection, PageNumbers };
  bool pageNumbersOffered = true;
  bool selectionOffered = true;
  Range range = Range::AllPages;
};

// A printer of Qt's print support at high resolution: the system's default printer or a PDF file.
// Qt's print support comes from the printing module beside the programs, loaded the first time a
// program prints, so that a program starting never loads it.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  virtual QPaintDevice& paintDevice() = 0;
  virtual int resolution() const = 0;
  virtual QRectF paperInches() const = 0;
  // The part of the paper the printer reaches, from the paper's corner.
  virtual QRectF printableInches() const = 0;
  virtual bool newPage() = 0;
  virtual bool failed() const = 0;
  // Withdraws the job as far as the system can.
  virtual void abort() = 0;
  // Starts afresh after a job that failed or was withdrawn, with the settings chosen: Qt's printer
  // writes nothing more once a write has failed.
  virtual void renew() = 0;
  // The PDF file the device prints to, which the print dialog may choose; empty for a printer.
  virtual QString outputFile() const = 0;
  virtual void setOutputFile(const QString& path) = 0;
  virtual bool landscape() const = 0;
  virtual void setLandscape(bool landscape) = 0;

  // The page setup dialog over `parent`; true when the user accepted it.
  virtual bool choosePageSetup(QWidget* parent, const QString& title) = 0;
  // The print dialog over `parent`; true when the user accepted it, `choice` then holding the range.
  virtual bool choosePrinter(QWidget* parent, const QString& title, PrintChoice& choice) = 0;
};

// The module's one exported function: a new device, printing to `pdfPath` unless it is empty.
inline constexpr char kPrintDeviceEntry[] = "scribary_make_print_device";
using PrintDeviceEntry = PrintDevice* (*)(const QString& pdfPath);

}  // namespace platform
