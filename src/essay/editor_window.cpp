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
    : Form(program), fileDialog(program.runtime()), quillora_(program), store_(program.store) {
  setObjectName(QStringLiteral("EditorWindow"));
  setCaption(kCaption);
  createControls();
  createMenus();
  createToolBar();
  connectBox();
  exitThroughCloseBox([this] { return holdsWriting(); }, [this] { onExit(); });
}

bool EditorWindow::holdsWriting() const { return !documentBox->Text().isEmpty(); }

void EditorWindow::createControls() {
  auto* background = new shared::TiledArea(this);
  background->setTile(QPixmap(QStringLiteral(":/pictures/tile.png")));
  documentBox = new platform::RichTextBox(background);
  documentBox->setObjectName(QStringLiteral("documentBox"));
  documentBox->setAccessibleName(QStringLiteral("Document"));
  documentBox->setFont(QFont(QStringLiteral("Times New Roman"), 12));
  undoButton = new QPushButton(QStringLiteral("Undo"), background);
  undoButton->setObjectName(QStringLiteral("undoButton"));
  redoButton = new QPushButton(QStringLiteral("Redo"), background);
  redoButton->setObjectName(QStringLiteral("redoButton"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(undoButton);
  buttons->addWidget(redoButton);
  buttons->addStretch();
  auto* page = new QVBoxLayout(background);
  page->addWidget(documentBox, 1);
  page->addLayout(buttons);
  setCentralWidget(background);

  on(undoButton, &QPushButton::clicked, [this] { Undo(); });
  on(redoButton, &QPushButton::clicked, [this] { Redo(); });
}

void EditorWindow::createMenus() {
  const std::pair<QMenu**, std::pair<const char*, QString>> menus[] = {
      {&fileMenu, {"fileMenu", QStringLiteral("&File")}},
      {&editMenu, {"editMenu", QStringLiteral("&Edit")}},
      {&colorMenu, {"colorMenu", QStringLiteral("&Color")}},
      {&exportMenu, {"exportMenu", QStringLiteral("&Export")}},
      {&helpMenu, {"helpMenu", QStringLiteral("&Help")}},
  };
  for (const auto& [menu, naming] : menus) {
    *menu = menuBar()->addMenu(naming.second);
    (*menu)->setObjectName(QString::fromLatin1(naming.first));
  }

  addMenuEntries({
      {fileMenu, &newAction, "newAction", QStringLiteral("&New"), {}, [this] { NewDocument(); }},
      {fileMenu, &openAction, "openAction", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { OpenDocument(); }},
      {fileMenu, nullptr, "fileSeparator1", {}, {}, {}},
      {fileMenu, &saveAsAction, "saveAsAction", QStringLiteral("Save As"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onSaveAs(); }},
      {fileMenu, &printAction, "printAction", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { onPrint(); }},
      {fileMenu, &fontAction, "fontAction", QStringLiteral("Font"), QKeySequence(Qt::CTRL | Qt::Key_F), [this] { onFont(); }},
      {fileMenu, nullptr, "fileSeparator2", {}, {}, {}},
      {fileMenu, &exitAction, "exitAction", QStringLiteral("E&xit"), {}, [this] { onExit(); }},
      {editMenu, &undoAction, "undoAction", QStringLiteral("Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace), [this] { undoButton->click(); }},
      {editMenu, nullptr, "editSeparator", {}, {}, {}},
      {editMenu, &cutAction, "cutAction", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), [this] { onCut(); }},
      {editMenu, &copyAction, "copyAction", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { onCopy(); }},
      {editMenu, &pasteAction, "pasteAction", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { onPaste(); }},
      {colorMenu, &redAction, "redAction", QStringLiteral("Red"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { setSelectionColour(0xFF); }},
      {colorMenu, &greenAction, "greenAction", QStringLiteral("Green"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { setSelectionColour(0x7800); }},
      {colorMenu, &blueAction, "blueAction", QStringLiteral("Blue"), QKeySequence(Qt::CTRL | Qt::Key_B), [this] { setSelectionColour(0xFF0000); }},
      {colorMenu, &blackAction, "blackAction", QStringLiteral("Black"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { setSelectionColour(0x0); }},
      {exportMenu, &exportToVoxletAction, "exportToVoxletAction", QStringLiteral("Export To Voxlet"), QKeySequence(Qt::Key_F8), [this] { onExportToVoxlet(); }},
      {exportMenu, &exportToWebloomAction, "exportToWebloomAction", QStringLiteral("Export To Webloom"), QKeySequence(Qt::Key_F9), [this] { onExportToWebloom(); }},
      {helpMenu, &howToAction, "howToAction", QStringLiteral("How To..."), QKeySequence(Qt::Key_F1), [this] { showHelp(kHowTo); }},
      {helpMenu, nullptr, "helpSeparator1", {}, {}, {}},
      {helpMenu, &checklistAction, "checklistAction", QStringLiteral("Checklist"), QKeySequence(Qt::Key_F5), [this] { showHelp(kChecklist); }},
      {helpMenu, &sampleEssaysAction, "sampleEssaysAction", QStringLiteral("Sample Essays"), QKeySequence(Qt::Key_F6), [this] { showSampleEssays(); }},
      {helpMenu, &scoringRubricAction, "scoringRubricAction", QStringLiteral("Scoring Rubric"), QKeySequence(Qt::Key_F7), [this] { showScoringRubric(); }},
      {helpMenu, nullptr, "helpSeparator2", {}, {}, {}},
      {helpMenu, &aboutAction, "aboutAction", QStringLiteral("About"), {}, [this] { showAbout(); }},
  });
  // The clipboard may have changed since the caret last moved.
  on(editMenu, &QMenu::aboutToShow, [this] { onSelectionChange(); });
}

void EditorWindow::createToolBar() {
  toolBar = new platform::ToolBar(this);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  const QStringList groups[] = {
      {QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("Print"), QStringLiteral("Font")},
      {QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste")},
      {QStringLiteral("Bold"), QStringLiteral("Italic"), QStringLiteral("Underline")},
      {QStringLiteral("Left"), QStringLiteral("Center")},
      {QStringLiteral("Examples"), QStringLiteral("Exit")},
  };
  for (const QStringList& group : groups) {
    if (toolBar->count() > 0) toolBar->addSeparatorButton();
    for (const QString& key : group) {
      toolBar->addButton(key, key == QLatin1String("Save") ? QStringLiteral("Save As") : key);
    }
  }
  addToolBar(toolBar);
  QObject::connect(toolBar, &platform::ToolBar::ButtonClick, this, [this](const QString& key) {
    dispatch([this, key] { onToolButton(key); });
  });
}

void EditorWindow::connectBox() {
  on(documentBox, &platform::RichTextBox::Change, [this] { onDocumentChange(); });
  on(documentBox, &platform::RichTextBox::SelChange, [this] { onSelectionChange(); });
  QObject::connect(documentBox, &platform::RichTextBox::KeyDown, this,
                   [this](int& keyCode, int shift) {
                     dispatch([this, &keyCode, shift] { onDocumentKeyDown(keyCode, shift); });
                   });
  QObject::connect(documentBox, &platform::RichTextBox::MouseUp, this,
                   [this](int button, int shift, double x, double y) {
                     dispatch([=, this] { onDocumentMouseUp(button, shift, x, y); });
                   });
}

void EditorWindow::load() {
  store_.ScreenHeightPixels =
      shared::FitToScreen(*this, shared::FitRule::Standard, quillora_.runtime().screen());
  Show();
  documentBox->setTextRTF(store_.EditorRTF);
  // The text handed in is the oldest snapshot: undo goes back to it and no further.
  RecordChanges = true;
  onDocumentChange();
}

void EditorWindow::onSelectionChange() {
  if (!RecordChanges) return;
  const bool selected = documentBox->SelLength() != 0;
  cutAction->setEnabled(selected);
  copyAction->setEnabled(selected);
  pasteAction->setEnabled(!quillora_.runtime().clipboard().GetText().isEmpty());
}

void EditorWindow::onDocumentKeyDown(int& keyCode, int shift) {
  shared::RunClipboardShortcut(keyCode, shift, {[this] { onCut(); },
                                                [this] { onCopy(); },
                                                [this] { onPaste(); }});
}

void EditorWindow::onDocumentMouseUp(int button, int /*shift*/, double /*x*/, double /*y*/) {
  if (button != kRightButton) return;
  quillora_.runtime().interaction().popupMenu(*editMenu, QCursor::pos());
}

void EditorWindow::onToolButton(const QString& key) {
  platform::RunToolCommand(key, {
      {"Open", [this] { OpenDocument(); }},
      {"Save", [this] { onSaveAs(); }},
      {"Print", [this] { onPrint(); }},
      {"Font", [this] { onFont(); }},
      {"Cut", [this] { onCut(); }},
      {"Copy", [this] { onCopy(); }},
      {"Paste", [this] { onPaste(); }},
      {"Bold", [this] { ToggleBold(); }},
      {"Italic", [this] { ToggleItalic(); }},
      {"Underline", [this] { ToggleUnderline(); }},
      {"Left", [this] { setSelectionAlignment(kLeft); }},
      {"Center", [this] { setSelectionAlignment(kCentre); }},
      {"Examples", [this] { showSampleEssays(); }},
      {"Exit", [this] { onExit(); }},
  });
}

void EditorWindow::onExit() {
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
  examples.exampleTabs->setCurrentIndex(kTabSelect);
  examples.Show();
}

void EditorWindow::showScoringRubric() { quillora_.forms().get<RubricsWindow>().Show(); }

void EditorWindow::showAbout() { quillora_.forms().get<shared::AboutBox>().Show(); }

}  // namespace essay
