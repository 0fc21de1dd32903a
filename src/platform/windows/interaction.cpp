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

bool CommonDialog::TryShowOpen() { return tryShow(&CommonDialog::ShowOpen); }

bool CommonDialog::TryShowSave() { return tryShow(&CommonDialog::ShowSave); }

bool CommonDialog::TryShowFont() { return tryShow(&CommonDialog::ShowFont); }

bool CommonDialog::tryShow(void (CommonDialog::*show)()) {
  try {
    (this->*show)();
  } catch (const RuntimeError& error) {
    if (error.number() != kCancelError) throw;
    return false;
  }
  return true;
}

void CommonDialog::finish(bool accepted) {
  if (!accepted && CancelError) {
    throw RuntimeError(kCancelError, QStringLiteral("Cancel was selected."));
  }
}

}  // namespace platform
