#include "platform/interaction.h"

#include "platform/errors.h"

namespace platform {

void CommonDialog::ShowOpen() { finish(interaction_.openDialog(*this)); }

void CommonDialog::ShowSave() { finish(interaction_.saveDialog(*this)); }

void CommonDialog::ShowFont() { finish(interaction_.fontDialog(*this)); }

void CommonDialog::finish(bool accepted) {
  if (!accepted && CancelError) {
    throw RuntimeError(kCancelError, QStringLiteral("Cancel was selected."));
  }
}

}  // namespace platform
