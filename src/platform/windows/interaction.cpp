#include "platform/windows/interaction.h"

#include "platform/system/errors.h"
#include "platform/printing/printer.h"
#include "platform/system/runtime.h"

namespace platform {

CommonDialog::CommonDialog(const Runtime& runtime)
    : CommonDialog(runtime.interaction(), runtime.printer()) {}

void CommonDialog::ShowOpen() { finish(interaction_.openDialog(*this)); }

void CommonDialog::ShowSave() { finish(interaction_.saveDialog(*this)); }

void CommonDialog::ShowFont() { finish(interaction_.fontDialog(*this)); }

void CommonDialog::ShowPrinter() {
  if (printer_ == nullptr) {
    throw RuntimeError(kPrinterError, QStringLiteral("No printer is attached to this dialog."));
  }
  finish(interaction_.printDialog(*this, *printer_));
}

void CommonDialog::finish(bool accepted) {
  if (!accepted && CancelError) {
    throw RuntimeError(kCancelError, QStringLiteral("Cancel was selected."));
  }
}

}  // namespace platform
