#include "webpage/editor_window.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/files/locations.h"
#include "platform/windows/picture.h"
#include "platform/system/runtime_library.h"
#include "shared/about_box.h"
#include "shared/clipboard_handover.h"
#include "shared/rich_edit.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"
#include "webpage/author_audio_dialog.h"

namespace webpage {
namespace {

const QString kCaption = QStringLiteral("Webloom");

QLabel* captionLabel(const QString& caption, const char* name, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAutoFillBackground(true);
  return label;
}

platform::TextBox* fieldBox(const char* name, QLabel* label, QWidget* parent) {
  auto* box = new platform::TextBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(label->text());
  label->setBuddy(box);
  return box;
}

}  // namespace

EditorWindow::EditorWindow(Webloom& program)
    : Form(program), fileDialog(program.runtime()), webloom_(program) {
  setObjectName(QStringLiteral("EditorWindow"));
  setCaption(kCaption);
  createControls();
  layOut();
  connectHandlers();
  exitThroughCloseBox([this] { return holdsWriting(); }, [this] { onExit(); });
}

bool EditorWindow::holdsWriting() const {
  for (const platform::TextBox* box : {titleBarBox, paperTitleBox, authorBox}) {
    if (!box->Text().isEmpty()) return true;
  }
  return !textBox->Text().isEmpty();
}

void EditorWindow::createControls() {
  auto* background = new shared::TiledArea(this);
  background->setTile(platform::SuitePicture(QStringLiteral(":/pictures/tile.png")));
  setCentralWidget(background);

  titleBarLabel =
      captionLabel(QStringLiteral("Assignment  (on title bar)"), "titleBarLabel", background);
  titleBarBox = fieldBox("titleBarBox", titleBarLabel, background);
  paperTitleLabel = captionLabel(QStringLiteral("Title                (of the paper)"),
                                 "paperTitleLabel", background);
  paperTitleBox = fieldBox("paperTitleBox", paperTitleLabel, background);
  authorLabel = captionLabel(QStringLiteral("Author"), "authorLabel", background);
  authorBox = fieldBox("authorBox", authorLabel, background);
  linksLabel = captionLabel(QStringLiteral("Links"), "linksLabel", background);
  savePreviewLabel =
      captionLabel(QStringLiteral("Save and Preview"), "savePreviewLabel", background);

  textBox = new platform::RichTextBox(background);
  textBox->setObjectName(QStringLiteral("textBox"));
  textBox->setAccessibleName(QStringLiteral("Text"));
  textBox->setFont(QFont(QStringLiteral("Times New Roman"), 12));

  autoLinkCheck = new QCheckBox(QStringLiteral("Auto-Link Off"), background);
  autoLinkCheck->setObjectName(QStringLiteral("autoLinkCheck"));
  autoLinkCheck->setAutoFillBackground(true);
  newButton = platform::named(new QPushButton(QStringLiteral("New"), background), "newButton");
  openButton = platform::named(new QPushButton(QStringLiteral("Open"), background), "openButton");
  linkButton =
      platform::named(new QPushButton(QStringLiteral("Link To Text"), background), "linkButton");
  saveTextButton = platform::named(new QPushButton(QStringLiteral("Save As Text"), background),
                                   "saveTextButton");
  saveHtmlButton = platform::named(new QPushButton(QStringLiteral("Save As HTML"), background),
                                   "saveHtmlButton");
  exitButton = platform::named(new QPushButton(QStringLiteral("Exit"), background), "exitButton");
  deleteLinkButton = platform::named(new QPushButton(QStringLiteral("Delete Link"), background),
                                     "deleteLinkButton");
  helpButton = platform::named(new QPushButton(QStringLiteral("Help"), background), "helpButton");
  authorAudioButton =
      platform::named(new QPushButton(QStringLiteral("Author Link? Button Link?"), background),
                      "authorAudioButton");
  aboutButton =
      platform::named(new QPushButton(QStringLiteral("About"), background), "aboutButton");
  previewButton =
      platform::named(new QPushButton(QStringLiteral("Preview"), background), "previewButton");
}

void EditorWindow::layOut() {
  auto* fields = new QGridLayout;
  const std::pair<QLabel*, platform::TextBox*> rows[] = {
      {titleBarLabel, titleBarBox}, {paperTitleLabel, paperTitleBox}, {authorLabel, authorBox}};
  int row = 0;
  for (const auto& [label, box] : rows) {
    fields->addWidget(label, row, 0);
    fields->addWidget(box, row++, 1);
  }

  auto* commands = new QVBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{
           newButton, openButton, linksLabel, linkButton, deleteLinkButton, autoLinkCheck,
           authorAudioButton, savePreviewLabel, saveTextButton, saveHtmlButton, previewButton}) {
    commands->addWidget(widget);
  }
  commands->addStretch();
  for (QWidget* widget : {helpButton, aboutButton, exitButton}) commands->addWidget(widget);

  auto* page = new QGridLayout(centralWidget());
  page->addLayout(fields, 0, 0);
  page->addWidget(textBox, 1, 0);
  page->addLayout(commands, 0, 1, 2, 1);
  page->setRowStretch(1, 1);
  page->setColumnStretch(0, 1);
}

void EditorWindow::connectHandlers() {
  const std::pair<QPushButton*, void (EditorWindow::*)()> buttons[] = {
      {newButton, &EditorWindow::onNew},
      {openButton, &EditorWindow::onOpen},
      {linkButton, &EditorWindow::onLinkToText},
      {saveTextButton, &EditorWindow::onSaveAsText},
      {saveHtmlButton, &EditorWindow::onSaveAsHtml},
      {exitButton, &EditorWindow::onExit},
      {deleteLinkButton, &EditorWindow::onDeleteLink},
      {helpButton, &EditorWindow::onHelp},
      {authorAudioButton, &EditorWindow::onAuthorAudioLinks},
      {aboutButton, &EditorWindow::onAbout},
      {previewButton, &EditorWindow::onPreview},
  };
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler] { (this->*handler)(); });
  }
  on(autoLinkCheck, &QCheckBox::clicked, [this] { onAutoLinkToggled(); });
  QObject::connect(textBox, &platform::RichTextBox::MouseUp, this,
                   [this](int, int, double, double) { dispatch([this] { onTextMouseUp(); }); });
  QObject::connect(textBox, &platform::RichTextBox::KeyPress, this, [this](int& keyAscii) {
    dispatch([this, keyAscii] { onTextKeyPress(keyAscii); });
  });
  QObject::connect(textBox, &platform::RichTextBox::KeyDown, this, [this](int& keyCode, int shift) {
    dispatch([this, &keyCode, shift] {
      platform::Clipboard& clipboard = webloom_.runtime().clipboard();
      shared::RunClipboardShortcut(
          keyCode, shift,
          {[this, &clipboard] { shared::CutSelection(*textBox, clipboard); },
           [this, &clipboard] { shared::CopySelection(*textBox, clipboard); },
           [this, &clipboard] { shared::PasteInto(*textBox, clipboard); }});
    });
  });
}

void EditorWindow::load() {
  webloom_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, webloom_.runtime().screen());
  if (const auto handedOver = shared::TakeHandOver(webloom_.runtime().clipboard())) {
    textBox->ReceiveText(*handedOver);
  }
}

void EditorWindow::unload(int& /*cancel*/) { shared::MinimizeForm(*this); }

void EditorWindow::onNew() {
  if (webloom_.MsgBox(QStringLiteral("Start a new document?"),
                      platform::vbYesNo | platform::vbQuestion, kCaption) != platform::vbYes) {
    return;
  }
  webloom_.links.authorLinkFile.clear();
  webloom_.links.audioFile.clear();
  for (platform::TextBox* box : {titleBarBox, paperTitleBox, authorBox}) box->setText(QString());
  textBox->setText(QString());
  links_.clear();
  titleBarBox->setFocus();
}

void EditorWindow::onAutoLinkToggled() {
  autoLinkCheck->setText(autoLinkCheck->isChecked() ? QStringLiteral("Auto-Link On")
                                                    : QStringLiteral("Auto-Link Off"));
  textBox->setFocus();
}

void EditorWindow::onTextMouseUp() {
  if (autoLinkCheck->isChecked() && textBox->SelLength() > 1) onLinkToText();
}

void EditorWindow::onHelp() {
  // A missing sample page or browser is no reason to bother the user.
  webloom_.runtime().shell().openDocument(platform::locations::webPageSampleFile());
}

void EditorWindow::onAuthorAudioLinks() { webloom_.forms().get<AuthorAudioDialog>().Show(); }

void EditorWindow::onAbout() { webloom_.forms().get<shared::AboutBox>().Show(); }

}  // namespace webpage
