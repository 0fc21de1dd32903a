#include "platform/windows/progress_box.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int kShowAfterMs = 1000;

}  // namespace

bool ProgressBox::update(qsizetype done, qsizetype total) {
  if (!dialog_) {
    dialog_ = std::make_unique<QProgressDialog>(text_, QStringLiteral("Cancel"), 0, 1, owner_);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoReset(false);
  }
  dialog_->setMaximum(static_cast<int>(std::max<qsizetype>(total, 1)));
  dialog_->setValue(static_cast<int>(std::min(done, total)));
  return !dialog_->wasCanceled();
}

}  // namespace platform
