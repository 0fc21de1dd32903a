#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "platform/windows/form.h"
#include "vocabulary/lexorama.h"

namespace vocabulary {

// The teacher's administration screen: the class's student and teacher lists, the teacher
// password, the picture folder of the picture game, and the backup of the word-list folder.
class ClassInfoWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit ClassInfoWindow(Lexorama& program);

  QGroupBox* studentsFrame;
  QListWidget* studentList;
  QLabel* studentHint;
  QLineEdit* newStudentBox;
  QPushButton* addStudentButton;
  QPushButton* deleteStudentButton;
  QPushButton* saveStudentsButton;
  QGroupBox* teachersFrame;
  QListWidget* teacherList;
  QLabel* teacherHint;
  QLineEdit* newTeacherBox;
  QPushButton* addTeacherButton;
  QPushButton* deleteTeacherButton;
  QPushButton* saveTeachersButton;
  QGroupBox* optionsFrame;
  QLabel* passwordHeading;
  QLabel* picturesHeading;
  QLabel* backUpHeading;
  QRadioButton* changePasswordOption;
  QLineEdit* newPasswordBox;
  QLabel* newPasswordHint;
  QRadioButton* addPicturesOption;
  QRadioButton* deletePicturesOption;
  QRadioButton* backUpOption;
  QRadioButton* restoreOption;
  QPushButton* restoreHelpButton;
  QRadioButton* purgeOption;
  QPushButton* okButton;
  QGroupBox* statusFrame;
  QLabel* studentsStatus;
  QLabel* teachersStatus;
  QLabel* passwordStatus;
  QLabel* picturesAddedStatus;
  QLabel* picturesDeletedStatus;
  QLabel* backUpStatus;
  QLabel* restoreStatus;
  QPushButton* exitButton;

  void onAddStudentClicked();
  void onDeleteStudentClicked();
  void onSaveStudentsClicked();
  void onAddTeacherClicked();
  void onDeleteTeacherClicked();
  void onSaveTeachersClicked();
  void onChangePasswordChosen();
  void onOkClicked();
  void onRestoreHelpClicked();
  void onExitClicked();

 protected:
  void load() override;

 private:
  void createNameLists(QWidget* central);
  void createOptions(QWidget* central);
  void createStatus(QWidget* central);
  void LoadStudents();
  void LoadTeachers();
  void LoadPassword();
  void loadNameList(QListWidget* list, const QString& path, int maxNames, QStringList& unread);
  void addName(QListWidget* list, QLineEdit* box);
  void saveNameList(QListWidget* list, const QStringList& unread, const QString& path,
                    bool dropEmpty, QLabel* status, const QString& success,
                    const QString& failure);
  void ChangePassword();
  void AddPictures();
  void DeletePictures();
  void BackUp();
  void Restore();
  void Purge();
  // Success is green, failure red.
  static void report(QLabel* status, const QString& text, bool success);

  Lexorama& lexorama_;
  // The lines of each name list past its limit, kept as they were.
  QStringList unreadStudents_;
  QStringList unreadTeachers_;
};

}  // namespace vocabulary
