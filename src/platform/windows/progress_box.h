#pragma once

#include <QProgressDialog>
#include <QString>
#include <memory>

namespace platform {

// A progress box for long work: it appears only when the work lasts, and its Cancel stops it.
// Its clock starts with the first update, so questions asked before the work do not count.
class ProgressBox {
 public:
  ProgressBox(QWidget* owner, const QString& text) : owner_(owner), text_(text) {}
  // Shows how far the work is; false once the user has cancelled.
  bool update(qsizetype done, qsizetype total);

 private:
  QWidget* owner_;
  QString text_;
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace platform
