#include "essay/editor_window.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <functional>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "platform/system/clipboard.h"
#include "shared/about_box.h"
#include "shared/rich_edit.h"
#include "shared/tile_background.h"
#include "shared/window_rules.h"

namespace essay {
namespace {

const QString kCaption = QStringLiteral("Quillora Editor");
constexpr int kRightButton = 2;
constexpr int kLeft = 0;
constexpr int kCentre = 2;

// Lines of a help message; an empty line stands for an empty line, and each break is a CR alone.
QString helpText(const QStringList& lines) { return lines.join(QLatin1Char('\r')); }

const QString kHowTo = helpText({
    QStringLiteral("Open an Assignment"),
    QString(),
    QStringLiteral("1. Press CTRL-O or Press the Open button."),
    QStringLiteral("2. Go to the folder where your assignment is located."),
    QStringLiteral("3. Select your assignment."),
    QStringLiteral("    (Remember that Quillora can work with both text and rich text files. This means"),
    QStringLiteral("    if you are trying to open a file and do not see it, it may have been saved as the other file"),
    QStringLiteral("    type. Check this by selecting the other file type in the drop-down box of the open"),
    QStringLiteral("    dialog.)"),
    QString(),
    QStringLiteral("Save an Assignment"),
    QString(),
    QStringLiteral("1. Press CTRL-S or the Save As button."),
    QStringLiteral("2. Give the file a new name. If you want to replace the old version of this file with the"),
    QStringLiteral("    current one, give it the same name."),
    QStringLiteral("3. Remember, text files are plain. Rich text files can have different fonts, colors, etc."),
});

const QString kChecklist = helpText({
    QStringLiteral("A well written assignment will do several things."),
    QString(),
    QStringLiteral("1. The paper will have one central idea.  The paper will stay on topic."),
    QStringLiteral("2. The paper will have a beginning, a middle, and an end."),
    QStringLiteral("3. The paper will flow naturally from one topic to another."),
    QStringLiteral("4. Each part of the paper will supply details and/or examples that help the reader understand."),
    QStringLiteral("5. The paper will be free of errors in spelling, punctuation, and grammar."),
});

}  // namespace

EditorWindow::EditorWindow(Quillora& program)
    : Form(program), CommonDialog1(program.runtime()), quillora_(program), store_(program.store) {
  setObjectName(QStringLiteral("EditorWindow"));
  setCaption(kCaption);
  createControls();
  createMenus();
  createToolBar();
  connectBox();
}

void EditorWindow::createControls() {
  auto* background = new shared::TiledArea(this);
  background->setTile(QPixmap(QStringLiteral(":/pictures/tile.png")));
  RichTextBox1 = new platform::RichTextBox(background);
  RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
  RichTextBox1->setAccessibleName(QStringLiteral("Document"));
  RichTextBox1->setFont(QFont(QStringLiteral("Times New Roman"), 12));
  cmdUndo = new QPushButton(QStringLiteral("Undo"), background);
  cmdUndo->setObjectName(QStringLiteral("cmdUndo"));
  cmdRedo = new QPushButton(QStringLiteral("Redo"), background);
  cmdRedo->setObjectName(QStringLiteral("cmdRedo"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdUndo);
  buttons->addWidget(cmdRedo);
  buttons->addStretch();
  auto* page = new QVBoxLayout(background);
  page->addWidget(RichTextBox1, 1);
  page->addLayout(buttons);
  setCentralWidget(background);

  on(cmdUndo, &QPushButton::clicked, [this] { Undo(); });
  on(cmdRedo, &QPushButton::clicked, [this] { Redo(); });
}

void EditorWindow::createMenus() {
  const std::pair<QMenu**, std::pair<const char*, QString>> menus[] = {
      {&File, {"File", QStringLiteral("&File")}},
      {&mnuEdit, {"mnuEdit", QStringLiteral("&Edit")}},
      {&Edit, {"Edit", QStringLiteral("&Color")}},
      {&Export, {"Export", QStringLiteral("&Export")}},
      {&mnuHelp, {"mnuHelp", QStringLiteral("&Help")}},
  };
  for (const auto& [menu, naming] : menus) {
    *menu = menuBar()->addMenu(naming.second);
    (*menu)->setObjectName(QString::fromLatin1(naming.first));
  }

  addMenuEntries({
      {File, &New, "New", QStringLiteral("&New"), {}, [this] { NewDocument(); }},
      {File, &mnuOpen, "mnuOpen", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenDocument(); }},
      {File, nullptr, "mnuFileBar0", {}, {}, {}},
      {File, &mnuFileSaveAs, "mnuFileSaveAs", QStringLiteral("Save As"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { mnuFileSaveAs_Click(); }},
      {File, &mnuFilePrint, "mnuFilePrint", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { mnuFilePrint_Click(); }},
      {File, &mnuFont, "mnuFont", QStringLiteral("Font"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] { mnuFont_Click(); }},
      {File, nullptr, "mnuFileBar2", {}, {}, {}},
      {File, &mnuFileExit, "mnuFileExit", QStringLiteral("E&xit"), {}, [this] { mnuFileExit_Click(); }},
      {mnuEdit, &mnuUndo, "mnuUndo", QStringLiteral("Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace), [this] { cmdUndo->click(); }},
      {mnuEdit, nullptr, "mnuEditBar1", {}, {}, {}},
      {mnuEdit, &mnuCut, "mnuCut", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { mnuEditCut_Click(); }},
      {mnuEdit, &mnuCopy, "mnuCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { mnuEditCopy_Click(); }},
      {mnuEdit, &mnuPaste, "mnuPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { mnuEditPaste_Click(); }},
      {Edit, &mnuColorRed, "mnuColorRed", QStringLiteral("Red"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { setSelectionColour(0xFF); }},
      {Edit, &mnuColorGreen, "mnuColorGreen", QStringLiteral("Green"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { setSelectionColour(0x7800); }},
      {Edit, &mnuColorBlue, "mnuColorBlue", QStringLiteral("Blue"), QKeySequence(Qt::CTRL | Qt::Key_B), [this] { setSelectionColour(0xFF0000); }},
      {Edit, &mnuColorBlack, "mnuColorBlack", QStringLiteral("Black"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { setSelectionColour(0x0); }},
      {Export, &mnuVoxletExport, "mnuVoxletExport", QStringLiteral("Export To Voxlet"), QKeySequence(Qt::Key_F8), [this] { mnuVoxletExport_Click(); }},
      {Export, &mnuWLMExport, "mnuWLMExport", QStringLiteral("Export To Webloom"), QKeySequence(Qt::Key_F9), [this] { mnuWLMExport_Click(); }},
      {mnuHelp, &mnuHelpHowTo, "mnuHelpHowTo", QStringLiteral("How To..."), QKeySequence(Qt::Key_F1), [this] { showHelp(kHowTo); }},
      {mnuHelp, nullptr, "mnuHelpBar0", {}, {}, {}},
      {mnuHelp, &mnuHelpContents, "mnuHelpContents", QStringLiteral("Checklist"), QKeySequence(Qt::Key_F5), [this] { showHelp(kChecklist); }},
      {mnuHelp, &mnuHelpExamples, "mnuHelpExamples", QStringLiteral("Sample Essays"), QKeySequence(Qt::Key_F6), [this] { showSampleEssays(); }},
      {mnuHelp, &mnuHelpScoringRubric, "mnuHelpScoringRubric", QStringLiteral("Scoring Rubric"), QKeySequence(Qt::Key_F7), [this] { showScoringRubric(); }},
      {mnuHelp, nullptr, "mnuHelpBar1", {}, {}, {}},
      {mnuHelp, &mnuHelpAbout, "mnuHelpAbout", QStringLiteral("About"), {}, [this] { showAbout(); }},
  });
  // The clipboard may have changed since the caret last moved.
  on(mnuEdit, &QMenu::aboutToShow, [this] { RichTextBox1_SelChange(); });
}

void EditorWindow::createToolBar() {
  Toolbar1 = new platform::ToolBar(this);
  Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
  const QStringList groups[] = {
      {QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("Print"), QStringLiteral("Font")},
      {QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste")},
      {QStringLiteral("Bold"), QStringLiteral("Italic"), QStringLiteral("Underline")},
      {QStringLiteral("Left"), QStringLiteral("Center")},
      {QStringLiteral("Examples"), QStringLiteral("Exit")},
  };
  for (const QStringList& group : groups) {
    if (Toolbar1->count() > 0) Toolbar1->addSeparatorButton();
    for (const QString& key : group) {
      Toolbar1->addButton(key, key == QLatin1String("Save") ? QStringLiteral("Save As") : key);
    }
  }
  addToolBar(Toolbar1);
  QObject::connect(Toolbar1, &platform::ToolBar::ButtonClick, this, [this](const QString& key) {
    dispatch([this, key] { Toolbar1_ButtonClick(key); });
  });
}

void EditorWindow::connectBox() {
  on(RichTextBox1, &platform::RichTextBox::Change, [this] { RichTextBox1_Change(); });
  on(RichTextBox1, &platform::RichTextBox::SelChange, [this] { RichTextBox1_SelChange(); });
  QObject::connect(RichTextBox1, &platform::RichTextBox::KeyDown, this,
                   [this](int& keyCode, int shift) {
                     dispatch([this, &keyCode, shift] { RichTextBox1_KeyDown(keyCode, shift); });
                   });
  QObject::connect(RichTextBox1, &platform::RichTextBox::MouseUp, this,
                   [this](int button, int shift, double x, double y) {
                     dispatch([=, this] { RichTextBox1_MouseUp(button, shift, x, y); });
                   });
}

void EditorWindow::load() {
  store_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
  Show();
  RichTextBox1->setTextRTF(store_.EditorRTF);
  // The text handed in is the oldest snapshot: undo goes back to it and no further.
  RecordChanges = true;
  RichTextBox1_Change();
}

void EditorWindow::RichTextBox1_SelChange() {
  if (!RecordChanges) return;
  const bool selected = RichTextBox1->SelLength() != 0;
  mnuCut->setEnabled(selected);
  mnuCopy->setEnabled(selected);
  mnuPaste->setEnabled(!quillora_.runtime().clipboard().GetText().isEmpty());
}

void EditorWindow::RichTextBox1_KeyDown(int& keyCode, int shift) {
  shared::RunClipboardShortcut(keyCode, shift, {[this] { mnuEditCut_Click(); },
                                                [this] { mnuEditCopy_Click(); },
                                                [this] { mnuEditPaste_Click(); }});
}

void EditorWindow::RichTextBox1_MouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (button != kRightButton) return;
  quillora_.runtime().interaction().popupMenu(*mnuEdit, QCursor::pos());
}

void EditorWindow::Toolbar1_ButtonClick(const QString& key) {
  platform::RunToolCommand(key, {
      {"Open", [this] { OpenDocument(); }},
      {"Save", [this] { mnuFileSaveAs_Click(); }},
      {"Print", [this] { mnuFilePrint_Click(); }},
      {"Font", [this] { mnuFont_Click(); }},
      {"Cut", [this] { mnuEditCut_Click(); }},
      {"Copy", [this] { mnuEditCopy_Click(); }},
      {"Paste", [this] { mnuEditPaste_Click(); }},
      {"Bold", [this] { ToggleBold(); }},
      {"Italic", [this] { ToggleItalic(); }},
      {"Underline", [this] { ToggleUnderline(); }},
      {"Left", [this] { setSelectionAlignment(kLeft); }},
      {"Center", [this] { setSelectionAlignment(kCentre); }},
      {"Examples", [this] { showSampleEssays(); }},
      {"Exit", [this] { mnuFileExit_Click(); }},
  });
}

void EditorWindow::mnuFileExit_Click() {
  if (quillora_.MsgBox(QStringLiteral("Exit Editor?"), platform::vbYesNo | platform::vbQuestion,
                       QStringLiteral("Editor")) == platform::vbYes) {
    Unload();
  }
}

void EditorWindow::showHelp(const QString& text) {
  quillora_.MsgBox(text, platform::vbInformation, QStringLiteral("Quillora"));
}

void EditorWindow::showSampleEssays() {
  WorkedExamplesWindow& examples = quillora_.forms().get<WorkedExamplesWindow>();
  examples.SSTab1->setCurrentIndex(kTabSelect);
  examples.Show();
}

void EditorWindow::showScoringRubric() { quillora_.forms().get<RubricsWindow>().Show(); }

void EditorWindow::showAbout() { quillora_.forms().get<shared::AboutBox>().Show(); }

}  // namespace essay
