#include "essay/start_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/editor_window.h"
#include "essay/assignment_builder_window.h"
#include "essay/workspace_window.h"
#include "platform/files/locations.h"
#include "platform/windows/picture.h"
#include "platform/windows/picture_button.h"
#include "shared/os_version.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

struct Choice {
  QPushButton** button;
  QLabel** label;
  const char* name;
  const char* labelName;
  QString text;
  QString tip;
  QString picture;
};

QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& text, const QString& tip) {
  auto* button = new platform::PictureButton(parent);
  button->setObjectName(name);
  button->setIcon(platform::SuitePicture(picture));
  button->setIconSize(QSize(48, 48));
  button->setFixedSize(64, 64);
  button->setToolTip(tip);
  // The picture alone says nothing to a screen reader; the label beside it does.
  button->setAccessibleName(text);
  button->setAccessibleDescription(tip);
  return button;
}

}  // namespace

StartWindow::StartWindow(Quillora& program) : Form(program), quillora_(program) {
  setObjectName(QStringLiteral("StartWindow"));
  setCaption(QStringLiteral("Quillora"));
  createControls();
  connectHandlers();
  exitThroughCloseBox([this] { return writingWouldBeLost(); }, [this] { onExit(); });
}

void StartWindow::createControls() {
  background_ = new shared::TiledArea(this);
  tilePicture = new QLabel(this);
  tilePicture->setObjectName(QStringLiteral("tilePicture"));
  tilePicture->setPixmap(platform::SuitePicture(QStringLiteral(":/pictures/tile.png")));
  background_->setTile(tilePicture->pixmap());
  background_->setMouseTracking(true);
  background_->installEventFilter(this);
  setCentralWidget(background_);

  const Choice choices[] = {
      {&builderButton, &builderLabel, "builderButton", "builderLabel",
       QStringLiteral("Create An Assignment..."), QStringLiteral("Create An Assignment..."),
       QStringLiteral(":/pictures/create.png")},
      {&workspaceButton, &workspaceLabel, "workspaceButton", "workspaceLabel",
       QStringLiteral("Open An Assignment..."), QStringLiteral("Open and Write An Assignment..."),
       QStringLiteral(":/pictures/open.png")},
      {&editorButton, &editorLabel, "editorButton", "editorLabel",
       QStringLiteral("Edit or Type An Assignment..."),
       QStringLiteral("Edit or Type An Assignment..."), QStringLiteral(":/pictures/edit.png")},
      {&samplePapersButton, &samplePapersLabel, "samplePapersButton", "samplePapersLabel",
       QStringLiteral("Read Sample Papers"),
       QStringLiteral("5th, 8th and 11th Grade Sample Papers"),
       QStringLiteral(":/pictures/samples.png")},
      {&rubricsButton, &rubricsLabel, "rubricsButton", "rubricsLabel",
       QStringLiteral("View the Rubrics"), QStringLiteral("5th, 8th and 11th Grade Rubrics"),
       QStringLiteral(":/pictures/rubrics.png")},
  };

  auto* page = new QVBoxLayout(background_);
  questionLabel = new QLabel(QStringLiteral("What do you want to do?"), background_);
  questionLabel->setObjectName(QStringLiteral("questionLabel"));
  questionLabel->setToolTip(QStringLiteral("Click this question to get started!"));
  questionLabel->setCursor(Qt::PointingHandCursor);
  questionLabel->setMouseTracking(true);
  questionLabel->installEventFilter(this);
  QFont question = questionLabel->font();
  question.setPointSizeF(question.pointSizeF() * 1.6);
  question.setBold(true);
  questionLabel->setFont(question);
  page->addWidget(questionLabel, 0, Qt::AlignHCenter);

  auto* grid = new QGridLayout;
  int row = 0;
  for (const Choice& choice : choices) {
    *choice.button = pictureButton(background_, QString::fromLatin1(choice.name), choice.picture,
                                   choice.text, choice.tip);
    *choice.label = new QLabel(choice.text, background_);
    (*choice.label)->setObjectName(QString::fromLatin1(choice.labelName));
    (*choice.label)->setBuddy(*choice.button);
    QFont font = (*choice.label)->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    (*choice.label)->setFont(font);
    grid->addWidget(*choice.button, row, 0);
    grid->addWidget(*choice.label, row, 1);
    ++row;
  }
  auto* centred = new QHBoxLayout;
  centred->addStretch();
  centred->addLayout(grid);
  centred->addStretch();
  page->addStretch();
  page->addLayout(centred);
  page->addStretch();
}

void StartWindow::connectHandlers() {
  on(builderButton, &QPushButton::clicked, [this] { onBuilderClicked(); });
  on(workspaceButton, &QPushButton::clicked, [this] { onWorkspaceClicked(); });
  on(editorButton, &QPushButton::clicked, [this] { onEditorClicked(); });
  on(samplePapersButton, &QPushButton::clicked, [this] { onSamplePapersClicked(); });
  on(rubricsButton, &QPushButton::clicked, [this] { onRubricsClicked(); });
}

void StartWindow::load() {
  quillora_.store.FirstOpen = true;
  hover_ = true;
  switch (shared::OsVersion(quillora_.osVersion).CurrentPlatform()) {
    case 0: quillora_.store.IsWinNT = false; break;
    case 1: quillora_.store.IsWinNT = true; break;
    default: break;
  }
  quillora_.store.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
  tilePicture->adjustSize();
  tilePicture->hide();
}

void StartWindow::unload(int& /*cancel*/) {
  quillora_.forms().unloadAll();
  shared::SaveWindowPlacement(*this, quillora_.runtime().userSettings(), quillora_.title());
  shared::MinimizeForm(*this);
}

bool StartWindow::writingWouldBeLost() const {
  platform::Forms& forms = quillora_.forms();
  return (forms.isLoaded<WorkspaceWindow>() && forms.get<WorkspaceWindow>().holdsWriting()) ||
         (forms.isLoaded<EditorWindow>() && forms.get<EditorWindow>().holdsWriting());
}

// Closing the start screen ends the program, so it asks as the workspace's Exit does.
void StartWindow::onExit() {
  if (quillora_.ConfirmExit()) Unload();
}

void StartWindow::onBuilderClicked() { quillora_.forms().get<AssignmentBuilderWindow>().Show(); }

void StartWindow::onWorkspaceClicked() { quillora_.forms().get<WorkspaceWindow>().Show(); }

void StartWindow::onEditorClicked() { quillora_.forms().get<EditorWindow>().Show(); }

void StartWindow::onSamplePapersClicked() { quillora_.forms().get<WorkedExamplesWindow>().Show(); }

void StartWindow::onRubricsClicked() { quillora_.forms().get<RubricsWindow>().Show(); }

void StartWindow::onQuestionClicked() {
  EditorWindow& editor = quillora_.forms().get<EditorWindow>();
  editor.documentBox->setText(GettingStartedText());
  editor.Show();
}

QString StartWindow::GettingStartedText() {
  const QStringList steps = {
      QStringLiteral("1.  A good start might be to choose 'Create An Assignment.'"),
      QStringLiteral("2.  On this screen press the button labeled 'Open for Editing.'"),
      QStringLiteral("3.  Go to %1 and find QL Sample Assignments. Double-click.")
          .arg(platform::locations::suiteFilesFolderForDisplay()),
      QStringLiteral("4.  Choose one of the three assignments provided. This assignment is already "
                     "completed, but it will show you how each part of the program works."),
      QStringLiteral("5.  Notice that the outline is filled in."),
      QStringLiteral("6.  Next, press 'Use this outline now!'"),
      QStringLiteral("7.  You are now in the composing part of the program. Press the buttons "
                     "across the top, Introduction, Main Idea #1, etc."),
      QStringLiteral("8.  Notice that the outline for each paragraph appears on the left and the "
                     "paragraph itself appears on the right."),
      QStringLiteral("9.  You can see the whole document by pressing 'Preview' and the whole "
                     "outline by pressing 'Outline.'"),
      QStringLiteral("10.  Pressing 'Finish' will put the document together along with a heading. "
                     "You can polish and refine it here or press F12."),
      QStringLiteral("11.  Sample papers and Rubrics are available from the drop-down menus or "
                     "from the first screen of the program."),
  };
  return QStringLiteral("Getting started...\r\n\r\n") + steps.join(QStringLiteral("\r\n"));
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && watched == background_) {
    dispatch([this] { onBackgroundMouseMove(); });
  } else if (event->type() == QEvent::MouseMove && watched == questionLabel) {
    dispatch([this] { onQuestionMouseMove(); });
    return true;  // the background under the label must not see it too
  } else if (watched == questionLabel && event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    dispatch([this] { onQuestionClicked(); });
    return true;
  }
  return Form::eventFilter(watched, event);
}

void StartWindow::onBackgroundMouseMove() {
  QFont font = questionLabel->font();
  font.setUnderline(false);
  questionLabel->setFont(font);
  hover_ = true;
}

void StartWindow::onQuestionMouseMove() {
  if (hover_) {
    QFont font = questionLabel->font();
    font.setUnderline(true);
    questionLabel->setFont(font);
  }
  hover_ = false;
}

}  // namespace essay
