#include "vocabulary/word_list_editor_window.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "platform/system/errors.h"
#include "shared/document_files.h"
#include "vocabulary/word_list_file.h"

namespace vocabulary {

using platform::named;
namespace {

const QString kTitle = QStringLiteral("Lexorama");

// An item has a "/" that some text follows.
bool itemFormatOK(const QString& item) {
  const qsizetype slash = item.indexOf('/');
  return slash >= 0 && slash != item.size() - 1;
}

// A file name the word-list reader takes apart right: the test name is all but its last four
// characters.
QString withTextExtension(const QString& path) {
  return path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? path
                                                                    : path + QStringLiteral(".txt");
}

}  // namespace

WordListEditorWindow::WordListEditorWindow(Lexorama& program)
    : Form(program), saveDialog(program.runtime()), lexorama_(program) {
  setObjectName(QStringLiteral("WordListEditorWindow"));
  setCaption(QStringLiteral("Assignment Generator"));
  auto* central = new QWidget(this);
  instructionsLabel = named(
      new QLabel(QStringLiteral(
                     "Enter a word or phrase followed by a / followed by the definition. For "
                     "example, ajar/slightly open. Press APPLY to add it to the list. To delete "
                     "an item from the list simply double-click it. When SAVING please limit your "
                     "file name to 20 characters total, including spaces."),
                 central),
      "instructionsLabel");
  instructionsLabel->setWordWrap(true);
  itemBox = named(new QLineEdit(central), "itemBox");
  itemBox->setAccessibleName(QStringLiteral("Item"));
  itemList = named(new QListWidget(central), "itemList");
  itemList->setAccessibleName(QStringLiteral("Items"));
  applyButton = named(new QPushButton(QStringLiteral("Apply"), central), "applyButton");
  saveButton = named(new QPushButton(QStringLiteral("Save"), central), "saveButton");
  clearButton = named(new QPushButton(QStringLiteral("Clear"), central), "clearButton");
  closeButton = named(new QPushButton(QStringLiteral("Close"), central), "closeButton");

  auto* grid = new QGridLayout(central);
  grid->addWidget(instructionsLabel, 0, 0, 1, 2);
  grid->addWidget(itemBox, 1, 0);
  grid->addWidget(applyButton, 1, 1);
  grid->addWidget(itemList, 2, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(saveButton);
  buttons->addWidget(clearButton);
  buttons->addWidget(closeButton);
  buttons->addStretch();
  grid->addLayout(buttons, 2, 1);
  setCentralWidget(central);

  on(applyButton, &QPushButton::clicked, [this] { onApplyClicked(); });
  on(itemBox, &QLineEdit::returnPressed, [this] { onApplyClicked(); });
  on(saveButton, &QPushButton::clicked, [this] { onSaveClicked(); });
  on(clearButton, &QPushButton::clicked, [this] { onClearClicked(); });
  on(closeButton, &QPushButton::clicked, [this] { onCloseClicked(); });
  QObject::connect(itemList, &QListWidget::itemDoubleClicked, this,
                   [this](QListWidgetItem* item) { dispatch([this, item] { onItemDoubleClicked(item); }); });
  if (program.childArea) program.childArea->adopt(*this);
}

void WordListEditorWindow::onApplyClicked() {
  // A pasted line break would split the item in the file.
  QString item = itemBox->text();
  item.replace(QLatin1String("\r\n"), QLatin1String(" "));
  item.replace('\r', ' ').replace('\n', ' ');
  if (!item.isEmpty() && itemFormatOK(item)) {
    itemList->addItem(item);
    itemBox->clear();
    itemBox->setFocus();
    return;
  }
  lexorama_.MsgBox(QStringLiteral("You must put your text in the following format:\r\n\r\n"
                                  "Word/Definition\r\nWord/Definition1/Definition2"));
  itemBox->setFocus();
}

void WordListEditorWindow::onItemDoubleClicked(QListWidgetItem* item) {
  delete item;
  itemBox->setFocus();
}

void WordListEditorWindow::onClearClicked() {
  if (lexorama_.MsgBox(QStringLiteral("Do you wish to delete everything and start over?"),
                       platform::vbYesNo | platform::vbQuestion, kTitle) != platform::vbYes) {
    return;
  }
  itemList->clear();
  itemBox->setFocus();
}

QStringList WordListEditorWindow::items() const {
  QStringList texts;
  for (int i = 0; i < itemList->count(); ++i) texts.append(itemList->item(i)->text());
  return texts;
}

bool WordListEditorWindow::confirmLongList(int count) {
  if (count <= kMaxWordListItems) return true;
  return lexorama_.MsgBox(
             QStringLiteral("This list holds %1 items, but Lexorama opens word lists of at most "
                            "%2 items. Save it anyway?")
                 .arg(count)
                 .arg(kMaxWordListItems),
             platform::vbYesNo | platform::vbExclamation, kTitle) == platform::vbYes;
}

void WordListEditorWindow::onSaveClicked() {
  const QStringList texts = items();
  if (texts.isEmpty()) {
    lexorama_.MsgBox(shared::BlankDocumentRefusal(QStringLiteral("Lexorama")), platform::vbCritical,
                     kTitle);
    return;
  }
  if (!confirmLongList(static_cast<int>(texts.size()))) return;
  saveDialog.DialogTitle = QStringLiteral("Save As...");
  saveDialog.CancelError = true;
  saveDialog.Flags = platform::cdlOFNOverwritePrompt | platform::cdlOFNHideReadOnly;
  saveDialog.Filter = QStringLiteral("Text Files (*.txt)|*.txt");
  if (!saveDialog.TryShowSave()) return;
  const QString path = withTextExtension(saveDialog.FileName);
  const QString failure = platform::textfile::writeAtomic(path, WordListFileText(texts));
  if (!failure.isEmpty()) {
    lexorama_.MsgBox(failure, platform::vbExclamation, kTitle);
    return;
  }
  setCaption(QStringLiteral(" Lexorama - ") + path);
}

void WordListEditorWindow::onCloseClicked() { Unload(); }

}  // namespace vocabulary
