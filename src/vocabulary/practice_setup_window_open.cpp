// Step 3 of the setup window: opening a word list. The list, its names and the test name change
// only once the file and its folder's name lists have been read whole.
#include <QFile>
#include <QFileInfo>

#include "platform/files/locations.h"
#include "platform/system/errors.h"
#include "shared/reg_settings.h"
#include "vocabulary/name_lists.h"
#include "vocabulary/password_check.h"
#include "vocabulary/practice_setup_window.h"

namespace vocabulary {
namespace {

const QString kInvalidFormatTitle = QStringLiteral("Invalid file format...");
const QString kAppName = QStringLiteral("Lexorama");
const QString kSettingSection = QStringLiteral("Setting");
const QString kOpenPathKey = QStringLiteral("OpenPath");
// Lists of a size no teacher writes are not read whole.
constexpr qint64 kLargestWordList = 4 * 1024 * 1024;

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath() + '/'; }

}  // namespace

void PracticeSetupWindow::readStoredOpenPath() {
  try {
    practice_.StoredOpenPath = shared::GetRegSetting(lexorama_.runtime().registry(), kAppName,
                                                     kSettingSection, kOpenPathKey, QString());
  } catch (const platform::RuntimeError&) {
    // Without the setting the Open box starts among the samples.
  }
}

void PracticeSetupWindow::OpenWordList() {
  openDialog.FileName = practice_.StoredOpenPath;
  if (openDialog.FileName.isEmpty()) {
    openDialog.InitDir = platform::locations::sampleWordListsFolder();
  }
  openDialog.DialogTitle = QStringLiteral("Open");
  openDialog.Filter = QStringLiteral("All Files (*.*)|*.*");
  openDialog.CancelError = true;
  if (!openDialog.TryShowOpen()) return;
  const QString path = openDialog.FileName;
  if (path.isEmpty()) return;

  practice_.LastOpenedFile = path;
  practice_.StoredOpenPath = path;
  try {
    shared::SaveRegSetting(lexorama_.runtime().registry(), kAppName, kSettingSection,
                           kOpenPathKey, path);
  } catch (const platform::RuntimeError&) {
    // The next Open box merely starts elsewhere.
  }

  QList<WordListItem> items;
  QString name;
  QStringList teachers;
  QStringList students;
  const QString dataFolder = folderOf(path);
  if (!readWordList(path, items, name) || !readNameLists(dataFolder, teachers, students)) return;

  practice_.WordList = items;
  practice_.AssignmentPath = path;
  practice_.DataFolder = dataFolder;
  practice_.AssignmentName = name;
  ShowPracticeNames(lexorama_);
  wordListPathBox->setText(path);
  fillNameLists(teachers, students);
  if (const std::optional<QString> value = ReadPasswordValue()) practice_.PasswordValue = *value;
  listAfterDialog_ = teacherBox;
  teacherBox->setFocus();
  teacherBox->showPopup();
}

bool PracticeSetupWindow::readWordList(const QString& path, QList<WordListItem>& items,
                                       QString& name) {
  QFile file(path);
  if (QFileInfo(path).size() > kLargestWordList) {
    lexorama_.MsgBox(QStringLiteral("This file is too large to be a word list."));
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    lexorama_.MsgBox(QStringLiteral("The file %1 cannot be read: %2")
                         .arg(platform::locations::forDisplay(path), file.errorString()));
    return false;
  }
  const WordListResult result = ParseWordListBytes(file.readAll());
  if (const auto* error = std::get_if<WordListError>(&result)) {
    const bool format = error->problem == WordListProblem::LineWithoutSlash;
    lexorama_.MsgBox(WordListErrorText(*error), platform::vbOKOnly,
                     format ? kInvalidFormatTitle : QString());
    return false;
  }
  if (!AssignmentNameOf(path, name)) {
    lexorama_.MsgBox(WordListErrorText({WordListProblem::LineWithoutSlash}), platform::vbOKOnly,
                     kInvalidFormatTitle);
    return false;
  }
  items = std::get<QList<WordListItem>>(result);
  return true;
}

bool PracticeSetupWindow::readNameLists(const QString& dataFolder, QStringList& teachers,
                                        QStringList& students) {
  const std::optional<NameList> readTeachers =
      ReadNameList(TeachersFilePath(dataFolder), kMaxTeachers);
  const std::optional<NameList> readStudents =
      ReadNameList(StudentsFilePath(dataFolder), kMaxStudents);
  if (!readTeachers || !readStudents) {
    lexorama_.MsgBox(QStringLiteral(
        "The folder of this word list has no list of teachers and students "
        "(Resources\\teachers.txt and Resources\\students.txt). Open a word list in your class "
        "folder, or ask your teacher."));
    return false;
  }
  teachers = storableNames(TeachersFilePath(dataFolder), readTeachers->names);
  students = storableNames(StudentsFilePath(dataFolder), readStudents->names);
  return true;
}

QStringList PracticeSetupWindow::storableNames(const QString& path, const QStringList& names) {
  const QStringList unstorable = UnstorableNames(names);
  if (unstorable.isEmpty()) return names;
  lexorama_.MsgBox(UnstorableNamesText(path, unstorable,
                                       QStringLiteral("These names are left out of the lists in "
                                                      "Step 4. Please ask your teacher to change "
                                                      "them.")),
                   platform::vbExclamation);
  QStringList kept = names;
  for (const QString& name : unstorable) kept.removeAll(name);
  return kept;
}

}  // namespace vocabulary
