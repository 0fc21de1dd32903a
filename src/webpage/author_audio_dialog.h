#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/text/textbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "webpage/webloom.h"

namespace webpage {

// Links the author's name on the page to a file, and puts a push button on the page that opens
// another file (a recording, say). OK hides it, keeping its choices for the next opening.
class AuthorAudioDialog : public platform::Form {
 public:
  using Context = Webloom;
  explicit AuthorAudioDialog(Webloom& program);

  QLabel* instructionsLabel;
  QCheckBox* authorCheck;
  QCheckBox* audioCheck;
  QLabel* buttonTextLabel;
  platform::TextBox* buttonTextBox;
  QPushButton* okButton;
  QPushButton* cancelButton;
  platform::CommonDialog fileDialog;

 private:
  void onOk();
  // The file chosen in a save dialog with this title; "" when none was chosen.
  QString chooseFile(const QString& title, bool cancelError);

  Webloom& webloom_;
};

}  // namespace webpage
