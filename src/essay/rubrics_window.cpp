#include "essay/rubrics_window.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/system/errors.h"
#include "platform/files/locations.h"
#include "shared/document_files.h"
#include "shared/print_rtb.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

}  // namespace

ExampleFileLoad LoadExampleFile(platform::RichTextBox& box, const QString& fileName) {
  namespace locations = platform::locations;
  const QString path = locations::resolve(locations::examplesFolder(), fileName);
  if (!QFileInfo::exists(path)) return ExampleFileLoad::Missing;
  return shared::LoadDocument(box, path).isEmpty() ? ExampleFileLoad::Loaded
                                                   : ExampleFileLoad::Unreadable;
}

void ReportUnreadableExamples(Quillora& program, const QStringList& fileNames) {
  if (fileNames.isEmpty()) return;
  program.MsgBox(QStringLiteral("These files of the examples folder cannot be read:\r\n%1\r\n\r\n"
                                "A file may be damaged or too large, or your account may not be "
                                "allowed to open it.")
                     .arg(fileNames.join(QStringLiteral("\r\n"))),
                 platform::vbExclamation);
}

RubricsWindow::RubricsWindow(Quillora& program)
    : Form(program), printDialog(program.runtime()), quillora_(program) {
  setObjectName(QStringLiteral("RubricsWindow"));
  setCaption(QStringLiteral("Scoring Rubrics for Writing"));
  setWindowIcon(QPixmap(QStringLiteral(":/pictures/quillora.png")));
  createControls();
  createLayout();
  connectHandlers();
}

void RubricsWindow::createControls() {
  rubricBox = new platform::RichTextBox(this);
  rubricBox->setObjectName(QStringLiteral("rubricBox"));
  rubricBox->setAccessibleName(QStringLiteral("Rubric"));
  rubricBox->setLocked(true);
  rubricBox->setBackColor(Qt::white);
  fifthGradeButton =
      platform::named(new QPushButton(QStringLiteral("5th Grade"), this), "fifthGradeButton");
  eighthGradeButton =
      platform::named(new QPushButton(QStringLiteral("8th Grade"), this), "eighthGradeButton");
  highSchoolButton =
      platform::named(new QPushButton(QStringLiteral("High School"), this), "highSchoolButton");
  sixPointRubricButton = platform::named(new QPushButton(QStringLiteral("6 Pt. Rubric"), this),
                                         "sixPointRubricButton");
  printButton = platform::named(new QPushButton(QStringLiteral("Print"), this), "printButton");
  closeButton = platform::named(new QPushButton(QStringLiteral("Close"), this), "closeButton");
  tilePicture = new QLabel(this);
  tilePicture->setObjectName(QStringLiteral("tilePicture"));
  tilePicture->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  tilePicture->hide();
}

void RubricsWindow::createLayout() {
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button :
       {fifthGradeButton, eighthGradeButton, highSchoolButton, sixPointRubricButton})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(printButton);
  buttons->addWidget(closeButton);

  auto* central = new shared::TiledArea(this);
  central->setTile(tilePicture->pixmap());
  auto* page = new QHBoxLayout(central);
  page->addWidget(rubricBox, 1);
  page->addLayout(buttons);
  setCentralWidget(central);
}

void RubricsWindow::connectHandlers() {
  const std::pair<QPushButton*, void (RubricsWindow::*)()> buttons[] = {
      {fifthGradeButton, &RubricsWindow::onFifthGradeClicked},
      {eighthGradeButton, &RubricsWindow::onEighthGradeClicked},
      {highSchoolButton, &RubricsWindow::onHighSchoolClicked},
      {sixPointRubricButton, &RubricsWindow::onSixPointRubricClicked},
      {printButton, &RubricsWindow::onPrintClicked},
      {closeButton, &RubricsWindow::onCloseClicked}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

void RubricsWindow::load() {
  quillora_.store.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
}

void RubricsWindow::LoadRubric(const QString& fileName) {
  if (LoadExampleFile(*rubricBox, fileName) == ExampleFileLoad::Unreadable) {
    ReportUnreadableExamples(quillora_, {fileName});
  }
}

void RubricsWindow::onFifthGradeClicked() { LoadRubric(QStringLiteral("5thRubric.rtf")); }
void RubricsWindow::onEighthGradeClicked() { LoadRubric(QStringLiteral("8thRubric.rtf")); }
void RubricsWindow::onHighSchoolClicked() { LoadRubric(QStringLiteral("hsRubric.rtf")); }
void RubricsWindow::onSixPointRubricClicked() { LoadRubric(QStringLiteral("6ptRubric.rtf")); }

void RubricsWindow::onPrintClicked() {
  const shared::PrintResult printed = shared::PrintWholeBox(
      printDialog, *rubricBox, 2880, 720, 2880, 720, quillora_.runtime().printer());
  if (printed.outcome == shared::PrintOutcome::Cancelled) return;
  if (printed.outcome == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(QStringLiteral("The rubric could not be printed. ") + printed.failure,
                     platform::vbExclamation);
    return;
  }
  quillora_.MsgBox(QStringLiteral("Your rubric was printed."), platform::vbInformation,
                   QStringLiteral("Rubric Printed"));
}

void RubricsWindow::onCloseClicked() {
  shared::MinimizeForm(*this);
  Unload();
}

}  // namespace essay
