#include "essay/rubrics_window.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/system/errors.h"
#include "platform/files/locations.h"
#include "shared/print_rtb.h"
#include "shared/small_routines.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

// Only the start of a file is looked at: a text that holds a NUL there is binary data.
bool looksBinary(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray start = file.read(4096);
  return !start.startsWith("{\\rtf") && start.contains('\0');
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

ExampleFileLoad LoadExampleFile(platform::RichTextBox& box, const QString& fileName) {
  namespace locations = platform::locations;
  const QString path = locations::resolve(locations::examplesFolder(), fileName);
  if (!QFileInfo::exists(path)) return ExampleFileLoad::Missing;
  if (looksBinary(path)) return ExampleFileLoad::Unreadable;
  try {
    box.LoadFile(path, platform::rtfRTF);
  } catch (const platform::RuntimeError&) {
    return ExampleFileLoad::Unreadable;
  }
  return ExampleFileLoad::Loaded;
}

void ReportUnreadableExamples(Quillora& program, const QStringList& fileNames) {
  if (fileNames.isEmpty()) return;
  program.MsgBox(QStringLiteral("These files of the examples folder could not be shown:\r\n%1\r\n\r\n"
                                "Each must be a rich-text or text file.")
                     .arg(fileNames.join(QStringLiteral("\r\n"))),
                 platform::vbExclamation);
}

RubricsWindow::RubricsWindow(Quillora& program)
    : Form(program), CommonDialog1(program.runtime()), quillora_(program) {
  setObjectName(QStringLiteral("RubricsWindow"));
  setCaption(QStringLiteral("Scoring Rubrics for Writing"));
  setWindowIcon(QPixmap(QStringLiteral(":/pictures/quillora.png")));
  createControls();
  createLayout();
  connectHandlers();
}

void RubricsWindow::createControls() {
  RichTextBox1 = new platform::RichTextBox(this);
  RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
  RichTextBox1->setAccessibleName(QStringLiteral("Rubric"));
  RichTextBox1->setLocked(true);
  RichTextBox1->setBackColor(Qt::white);
  Command1 = makeButton(this, "Command1", QStringLiteral("5th Grade"));
  Command2 = makeButton(this, "Command2", QStringLiteral("8th Grade"));
  Command3 = makeButton(this, "Command3", QStringLiteral("High School"));
  Command6 = makeButton(this, "Command6", QStringLiteral("6 Pt. Rubric"));
  Command5 = makeButton(this, "Command5", QStringLiteral("Print"));
  Command4 = makeButton(this, "Command4", QStringLiteral("Close"));
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/tile.png")));
  Image1->hide();
}

void RubricsWindow::createLayout() {
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {Command1, Command2, Command3, Command6}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(Command5);
  buttons->addWidget(Command4);

  auto* central = new shared::TiledArea(this);
  central->setTile(Image1->pixmap());
  auto* page = new QHBoxLayout(central);
  page->addWidget(RichTextBox1, 1);
  page->addLayout(buttons);
  setCentralWidget(central);
}

void RubricsWindow::connectHandlers() {
  const std::pair<QPushButton*, void (RubricsWindow::*)()> buttons[] = {
      {Command1, &RubricsWindow::Command1_Click}, {Command2, &RubricsWindow::Command2_Click},
      {Command3, &RubricsWindow::Command3_Click}, {Command6, &RubricsWindow::Command6_Click},
      {Command5, &RubricsWindow::Command5_Click}, {Command4, &RubricsWindow::Command4_Click}};
  for (const auto& [button, handler] : buttons) {
    on(button, &QPushButton::clicked, [this, handler = handler] { (this->*handler)(); });
  }
}

void RubricsWindow::load() {
  quillora_.store.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
}

void RubricsWindow::LoadRubric(const QString& fileName) {
  if (LoadExampleFile(*RichTextBox1, fileName) == ExampleFileLoad::Unreadable) {
    ReportUnreadableExamples(quillora_, {fileName});
  }
}

void RubricsWindow::Command1_Click() { LoadRubric(QStringLiteral("5thRubric.rtf")); }
void RubricsWindow::Command2_Click() { LoadRubric(QStringLiteral("8thRubric.rtf")); }
void RubricsWindow::Command3_Click() { LoadRubric(QStringLiteral("hsRubric.rtf")); }
void RubricsWindow::Command6_Click() { LoadRubric(QStringLiteral("6ptRubric.rtf")); }

void RubricsWindow::Command5_Click() {
  const shared::PrintOutcome outcome = shared::PrintWholeBox(
      CommonDialog1, *RichTextBox1, 2880, 720, 2880, 720, quillora_.runtime().printer());
  if (outcome == shared::PrintOutcome::Cancelled) return;
  if (outcome == shared::PrintOutcome::Failed) {
    quillora_.MsgBox(
        QStringLiteral("The rubric could not be printed. Please check the printer and try again."),
        platform::vbExclamation);
    return;
  }
  quillora_.MsgBox(QStringLiteral("Your rubric was printed."), platform::vbInformation,
                   QStringLiteral("Rubric Printed"));
}

void RubricsWindow::Command4_Click() {
  shared::MinimizeForm(*this);
  Unload();
}

}  // namespace essay
