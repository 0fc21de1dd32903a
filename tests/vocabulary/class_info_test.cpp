#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "platform/files/locations.h"
#include "platform/system/runtime_library.h"
#include "shared/reg_settings.h"
#include "vocabulary/class_info_window.h"
#include "vocabulary/main_window.h"
#include "vocabulary/name_lists.h"
#include "vocabulary/password_check.h"
#include "vocabulary/password_dialog.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;
using vocabulary_testing::PromptKind;

class ClassInfoTest : public LexoramaTest {
 protected:
  ClassInfoTest() {
    writeNameLists();
    lexorama.practice.DataFolder = classFolder();
  }
  ClassInfoWindow& window() { return lexorama.forms().get<ClassInfoWindow>(); }
  static QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  static bool green(const QLabel* status) {
    return status->palette().color(QPalette::Window) == platform::rtl::Color(0x00FF00);
  }
  static bool red(const QLabel* status) {
    return status->palette().color(QPalette::Window) == platform::rtl::Color(0x0000FF);
  }
  static QString backup() { return platform::locations::passwordFolder() + "/Lexorama Assignments"; }
  static void writeCheckFile(const QByteArray& bytes) {
    QDir().mkpath(platform::locations::passwordFolder());
    QFile file(PasswordCheckFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  void login(QAction* entry, const QString& password) {
    entry->trigger();
    lexorama.forms().get<PasswordDialog>().passwordBox->setText(password);
    lexorama.forms().get<PasswordDialog>().okButton->click();
    processEvents();
  }
  void choose(QRadioButton* option) {
    option->click();
    window().okButton->click();
  }
  QString registry(const QString& section, const QString& key) {
    return shared::GetRegSetting(lexorama.runtime().registry(), "Lexorama", section, key, "");
  }
};

TEST_F(ClassInfoTest, ThePasswordOpensItAndANewPasswordWorksAtOnce) {
  writeCheckFile("395\r\n");
  lexorama.forms().get<MainWindow>();
  open(writeWordList("Week 1.txt", 6));
  MainWindow& main = lexorama.forms().get<MainWindow>();
  ASSERT_TRUE(main.editClassInfoAction->isEnabled());
  login(main.editClassInfoAction, "QUERN");
  ASSERT_TRUE(lexorama.forms().isLoaded<ClassInfoWindow>());
  EXPECT_EQ("Edit Students, Teachers or Data", window().Caption());
  EXPECT_EQ("QUERN", window().newPasswordBox->text());

  window().newPasswordBox->setText("Owl");
  choose(window().changePasswordOption);
  EXPECT_EQ("Password changed.", window().passwordStatus->text());
  EXPECT_TRUE(green(window().passwordStatus));
  EXPECT_EQ("306\r\n", readFile(PasswordCheckFilePath()));
  EXPECT_EQ("", registry("Settings", "Password"));

  lexorama.forms().unload<ClassInfoWindow>();
  interaction->answerMessage(platform::vbOK);
  login(main.editClassInfoAction, "QUERN");
  EXPECT_FALSE(lexorama.forms().isLoaded<ClassInfoWindow>());
  login(main.editClassInfoAction, "Owl");
  EXPECT_TRUE(lexorama.forms().isLoaded<ClassInfoWindow>());
}

TEST_F(ClassInfoTest, AnEmptyOrOversizedPasswordOrAFailedWriteIsRefused) {
  writeCheckFile("395\r\n");
  window().newPasswordBox->clear();
  choose(window().changePasswordOption);
  EXPECT_TRUE(red(window().passwordStatus));
  window().newPasswordBox->setText(QString(129, QChar(0xFF)));
  window().okButton->click();
  EXPECT_TRUE(red(window().passwordStatus));
  EXPECT_EQ("395\r\n", readFile(PasswordCheckFilePath()));

  QFile::remove(PasswordCheckFilePath());
  QDir().mkpath(PasswordCheckFilePath());  // a folder where the file should be
  interaction->answerMessage(platform::vbOK);
  window().newPasswordBox->setText("Owl");
  window().okButton->click();
  EXPECT_EQ("Password not changed.", window().passwordStatus->text());
  EXPECT_TRUE(red(window().passwordStatus));
  EXPECT_EQ(1U, messages().size());
}

TEST_F(ClassInfoTest, NameListsLoadSortedAndSaveInTheirFormat) {
  writeFile("class/Resources/students.txt", "zed, Al\r\n\r\nAdams, Bo\r\n");
  writeFile("class/Resources/teachers.txt", "Okafor\r\n\r\nhale\r\n");
  EXPECT_EQ((QStringList{"", "Adams, Bo", "zed, Al"}), items(window().studentList));
  EXPECT_EQ((QStringList{"", "hale", "Okafor"}), items(window().teacherList));

  window().newTeacherBox->setText("Byrne");
  window().addTeacherButton->click();
  window().addTeacherButton->click();  // an empty box adds nothing
  window().teacherList->setCurrentRow(3);
  window().deleteTeacherButton->click();
  window().saveTeachersButton->click();
  EXPECT_EQ("Byrne\r\nhale\r\n", readFile(classFolder() + "Resources/teachers.txt"));
  EXPECT_EQ("Teacher changes updated.", window().teachersStatus->text());
  EXPECT_TRUE(green(window().teachersStatus));

  window().studentList->clear();
  window().newStudentBox->setText("Lee, Kim");
  window().addStudentButton->click();
  window().studentList->addItem("");
  window().saveStudentsButton->click();
  EXPECT_EQ("Lee, Kim\r\n\r\n", readFile(classFolder() + "Resources/students.txt"));
  window().studentList->clear();
  window().saveStudentsButton->click();
  EXPECT_EQ("\r\n", readFile(classFolder() + "Resources/students.txt"));
  EXPECT_EQ("Student changes updated.", window().studentsStatus->text());
}

TEST_F(ClassInfoTest, NamesPastTheListsLimitsAreToldBeforeSavingAndKept) {
  // Numbered so that the sorted lists keep the files' order.
  QByteArray students;
  for (int i = 1; i <= 1005; ++i) {
    students += QString("Student %1\r\n").arg(i, 4, 10, QChar('0')).toLatin1();
  }
  QByteArray teachers;
  for (int i = 1; i <= 101; ++i) {
    teachers += QString("T%1\r\n").arg(i, 3, 10, QChar('0')).toLatin1();
  }
  writeFile("class/Resources/students.txt", students);
  writeFile("class/Resources/teachers.txt", teachers);
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  EXPECT_EQ(1000, window().studentList->count());
  EXPECT_EQ(100, window().teacherList->count());
  ASSERT_EQ(2u, messages().size());
  EXPECT_EQ("The list " + platform::locations::forDisplay(StudentsFilePath(classFolder())) +
                " holds 1,005 names, but only the first 1,000 can be shown here: 5 names were not "
                "read. Save Changes keeps them at the end of the list.",
            messages()[0].text);
  EXPECT_TRUE(messages()[1].text.contains("holds 101 names, but only the first 100"));
  EXPECT_TRUE(messages()[1].text.endsWith(": 1 name was not read. Save Changes keeps it at the end "
                                         "of the list."));

  window().studentList->setCurrentRow(0);
  window().deleteStudentButton->click();
  window().saveStudentsButton->click();
  EXPECT_EQ(students.mid(QByteArray("Student 0001\r\n").size()),
            readFile(classFolder() + "Resources/students.txt"));
  window().saveTeachersButton->click();
  EXPECT_EQ(teachers, readFile(classFolder() + "Resources/teachers.txt"));
  EXPECT_EQ(2u, messages().size());
}

TEST_F(ClassInfoTest, NamesTheScoreFileCannotHoldAreRefusedOnAddAndToldWhenRead) {
  writeFile("class/Resources/students.txt", QString("Ortiz, Ana\r\n王小明\r\n").toUtf8());
  interaction->answerMessage(platform::vbOK);
  window();
  ASSERT_EQ(1u, messages().size());
  EXPECT_EQ("The list " + platform::locations::forDisplay(StudentsFilePath(classFolder())) +
                " holds names with characters Lexorama's score file cannot hold:\r\n"
                "王小明 (王 小 明)\r\nPlease change these names here and press Save Changes.",
            messages()[0].text);

  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  window().newStudentBox->setText("Łukasz Łoś");
  window().addStudentButton->click();
  EXPECT_EQ("Lexorama cannot keep scores for the name \"Łukasz Łoś\": its score file cannot "
            "hold the characters Ł ś. Please type the name another way, for example with the "
            "letters A to Z.",
            messages().back().text);
  EXPECT_EQ("Łukasz Łoś", window().newStudentBox->text());
  window().newTeacherBox->setText("李");
  window().addTeacherButton->click();
  EXPECT_TRUE(messages().back().text.contains("cannot hold the character 李."));
  EXPECT_EQ((QStringList{"Mr Okafor", "Ms Hale"}), items(window().teacherList));

  window().newStudentBox->setText("Zoë Müller");
  window().addStudentButton->click();
  EXPECT_EQ((QStringList{"Ortiz, Ana", "Zoë Müller", "王小明"}), items(window().studentList));
  EXPECT_EQ(3u, messages().size());
}

TEST_F(ClassInfoTest, PicturesAreAddedAndDeletedInsideThePictureFolderOnly) {
  writeFile("camera/owl.jpg", "owl");
  writeFile("camera/fox.GIF", "fox");
  writeFile("camera/notes.txt", "no");
  interaction->answerFolder(testing_support::testRoot() + "/camera").answerMessage(platform::vbOK);
  choose(window().addPicturesOption);
  EXPECT_TRUE(messages().back().text.startsWith("2 files copied to "));
  EXPECT_EQ("Pictures added.", window().picturesAddedStatus->text());
  EXPECT_EQ("owl", readFile(classFolder() + "Resources/Pics/owl.jpg"));
  EXPECT_FALSE(QFileInfo::exists(classFolder() + "Resources/Pics/notes.txt"));

  const QString outside = writeFile("keep/precious.jpg", "mine");
  QFile::link(outside, classFolder() + "Resources/Pics/link.jpg");
  interaction->answerMessage(platform::vbNo);
  choose(window().deletePicturesOption);
  EXPECT_EQ("Pictures deleted?", window().picturesDeletedStatus->text());
  interaction->answerMessage(platform::vbYes);
  window().okButton->click();
  EXPECT_EQ("Pictures deleted.", window().picturesDeletedStatus->text());
  EXPECT_TRUE(QDir(classFolder() + "Resources/Pics").isEmpty());
  EXPECT_EQ("mine", readFile(outside));
}

TEST_F(ClassInfoTest, BackUpRestoreAndPurgeRoundTrip) {
  const QString wordList = writeWordList("Week 1.txt", 6);
  shared::SaveRegSetting(lexorama.runtime().registry(), "Lexorama", "Setting", "OpenPath", wordList);
  choose(window().backUpOption);
  EXPECT_EQ("Data backed up.", window().backUpStatus->text());
  EXPECT_EQ(readFile(wordList), readFile(backup() + "/Week 1.txt"));
  EXPECT_EQ(readFile(classFolder() + "Resources/students.txt"),
            readFile(backup() + "/Resources/students.txt"));
  EXPECT_EQ(QDir(classFolder()).absolutePath(), registry("Setting", "CurrentFilePath"));

  const QByteArray students = readFile(classFolder() + "Resources/students.txt");
  writeFile("class/Resources/students.txt", "lost\r\n");
  QFile::remove(wordList);
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbYes);
  choose(window().restoreOption);
  EXPECT_EQ("Restore data from last backup", messages().at(0).title);
  EXPECT_TRUE(messages().back().text.contains("already holds 2 of these files"));
  EXPECT_EQ("Data restored.", window().restoreStatus->text());
  EXPECT_EQ(students, readFile(classFolder() + "Resources/students.txt"));
  EXPECT_TRUE(QFileInfo::exists(wordList));

  const QString outside = writeFile("keep/precious.txt", "mine");
  QFile::link(testing_support::testRoot() + "/keep", backup() + "/keep-link");
  interaction->answerMessage(platform::vbYes);
  choose(window().purgeOption);
  EXPECT_EQ("Delete Directory?", messages().back().title);
  EXPECT_EQ("Backup files have been deleted.", window().backUpStatus->text());
  EXPECT_FALSE(QFileInfo::exists(backup()));
  EXPECT_EQ("mine", readFile(outside));

  interaction->answerMessage(platform::vbYes).answerMessage(platform::vbOK);
  window().okButton->click();
  EXPECT_EQ("There are no backup files to delete.", messages().back().text);
}

TEST_F(ClassInfoTest, BackUpAndRestoreWithoutTheirPathsSaySo) {
  interaction->answerMessage(platform::vbOK);
  choose(window().backUpOption);
  EXPECT_EQ("Data backed up?", window().backUpStatus->text());
  EXPECT_EQ(1U, messages().size());

  shared::SaveRegSetting(lexorama.runtime().registry(), "Lexorama", "Setting", "CurrentFilePath",
                         "Week 1");
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  choose(window().restoreOption);
  EXPECT_EQ("There is no backup to restore.", messages().back().text);
  EXPECT_TRUE(red(window().restoreStatus));

  const std::size_t shown = messages().size();
  interaction->answerMessage(platform::vbCancel);
  window().okButton->click();
  EXPECT_EQ(shown + 1, messages().size());
}

}  // namespace
