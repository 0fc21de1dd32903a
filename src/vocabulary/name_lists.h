#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The name lists of a data folder: "Resources\teachers.txt" and "Resources\students.txt", one
// name per line.
namespace vocabulary {

constexpr int kMaxTeachers = 100;
constexpr int kMaxStudents = 1000;

QString TeachersFilePath(const QString& dataFolder);
QString StudentsFilePath(const QString& dataFolder);

// The first `maxNames` lines of a name list; nothing when it cannot be read.
std::optional<QStringList> ReadNameList(const QString& path, int maxNames);

}  // namespace vocabulary
