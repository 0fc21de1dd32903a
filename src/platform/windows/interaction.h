#pragma once

#include <QString>
#include <QStringList>

class QMenu;
class QPoint;
class QWidget;

namespace platform {

class Printer;
class Runtime;

// Message box results.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Message box styles: buttons in the low bits, icon above them.
enum MsgBoxStyle {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
  vbRetryCancel = 5, vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64
};

// Common dialog flags the programs use.
enum DialogFlags : long {
  cdlOFNReadOnly = 0x1, cdlOFNOverwritePrompt = 0x2, cdlOFNHideReadOnly = 0x4,
  cdlOFNPathMustExist = 0x800, cdlOFNFileMustExist = 0x1000,
  cdlPDNoSelection = 0x4, cdlPDAllPages = 0x0, cdlPDSelection = 0x1,
  cdlPDPageNums = 0x2, cdlPDNoPageNums = 0x8, cdlPDPrintSetup = 0x40, cdlPDReturnDC = 0x100,
  cdlPDHidePrintToFile = 0x100000,
  cdlCFScreenFonts = 0x1, cdlCFEffects = 0x100
};

// What one open, save, print or font dialog is asked and what it answers: the properties of the
// common dialog control. The owner keeps it between shows, so FileName carries over.
struct DialogRequest {
  QString FileName;
  QString FileTitle;
  QString InitDir;
  QString DialogTitle;
  QString Filter;   // "description|pattern|description|pattern..."
  int FilterIndex = 1;
  long Flags = 0;
  bool CancelError = false;
  // Font dialog.
  QString FontName;
  double FontSize = 0;
  bool FontBold = false;
  bool FontItalic = false;
  bool FontUnderline = false;
  bool FontStrikethru = false;
};

// Every wait for the user goes through here, so tests answer from a script and never block.
class Interaction {
 public:
  virtual ~Interaction() = default;

  // Returns one of MsgBoxResult.
  virtual int messageBox(const QString& text, int style, const QString& title) = 0;
  // Returns the typed text, or "" on Cancel.
  virtual QString inputBox(const QString& prompt, const QString& title,
                           const QString& defaultText) = 0;
  // Each returns true when the user accepted, having updated the request (FileName, FileTitle,
  // FilterIndex, font fields); false on Cancel, leaving it as it was.
  virtual bool openDialog(DialogRequest& request) = 0;
  virtual bool saveDialog(DialogRequest& request) = 0;
  virtual bool fontDialog(DialogRequest& request) = 0;
  // The print dialog (or, with cdlPDPrintSetup, the page setup) for `printer`, which takes the
  // choices. On acceptance Flags tells the range chosen: cdlPDSelection, cdlPDPageNums or
  // neither (all pages).
  virtual bool printDialog(DialogRequest& request, Printer& printer) = 0;
  // A folder, or "" on Cancel.
  virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
  // Shows a window and returns once it is hidden or closed.
  virtual void showModal(QWidget& window) = 0;
  // Pops up a menu at a screen position and returns once it is closed (its chosen action, if
  // any, triggered).
  virtual void popupMenu(QMenu& menu, const QPoint& position) = 0;
};

// The common dialog control: keeps its properties between shows and raises error 32755 on
// Cancel when CancelError is set.
class CommonDialog : public DialogRequest {
 public:
  explicit CommonDialog(Interaction& interaction) : interaction_(interaction) {}
  CommonDialog(Interaction& interaction, Printer& printer)
      : interaction_(interaction), printer_(&printer) {}
  // The runtime's dialogs and printer.
  explicit CommonDialog(const Runtime& runtime);
  void ShowOpen();
  void ShowSave();
  void ShowFont();
  // Needs a dialog made with a printer.
  void ShowPrinter();
  // The same, for commands that end quietly on Cancel: false when Cancel raised its error.
  bool TryShowOpen();
  bool TryShowSave();
  bool TryShowFont();

 private:
  void finish(bool accepted);
  bool tryShow(void (CommonDialog::*show)());
  Interaction& interaction_;
  Printer* printer_ = nullptr;
};

}  // namespace platform
