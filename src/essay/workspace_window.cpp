#include "essay/workspace_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <functional>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/workspace_texts.h"
#include "platform/system/runtime_library.h"
#include "shared/about_box.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

const QColor kGrey = platform::rtl::Color(0xC0C0C0);
const QColor kLightYellow = platform::rtl::Color(0xC0FFFF);
const QString kPaperFont = QStringLiteral("Times New Roman");
constexpr double kPaperFontSize = 11;

platform::RichTextBox* makeBox(QWidget* parent, const QString& name, const QString& accessibleName) {
  auto* box = new platform::RichTextBox(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessibleName);
  return box;
}

}  // namespace

WorkspaceWindow::WorkspaceWindow(Quillora& program)
    : Form(program),
      fileDialog(program.runtime()),
      quillora_(program),
      store_(program.store) {
  setObjectName(QStringLiteral("WorkspaceWindow"));
  setCaption(program.title());
  createBoxes();
  createButtons();
  createLayout();
  createMenus();
  createToolBar();
  connectHandlers();
  exitThroughCloseBox([this] { return holdsWriting(); }, [this] { onExit(); });
}

bool WorkspaceWindow::holdsWriting() const {
  if (!paragraphBox->Text().isEmpty() || !FinishedRTF.isEmpty()) return true;
  for (const QString* paragraph :
       {&store_.IntroParagraph, &store_.MainIdea1Paragraph, &store_.MainIdea2Paragraph,
        &store_.MainIdea3Paragraph, &store_.ConclusionParagraph}) {
    if (!paragraph->isEmpty()) return true;
  }
  return false;
}

void WorkspaceWindow::createBoxes() {
  outlineLineBox = makeBox(this, QStringLiteral("outlineLineBox"), QStringLiteral("Outline line"));
  paragraphBox = makeBox(this, QStringLiteral("paragraphBox"), QStringLiteral("Paragraph"));
  stepsGuardBox = makeBox(this, QStringLiteral("stepsGuardBox"), QString());
  themeBox = makeBox(this, QStringLiteral("themeBox"), QStringLiteral("Theme"));
  for (std::size_t i = 0; i < detailBoxes.size(); ++i) {
    const QString number = QString::number(i + 1);
    detailBoxes[i] = makeBox(this, QStringLiteral("detailBox") + number,
                             QStringLiteral("Detail ") + number);
  }
  insertScratchBox = makeBox(this, QStringLiteral("insertScratchBox"), QString());
  essayScratchBox = makeBox(this, QStringLiteral("essayScratchBox"), QString());
  essayScratchBox->setFont(QFont(kPaperFont, 12));
  stepsGuardBox->hide();
  essayScratchBox->hide();
  insertScratchBox->hide();
  themeBox->setFixedHeight(fontMetrics().height() * 3);
}

void WorkspaceWindow::createButtons() {
  directionsButton =
      platform::named(new QPushButton(QStringLiteral("Directions"), this), "directionsButton");
  readMeButton = platform::named(new QPushButton(QStringLiteral("Read Me"), this), "readMeButton");
  introductionButton =
      platform::named(new QPushButton(QStringLiteral("Introduction"), this), "introductionButton");
  const QString mainIdeaCaptions[] = {QStringLiteral("Main Idea #1"),
                                      QStringLiteral(" Main Idea #2"),
                                      QStringLiteral("Main Idea #3")};
  for (std::size_t i = 0; i < mainIdeaButtons.size(); ++i) {
    mainIdeaButtons[i] = platform::named(new QPushButton(mainIdeaCaptions[i], this),
                                         QStringLiteral("mainIdeaButton%1").arg(i + 1));
  }
  finishButton = platform::named(new QPushButton(QStringLiteral("Finish"), this), "finishButton");
  conclusionButton =
      platform::named(new QPushButton(QStringLiteral("Conclusion"), this), "conclusionButton");
  outlineButton =
      platform::named(new QPushButton(QStringLiteral("Outline"), this), "outlineButton");
  previewButton =
      platform::named(new QPushButton(QStringLiteral("Preview"), this), "previewButton");
  createInsertButtons();
}

// The insert buttons carry no caption; their names tell a screen reader what they insert.
void WorkspaceWindow::createInsertButtons() {
  insertLineButton = platform::named(new QPushButton(QString(), this), "insertLineButton");
  for (std::size_t i = 0; i < insertDetailButtons.size(); ++i) {
    insertDetailButtons[i] = platform::named(new QPushButton(QString(), this),
                                             QStringLiteral("insertDetailButton%1").arg(i + 1));
  }
  const QString inserts[] = {QStringLiteral("Insert outline line"),
                             QStringLiteral("Insert detail 1"), QStringLiteral("Insert detail 2"),
                             QStringLiteral("Insert detail 3"), QStringLiteral("Insert detail 4")};
  const QList<QPushButton*> buttons = insertButtons();
  for (int i = 0; i < buttons.size(); ++i) {
    buttons[i]->setAccessibleName(inserts[i]);
    buttons[i]->setToolTip(inserts[i]);
    buttons[i]->setFixedWidth(24);
  }
}

void WorkspaceWindow::createLayout() {
  auto* steps = new QVBoxLayout;
  for (QPushButton* button : {directionsButton, readMeButton, introductionButton,
                              mainIdeaButtons[0], mainIdeaButtons[1], mainIdeaButtons[2],
                              conclusionButton, outlineButton, previewButton, finishButton}) {
    steps->addWidget(button);
  }
  steps->addStretch();

  auto* outline = new QGridLayout;
  const QList<platform::RichTextBox*> boxes = outlineBoxes();
  const QList<QPushButton*> inserts = insertButtons();
  for (int row = 0; row < boxes.size(); ++row) {
    outline->addWidget(boxes[row], row, 0);
    outline->addWidget(inserts[row], row, 1, Qt::AlignTop);
  }

  auto* work = new QHBoxLayout;
  work->addLayout(steps);
  work->addLayout(outline, 2);
  work->addWidget(paragraphBox, 3);

  backgroundTile = new QLabel(this);
  backgroundTile->setObjectName(QStringLiteral("backgroundTile"));
  backgroundTile->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  auto* central = new shared::TiledArea(this);
  central->setTile(backgroundTile->pixmap());
  auto* page = new QVBoxLayout(central);
  page->addWidget(themeBox);
  page->addLayout(work, 1);
  setCentralWidget(central);

  statusBar = new platform::StatusBar(this);
  statusBar->setObjectName(QStringLiteral("statusBar"));
  setStatusBar(statusBar);
}

void WorkspaceWindow::createMenus() {
  fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
  helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
  editMenu->menuAction()->setObjectName(QStringLiteral("editMenu"));
  addMenuEntries({
      {fileMenu, &openAssignmentAction, "openAssignmentAction", QStringLiteral("Open Assignment"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenAssignment(); }},
      {fileMenu, nullptr, "fileSeparator1", {}, {}, {}},
      {fileMenu, &saveAsAction, "saveAsAction", QStringLiteral("Save As"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onSaveAs(); }},
      {fileMenu, &printAction, "printAction", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { onPrint(); }},
      {fileMenu, nullptr, "fileSeparator2", {}, {}, {}},
      {fileMenu, &exitAction, "exitAction", QStringLiteral("&Exit"), {}, [this] { onExit(); }},
      {editMenu, &cutAction, "cutAction", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { onCut(); }},
      {editMenu, &copyAction, "copyAction", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { onCopy(); }},
      {editMenu, &pasteAction, "pasteAction", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { onPaste(); }},
      {helpMenu, &howToAction, "howToAction", QStringLiteral("How To..."), QKeySequence(Qt::Key_F1), [this] { showHelp(texts::kHowTo, QStringLiteral("Quillora")); }},
      {helpMenu, &programTipsAction, "programTipsAction", QStringLiteral("Program Tips"), QKeySequence(Qt::Key_F2), [this] { showHelp(texts::kProgramTips, quillora_.title()); }},
      {helpMenu, nullptr, "helpSeparator1", {}, {}, {}},
      {helpMenu, &checklistAction, "checklistAction", QStringLiteral("Assignment Checklist"), QKeySequence(Qt::Key_F5), [this] { showHelp(texts::kChecklist, QStringLiteral("Quillora")); }},
      {helpMenu, &sampleEssaysAction, "sampleEssaysAction", QStringLiteral("Sample Essays"), QKeySequence(Qt::Key_F6), [this] { onSampleEssays(); }},
      {helpMenu, &scoringRubricsAction, "scoringRubricsAction", QStringLiteral("Scoring Rubrics"), QKeySequence(Qt::Key_F7), [this] { quillora_.forms().get<RubricsWindow>().Show(); }},
      {helpMenu, nullptr, "helpSeparator2", {}, {}, {}},
      {helpMenu, &editorAction, "editorAction", QStringLiteral("Editor"), QKeySequence(Qt::Key_F12), [this] { onEditor(); }},
      {helpMenu, nullptr, "helpSeparator3", {}, {}, {}},
      {helpMenu, &aboutAction, "aboutAction", QStringLiteral("About "), {}, [this] { quillora_.forms().get<shared::AboutBox>().Show(); }},
  });
}

void WorkspaceWindow::createToolBar() {
  toolBar = new platform::ToolBar(this);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  toolBar->addButton(QStringLiteral("Open"), QStringLiteral("Open"));
  toolBar->addSeparatorButton();
  toolBar->addButton(QStringLiteral("Save"), QStringLiteral("Save"), QStringLiteral("Save As"));
  toolBar->addButton(QStringLiteral("Print"), QStringLiteral("Print"));
  toolBar->addSeparatorButton();
  toolBar->addButton(QStringLiteral("Cut"), QStringLiteral("Cut"));
  toolBar->addButton(QStringLiteral("Copy"), QStringLiteral("Copy"));
  toolBar->addButton(QStringLiteral("Paste"), QStringLiteral("Paste"));
  toolBar->addButton(QStringLiteral("Bold"), QStringLiteral("Bold"));
  toolBar->addButton(QStringLiteral("Italic"), QStringLiteral("Italic"));
  toolBar->addButton(QStringLiteral("Underline"), QStringLiteral("Underline"));
  toolBar->addButton(QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("Align left"));
  toolBar->addButton(QStringLiteral("Center"), QStringLiteral("Center"));
  toolBar->addSeparatorButton();
  toolBar->addButton(QStringLiteral("Examples"), QStringLiteral("Examples"));
  toolBar->addSeparatorButton();
  toolBar->addButton(QStringLiteral("Exit"), QStringLiteral("Exit"));
  addToolBar(toolBar);
}

void WorkspaceWindow::connectHandlers() {
  const std::pair<QPushButton*, std::function<void()>> steps[] = {
      {directionsButton, [this] { onDirectionsClicked(); }},
      {readMeButton, [this] { onReadMeClicked(); }},
      {introductionButton, [this] { onIntroductionClicked(); }},
      {mainIdeaButtons[0], [this] { onMainIdeaClicked(1); }},
      {mainIdeaButtons[1], [this] { onMainIdeaClicked(2); }},
      {mainIdeaButtons[2], [this] { onMainIdeaClicked(3); }},
      {finishButton, [this] { onFinishClicked(); }},
      {conclusionButton, [this] { onConclusionClicked(); }},
      {outlineButton, [this] { onOutlineClicked(); }},
      {previewButton, [this] { onPreviewClicked(); }}};
  for (const auto& [button, handler] : steps) on(button, &QPushButton::clicked, handler);
  connectOutlineBoxes();

  on(paragraphBox, &platform::RichTextBox::Click, [this] { onParagraphClicked(); });
  QObject::connect(paragraphBox, &platform::RichTextBox::KeyDown, this,
                   [this](int& keyCode, int shift) {
                     dispatch([this, &keyCode, shift] { onParagraphKeyDown(keyCode, shift); });
                   });
  QObject::connect(paragraphBox, &platform::RichTextBox::MouseUp, this,
                   [this](int button, int shift, double x, double y) {
                     dispatch([=, this] { onParagraphMouseUp(button, shift, x, y); });
                   });

  QObject::connect(toolBar, &platform::ToolBar::ButtonClick, this,
                   [this](const QString& key) { dispatch([this, key] { onToolButton(key); }); });
}

void WorkspaceWindow::connectOutlineBoxes() {
  const QList<platform::RichTextBox*> sources = outlineBoxes();
  const QList<QPushButton*> inserts = insertButtons();
  for (int i = 0; i < sources.size(); ++i) {
    platform::RichTextBox* box = sources[i];
    on(inserts[i], &QPushButton::clicked, [this, box] { insertOutlineText(box); });
    on(box, &platform::RichTextBox::Click, [this, box] { onOutlineBoxClicked(box); });
    QObject::connect(box, &platform::RichTextBox::KeyUp, this,
                     [this](int&, int) { dispatch([this] { SaveOutline(); }); });
    // No Ctrl shortcut (cut, copy, paste) reaches an outline box.
    QObject::connect(box, &platform::RichTextBox::KeyDown, this, [](int& keyCode, int shift) {
      if (shift == 2) keyCode = 0;
    });
  }
  QObject::connect(detailBoxes[3], &platform::RichTextBox::KeyPress, this,
                   [this](int&) { dispatch([this] { SaveOutline(); }); });
}

QList<platform::RichTextBox*> WorkspaceWindow::outlineBoxes() const {
  return {outlineLineBox, detailBoxes[0], detailBoxes[1], detailBoxes[2], detailBoxes[3]};
}

QList<QPushButton*> WorkspaceWindow::insertButtons() const {
  return {insertLineButton, insertDetailButtons[0], insertDetailButtons[1],
          insertDetailButtons[2], insertDetailButtons[3]};
}

QList<QPushButton*> WorkspaceWindow::stepButtons() const {
  return {directionsButton,   readMeButton,  introductionButton, mainIdeaButtons[0],
          mainIdeaButtons[1], mainIdeaButtons[2], finishButton,  conclusionButton,
          outlineButton,      previewButton};
}

void WorkspaceWindow::load() {
  platform::Runtime& runtime = quillora_.runtime();
  store_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, runtime.screen());
  OpensSinceSave = 0;
  PreviousStep = 0;
  for (platform::RichTextBox* box : {outlineLineBox, paragraphBox, themeBox, detailBoxes[0],
                                     detailBoxes[1], detailBoxes[2], detailBoxes[3]}) {
    box->setLocked(true);
  }
  for (platform::RichTextBox* box : detailBoxes) box->setBackColor(kGrey);
  statusBar->hide();
  editMenu->setEnabled(false);
  editMenu->menuAction()->setEnabled(false);
  shared::ApplyWindowPlacement(
      *this, shared::ReadWindowPlacement(runtime.userSettings(), quillora_.title(), runtime.screen()),
      true);
  paragraphBox->setSelFontName(kPaperFont);
  paragraphBox->setSelFontSize(kPaperFontSize);
  paragraphBox->setBackColor(kLightYellow);
  themeBox->setSelFontName(kPaperFont);
  themeBox->setSelFontSize(kPaperFontSize);
  DisableParagraphButtons();
  FinishCount = 0;
  themeBox->setLocked(true);
  paragraphBox->setLocked(true);
  for (int button : {kToolSave, kToolPrint, kToolCut, kToolCopy, kToolPaste, kToolBold,
                     kToolItalic, kToolUnderline, kToolLeft, kToolCenter}) {
    toolBar->setButtonEnabled(button, false);
  }
  backgroundTile->adjustSize();
  backgroundTile->hide();
  if (store_.FromBuilder) OpenAssignment();
}

void WorkspaceWindow::unload(int& /*cancel*/) {
  ClearAssignment();
  store_.EditorRTF.clear();
  shared::SaveWindowPlacement(*this, quillora_.runtime().userSettings(), quillora_.title());
  shared::MinimizeForm(*this);
}

void WorkspaceWindow::ClearAssignment() {
  for (platform::RichTextBox* box : {outlineLineBox, paragraphBox, stepsGuardBox, themeBox,
                                     detailBoxes[0], detailBoxes[1], detailBoxes[2],
                                     detailBoxes[3]}) {
    box->setText(QString());
  }
  DisableParagraphButtons();
  store_.ThemeLine.clear();
  DirectionsText.clear();
  ReadMeText.clear();
  store_.IntroLine.clear();
  MainIdea1Outline.clear();
  MainIdea2Outline.clear();
  MainIdea3Outline.clear();
  store_.ConclusionLine.clear();
  store_.IntroParagraph.clear();
  store_.MainIdea1Paragraph.clear();
  store_.MainIdea2Paragraph.clear();
  store_.MainIdea3Paragraph.clear();
  store_.ConclusionParagraph.clear();
  store_.StudentName.clear();
  store_.CurrentStep = kNoStep;
  paragraphBox->setLocked(true);
  PreviousStep = 0;
  LastStep = 0;
}

void WorkspaceWindow::DisableParagraphButtons() {
  if (!stepsGuardBox->Text().isEmpty()) return;
  for (QPushButton* button : {introductionButton, mainIdeaButtons[0], mainIdeaButtons[1],
                              mainIdeaButtons[2], conclusionButton, finishButton, outlineButton,
                              previewButton}) {
    button->setEnabled(false);
  }
}

}  // namespace essay
