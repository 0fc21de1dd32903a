#pragma once

#include <QProgressDialog>
#include <QString>

namespace platform {

// A progress box for long work: it appears only when the work lasts, and its Cancel stops it.
class ProgressBox {
 public:
  ProgressBox(QWidget* owner, const QString& text);
  // Shows how far the work is; false once the user has cancelled.
  bool update(qsizetype done, qsizetype total);

 private:
  QProgressDialog dialog_;
};

}  // namespace platform
