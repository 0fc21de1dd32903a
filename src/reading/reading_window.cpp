#include "reading/reading_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/system/runtime_library.h"
#include "reading/help_window.h"
#include "shared/about_box.h"
#include "shared/clipboard_handover.h"
#include "shared/small_routines.h"
#include "shared/window_rules.h"

namespace reading {
namespace {

const QString kCaption = QStringLiteral("Voxlet!");
const QString kFinishedSearching = QStringLiteral("Voxlet! has finished searching the document.");
const QString kSilentCharacter = QStringLiteral(
    "Merlin cannot be heard on this computer: no speech voice or sound device was found.\r\n"
    "He will show what he says in his balloon instead.");

constexpr int kEnterKey = 13;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xE0E0E0;
constexpr std::uint32_t kBlack = 0;

// Where the owl stands on screens of the usual heights; on any other it stays at the first.
struct CharacterPlace {
  int screenHeight;
  int x;
  int y;
};
constexpr CharacterPlace kCharacterPlaces[] = {
    {768, 645, 475}, {864, 710, 520}, {1024, 770, 600}, {1200, 940, 690}};
constexpr int kCharacterX = 535;
constexpr int kCharacterY = 380;

platform::RichTextBox* richBox(const char* name, const QString& accessibleName, QWidget* parent) {
  auto* box = new platform::RichTextBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(accessibleName);
  return box;
}

}  // namespace

ReadingWindow::ReadingWindow(Voxlet& program)
    : Form(program), fileDialog(program.runtime()), voxlet_(program) {
  setObjectName(QStringLiteral("ReadingWindow"));
  setCaption(kCaption);
  createControls();
  createToolBar();
  layOut();
  connectHandlers();
  exitThroughCloseBox([this] { return !textBox->Text().isEmpty(); }, [this] { onExit(); });
}

ReadingWindow::~ReadingWindow() = default;

void ReadingWindow::createControls() {
  auto* page = new QWidget(this);
  setCentralWidget(page);
  // A definition reads like the text it explains, in the same face and size.
  const QFont reading(QStringLiteral("Arial"), 14);
  textBox = richBox("textBox", QStringLiteral("Text"), page);
  textBox->setFont(reading);
  definitionBox = richBox("definitionBox", QStringLiteral("Definition"), page);
  definitionBox->setFont(reading);
  searchBox = richBox("searchBox", QStringLiteral("Find"), page);
  searchBox->setFixedHeight(searchBox->fontMetrics().height() * 2);
  searchBox->setLineWrapMode(QTextEdit::NoWrap);
  findButton = platform::named(new QPushButton(QStringLiteral("Find"), page), "findButton");
  nextButton = platform::named(new QPushButton(QStringLiteral("Next"), page), "nextButton");
  speechButton =
      platform::named(new QPushButton(QString::fromLatin1(kSpeechOnCaption), page), "speechButton");
  readButton = platform::named(new QPushButton(QStringLiteral("Read"), page), "readButton");
  stopButton = platform::named(new QPushButton(QStringLiteral("Stop"), page), "stopButton");
  aboutButton = platform::named(new QPushButton(QStringLiteral("About"), page), "aboutButton");
  backgroundFrame = new QGroupBox(QStringLiteral("Background"), page);
  backgroundFrame->setObjectName(QStringLiteral("backgroundFrame"));
  whiteOption = new QRadioButton(QStringLiteral("White"), backgroundFrame);
  whiteOption->setObjectName(QStringLiteral("whiteOption"));
  greyOption = new QRadioButton(QStringLiteral("Grey"), backgroundFrame);
  greyOption->setObjectName(QStringLiteral("greyOption"));
  blackOption = new QRadioButton(QStringLiteral("Black"), backgroundFrame);
  blackOption->setObjectName(QStringLiteral("blackOption"));
  pictureLabel = new QLabel(page);
  pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
  pictureLabel->setAccessibleName(QStringLiteral("Picture"));
  pictureLabel->setAlignment(Qt::AlignCenter);
  pictureLabel->setMinimumSize(160, 160);
  pictureLabel->setFrameShape(QFrame::StyledPanel);
  pictureLabel->installEventFilter(this);
  definitionBox->viewport()->installEventFilter(this);

  statusBar = new platform::StatusBar(this);
  statusBar->setObjectName(QStringLiteral("statusBar"));
  statusBar->setClock(&voxlet_.runtime().clock());
  statusBar->addPanel(platform::StatusBar::PanelStyle::Text, QStringLiteral("Status"));
  statusBar->addPanel(platform::StatusBar::PanelStyle::Date);
  statusBar->addPanel(platform::StatusBar::PanelStyle::Time);
  setStatusBar(statusBar);
}

void ReadingWindow::createToolBar() {
  toolBar = new platform::ToolBar(this);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  const std::pair<const char*, const char*> buttons[] = {
      {"New", "New"}, {"Open", "Open"},   {"Save", "Save As"}, {"Print", "Print"},
      {"Font", "Font"}, {"Help", "Help"}, {"Exit", "Exit"}};
  for (const auto& [key, tip] : buttons) {
    toolBar->addButton(QString::fromLatin1(key), QString::fromLatin1(key), QString::fromLatin1(tip));
  }
  addToolBar(toolBar);
}

void ReadingWindow::layOut() {
  auto* schemes = new QVBoxLayout(backgroundFrame);
  for (QRadioButton* option : {whiteOption, greyOption, blackOption}) schemes->addWidget(option);

  // The reading commands sit under the text; the owl stands beside it, over the picture side.
  auto* commands = new QHBoxLayout;
  for (QPushButton* button : {speechButton, readButton, stopButton}) commands->addWidget(button);
  commands->addSpacing(24);
  commands->addWidget(searchBox, 1);
  commands->addWidget(findButton);
  commands->addWidget(nextButton);
  auto* reading = new QVBoxLayout;
  reading->addWidget(textBox, 1);
  reading->addLayout(commands);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(backgroundFrame);
  bottom->addStretch();
  bottom->addWidget(aboutButton, 0, Qt::AlignBottom);
  auto* side = new QVBoxLayout;
  side->addWidget(definitionBox, 1);
  side->addWidget(pictureLabel, 1);
  side->addLayout(bottom);

  auto* page = new QHBoxLayout(centralWidget());
  page->addLayout(reading, 2);
  page->addLayout(side, 1);
}

void ReadingWindow::connectHandlers() {
  const std::pair<QPushButton*, void (ReadingWindow::*)()> buttons[] = {
      {findButton, &ReadingWindow::onFind},       {nextButton, &ReadingWindow::onNext},
      {speechButton, &ReadingWindow::ToggleSpeech}, {readButton, &ReadingWindow::ReadParagraph},
      {stopButton, &ReadingWindow::onStop},
  };
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler] { (this->*handler)(); });
  }
  on(aboutButton, &QPushButton::clicked, [this] { voxlet_.forms().get<shared::AboutBox>().Show(); });
  on(whiteOption, &QRadioButton::clicked, [this] { onWhite(); });
  on(greyOption, &QRadioButton::clicked, [this] { onGrey(); });
  on(blackOption, &QRadioButton::clicked, [this] { onBlack(); });
  QObject::connect(toolBar, &platform::ToolBar::ButtonClick, this,
                   [this](const QString& key) { dispatch([this, key] { onToolButton(key); }); });
  // Enter in the search box is a search, never a line break inside the term.
  QObject::connect(searchBox, &platform::RichTextBox::KeyPress, this, [this](int& keyAscii) {
    if (keyAscii != kEnterKey) return;
    keyAscii = 0;
    dispatch([this] { onFind(); });
  });
  QObject::connect(textBox, &platform::RichTextBox::MouseUp, this,
                   [this](int, int, double, double) { dispatch([this] { SpeakSelection(); }); });
}

bool ReadingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == definitionBox->viewport()) dispatch([this] { definitionBox->hide(); });
    if (watched == pictureLabel) dispatch([this] { definitionBox->show(); });
  }
  return Form::eventFilter(watched, event);
}

void ReadingWindow::load() {
  const int height =
      shared::FitToScreen(*this, shared::FitRule::ReadingMain, voxlet_.runtime().screen());
  voxlet_.ScreenHeightPixels = height;
  whiteOption->setChecked(true);
  onWhite();
  SpeechOn = true;
  shared::ApplyWindowPlacement(
      *this,
      shared::ReadWindowPlacement(voxlet_.runtime().userSettings(), voxlet_.title(),
                                  voxlet_.runtime().screen()),
      false);
  if (const auto handedOver = shared::TakeHandOver(voxlet_.runtime().clipboard())) {
    textBox->ReceiveText(*handedOver);
  }
  Show();
  // The owl comes, greets, and may warn that it cannot be heard, once the window is on the screen.
  afterFirstDrawn([this, height] { placeCharacter(height); });
}

platform::SpeakingCharacter& ReadingWindow::character() {
  if (!character_) {
    character_ = voxlet_.runtime().createCharacter();
    QObject::connect(character_.get(), &platform::SpeakingCharacter::speechUnavailable, this,
                     [this] { dispatch([this] { warnSilentCharacter(); }); });
    characterLoaded_ =
        character_->load(QString::fromLatin1(platform::SpeakingCharacter::kOwl));
  }
  return *character_;
}

void ReadingWindow::placeCharacter(int screenHeightPixels) {
  int x = kCharacterX;
  int y = kCharacterY;
  for (const CharacterPlace& place : kCharacterPlaces) {
    if (place.screenHeight == screenHeightPixels) {
      x = place.x;
      y = place.y;
    }
  }
  platform::SpeakingCharacter& owl = character();
  owl.serve(*this, voxlet_.runtime().screen().availableGeometry());
  owl.MoveTo(x, y);
  owl.Show();
  owl.Play(QStringLiteral("Greet"));
  owl.Play(QStringLiteral("RestPose"));
  owl.Speak(QStringLiteral("Let's read!"));
  if (!characterLoaded_ || !owl.speechAvailable()) warnSilentCharacter();
}

void ReadingWindow::warnSilentCharacter() {
  // Once is enough: the owl goes on showing what it would say.
  if (warnedSilent_) return;
  warnedSilent_ = true;
  voxlet_.MsgBox(kSilentCharacter, platform::vbExclamation, kCaption);
}

void ReadingWindow::unload(int& /*cancel*/) {
  const QList<platform::Form*> loaded = voxlet_.forms().loaded();
  for (auto window = loaded.crbegin(); window != loaded.crend(); ++window) {
    if (*window != this) voxlet_.forms().unload(**window);
  }
  shared::SaveWindowPlacement(*this, voxlet_.runtime().userSettings(), voxlet_.title());
  shared::MinimizeForm(*this);
}

void ReadingWindow::onToolButton(const QString& key) {
  platform::RunToolCommand(key, {{"New", [this] { onNew(); }},
                                 {"Open", [this] { onOpen(); }},
                                 {"Save", [this] { onSave(); }},
                                 {"Print", [this] { onPrint(); }},
                                 {"Font", [this] { ChooseTextFont(); }},
                                 {"Help", [this] { onHelp(); }},
                                 {"Exit", [this] { onExit(); }}});
}

void ReadingWindow::onHelp() {
  voxlet_.forms().get<HelpWindow>().Show();
  // The owl leaves at once, not after what it is still reading.
  character().Stop();
  character().Hide();
}

void ReadingWindow::onExit() {
  // Gone before the question, not after what it is still reading.
  character().Stop();
  character().Hide();
  if (voxlet_.MsgBox(QStringLiteral("Exit?"), platform::vbYesNo | platform::vbQuestion) ==
      platform::vbYes) {
    Unload();
  }
}

void ReadingWindow::onFind() { showSearchResult(textBox->Find(searchBox->Text(), 0), 0); }

void ReadingWindow::onNext() { showSearchResult(textBox->Find(searchBox->Text(), FoundAt + 1), 1); }

void ReadingWindow::showSearchResult(int position, int least) {
  FoundAt = position;
  if (FoundAt < least) {
    voxlet_.MsgBox(kFinishedSearching, platform::vbOKOnly);
    searchBox->setFocus();
    searchBox->selectAll();
    return;
  }
  textBox->setFocus();
}

void ReadingWindow::applyScheme(std::uint32_t back, std::uint32_t text) {
  // The scheme is only how the screen shows the text: the words keep their own colours, so that
  // a save or a print gives them as a word processor shows them.
  for (platform::RichTextBox* box : {textBox, definitionBox, searchBox}) {
    box->setShownColours(platform::rtl::Color(back), platform::rtl::Color(text));
    box->setSelStart(0);
  }
  definitionBox->show();
}

void ReadingWindow::onWhite() { applyScheme(kWhite, kBlack); }
void ReadingWindow::onGrey() { applyScheme(kGrey, kBlack); }

void ReadingWindow::onBlack() {
  applyScheme(kBlack, kWhite);
  definitionBox->setFocus();
}

void ReadingWindow::reapplyBlack() {
  if (blackOption->isChecked()) onBlack();
}

}  // namespace reading
