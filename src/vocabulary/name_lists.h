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

struct NameList {
  QStringList names;   // the first lines, as many as the window shows
  QStringList unread;  // the lines past them
};
// A name list split after its first `maxNames` lines; nothing when it cannot be read.
std::optional<NameList> ReadNameList(const QString& path, int maxNames);
// Tells the teacher, before anything is saved, how many names of the list were not read.
QString UnreadNamesText(const QString& path, const NameList& list, int maxNames);

// The score file holds names in Windows-1252 only: a name with other characters would share its
// record with every other such name.
// "" when the score file can hold `name`; else a message naming the characters it cannot.
QString UnstorableNameText(const QString& name);
// The names of `names` the score file cannot hold.
QStringList UnstorableNames(const QStringList& names);
// Tells which names of the list file `path` the score file cannot hold, then `whatNow`.
QString UnstorableNamesText(const QString& path, const QStringList& unstorable,
                            const QString& whatNow);

// A name list's file text: the names, each ended by CR LF; an empty list is one empty line.
// With `dropEmpty` empty names are left out.
QString NameListText(const QStringList& names, bool dropEmpty);
// Replaces the list's file; "" on success, else a message fit to show the teacher.
QString WriteNameList(const QString& path, const QStringList& names, bool dropEmpty);

}  // namespace vocabulary
