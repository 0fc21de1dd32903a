#include "platform/windows/progress_box.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int kShowAfterMs = 1000;
// The bar's steps: a count of bytes may be far beyond what the bar counts in.
constexpr int kSteps = 10000;

}  // namespace

bool ProgressBox::update(qsizetype done, qsizetype total) {
  if (!dialog_) {
    dialog_ =
        std::make_unique<QProgressDialog>(text_, QStringLiteral("Cancel"), 0, kSteps, owner_);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    dialog_->setAutoReset(false);
  }
  const double part = total > 0 ? static_cast<double>(std::min(done, total)) / total : 0.0;
  dialog_->setValue(static_cast<int>(part * kSteps));
  return !dialog_->wasCanceled();
}

}  // namespace platform
