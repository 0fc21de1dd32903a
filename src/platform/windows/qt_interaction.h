#pragma once

#include <QFileDialog>
#include <QInputDialog>

#include "platform/printing/print_support.h"
#include "platform/windows/interaction.h"

namespace platform {

// Real dialogs on the desktop.
class QtInteraction : public Interaction {
 public:
  int messageBox(const QString& text, int style, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
  bool openDialog(DialogRequest& request) override;
  bool saveDialog(DialogRequest& request) override;
  bool fontDialog(DialogRequest& request) override;
  // `printer` must be the runtime's QtPrinter.
  bool printDialog(DialogRequest& request, Printer& printer) override;
  QString chooseFolder(const QString& title, const QString& startFolder) override;
  void showModal(QWidget& window) override;
  void popupMenu(QMenu& menu, const QPoint& position) override;

 private:
  QString lastFolder_;  // of the last file chosen in an open or save dialog
};

// The open and save dialog. It takes one file, so a name typed or picked that holds double quotes
// is that file's name, never a list of quoted names.
class SingleFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;
  // The file chosen, as a full path.
  QString chosenFile() const;
  void accept() override;

 private:
  // The name box's text when it holds a double quote, else "".
  QString nameWithQuotes() const;
};

// Sets up an open or save dialog (its accept mode already set) from the common dialog's
// properties: title, filters, start folder, file name and, for saving, the extension added to a
// name typed without one. `lastFolder` is where the last file was chosen.
void prepareFileDialog(QFileDialog& dialog, const DialogRequest& request,
                       const QString& lastFolder = QString());
// "ql" for "Quillora File (*.ql)"; "" when the filter lists several patterns or a wildcard one.
QString defaultSuffix(const QString& nameFilter);

// The input box's dialog: title, prompt as plain text, the default answer.
void preparePrompt(QInputDialog& dialog, const QString& prompt, const QString& title,
                   const QString& defaultText);

// "Text files|*.txt;*.text|All|*.*" as Qt's name filters ("Text files (*.txt *.text)", ...).
QStringList nameFilters(const QString& filter);

// What the print dialog offers for the common dialog's Flags, and the range it starts with.
PrintChoice printChoice(long flags);
// Flags once the user has chosen `range`.
long flagsWithRange(long flags, PrintChoice::Range range);

}  // namespace platform
