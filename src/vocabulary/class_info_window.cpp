#include "vocabulary/class_info_window.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "platform/system/runtime_library.h"
#include "vocabulary/name_lists.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"

namespace vocabulary {

using platform::named;
namespace {

constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kRed = 0x0000FF;
// Widths in twips of the parts that would otherwise stretch.
constexpr int kStudentsFrameWidth = 2655;
constexpr int kTeachersFrameWidth = 2535;
constexpr int kPasswordBoxWidth = 2295;
constexpr int kHelpButtonWidth = 615;
// Close spacing, so that the whole screen fits the main window's work area.
constexpr int kMarginPixels = 6;

QFont boldFont(const QWidget* widget, double points) {
  QFont font = widget->font();
  font.setBold(true);
  font.setPointSizeF(points);
  return font;
}

// The application's font, set on every part so that none takes a bold frame title's font.
QFont plainFont() {
  QFont font = QApplication::font();
  font.setBold(false);
  font.setPointSizeF(font.pointSizeF());
  return font;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption) {
  auto* box = named(new QGroupBox(caption, parent), name);
  box->setFont(boldFont(box, 9.75));
  return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* made = named(new QPushButton(caption, parent), name);
  made->setFont(plainFont());
  return made;
}

// Keeps the list in order without regard to case, as the class lists are shown.
void addSorted(QListWidget* list, const QString& name) {
  int at = 0;
  while (at < list->count() &&
         QString::compare(list->item(at)->text(), name, Qt::CaseInsensitive) <= 0) {
    ++at;
  }
  list->insertItem(at, name);
}

QStringList itemsOf(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
  return items;
}

}  // namespace

ClassInfoWindow::ClassInfoWindow(Lexorama& program) : Form(program), lexorama_(program) {
  setObjectName(QStringLiteral("ClassInfoWindow"));
  setCaption(QStringLiteral("Edit Students, Teachers or Data"));
  auto* central = new QWidget(this);
  createNameLists(central);
  createOptions(central);
  createStatus(central);
  exitButton = button(central, "exitButton", QStringLiteral("Exit"));
  auto* right = new QVBoxLayout;
  right->addWidget(optionsFrame);
  right->addWidget(statusFrame);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(kMarginPixels, kMarginPixels, kMarginPixels, kMarginPixels);
  layout->addWidget(studentsFrame);
  layout->addWidget(teachersFrame);
  layout->addLayout(right);
  setCentralWidget(central);
  auto* statusLayout = static_cast<QVBoxLayout*>(statusFrame->layout());
  statusLayout->addWidget(exitButton, 0, Qt::AlignHCenter);

  on(addStudentButton, &QPushButton::clicked, [this] { onAddStudentClicked(); });
  on(newStudentBox, &QLineEdit::returnPressed, [this] { onAddStudentClicked(); });
  on(deleteStudentButton, &QPushButton::clicked, [this] { onDeleteStudentClicked(); });
  on(saveStudentsButton, &QPushButton::clicked, [this] { onSaveStudentsClicked(); });
  on(addTeacherButton, &QPushButton::clicked, [this] { onAddTeacherClicked(); });
  on(newTeacherBox, &QLineEdit::returnPressed, [this] { onAddTeacherClicked(); });
  on(deleteTeacherButton, &QPushButton::clicked, [this] { onDeleteTeacherClicked(); });
  on(saveTeachersButton, &QPushButton::clicked, [this] { onSaveTeachersClicked(); });
  on(changePasswordOption, &QRadioButton::clicked, [this] { onChangePasswordChosen(); });
  on(okButton, &QPushButton::clicked, [this] { onOkClicked(); });
  on(restoreHelpButton, &QPushButton::clicked, [this] { onRestoreHelpClicked(); });
  on(exitButton, &QPushButton::clicked, [this] { onExitClicked(); });
  if (program.childArea) program.childArea->adopt(*this);
}

void ClassInfoWindow::createNameLists(QWidget* central) {
  const auto column = [](QGroupBox* box, QListWidget*& list, const char* listName,
                                QLabel*& hint, const char* hintName, const QString& hintText,
                                QLineEdit*& entry, const char* entryName, QPushButton*& add,
                                const char* addName, QPushButton*& remove, const char* removeName,
                                QPushButton*& save, const char* saveName) {
    list = named(new QListWidget(box), listName);
    list->setFont(plainFont());
    list->setAccessibleName(box->title());
    hint = named(new QLabel(hintText, box), hintName);
    hint->setFont(plainFont());
    entry = named(new QLineEdit(box), entryName);
    entry->setFont(plainFont());
    entry->setAccessibleName(hintText);
    add = button(box, addName, QStringLiteral("Add"));
    remove = button(box, removeName, QStringLiteral("Delete"));
    save = button(box, saveName, QStringLiteral("Save Changes"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(list, 0, 0, 1, 2);
    grid->addWidget(hint, 1, 0, 1, 2);
    grid->addWidget(entry, 2, 0, 1, 2);
    grid->addWidget(add, 3, 0);
    grid->addWidget(remove, 3, 1);
    grid->addWidget(save, 4, 0, 1, 2);
  };
  studentsFrame = frame(central, "studentsFrame", QStringLiteral("Edit Students"));
  column(studentsFrame, studentList, "studentList", studentHint, "studentHint",
         QStringLiteral("Last Name, First Name"), newStudentBox, "newStudentBox", addStudentButton,
         "addStudentButton", deleteStudentButton, "deleteStudentButton", saveStudentsButton,
         "saveStudentsButton");
  studentsFrame->setMinimumWidth(platform::rtl::TwipsToPixels(kStudentsFrameWidth));
  teachersFrame = frame(central, "teachersFrame", QStringLiteral("Edit Teachers"));
  teachersFrame->setMinimumWidth(platform::rtl::TwipsToPixels(kTeachersFrameWidth));
  column(teachersFrame, teacherList, "teacherList", teacherHint, "teacherHint",
         QStringLiteral("Last Name (First/Mr./Hour...)"), newTeacherBox, "newTeacherBox",
         addTeacherButton, "addTeacherButton", deleteTeacherButton, "deleteTeacherButton",
         saveTeachersButton, "saveTeachersButton");
}

void ClassInfoWindow::createOptions(QWidget* central) {
  optionsFrame = named(new QGroupBox(central), "optionsFrame");
  optionsFrame->setAccessibleName(QStringLiteral("Options"));
  const auto heading = [this](const char* name, const QString& text) {
    auto* label = named(new QLabel(text, optionsFrame), name);
    label->setFont(boldFont(label, 8.25));
    return label;
  };
  const auto option = [this](const char* name, const QString& text) {
    return named(new QRadioButton(text, optionsFrame), name);
  };
  passwordHeading = heading("passwordHeading", QStringLiteral("Change Password"));
  picturesHeading = heading("picturesHeading", QStringLiteral("Add/Delete Pictures"));
  backUpHeading = heading("backUpHeading", QStringLiteral("Back Up Options"));
  changePasswordOption = option("changePasswordOption", QStringLiteral("Change Password"));
  newPasswordBox = named(new QLineEdit(optionsFrame), "newPasswordBox");
  newPasswordBox->setAccessibleName(QStringLiteral("type new password here"));
  newPasswordBox->setFixedWidth(platform::rtl::TwipsToPixels(kPasswordBoxWidth));
  newPasswordHint = named(new QLabel(QStringLiteral("   (type new password here)"), optionsFrame),
                          "newPasswordHint");
  addPicturesOption = option("addPicturesOption",
                             QStringLiteral("Choose the folder containing pictures to add"));
  deletePicturesOption = option("deletePicturesOption", QStringLiteral("Delete pictures now in use"));
  backUpOption = option("backUpOption", QStringLiteral("Back Up Data"));
  restoreOption = option("restoreOption",
                         QStringLiteral("Restore Data w/Last Back Up-------------------->"));
  restoreHelpButton = named(new QPushButton(QStringLiteral("Help"), optionsFrame),
                            "restoreHelpButton");
  restoreHelpButton->setFixedWidth(platform::rtl::TwipsToPixels(kHelpButtonWidth));
  purgeOption = option("purgeOption", QStringLiteral("Purge Back Up Data"));
  okButton = named(new QPushButton(QStringLiteral("OK"), optionsFrame), "okButton");

  auto* grid = new QGridLayout(optionsFrame);
  grid->setVerticalSpacing(1);
  grid->addWidget(passwordHeading, 0, 0);
  grid->addWidget(newPasswordBox, 0, 1);
  grid->addWidget(changePasswordOption, 1, 0);
  grid->addWidget(newPasswordHint, 1, 1);
  grid->addWidget(picturesHeading, 2, 0, 1, 2);
  grid->addWidget(addPicturesOption, 3, 0, 1, 2);
  grid->addWidget(deletePicturesOption, 4, 0, 1, 2);
  grid->addWidget(backUpHeading, 5, 0, 1, 2);
  grid->addWidget(backUpOption, 6, 0, 1, 2);
  auto* restoreRow = new QHBoxLayout;
  restoreRow->addWidget(restoreOption);
  restoreRow->addWidget(restoreHelpButton);
  restoreRow->addStretch();
  grid->addLayout(restoreRow, 7, 0, 1, 2);
  grid->addWidget(purgeOption, 8, 0, 1, 2);
  grid->addWidget(okButton, 9, 0, 1, 2, Qt::AlignHCenter);
}

void ClassInfoWindow::createStatus(QWidget* central) {
  statusFrame = frame(central, "statusFrame", QStringLiteral("Status"));
  auto* layout = new QVBoxLayout(statusFrame);
  layout->setSpacing(2);
  const auto status = [this, layout](const char* name, const QString& text) {
    auto* label = named(new QLabel(text, statusFrame), name);
    QFont font = plainFont();
    font.setFamily(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    label->setFont(font);
    label->setAutoFillBackground(true);
    layout->addWidget(label);
    return label;
  };
  studentsStatus = status("studentsStatus", QStringLiteral("Students updated?"));
  teachersStatus = status("teachersStatus", QStringLiteral("Teachers updated?"));
  passwordStatus = status("passwordStatus", QStringLiteral("Password changed?"));
  picturesAddedStatus = status("picturesAddedStatus", QStringLiteral("Pictures added?"));
  picturesDeletedStatus = status("picturesDeletedStatus", QStringLiteral("Pictures deleted?"));
  backUpStatus = status("backUpStatus", QStringLiteral("Data backed up?"));
  restoreStatus = status("restoreStatus", QStringLiteral("Data restored?"));
}

void ClassInfoWindow::report(QLabel* status, const QString& text, bool success) {
  status->setText(text);
  QPalette palette = status->palette();
  palette.setColor(QPalette::Window, platform::rtl::Color(success ? kGreen : kRed));
  status->setPalette(palette);
}

void ClassInfoWindow::load() {
  LoadStudents();
  LoadTeachers();
  LoadPassword();
}

void ClassInfoWindow::LoadStudents() {
  loadNameList(studentList, StudentsFilePath(lexorama_.practice.DataFolder), kMaxStudents,
               unreadStudents_);
}

void ClassInfoWindow::LoadTeachers() {
  loadNameList(teacherList, TeachersFilePath(lexorama_.practice.DataFolder), kMaxTeachers,
               unreadTeachers_);
}

void ClassInfoWindow::loadNameList(QListWidget* list, const QString& path, int maxNames,
                                   QStringList& unread) {
  const std::optional<NameList> read = ReadNameList(path, maxNames);
  if (!read) return;
  for (const QString& name : read->names) addSorted(list, name);
  unread = read->unread;
  if (!unread.isEmpty()) {
    lexorama_.MsgBox(UnreadNamesText(path, *read, maxNames), platform::vbExclamation);
  }
  const QStringList unstorable = UnstorableNames(read->names);
  if (!unstorable.isEmpty()) {
    lexorama_.MsgBox(UnstorableNamesText(path, unstorable,
                                         QStringLiteral("Please change these names here and "
                                                        "press Save Changes.")),
                     platform::vbExclamation);
  }
}

void ClassInfoWindow::LoadPassword() {
  const std::optional<QString> value = ReadPasswordValue();
  if (!value || value->isEmpty()) return;
  // The password the teacher has just typed to come here.
  if (lexorama_.forms().isLoaded<PasswordDialog>()) {
    newPasswordBox->setText(lexorama_.forms().get<PasswordDialog>().passwordBox->text());
  }
}

void ClassInfoWindow::onAddStudentClicked() { addName(studentList, newStudentBox); }

void ClassInfoWindow::onAddTeacherClicked() { addName(teacherList, newTeacherBox); }

void ClassInfoWindow::addName(QListWidget* list, QLineEdit* box) {
  if (box->text().isEmpty()) return;
  const QString problem = UnstorableNameText(box->text());
  if (!problem.isEmpty()) {
    // The name stays in the box to be changed.
    lexorama_.MsgBox(problem, platform::vbExclamation);
    box->setFocus();
    return;
  }
  addSorted(list, box->text());
  box->clear();
  box->setFocus();
}

void ClassInfoWindow::onDeleteStudentClicked() {
  if (studentList->currentRow() >= 0) delete studentList->takeItem(studentList->currentRow());
}

void ClassInfoWindow::onDeleteTeacherClicked() {
  if (teacherList->currentRow() >= 0) delete teacherList->takeItem(teacherList->currentRow());
}

void ClassInfoWindow::saveNameList(QListWidget* list, const QStringList& unread,
                                   const QString& path, bool dropEmpty, QLabel* status,
                                   const QString& success, const QString& failure) {
  if (list->count() > 0) list->setCurrentRow(list->count() - 1);
  // Names past the list's limit were never shown, so they could not have been deleted.
  const QString problem = WriteNameList(path, itemsOf(list) + unread, dropEmpty);
  if (problem.isEmpty()) {
    report(status, success, true);
    return;
  }
  report(status, failure, false);
  lexorama_.MsgBox(problem, platform::vbExclamation);
}

void ClassInfoWindow::onSaveStudentsClicked() {
  saveNameList(studentList, unreadStudents_, StudentsFilePath(lexorama_.practice.DataFolder),
               false, studentsStatus, QStringLiteral("Student changes updated."),
               QStringLiteral("Student changes not saved."));
}

void ClassInfoWindow::onSaveTeachersClicked() {
  saveNameList(teacherList, unreadTeachers_, TeachersFilePath(lexorama_.practice.DataFolder),
               true, teachersStatus, QStringLiteral("Teacher changes updated."),
               QStringLiteral("Teacher changes not saved."));
}

void ClassInfoWindow::onChangePasswordChosen() { newPasswordBox->setFocus(); }

void ClassInfoWindow::ChangePassword() {
  const QString password = newPasswordBox->text();
  if (password.isEmpty()) {
    report(passwordStatus, QStringLiteral("Type the new password first."), false);
    return;
  }
  const std::optional<int> sum = PasswordSum(password);
  if (!sum) {
    report(passwordStatus, QStringLiteral("That password is too long."), false);
    return;
  }
  QDir().mkpath(platform::locations::passwordFolder());
  const QString sumText = QString::number(*sum);
  const QString problem =
      platform::textfile::writeAtomic(PasswordCheckFilePath(), sumText + QStringLiteral("\r\n"));
  if (!problem.isEmpty()) {
    report(passwordStatus, QStringLiteral("Password not changed."), false);
    lexorama_.MsgBox(problem, platform::vbExclamation);
    return;
  }
  lexorama_.practice.PasswordValue = sumText;
  report(passwordStatus, QStringLiteral("Password changed."), true);
}

void ClassInfoWindow::onOkClicked() {
  if (changePasswordOption->isChecked()) {
    ChangePassword();
  } else if (addPicturesOption->isChecked()) {
    AddPictures();
  } else if (deletePicturesOption->isChecked()) {
    DeletePictures();
  } else if (backUpOption->isChecked()) {
    BackUp();
  } else if (restoreOption->isChecked()) {
    Restore();
  } else if (purgeOption->isChecked()) {
    Purge();
  }
}

void ClassInfoWindow::onRestoreHelpClicked() {
  lexorama_.MsgBox(QStringList{
      QStringLiteral("If you have lost data, RELAX. You will soon have it back. (as of your last "
                     "backup)"),
      QStringLiteral("By selecting 'Restore Data w/Last Backup' you will have all of your "
                     "important data and assignments restored."),
      QStringLiteral("Here is what you do."),
      QStringLiteral("     -Select 'Restore Data w/Last Backup' - Press OK"),
      QStringLiteral("     -Close the Edit window."),
      QStringLiteral("     -In OPTIONS, Open the assignment you were trying to open.")}
                       .join(QStringLiteral("\r\n")));
}

void ClassInfoWindow::onExitClicked() { Unload(); }

}  // namespace vocabulary
