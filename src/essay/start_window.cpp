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
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setIcon(QIcon(picture));
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
}

void StartWindow::createControls() {
  background_ = new shared::TiledArea(this);
  Picture1 = new QLabel(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  background_->setTile(Picture1->pixmap());
  background_->setMouseTracking(true);
  background_->installEventFilter(this);
  setCentralWidget(background_);

  const Choice choices[] = {
      {&Command1, &Label2, "Command1", "Label2", QStringLiteral("Create An Assignment..."),
       QStringLiteral("Create An Assignment..."), QStringLiteral(":/pictures/create.png")},
      {&Command2, &Label3, "Command2", "Label3", QStringLiteral("Open An Assignment..."),
       QStringLiteral("Open and Write An Assignment..."), QStringLiteral(":/pictures/open.png")},
      {&Command3, &Label4, "Command3", "Label4", QStringLiteral("Edit or Type An Assignment..."),
       QStringLiteral("Edit or Type An Assignment..."), QStringLiteral(":/pictures/edit.png")},
      {&Command4, &Label5, "Command4", "Label5", QStringLiteral("Read Sample Papers"),
       QStringLiteral("5th, 8th and 11th Grade Sample Papers"),
       QStringLiteral(":/pictures/samples.png")},
      {&Command5, &Label6, "Command5", "Label6", QStringLiteral("View the Rubrics"),
       QStringLiteral("5th, 8th and 11th Grade Rubrics"), QStringLiteral(":/pictures/rubrics.png")},
  };

  auto* page = new QVBoxLayout(background_);
  Label7 = new QLabel(QStringLiteral("What do you want to do?"), background_);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setToolTip(QStringLiteral("Click this question to get started!"));
  Label7->setCursor(Qt::PointingHandCursor);
  Label7->setMouseTracking(true);
  Label7->installEventFilter(this);
  QFont question = Label7->font();
  question.setPointSizeF(question.pointSizeF() * 1.6);
  question.setBold(true);
  Label7->setFont(question);
  page->addWidget(Label7, 0, Qt::AlignHCenter);

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
  on(Command1, &QPushButton::clicked, [this] { Command1_Click(); });
  on(Command2, &QPushButton::clicked, [this] { Command2_Click(); });
  on(Command3, &QPushButton::clicked, [this] { Command3_Click(); });
  on(Command4, &QPushButton::clicked, [this] { Command4_Click(); });
  on(Command5, &QPushButton::clicked, [this] { Command5_Click(); });
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
  Picture1->adjustSize();
  Picture1->hide();
}

void StartWindow::unload(int& /*cancel*/) {
  quillora_.forms().unloadAll();
  shared::SaveWindowPlacement(*this, quillora_.runtime().userSettings(), quillora_.title());
  shared::MinimizeForm(*this);
}

void StartWindow::Command1_Click() { quillora_.forms().get<AssignmentBuilderWindow>().Show(); }

void StartWindow::Command2_Click() { quillora_.forms().get<WorkspaceWindow>().Show(); }

void StartWindow::Command3_Click() { quillora_.forms().get<EditorWindow>().Show(); }

void StartWindow::Command4_Click() { quillora_.forms().get<WorkedExamplesWindow>().Show(); }

void StartWindow::Command5_Click() { quillora_.forms().get<RubricsWindow>().Show(); }

void StartWindow::Label7_Click() {
  EditorWindow& editor = quillora_.forms().get<EditorWindow>();
  editor.RichTextBox1->setText(GettingStartedText());
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
    dispatch([this] { backgroundMouseMove(); });
  } else if (event->type() == QEvent::MouseMove && watched == Label7) {
    dispatch([this] { Label7_MouseMove(); });
    return true;  // the background under the label must not see it too
  } else if (watched == Label7 && event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    dispatch([this] { Label7_Click(); });
    return true;
  }
  return Form::eventFilter(watched, event);
}

void StartWindow::backgroundMouseMove() {
  QFont font = Label7->font();
  font.setUnderline(false);
  Label7->setFont(font);
  hover_ = true;
}

void StartWindow::Label7_MouseMove() {
  if (hover_) {
    QFont font = Label7->font();
    font.setUnderline(true);
    Label7->setFont(font);
  }
  hover_ = false;
}

}  // namespace essay
