#include "vocabulary/main_window.h"

#include <QFileInfo>
#include <QMenuBar>
#include <QStyle>

#include "platform/system/errors.h"
#include "shared/print_rtb.h"
#include "shared/window_rules.h"
#include "vocabulary/help_texts.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"
#include "vocabulary/practice_setup_window.h"
#include "vocabulary/vocabulary_about_box.h"

namespace vocabulary {
namespace {

constexpr int kGuideSideMargin = 720;
constexpr int kGuideTopBottomMargin = 360;

}  // namespace

MainWindow::MainWindow(Lexorama& program)
    : Form(program),
      printDialog(program.runtime().interaction(), program.runtime().printer()),
      lexorama_(program),
      practice_(program.practice) {
  setObjectName(QStringLiteral("MainWindow"));
  setCaption(QStringLiteral("Lexorama"));
  childArea = new platform::ChildArea(this);
  childArea->setObjectName(QStringLiteral("childArea"));
  setCentralWidget(childArea);
  program.childArea = childArea;
  createMenus();
  createToolBar();
  statusBar = new platform::StatusBar(this);
  statusBar->setObjectName(QStringLiteral("statusBar"));
  statusBar->addPanel();
  setStatusBar(statusBar);
}

void MainWindow::createMenus() {
  fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu->setObjectName(QStringLiteral("fileMenu"));
  teacherMenu = menuBar()->addMenu(QStringLiteral("&Teacher"));
  teacherMenu->setObjectName(QStringLiteral("teacherMenu"));
  addMenuEntries({
      {fileMenu, &scoresAction, "scoresAction", QStringLiteral("&Scores"),
       QKeySequence(Qt::Key_F12), [this] { onScores(); }},
      {fileMenu, &printStudyGuideAction, "printStudyGuideAction",
       QStringLiteral("&Print Study Guide"), QKeySequence(Qt::CTRL | Qt::Key_P),
       [this] { onPrintStudyGuide(); }},
      {fileMenu, &printSetupAction, "printSetupAction", QStringLiteral("Print Setup"), {},
       [this] { onPrintSetup(); }},
      {fileMenu, nullptr, "fileSeparator", {}, {}, {}},
      {fileMenu, &aboutAction, "aboutAction", QStringLiteral("About"), {}, [this] { onAbout(); }},
      {fileMenu, nullptr, "aboutSeparator", {}, {}, {}},
      {fileMenu, &exitAction, "exitAction", QStringLiteral("E&xit"), {}, [this] { onExit(); }},
      {teacherMenu, &createAssignmentAction, "createAssignmentAction",
       QStringLiteral("Create Assignment"), {},
       [this] { onTeacherEntry(QStringLiteral("Assignment")); }},
      {teacherMenu, &createReportAction, "createReportAction", QStringLiteral("Create Report"), {},
       [this] { onTeacherEntry(QStringLiteral("Report")); }},
      {teacherMenu, &editClassInfoAction, "editClassInfoAction", QStringLiteral("Edit Class Info"),
       {}, [this] { onTeacherEntry(QStringLiteral("Edit")); }},
      {teacherMenu, nullptr, "teacherSeparator", {}, {}, {}},
      {teacherMenu, &gettingStartedAction, "gettingStartedAction",
       QStringLiteral("Getting Started"), {}, [this] { onGettingStarted(); }},
  });
}

void MainWindow::createToolBar() {
  toolBar = new platform::ToolBar(this);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  toolBar->addButton(QStringLiteral("Open"), QStringLiteral("Open"),
                     QStringLiteral("Open Assignment File"));
  toolBar->addSeparatorButton();
  toolBar->addButton(QStringLiteral("Help"), QStringLiteral("Help"), QStringLiteral("Help"));
  toolBar->setButtonPicture(QStringLiteral("Open"),
                            style()->standardIcon(QStyle::SP_DialogOpenButton));
  toolBar->setButtonPicture(QStringLiteral("Help"),
                            style()->standardIcon(QStyle::SP_DialogHelpButton));
  addToolBar(toolBar);
  QObject::connect(toolBar, &platform::ToolBar::ButtonClick, this, [this](const QString& key) {
    dispatch([this, key] { onToolButton(key); });
  });
}

void MainWindow::load() {
  const platform::Runtime& runtime = lexorama_.runtime();
  practice_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::VocabularyMain, runtime.screen());
  teacherMenu->menuAction()->setVisible(QFileInfo::exists(PasswordCheckFilePath()));
  // Loaded now, shown by the teacher entries.
  lexorama_.forms().get<PasswordDialog>();
  shared::ApplyWindowPlacement(
      *this, shared::ReadWindowPlacement(runtime.userSettings(), lexorama_.title(), runtime.screen()),
      false);
  Show();
  // The options window opens inside the main window once that is on the screen.
  afterFirstDrawn([this] { lexorama_.forms().get<PracticeSetupWindow>().Show(); });
}

void MainWindow::unload(int& /*cancel*/) {
  shared::SaveWindowPlacement(*this, lexorama_.runtime().userSettings(), lexorama_.title());
  UnloadAllForms(lexorama_);
}

void MainWindow::onScores() { showScoreSummary(SummaryKind::Scores); }

void MainWindow::onExit() {
  showScoreSummary(SummaryKind::Exit);
  UnloadAllForms(lexorama_);
}

void MainWindow::showScoreSummary(SummaryKind kind) {
  MarkUnknownResults(practice_);
  lexorama_.MsgBox(ScoreSummaryText(practice_, kind), platform::vbInformation,
                   QStringLiteral("Scores"));
}

void MainWindow::onPrintStudyGuide() {
  PracticeSetupWindow& setup = lexorama_.forms().get<PracticeSetupWindow>();
  if (setup.wordListPathBox->text().isEmpty()) {
    lexorama_.MsgBox(QStringLiteral("You must open a file in Step 3 to print a Study Guide."));
    return;
  }
  setup.studyGuideBox->setText(StudyGuideText(practice_));
  const shared::PrintResult printed =
      shared::PrintWholeBox(printDialog, *setup.studyGuideBox, kGuideSideMargin,
                            kGuideTopBottomMargin, kGuideSideMargin, kGuideTopBottomMargin,
                            lexorama_.runtime().printer());
  switch (printed.outcome) {
    case shared::PrintOutcome::Printed:
      lexorama_.MsgBox(QStringLiteral("Study Guide printed."));
      break;
    case shared::PrintOutcome::Failed:
      lexorama_.MsgBox(QStringLiteral("The Study Guide could not be printed. ") + printed.failure,
                       platform::vbExclamation);
      break;
    case shared::PrintOutcome::Cancelled:
      break;
  }
  setup.studyGuideBox->setText(QString());
}

void MainWindow::onPrintSetup() {
  printDialog.DialogTitle = QStringLiteral("Print Setup");
  printDialog.CancelError = true;
  printDialog.Flags = platform::cdlPDPrintSetup;
  try {
    printDialog.ShowPrinter();
  } catch (const platform::RuntimeError&) {
    // Cancel keeps the printer as it was.
  }
}

void MainWindow::onAbout() { lexorama_.forms().get<VocabularyAboutBox>().Show(); }

void MainWindow::onTeacherEntry(const QString& target) {
  if (lexorama_.forms().get<PracticeSetupWindow>().wordListPathBox->text().isEmpty()) {
    lexorama_.MsgBox(QStringLiteral("You must first select an assignment file in Step 3."));
    return;
  }
  practice_.LoginTarget = target;
  ShowLogin();
}

void MainWindow::ShowLogin() {
  if (practice_.LoginMode == 0) return;
  PasswordDialog& dialog = lexorama_.forms().get<PasswordDialog>();
  dialog.showPasswordRow();
  dialog.Show();
}

void MainWindow::onGettingStarted() {
  lexorama_.MsgBox(GettingStartedText(), platform::vbOKOnly, QStringLiteral("Getting Started"));
}

void MainWindow::onToolButton(const QString& key) {
  platform::RunToolCommand(key, {
      {"Open", [this] { ToolbarOpen(); }},
      {"Help", [this] { showHelp(); }},
  });
}

void MainWindow::ToolbarOpen() {
  const platform::Form* front = childArea->activeChild();
  if (front && front->objectName() == QLatin1String("PracticeSetupWindow")) {
    lexorama_.forms().get<PracticeSetupWindow>().openFileButton->click();
  }
  PracticeSetupWindow& setup = lexorama_.forms().get<PracticeSetupWindow>();
  if (!setup.isVisible()) setup.Show();
}

void MainWindow::showHelp() {
  const platform::Form* front = childArea->activeChild();
  const QString name = front ? front->objectName() : QString();
  lexorama_.MsgBox(HelpText(name, teacherMenu->menuAction()->isVisible()));
}

}  // namespace vocabulary
