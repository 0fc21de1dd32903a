#include "vocabulary/password_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "vocabulary/class_info_window.h"
#include "vocabulary/password_check.h"
#include "vocabulary/score_report_window.h"
#include "vocabulary/word_list_editor_window.h"

namespace vocabulary {

using platform::named;
PasswordDialog::PasswordDialog(Lexorama& program) : Form(program), lexorama_(program) {
  setObjectName(QStringLiteral("PasswordDialog"));
  setCaption(QStringLiteral("Login"));
  auto* central = new QWidget(this);
  userNameLabel = named(new QLabel(QStringLiteral("&User Name:"), central), "userNameLabel");
  userNameBox = named(new QLineEdit(central), "userNameBox");
  userNameHint = named(new QLabel(QStringLiteral("Last Name, First Name"), central), "userNameHint");
  passwordLabel = named(new QLabel(QStringLiteral("&Password:"), central), "passwordLabel");
  passwordBox = named(new QLineEdit(central), "passwordBox");
  passwordBox->setEchoMode(QLineEdit::Password);
  okButton = named(new QPushButton(QStringLiteral("OK"), central), "okButton");
  cancelButton = named(new QPushButton(QStringLiteral("Cancel"), central), "cancelButton");
  userNameLabel->setBuddy(userNameBox);
  passwordLabel->setBuddy(passwordBox);
  userNameBox->setAccessibleName(QStringLiteral("User Name:"));
  passwordBox->setAccessibleName(QStringLiteral("Password:"));
  okButton->setDefault(true);

  auto* grid = new QGridLayout(central);
  grid->addWidget(userNameLabel, 0, 0);
  grid->addWidget(userNameBox, 0, 1);
  grid->addWidget(userNameHint, 1, 1);
  grid->addWidget(passwordLabel, 2, 0);
  grid->addWidget(passwordBox, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  grid->addLayout(buttons, 3, 0, 1, 2);
  setCentralWidget(central);
  // A dialog of one row and two buttons: the window system gives it no resize handle, which
  // would show as a stray line under the buttons, and it takes the size of the rows shown.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  on(okButton, &QPushButton::clicked, [this] { onOkClicked(); });
  on(passwordBox, &QLineEdit::returnPressed, [this] { onOkClicked(); });
  on(cancelButton, &QPushButton::clicked, [this] { onCancelClicked(); });
}

void PasswordDialog::load() {
  lexorama_.practice.LoginMode = 2;
  passwordLabel->hide();
  passwordBox->hide();
  userNameBox->clear();
  userNameBox->show();
  userNameLabel->show();
  userNameHint->show();
}

void PasswordDialog::showPasswordRow() {
  userNameBox->hide();
  userNameLabel->hide();
  userNameHint->hide();
  passwordBox->show();
  passwordLabel->show();
  passwordBox->setFocus();
}

void PasswordDialog::onOkClicked() {
  if (passwordBox->isHidden()) return;
  const QString typed = passwordBox->text();
  if (typed.isEmpty()) return;
  PracticeState& practice = lexorama_.practice;
  if (PasswordAccepted(typed, practice.PasswordValue)) {
    openTarget(practice.LoginTarget);
  } else {
    lexorama_.MsgBox(QStringLiteral("The password you entered was incorrect."));
  }
  practice.LoginTarget.clear();
  Unload();
}

void PasswordDialog::openTarget(const QString& target) {
  if (target == QLatin1String("Assignment")) lexorama_.forms().get<WordListEditorWindow>().Show();
  if (target == QLatin1String("Report")) lexorama_.forms().get<ScoreReportWindow>().Show();
  if (target == QLatin1String("Edit")) lexorama_.forms().get<ClassInfoWindow>().Show();
}

void PasswordDialog::onCancelClicked() { Hide(); }

}  // namespace vocabulary
