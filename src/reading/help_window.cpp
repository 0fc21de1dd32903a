#include "reading/help_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/files/textfile.h"
#include "shared/window_rules.h"

namespace reading {

const QString HelpWindow::kGettingStarted = QStringLiteral(
    "Getting started...\r\n\r\n"
    "Using this program is very easy.\r\n\r\n"
    "1.  Open a document or create one now.\r\n\r\n"
    "2.  You can listen to a single word by double-clicking on it, any group of words by "
    "highlighting them and paragraphs by pressing the 'Read' button.\r\n\r\n"
    "3.  You can edit your text and save the changes you have made. If Merlin gets in the way, "
    "simply turn him off.");

HelpWindow::HelpWindow(Voxlet& program) : Form(program), voxlet_(program) {
  setObjectName(QStringLiteral("HelpWindow"));
  setCaption(QStringLiteral("Voxlet! Help"));
  auto* page = new QWidget(this);
  helpBox = new platform::RichTextBox(page);
  helpBox->setObjectName(QStringLiteral("helpBox"));
  helpBox->setAccessibleName(QStringLiteral("Help"));
  closeButton = new QPushButton(QStringLiteral("Close"), page);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  gettingStartedButton = new QPushButton(QStringLiteral("Additional Help Getting Started"), page);
  gettingStartedButton->setObjectName(QStringLiteral("gettingStartedButton"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(gettingStartedButton);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(helpBox, 1);
  layout->addLayout(buttons);
  setCentralWidget(page);

  on(closeButton, &QPushButton::clicked, [this] { Unload(); });
  on(gettingStartedButton, &QPushButton::clicked, [this] { onGettingStarted(); });
}

void HelpWindow::load() {
  shared::FitToScreen(*this, shared::FitRule::Standard, voxlet_.runtime().screen());
  // Without its document the window still opens, with the box empty.
  if (const auto document = platform::textfile::readAll(HelpDocumentPath())) {
    helpBox->setTextRTF(*document);
  }
}

void HelpWindow::onGettingStarted() {
  helpBox->setText(QString());
  helpBox->setSelColor(Qt::black);
  helpBox->setSelUnderline(false);
  helpBox->setText(kGettingStarted);
}

}  // namespace reading
