// Opening an assignment in the workspace: from the builder or from a file.
#include <QFileInfo>

#include "essay/assignment_file.h"
#include "essay/essay_text.h"
#include "essay/workspace_window.h"
#include "essay/workspace_texts.h"
#include "platform/system/errors.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "platform/system/runtime_library.h"
#include "shared/reg_settings.h"

namespace essay {
namespace {

const QColor kGrey = platform::rtl::Color(0xC0C0C0);
const QColor kLightYellow = platform::rtl::Color(0xC0FFFF);
const QString kSetting = QStringLiteral("Setting");
const QString kOpenPath = QStringLiteral("OpenPath");

// The file name less its last three characters (".ql").
QString assignmentName(const QString& path) {
  return QFileInfo(path).fileName().chopped(qMin(3, static_cast<int>(QFileInfo(path).fileName().size())));
}

}  // namespace

void WorkspaceWindow::OpenAssignment() {
  if (store_.FromBuilder) {
    openFromBuilder();
  } else {
    openChosenFile();
  }
}

// Opening turns the Finish button on; only clearing the assignment turns it off again.
bool WorkspaceWindow::holdsAssignment() const { return finishButton->isEnabled(); }

void WorkspaceWindow::openFromBuilder() {
  store_.FromBuilder = false;
  resetStepHistory();
  OutlineText = BuildOutline(store_);
  ++OpensSinceSave;
  outlineLineBox->setTextRTF(store_.IntroLine);
  EnableStepButtons();
  setPressed(nullptr);
  themeBox->setText(store_.ThemeLine);
  paragraphBox->setLocked(true);
  paragraphBox->setBackColor(kLightYellow);
  setToolButtons({kToolSave, kToolPrint, kToolCut, kToolCopy, kToolPaste}, true);
  setToolButtons({kToolBold, kToolItalic, kToolUnderline, kToolLeft, kToolCenter}, false);
  switchOnOutlineBoxes();
  MainIdea1Outline = MainIdeaBlock{store_.MainIdea1Line, store_.MainIdea1Details}.joined();
  MainIdea2Outline = MainIdeaBlock{store_.MainIdea2Line, store_.MainIdea2Details}.joined();
  MainIdea3Outline = MainIdeaBlock{store_.MainIdea3Line, store_.MainIdea3Details}.joined();
  if (store_.StudentName.isEmpty()) AskStudentName();
  store_.CurrentFile = store_.BuilderFilePath.isEmpty()
                           ? QStringLiteral("***This file has not been named or saved***")
                           : QFileInfo(store_.BuilderFilePath).completeBaseName();
  showAssignmentCaption(8);
  editMenu->setEnabled(true);
  editMenu->menuAction()->setEnabled(true);
  onIntroductionClicked();
  paragraphBox->setFocus();
  store_.BuilderFilePath.clear();
  greyDetailBoxes();
}

void WorkspaceWindow::openChosenFile() {
  ++OpensSinceSave;
  if (OpensSinceSave > 1 &&
      quillora_.MsgBox(texts::kOpenNewFile, platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Quillora")) != platform::vbYes) {
    return;
  }
  const std::optional<QString> path = chooseAssignmentFile();
  if (!path) {
    // Nothing was opened, so nothing stands to be lost by the next open either.
    --OpensSinceSave;
    return;
  }
  const std::optional<QString> text = readAssignmentText(*path);
  if (!text) {
    quillora_.MsgBox(texts::cannotOpen(*path), platform::vbExclamation);
    --OpensSinceSave;
    return;
  }

  store_.LastOpenedFile = *path;
  try {
    shared::SaveRegSetting(quillora_.runtime().registry(), quillora_.title(), kSetting, kOpenPath,
                           *path);
  } catch (const platform::RuntimeError&) {
    // The last path is a convenience; the assignment opens without it.
  }
  store_.CurrentFile = assignmentName(*path);
  ClearAssignment();
  resetStepHistory();
  toolBar->setButtonEnabled(kToolSave, false);
  loadAssignmentText(*text);
  OutlineText = BuildOutline(store_);
  outlineLineBox->setTextRTF(store_.IntroLine);
  EnableStepButtons();
  setPressed(introductionButton);
  themeBox->setText(store_.ThemeLine);
  paragraphBox->setLocked(true);
  paragraphBox->setSelColor(Qt::black);
  paragraphBox->setBackColor(kLightYellow);
  setToolButtons({kToolSave, kToolPrint}, true);
  setToolButtons({kToolCut, kToolCopy, kToolPaste, kToolBold, kToolItalic, kToolUnderline,
                  kToolLeft, kToolCenter},
                 false);
  switchOnOutlineBoxes();
  showAssignmentCaption(3);
  editMenu->setEnabled(false);
  editMenu->menuAction()->setEnabled(false);
  onIntroductionClicked();
  greyDetailBoxes();
}

std::optional<QString> WorkspaceWindow::chooseAssignmentFile() {
  QString lastPath = store_.LastOpenedFile;
  try {
    lastPath = shared::GetRegSetting(quillora_.runtime().registry(), quillora_.title(), kSetting,
                                     kOpenPath, store_.LastOpenedFile);
  } catch (const platform::RuntimeError&) {
    lastPath.clear();
  }
  if (store_.FirstOpen) {
    fileDialog.InitDir = openStartFolder(lastPath);
    // With nothing opened before, the sample assignments are the place to start.
    if (fileDialog.InitDir.isEmpty()) {
      fileDialog.InitDir = platform::locations::suiteFilesFolder();
    }
  } else {
    fileDialog.FileName = lastPath;
  }
  fileDialog.DialogTitle = QStringLiteral("Open");
  fileDialog.CancelError = true;
  fileDialog.Flags = platform::cdlOFNHideReadOnly;
  fileDialog.Filter = QStringLiteral("Quillora Files(*.ql)|*.ql");
  if (!fileDialog.TryShowOpen()) return std::nullopt;
  if (fileDialog.FileName.isEmpty()) return std::nullopt;
  store_.FirstOpen = false;
  return fileDialog.FileName;
}

void WorkspaceWindow::loadAssignmentText(const QString& text) {
  const bool fullLayout = text.startsWith(QLatin1Char('`'));
  if (!fullLayout || text.mid(1, 1) == QLatin1String("`")) AskStudentName();
  const Assignment read = parseAssignment(text);
  if (fullLayout && store_.StudentName.isEmpty()) store_.StudentName = read.studentName;
  store_.ThemeLine = read.themeLine;
  store_.IntroLine = read.introLine;
  MainIdea1Outline = read.mainIdeaBlocks[0];
  MainIdea2Outline = read.mainIdeaBlocks[1];
  MainIdea3Outline = read.mainIdeaBlocks[2];
  const MainIdeaBlock blocks[] = {MainIdeaBlock::split(MainIdea1Outline),
                                  MainIdeaBlock::split(MainIdea2Outline),
                                  MainIdeaBlock::split(MainIdea3Outline)};
  store_.MainIdea1Line = blocks[0].line;
  store_.MainIdea1Details = blocks[0].details;
  store_.MainIdea2Line = blocks[1].line;
  store_.MainIdea2Details = blocks[1].details;
  store_.MainIdea3Line = blocks[2].line;
  store_.MainIdea3Details = blocks[2].details;
  store_.ConclusionLine = read.conclusionLine;
  if (!fullLayout) return;
  store_.IntroParagraph = read.paragraphs[0];
  store_.MainIdea1Paragraph = read.paragraphs[1];
  store_.MainIdea2Paragraph = read.paragraphs[2];
  store_.MainIdea3Paragraph = read.paragraphs[3];
  store_.ConclusionParagraph = read.paragraphs[4];
}

// A new assignment starts afresh: no step, paragraph or finished essay of the old one carries over.
void WorkspaceWindow::resetStepHistory() {
  PreviousStep = 0;
  LastStep = 0;
  store_.CurrentStep = kNoStep;
  FinishCount = 0;
  FinishedRTF.clear();
}

// There is no way out but a name the assignment file can hold: Save As would refuse any other.
void WorkspaceWindow::AskStudentName() {
  QString name;
  for (;;) {
    name = quillora_.InputBox(QStringLiteral("Please enter your full name."),
                              QStringLiteral("Student Name"), name);
    if (name.isEmpty()) continue;
    const QChar unstorable = unstorableNameCharacter(name);
    if (unstorable.isNull()) break;
    quillora_.MsgBox(texts::unstorableNameCharacter(unstorable), platform::vbExclamation);
  }
  store_.StudentName = name;
}

void WorkspaceWindow::EnableStepButtons() {
  introductionButton->setEnabled(true);
  mainIdeaButtons[0]->setEnabled(true);
  mainIdeaButtons[1]->setEnabled(MainIdeaHasText(store_.MainIdea2Line));
  mainIdeaButtons[2]->setEnabled(MainIdeaHasText(store_.MainIdea3Line));
  for (QPushButton* button : {finishButton, conclusionButton, outlineButton, previewButton}) {
    button->setEnabled(true);
  }
}

void WorkspaceWindow::showAssignmentCaption(int blanksAfterTitle) {
  setCaption(QStringLiteral("Quillora") + QString(blanksAfterTitle, QLatin1Char(' ')) +
             store_.CurrentFile + QString(19, QLatin1Char(' ')) + store_.StudentName);
}

void WorkspaceWindow::switchOnOutlineBoxes() {
  for (platform::RichTextBox* box :
       {outlineLineBox, detailBoxes[0], detailBoxes[1], detailBoxes[2]}) {
    box->setEnabled(true);
  }
  greyDetailBoxes();
}

void WorkspaceWindow::setToolButtons(std::initializer_list<int> positions, bool enabled) {
  for (int position : positions) toolBar->setButtonEnabled(position, enabled);
}

}  // namespace essay
