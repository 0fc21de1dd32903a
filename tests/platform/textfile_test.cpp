#include "platform/files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <gtest/gtest.h>

#include "support/file_size_limit.h"
#include "support/fixture.h"

namespace platform::textfile {
namespace {

using testing_support::testRoot;

QString writeRaw(const QString& name, const QByteArray& bytes) {
  const QString path = testRoot() + '/' + name;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

QByteArray readRaw(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Decode, ChoosesUtf8OnlyForValidUtf8) {
  const std::pair<QByteArray, QString> cases[] = {
      {"plain", "plain"},
      {"caf\xC3\xA9", QString::fromUtf8("café")},
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9",
       QString::fromUtf8("café")},
      {"caf\xE9 \x80 \x96 \x93", QString::fromUtf8("café € – “")},
      {"\xEF\xBB\xBF"
       "caf\xE9",
       QString::fromUtf8("café")},
      {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
      // Not UTF-8: truncated, overlong, a surrogate, beyond U+10FFFF, a stray continuation.
      {"caf\xC3", QString::fromUtf8("cafÃ")},
      {"\xC0\xAF", QString::fromUtf8("À¯")},
      {"\xED\xA0\x80", QString::fromUtf8("í\xC2\xA0€")},
      {"\xF4\x90\x80\x80", QString::fromUtf8("ô\xC2\x90€€")},
      {"a\xA9", QString::fromUtf8("a©")},
      {"", ""},
      // UTF-16 with its byte order mark, as Windows saves "Unicode" text.
      {QByteArray("\xFF\xFE" "c\0" "a\0" "f\0" "\xE9\0" "\r\0\n\0" "=\xD8\0\xDE", 18),
       QString::fromUtf8("café\r\n\xF0\x9F\x98\x80")},
      {QByteArray("\xFE\xFF" "\0c" "\0a" "\0f" "\0\xE9", 10), QString::fromUtf8("café")},
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(decode(bytes), expected) << bytes.toHex().toStdString();
  }
}

TEST(IsBinary, ANulByteMarksDataThatIsNoTextUnlessItIsUtf16) {
  const std::pair<QByteArray, bool> cases[] = {
      {"plain text\r\n", false},
      {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), true},
      {QByteArray("\xFF\xFE" "a\0", 4), false},
      {QByteArray("\xFE\xFF" "\0a", 4), false},
      // Only the start is looked at.
      {QByteArray(10'000, 'a') + QByteArray(1, '\0'), false},
      {"", false},
  };
  for (const auto& [bytes, binary] : cases) {
    EXPECT_EQ(isBinary(bytes), binary) << bytes.left(16).toHex().toStdString();
  }
}

TEST(ReadLines, AcceptsEveryLineEnd) {
  const std::pair<QByteArray, QStringList> cases[] = {
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\ntwo\n", {"one", "two"}},
      {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
      {"one\r\n\r\nthree", {"one", "", "three"}},
      {"\r\n\r\n", {"", ""}},
      {"no end", {"no end"}},
      {"", {}},
      {"caf\xE9\r\n\x93quoted\x94", {QString::fromUtf8("café"), QString::fromUtf8("“quoted”")}},
  };
  for (const auto& [bytes, expected] : cases) {
    const auto lines = readLines(writeRaw("lines.txt", bytes));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, expected) << bytes.toHex().toStdString();
  }
}

TEST(ReadAll, KeepsLineEndsAndDecodes) {
  const QString path = writeRaw("whole.txt", "caf\xE9\r\nline\nend");
  EXPECT_EQ(readAll(path), QString::fromUtf8("café\r\nline\nend"));
}

TEST(ReadAll, GivesNothingForWhatCannotBeRead) {
  for (const QString& path : {testRoot() + "/missing.txt", testRoot()}) {
    EXPECT_FALSE(readAll(path).has_value()) << path.toStdString();
    EXPECT_FALSE(readLines(path).has_value()) << path.toStdString();
  }
}

TEST(ToCrLf, MakesEveryLineEndCrLfOnce) {
  const std::pair<QString, QString> cases[] = {
      {"a\nb", "a\r\nb"},   {"a\r\nb", "a\r\nb"}, {"a\rb", "a\r\nb"},   {"a\r\r\nb", "a\r\n\r\nb"},
      {"\n\n", "\r\n\r\n"}, {"\n\r", "\r\n\r\n"}, {"end\r", "end\r\n"}, {"", ""},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(toCrLf(text), expected) << text.toStdString();
  }
}

TEST(WriteAtomic, WritesUtf8WithCrLf) {
  const QString path = testRoot() + "/out.txt";
  EXPECT_EQ(writeAtomic(path, QString::fromUtf8("café\nline\r\nend\r")), "");
  EXPECT_EQ(readRaw(path), QByteArray("caf\xC3\xA9\r\nline\r\nend\r\n"));
}

TEST(WriteAtomic, ReplacesTheWholeContent) {
  const QString path = writeRaw("out.txt", "a much longer old content\r\n");
  EXPECT_EQ(writeAtomic(path, "new"), "");
  EXPECT_EQ(readRaw(path), QByteArray("new"));
}

TEST(WriteAtomic, FailedSaveReportsAndLeavesEverythingAsItWas) {
  const QString directory = testRoot() + "/a folder";
  QDir().mkpath(directory + "/inside");
  const QString missingFolder = testRoot() + "/no such folder/out.txt";
  for (const QString& path : {directory, missingFolder}) {
    const QString message = writeAtomic(path, "text");
    EXPECT_TRUE(message.startsWith("Could not save " + path + ": ")) << message.toStdString();
  }
  EXPECT_TRUE(QFileInfo(directory + "/inside").isDir());
  EXPECT_FALSE(QFileInfo::exists(testRoot() + "/no such folder"));
  EXPECT_EQ(QDir(testRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{"a folder"});
}

TEST(SaveFailure, NamesAFullDiskOrAReadOnlyFolderAndOnlyAFileThatWasThere) {
  const QString kept = writeRaw("essay.ql", "saved before");
  const QString fresh = testRoot() + "/new essay.ql";
  QDir().mkpath(testRoot() + "/locked");
  const QString lockedKept = writeRaw("locked/essay.ql", "saved before");
  const QString lockedFresh = testRoot() + "/locked/new essay.ql";
  ASSERT_TRUE(QFile::setPermissions(testRoot() + "/locked",
                                    QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const QString keptNote = "The file saved there before is kept as it was.";
  const QString fullNote = "Make room on the disk or save somewhere else.";
  const QString lockedNote = "Save it in another folder.";
  struct Row {
    QString path;
    int error;
    QString expected;
  };
  const Row rows[] = {
      {kept, ENOSPC, ": the disk is full.\r\n" + keptNote + " " + fullNote},
      {kept, EDQUOT, ": the disk is full.\r\n" + keptNote + " " + fullNote},
      {fresh, ENOSPC, ": the disk is full.\r\n" + fullNote},
      {lockedKept, EACCES,
       ": the folder it is in cannot be written to.\r\n" + keptNote + " " + lockedNote},
      {lockedFresh, EACCES, ": the folder it is in cannot be written to.\r\n" + lockedNote},
      {kept, EACCES, ": Permission denied.\r\n" + keptNote},
      {fresh, 0, ": Permission denied."},
  };
  for (const Row& row : rows) {
    EXPECT_EQ("Could not save " + row.path + row.expected,
              saveFailure(row.path, row.error, "Permission denied"));
  }
  QFile::setPermissions(testRoot() + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
  EXPECT_EQ("saved before", readRaw(kept));
}

// The system refuses part of the write (here: a file size limit standing in for a full disk).
TEST(WriteBytesAtomic, AWriteTheDiskRefusesLeavesTheOldFileWhole) {
  const QString path = writeRaw("essay.ql", "saved before");
  QString message;
  {
    const testing_support::FileSizeLimit fullDisk(1024);
    message = writeBytesAtomic(path, QByteArray(4096, 'x'));
  }
  EXPECT_TRUE(message.startsWith("Could not save " + path + ": ")) << message.toStdString();
  EXPECT_EQ("saved before", readRaw(path));
  EXPECT_EQ(QStringList{"essay.ql"}, QDir(testRoot()).entryList(QDir::Files | QDir::Hidden));
}

TEST(WriteBytesAtomic, AReadOnlyFileIsKeptAndSaysSo) {
  const QString path = writeRaw("rofile.txt", "saved before");
  ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  EXPECT_EQ("Could not save " + path +
                ": the file is read-only.\r\nThe file saved there before is kept as it was. "
                "Save it under another name.",
            writeAtomic(path, "new"));
  EXPECT_EQ("saved before", readRaw(path));
  EXPECT_EQ(QStringList{"rofile.txt"}, QDir(testRoot()).entryList(QDir::Files | QDir::Hidden));
}

TEST(WriteBytesAtomic, KeepsBytesExactly) {
  const QByteArray bytes("\x00\x01\r\r\n\xFF", 6);
  const QString path = testRoot() + "/record.dat";
  EXPECT_EQ(writeBytesAtomic(path, bytes), "");
  EXPECT_EQ(readRaw(path), bytes);
}

}  // namespace
}  // namespace platform::textfile
