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

// A name list's file text: the names, each ended by CR LF; an empty list is one empty line.
// With `dropEmpty` empty names are left out.
QString NameListText(const QStringList& names, bool dropEmpty);
// Replaces the list's file; "" on success, else a message fit to show the teacher.
QString WriteNameList(const QString& path, const QStringList& names, bool dropEmpty);

}  // namespace vocabulary
