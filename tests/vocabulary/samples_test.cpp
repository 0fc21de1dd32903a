#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "vocabulary/name_lists.h"
#include "vocabulary/password_check.h"
#include "vocabulary/word_list_file.h"

namespace {

using namespace vocabulary;

const QString kSamples =
    QStringLiteral(SCRIBARY_RESOURCES_DIR) + QStringLiteral("/Scribary Files/Lexorama Assignments/");

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SampleWordLists, ThreeReadyListsOfTenToTwentyItemsWithTheirNameLists) {
  const QStringList lists = QDir(kSamples).entryList({QStringLiteral("*.txt")}, QDir::Files);
  ASSERT_EQ(3, lists.size());
  for (const QString& name : lists) {
    const WordListResult result = ParseWordListBytes(contentOf(kSamples + name));
    ASSERT_TRUE(std::holds_alternative<QList<WordListItem>>(result)) << name.toStdString();
    const auto size = std::get<QList<WordListItem>>(result).size();
    EXPECT_GE(size, 10) << name.toStdString();
    EXPECT_LE(size, 20) << name.toStdString();
    QString test;
    ASSERT_TRUE(AssignmentNameOf(name, test));
    EXPECT_LE(test.size(), 20) << "a test name must fit its score record field";
  }
  const auto teachers = ReadNameList(TeachersFilePath(kSamples), kMaxTeachers);
  const auto students = ReadNameList(StudentsFilePath(kSamples), kMaxStudents);
  ASSERT_TRUE(teachers && students);
  for (const QString& teacher : teachers->names) EXPECT_LE(teacher.size(), 10);
  EXPECT_FALSE(students->names.isEmpty());
}

TEST(SampleWordLists, TheShippedCheckFileHoldsTheDefaultPasswordsSum) {
  const QByteArray check = contentOf(QStringLiteral(SCRIBARY_RESOURCES_DIR) + "/Windows/password.txt");
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("QUERN"), QString::fromLatin1(check).trimmed()));
}

}  // namespace
