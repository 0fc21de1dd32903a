#include "shared/file_services.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/windows/program.h"
#include "support/fixture.h"

namespace {

using testing_support::PromptKind;

class FileServicesTest : public testing_support::RuntimeTest {
 protected:
  QString path(const QString& name) const {
    return QDir(testing_support::testRoot()).filePath(name);
  }
  platform::Program program{*runtime, "Lexorama"};
};

TEST_F(FileServicesTest, BrowseForFolderGivesTheChosenFolderOrNothing) {
  interaction->answerFolder("/home/ann/pages").answerFolder("");
  EXPECT_EQ("/home/ann/pages", shared::BrowseForFolder(*interaction, "Please select a folder."));
  EXPECT_EQ("Please select a folder.", interaction->prompts(PromptKind::Folder).back().title);
  EXPECT_EQ("", shared::BrowseForFolder(*interaction, "Please select a folder."));
}

TEST_F(FileServicesTest, CopyMatchingFilesCountsTheFilesItCopied) {
  writeFile("from/a.JPG", "a");
  writeFile("from/b.jpg", "b");
  writeFile("from/c.png", "c");
  QDir().mkpath(path("from/folder.jpg"));
  EXPECT_EQ(2, shared::CopyMatchingFiles(program, path("from"), path("to"), "*.jpg"));
  EXPECT_EQ("a", readFile(path("to/a.JPG")));
  EXPECT_EQ("b", readFile(path("to/b.jpg")));
  EXPECT_FALSE(QFileInfo::exists(path("to/c.png")));
  EXPECT_TRUE(interaction->prompts().empty());

  interaction->answerMessage(platform::vbOK);
  EXPECT_EQ(0, shared::CopyMatchingFiles(program, path("missing"), path("to"), "*.gif"));
  EXPECT_EQ("No *.gif files found.", interaction->prompts(PromptKind::MessageBox).back().text);
  EXPECT_EQ("Lexorama", interaction->prompts(PromptKind::MessageBox).back().title);
}

TEST_F(FileServicesTest, ShellFileCopyAsksBeforeReplacingUnlessToldNotTo) {
  const QString source = writeFile("song.wav", "new");
  const QString target = writeFile("page/song.wav", "old");
  interaction->answerMessage(platform::vbNo);
  EXPECT_FALSE(shared::ShellFileCopy(program, source, target, false));
  EXPECT_EQ("old", readFile(target));
  interaction->answerMessage(platform::vbYes);
  EXPECT_TRUE(shared::ShellFileCopy(program, source, target, false));
  EXPECT_EQ("new", readFile(target));
  writeFile("song.wav", "newer");
  EXPECT_TRUE(shared::ShellFileCopy(program, source, target, true));
  EXPECT_EQ("newer", readFile(target));

  EXPECT_FALSE(shared::ShellFileCopy(program, path("nothing.wav"), path("page/nothing.wav"), true));
  EXPECT_FALSE(QFileInfo::exists(path("page/nothing.wav")));
  EXPECT_FALSE(shared::ShellFileCopy(program, source, path("no/such/folder/song.wav"), true));
  // A file copied onto itself is left as it is.
  EXPECT_TRUE(shared::ShellFileCopy(program, target, target, false));
  EXPECT_EQ("newer", readFile(target));
}

TEST_F(FileServicesTest, EmptyFolderDeletesFilesOnlyAndSaysWhetherNoneAreLeft) {
  writeFile("pics/a.jpg", "a");
  const QString readOnly = writeFile("pics/.hidden", "h");
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
  writeFile("pics/sub/kept.jpg", "k");
  EXPECT_TRUE(shared::EmptyFolder(path("pics")));
  EXPECT_EQ(QStringList{"sub"},
            QDir(path("pics")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  EXPECT_TRUE(QFileInfo::exists(path("pics/sub/kept.jpg")));
  // A folder holding only folders is already empty of files.
  EXPECT_TRUE(shared::EmptyFolder(path("pics")));
  EXPECT_FALSE(shared::EmptyFolder(path("missing")));
}

TEST_F(FileServicesTest, CopyFolderContentsAsksOnceAndKeepsOrReplacesAsTold) {
  writeFile("from/a.txt", "new a");
  writeFile("from/sub/b.txt", "new b");
  writeFile("from/c.txt", "new c");
  writeFile("to/a.txt", "old a");
  writeFile("to/sub/b.txt", "old b");
  QFile::link(path("outside"), path("from/link"));
  writeFile("outside/deep.txt", "not followed");

  interaction->answerMessage(platform::vbNo);
  EXPECT_EQ(shared::FolderCopy::Copied,
            shared::CopyFolderContents(program, path("from"), path("to"), {}));
  EXPECT_TRUE(interaction->prompts().back().text.contains("already holds 2 of these files"));
  EXPECT_EQ("old a", readFile(path("to/a.txt")));
  EXPECT_EQ("new c", readFile(path("to/c.txt")));
  EXPECT_FALSE(QFileInfo::exists(path("to/link/deep.txt")));

  interaction->answerMessage(platform::vbCancel);
  EXPECT_EQ(shared::FolderCopy::Cancelled,
            shared::CopyFolderContents(program, path("from"), path("to"), {}));
  EXPECT_EQ("old b", readFile(path("to/sub/b.txt")));

  interaction->answerMessage(platform::vbYes);
  int reports = 0;
  EXPECT_EQ(shared::FolderCopy::Copied,
            shared::CopyFolderContents(program, path("from"), path("to"),
                                       [&reports](qsizetype, qsizetype) { return ++reports > 0; }));
  EXPECT_EQ("new b", readFile(path("to/sub/b.txt")));
  EXPECT_EQ(4, reports);

  EXPECT_EQ(shared::FolderCopy::Cancelled,
            shared::CopyFolderContents(program, path("from"), path("elsewhere"),
                                       [](qsizetype, qsizetype) { return false; }));
  EXPECT_EQ(shared::FolderCopy::Failed,
            shared::CopyFolderContents(program, path("missing"), path("to"), {}));
}

TEST_F(FileServicesTest, DeleteFolderRemovesLinksWithoutFollowingThem) {
  writeFile("backup/a.txt", "a");
  const QString kept = writeFile("outside/keep.txt", "keep");
  QFile::link(path("outside"), path("backup/folder-link"));
  QFile::link(kept, path("backup/file-link"));
  EXPECT_TRUE(shared::DeleteFolder(path("backup")));
  EXPECT_FALSE(QFileInfo::exists(path("backup")));
  EXPECT_EQ("keep", readFile(kept));
}

}  // namespace
