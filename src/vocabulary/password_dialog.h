#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/windows/form.h"
#include "vocabulary/lexorama.h"

namespace vocabulary {

// Stands between the teacher entries and the teacher windows: the right password opens the
// window the entry asked for.
class PasswordDialog : public platform::Form {
 public:
  using Context = Lexorama;
  explicit PasswordDialog(Lexorama& program);

  QLabel* userNameLabel;
  QLineEdit* userNameBox;
  QLabel* userNameHint;
  QLabel* passwordLabel;
  QLineEdit* passwordBox;
  QPushButton* okButton;
  QPushButton* cancelButton;

  // Shows the password row in place of the user-name row.
  void showPasswordRow();
  void onOkClicked();
  void onCancelClicked();

 protected:
  void load() override;

 private:
  void openTarget(const QString& target);

  Lexorama& lexorama_;
};

}  // namespace vocabulary
