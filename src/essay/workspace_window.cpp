#include "essay/workspace_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

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

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

WorkspaceWindow::WorkspaceWindow(Quillora& program)
    : Form(program),
      dlgCommonDialog(program.runtime()),
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
}

void WorkspaceWindow::createBoxes() {
  RichTextBox1 = makeBox(this, QStringLiteral("RichTextBox1"), QStringLiteral("Outline line"));
  RichTextBox2 = makeBox(this, QStringLiteral("RichTextBox2"), QStringLiteral("Paragraph"));
  RichTextBox3 = makeBox(this, QStringLiteral("RichTextBox3"), QString());
  RichTextBox4 = makeBox(this, QStringLiteral("RichTextBox4"), QStringLiteral("Theme"));
  RichTextBox6 = makeBox(this, QStringLiteral("RichTextBox6"), QStringLiteral("Detail 1"));
  RichTextBox7 = makeBox(this, QStringLiteral("RichTextBox7"), QStringLiteral("Detail 2"));
  RichTextBox8 = makeBox(this, QStringLiteral("RichTextBox8"), QStringLiteral("Detail 3"));
  RichTextBox9 = makeBox(this, QStringLiteral("RichTextBox9"), QStringLiteral("Detail 4"));
  RichTextBox10 = makeBox(this, QStringLiteral("RichTextBox10"), QString());
  RichTextBox5 = makeBox(this, QStringLiteral("RichTextBox5"), QString());
  RichTextBox5->setFont(QFont(kPaperFont, 12));
  RichTextBox3->hide();
  RichTextBox5->hide();
  RichTextBox10->hide();
  RichTextBox4->setFixedHeight(fontMetrics().height() * 3);
}

void WorkspaceWindow::createButtons() {
  Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Directions"));
  Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Read Me"));
  Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("Introduction"));
  Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("Main Idea #1"));
  Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral(" Main Idea #2"));
  Command6 = makeButton(this, QStringLiteral("Command6"), QStringLiteral("Main Idea #3"));
  Command7 = makeButton(this, QStringLiteral("Command7"), QStringLiteral("Finish"));
  Command8 = makeButton(this, QStringLiteral("Command8"), QStringLiteral("Conclusion"));
  Command10 = makeButton(this, QStringLiteral("Command10"), QStringLiteral("Outline"));
  Command11 = makeButton(this, QStringLiteral("Command11"), QStringLiteral("Preview"));
  // The insert buttons carry no caption; their names tell a screen reader what they insert.
  const QString inserts[] = {QStringLiteral("Insert outline line"),
                             QStringLiteral("Insert detail 1"), QStringLiteral("Insert detail 2"),
                             QStringLiteral("Insert detail 3"), QStringLiteral("Insert detail 4")};
  QPushButton** insertButtons[] = {&Command12, &Command13, &Command14, &Command15, &Command16};
  for (int i = 0; i < 5; ++i) {
    *insertButtons[i] = makeButton(this, QStringLiteral("Command%1").arg(12 + i), QString());
    (*insertButtons[i])->setAccessibleName(inserts[i]);
    (*insertButtons[i])->setToolTip(inserts[i]);
    (*insertButtons[i])->setFixedWidth(24);
  }
}

void WorkspaceWindow::createLayout() {
  auto* steps = new QVBoxLayout;
  for (QPushButton* button : {Command1, Command2, Command3, Command4, Command5, Command6,
                              Command8, Command10, Command11, Command7}) {
    steps->addWidget(button);
  }
  steps->addStretch();

  auto* outline = new QGridLayout;
  const QList<platform::RichTextBox*> boxes = {RichTextBox1, RichTextBox6, RichTextBox7,
                                               RichTextBox8, RichTextBox9};
  const QList<QPushButton*> inserts = {Command12, Command13, Command14, Command15, Command16};
  for (int row = 0; row < boxes.size(); ++row) {
    outline->addWidget(boxes[row], row, 0);
    outline->addWidget(inserts[row], row, 1, Qt::AlignTop);
  }

  auto* work = new QHBoxLayout;
  work->addLayout(steps);
  work->addLayout(outline, 2);
  work->addWidget(RichTextBox2, 3);

  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  auto* central = new shared::TiledArea(this);
  central->setTile(Picture1->pixmap());
  auto* page = new QVBoxLayout(central);
  page->addWidget(RichTextBox4);
  page->addLayout(work, 1);
  setCentralWidget(central);

  sbStatusBar = new platform::StatusBar(this);
  sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
  setStatusBar(sbStatusBar);
}

void WorkspaceWindow::createMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
  mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
  mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
  addMenuEntries({
      {mnuFile, &mnuOpenAssignment, "mnuOpenAssignment", QStringLiteral("Open Assignment"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenAssignment(); }},
      {mnuFile, nullptr, "mnuFileBar0", {}, {}, {}},
      {mnuFile, &mnuFileSaveAs, "mnuFileSaveAs", QStringLiteral("Save As"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { mnuFileSaveAs_Click(); }},
      {mnuFile, &mnuFilePrint, "mnuFilePrint", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { mnuFilePrint_Click(); }},
      {mnuFile, nullptr, "mnuFileBar1", {}, {}, {}},
      {mnuFile, &mnuFileExit, "mnuFileExit", QStringLiteral("&Exit"), {}, [this] { mnuFileExit_Click(); }},
      {mnuEdit, &mnuEditCut, "mnuEditCut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { mnuEditCut_Click(); }},
      {mnuEdit, &mnuEditCopy, "mnuEditCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { mnuEditCopy_Click(); }},
      {mnuEdit, &mnuEditPaste, "mnuEditPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { mnuEditPaste_Click(); }},
      {mnuHelp, &mnuHelpFile, "mnuHelpFile", QStringLiteral("How To..."), QKeySequence(Qt::Key_F1), [this] { showHelp(texts::kHowTo, QStringLiteral("Quillora")); }},
      {mnuHelp, &mnuHelpTips, "mnuHelpTips", QStringLiteral("Program Tips"), QKeySequence(Qt::Key_F2), [this] { showHelp(texts::kProgramTips, quillora_.title()); }},
      {mnuHelp, nullptr, "mnuHelpBar3", {}, {}, {}},
      {mnuHelp, &mnuHelpContents, "mnuHelpContents", QStringLiteral("Assignment Checklist"), QKeySequence(Qt::Key_F5), [this] { showHelp(texts::kChecklist, QStringLiteral("Quillora")); }},
      {mnuHelp, &mnuHelpExamples, "mnuHelpExamples", QStringLiteral("Sample Essays"), QKeySequence(Qt::Key_F6), [this] { mnuHelpExamples_Click(); }},
      {mnuHelp, &mnuHelpScoringRubric, "mnuHelpScoringRubric", QStringLiteral("Scoring Rubrics"), QKeySequence(Qt::Key_F7), [this] { quillora_.forms().get<RubricsWindow>().Show(); }},
      {mnuHelp, nullptr, "mnuHelpBar0", {}, {}, {}},
      {mnuHelp, &mnuEditor, "mnuEditor", QStringLiteral("Editor"), QKeySequence(Qt::Key_F12), [this] { mnuEditor_Click(); }},
      {mnuHelp, nullptr, "mnuHelpBar1", {}, {}, {}},
      {mnuHelp, &mnuHelpAbout, "mnuHelpAbout", QStringLiteral("About "), {}, [this] { quillora_.forms().get<shared::AboutBox>().Show(); }},
  });
}

void WorkspaceWindow::createToolBar() {
  tbToolBar = new platform::ToolBar(this);
  tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar->addButton(QStringLiteral("Open"), QStringLiteral("Open"));
  tbToolBar->addSeparatorButton();
  tbToolBar->addButton(QStringLiteral("Save"), QStringLiteral("Save"), QStringLiteral("Save As"));
  tbToolBar->addButton(QStringLiteral("Print"), QStringLiteral("Print"));
  tbToolBar->addSeparatorButton();
  tbToolBar->addButton(QStringLiteral("Cut"), QStringLiteral("Cut"));
  tbToolBar->addButton(QStringLiteral("Copy"), QStringLiteral("Copy"));
  tbToolBar->addButton(QStringLiteral("Paste"), QStringLiteral("Paste"));
  tbToolBar->addButton(QStringLiteral("Bold"), QStringLiteral("Bold"));
  tbToolBar->addButton(QStringLiteral("Italic"), QStringLiteral("Italic"));
  tbToolBar->addButton(QStringLiteral("Underline"), QStringLiteral("Underline"));
  tbToolBar->addButton(QStringLiteral("Left"), QStringLiteral("Left"), QStringLiteral("Align left"));
  tbToolBar->addButton(QStringLiteral("Center"), QStringLiteral("Center"));
  tbToolBar->addSeparatorButton();
  tbToolBar->addButton(QStringLiteral("Examples"), QStringLiteral("Examples"));
  tbToolBar->addSeparatorButton();
  tbToolBar->addButton(QStringLiteral("Exit"), QStringLiteral("Exit"));
  addToolBar(tbToolBar);
}

void WorkspaceWindow::connectHandlers() {
  const std::pair<QPushButton*, void (WorkspaceWindow::*)()> steps[] = {
      {Command1, &WorkspaceWindow::Command1_Click},   {Command2, &WorkspaceWindow::Command2_Click},
      {Command3, &WorkspaceWindow::Command3_Click},   {Command4, &WorkspaceWindow::Command4_Click},
      {Command5, &WorkspaceWindow::Command5_Click},   {Command6, &WorkspaceWindow::Command6_Click},
      {Command7, &WorkspaceWindow::Command7_Click},   {Command8, &WorkspaceWindow::Command8_Click},
      {Command10, &WorkspaceWindow::Command10_Click}, {Command11, &WorkspaceWindow::Command11_Click}};
  for (const auto& [button, handler] : steps) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }

  const QList<platform::RichTextBox*> sources = outlineBoxes();
  const QList<QPushButton*> inserts = {Command12, Command13, Command14, Command15, Command16};
  const QList<int> numbers = {1, 6, 7, 8, 9};
  for (int i = 0; i < sources.size(); ++i) {
    platform::RichTextBox* box = sources[i];
    const int number = numbers[i];
    on(inserts[i], &QPushButton::clicked, [this, box] { insertOutlineText(box); });
    on(box, &platform::RichTextBox::Click, [this, number] { outlineBoxClicked(number); });
    QObject::connect(box, &platform::RichTextBox::KeyUp, this,
                     [this](int&, int) { dispatch([this] { SaveOutline(); }); });
    // No Ctrl shortcut (cut, copy, paste) reaches an outline box.
    QObject::connect(box, &platform::RichTextBox::KeyDown, this, [](int& keyCode, int shift) {
      if (shift == 2) keyCode = 0;
    });
  }
  QObject::connect(RichTextBox9, &platform::RichTextBox::KeyPress, this,
                   [this](int&) { dispatch([this] { SaveOutline(); }); });

  on(RichTextBox2, &platform::RichTextBox::Click, [this] { RichTextBox2_Click(); });
  QObject::connect(RichTextBox2, &platform::RichTextBox::KeyDown, this,
                   [this](int& keyCode, int shift) {
                     dispatch([this, &keyCode, shift] { RichTextBox2_KeyDown(keyCode, shift); });
                   });
  QObject::connect(RichTextBox2, &platform::RichTextBox::MouseUp, this,
                   [this](int button, int shift, double x, double y) {
                     dispatch([=, this] { RichTextBox2_MouseUp(button, shift, x, y); });
                   });


  QObject::connect(tbToolBar, &platform::ToolBar::ButtonClick, this,
                   [this](const QString& key) { dispatch([this, key] { tbToolBar_ButtonClick(key); }); });
}

QList<platform::RichTextBox*> WorkspaceWindow::outlineDetailBoxes() const {
  return {RichTextBox6, RichTextBox7, RichTextBox8, RichTextBox9};
}

QList<platform::RichTextBox*> WorkspaceWindow::outlineBoxes() const {
  return {RichTextBox1, RichTextBox6, RichTextBox7, RichTextBox8, RichTextBox9};
}

QList<QPushButton*> WorkspaceWindow::stepButtons() const {
  return {Command1, Command2, Command3, Command4, Command5,
          Command6, Command7, Command8, Command10, Command11};
}

void WorkspaceWindow::load() {
  platform::Runtime& runtime = quillora_.runtime();
  store_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, runtime.screen());
  OpensSinceSave = 0;
  PreviousStep = 0;
  for (platform::RichTextBox* box : {RichTextBox1, RichTextBox2, RichTextBox4, RichTextBox6,
                                     RichTextBox7, RichTextBox8, RichTextBox9}) {
    box->setLocked(true);
  }
  for (platform::RichTextBox* box : outlineDetailBoxes()) box->setBackColor(kGrey);
  sbStatusBar->hide();
  mnuEdit->setEnabled(false);
  mnuEdit->menuAction()->setEnabled(false);
  shared::ApplyWindowPlacement(
      *this, shared::ReadWindowPlacement(runtime.userSettings(), quillora_.title(), runtime.screen()),
      true);
  RichTextBox2->setSelFontName(kPaperFont);
  RichTextBox2->setSelFontSize(kPaperFontSize);
  RichTextBox2->setBackColor(kLightYellow);
  RichTextBox4->setSelFontName(kPaperFont);
  RichTextBox4->setSelFontSize(kPaperFontSize);
  DisableParagraphButtons();
  FinishCount = 0;
  RichTextBox4->setLocked(true);
  RichTextBox2->setLocked(true);
  for (int button : {kToolSave, kToolPrint, kToolCut, kToolCopy, kToolPaste, kToolBold,
                     kToolItalic, kToolUnderline, kToolLeft, kToolCenter}) {
    tbToolBar->setButtonEnabled(button, false);
  }
  Picture1->adjustSize();
  Picture1->hide();
  if (store_.FromBuilder) OpenAssignment();
}

void WorkspaceWindow::unload(int& /*cancel*/) {
  ClearAssignment();
  store_.EditorRTF.clear();
  shared::SaveWindowPlacement(*this, quillora_.runtime().userSettings(), quillora_.title());
  shared::MinimizeForm(*this);
}

void WorkspaceWindow::ClearAssignment() {
  for (platform::RichTextBox* box : {RichTextBox1, RichTextBox2, RichTextBox3, RichTextBox4,
                                     RichTextBox6, RichTextBox7, RichTextBox8, RichTextBox9}) {
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
  RichTextBox2->setLocked(true);
  PreviousStep = 0;
  LastStep = 0;
}

void WorkspaceWindow::DisableParagraphButtons() {
  if (!RichTextBox3->Text().isEmpty()) return;
  for (QPushButton* button : {Command3, Command4, Command5, Command6, Command8, Command7,
                              Command10, Command11}) {
    button->setEnabled(false);
  }
}

}  // namespace essay
