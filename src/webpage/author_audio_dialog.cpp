#include "webpage/author_audio_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/system/errors.h"

namespace webpage {

AuthorAudioDialog::AuthorAudioDialog(Webloom& program)
    : Form(program), fileDialog(program.runtime()), webloom_(program) {
  setObjectName(QStringLiteral("AuthorAudioDialog"));
  setCaption(QStringLiteral("Author's Name / Audio Links"));
  auto* page = new QWidget(this);
  setCentralWidget(page);

  instructionsLabel = new QLabel(
      QStringLiteral("Select the first check box if you want to create a link from your name to a "
                     "file .  Select the second check box if you want to create a push button link "
                     "to another file."),
      page);
  instructionsLabel->setObjectName(QStringLiteral("instructionsLabel"));
  instructionsLabel->setWordWrap(true);
  authorCheck = new QCheckBox(QStringLiteral("Link to author's name."), page);
  authorCheck->setObjectName(QStringLiteral("authorCheck"));
  audioCheck = new QCheckBox(QStringLiteral("Push button link."), page);
  audioCheck->setObjectName(QStringLiteral("audioCheck"));
  buttonTextLabel = new QLabel(QStringLiteral("Button Text"), page);
  buttonTextLabel->setObjectName(QStringLiteral("buttonTextLabel"));
  buttonTextBox = new platform::TextBox(page);
  buttonTextBox->setObjectName(QStringLiteral("buttonTextBox"));
  buttonTextBox->setAccessibleName(buttonTextLabel->text());
  buttonTextLabel->setBuddy(buttonTextBox);
  okButton = new QPushButton(QStringLiteral("OK"), page);
  okButton->setObjectName(QStringLiteral("okButton"));
  cancelButton = new QPushButton(QStringLiteral("Cancel"), page);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));

  auto* caption = new QHBoxLayout;
  caption->addWidget(buttonTextLabel);
  caption->addWidget(buttonTextBox, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  auto* column = new QVBoxLayout(page);
  column->addWidget(instructionsLabel);
  column->addWidget(authorCheck);
  column->addWidget(audioCheck);
  column->addLayout(caption);
  column->addLayout(buttons);

  on(okButton, &QPushButton::clicked, [this] { onOk(); });
  on(cancelButton, &QPushButton::clicked, [this] { Unload(); });
}

void AuthorAudioDialog::onOk() {
  if (!authorCheck->isChecked() && !audioCheck->isChecked()) return;
  PageLinks& links = webloom_.links;
  links.audioButtonCaption = buttonTextBox->Text();
  if (authorCheck->isChecked()) {
    const QString file = chooseFile(QStringLiteral("Save Link To Author's Name..."), false);
    if (file.isEmpty()) return;
    links.authorLinkFile = file;
  }
  if (audioCheck->isChecked()) {
    const QString file = chooseFile(QStringLiteral("Save Link To Audio File..."), true);
    if (file.isEmpty()) return;
    links.audioFile = file;
  }
  Hide();
}

QString AuthorAudioDialog::chooseFile(const QString& title, bool cancelError) {
  // Cancel must not hand back the file chosen the time before.
  fileDialog.FileName.clear();
  fileDialog.DialogTitle = title;
  fileDialog.CancelError = cancelError;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("All Files (*.*)|*.*");
  if (!fileDialog.TryShowSave()) return QString();
  return fileDialog.FileName;
}

}  // namespace webpage
