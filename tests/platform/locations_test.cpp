#include "platform/files/locations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

#include "support/fixture.h"

namespace platform::locations {
namespace {

using testing_support::testRoot;

// Sets an environment variable for one test and puts back what was there.
class EnvironmentOverride {
 public:
  EnvironmentOverride(const char* name, const std::optional<QByteArray>& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) saved_ = qgetenv(name);
    set(value);
  }
  ~EnvironmentOverride() { set(saved_); }

 private:
  void set(const std::optional<QByteArray>& value) {
    if (value) {
      qputenv(name_, *value);
    } else {
      qunsetenv(name_);
    }
  }
  const char* name_;
  std::optional<QByteArray> saved_;
};

TEST(DataRoot, ComesFromTheEnvironmentInOrder) {
  struct Case {
    std::optional<QByteArray> root, dataHome, home;
    QString expected;
  };
  const Case cases[] = {
      {"/tmp/explicit", "/tmp/xdg", "/tmp/home", "/tmp/explicit"},
      {"/tmp/explicit/", std::nullopt, "/tmp/home", "/tmp/explicit"},
      {std::nullopt, "/tmp/xdg", "/tmp/home", "/tmp/xdg/scribary"},
      {"", "/tmp/xdg", "/tmp/home", "/tmp/xdg/scribary"},
      {std::nullopt, std::nullopt, "/tmp/home", "/tmp/home/.local/share/scribary"},
      {std::nullopt, "", "/tmp/home", "/tmp/home/.local/share/scribary"},
      // A relative XDG_DATA_HOME is not valid and is ignored.
      {std::nullopt, "relative/xdg", "/tmp/home", "/tmp/home/.local/share/scribary"},
  };
  for (const Case& c : cases) {
    const EnvironmentOverride root("SCRIBARY_ROOT", c.root);
    const EnvironmentOverride dataHome("XDG_DATA_HOME", c.dataHome);
    const EnvironmentOverride home("HOME", c.home);
    EXPECT_EQ(dataRoot(), c.expected) << c.expected.toStdString();
  }
}

TEST(Folders, HangFromTheRootAndAreCreated) {
  const std::pair<QString (*)(), QString> folders[] = {
      {suiteFilesFolder, "Scribary Files"},
      {tempFolder, "temp"},
      {previewFolder, "preview"},
      {passwordFolder, "Windows"},
      {readingAidFolder, "Voxlet"},
      {registryFolder, "registry"},
  };
  for (const auto& [folder, name] : folders) {
    const QString path = folder();
    EXPECT_EQ(path, testRoot() + '/' + name);
    EXPECT_TRUE(QFileInfo(path).isDir()) << name.toStdString();
  }
}

TEST(Folders, ProgramFolderIsTheExecutablesFolder) {
  EXPECT_EQ(programFolder(), QFileInfo(QCoreApplication::applicationFilePath()).absolutePath());
}

TEST(ProgramData, ComesFromTheEnvironmentElseBesideTheProgramFolder) {
  const QString installed = QDir::cleanPath(programFolder() + "/../../share/scribary");
  const std::pair<std::optional<QByteArray>, QString> cases[] = {
      {"/opt/data/", "/opt/data"},
      {"/opt/data/../other", "/opt/other"},
      {"", installed},
      {std::nullopt, installed},
  };
  for (const auto& [variable, expected] : cases) {
    const EnvironmentOverride data("SCRIBARY_PROGRAM_DATA", variable);
    EXPECT_EQ(programDataFolder(), expected) << expected.toStdString();
    EXPECT_EQ(examplesFolder(), expected + "/Examples");
  }
}

TEST(ProgramData, ExamplesAreReadInPlaceAndNeverCreated) {
  EXPECT_EQ(examplesFolder(), programDataFolder() + "/Examples");
  EXPECT_FALSE(QFileInfo::exists(examplesFolder()));
  EXPECT_FALSE(QFileInfo::exists(testRoot() + "/Examples"));
}

TEST(DisplayPath, WritesTheHomeFolderAsTilde) {
  const std::pair<QString, QString> cases[] = {
      {"/home/ana/.local/share/scribary/Scribary Files", "~/.local/share/scribary/Scribary Files"},
      {"/home/ana", "~"},
      {"/home/ana/", "~"},
      {"/home/ana/a/../b", "~/b"},
      {"/home/anabel/notes", "/home/anabel/notes"},  // only the whole folder name counts
      {"/srv/school/Scribary Files", "/srv/school/Scribary Files"},
  };
  const EnvironmentOverride home("HOME", QByteArray("/home/ana/"));
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(forDisplay(path), expected) << path.toStdString();
  }
  const EnvironmentOverride rootHome("HOME", QByteArray("/"));
  EXPECT_EQ(forDisplay("/srv/x"), "/srv/x");
}

TEST(DisplayPath, NamesTheSuiteFilesFolder) {
  const EnvironmentOverride home("HOME", testRoot().toLocal8Bit());
  const EnvironmentOverride root("SCRIBARY_ROOT", std::nullopt);
  const EnvironmentOverride dataHome("XDG_DATA_HOME", std::nullopt);
  EXPECT_EQ(suiteFilesFolderForDisplay(), "~/.local/share/scribary/Scribary Files");
}

// The suite files folder takes in what the installed data holds and keeps what students wrote.
class SuiteFilesSeeding : public ::testing::Test {
 protected:
  static void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  static QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  void SetUp() override {
    installed = programDataFolder() + "/Scribary Files";
    suite = testRoot() + "/Scribary Files";
    write(installed + "/QL Sample Assignments/5th Sample.ql", "five");
    write(installed + "/QL Sample Assignments/8th Sample.ql", "eight");
    write(installed + "/Read First.txt", "hello");
  }
  QString installed, suite;
};

TEST_F(SuiteFilesSeeding, CopiesEverythingOnFirstUse) {
  EXPECT_EQ(suiteFilesFolder(), suite);
  EXPECT_EQ(read(suite + "/QL Sample Assignments/5th Sample.ql"), "five");
  EXPECT_EQ(read(suite + "/QL Sample Assignments/8th Sample.ql"), "eight");
  EXPECT_EQ(read(suite + "/Read First.txt"), "hello");
  EXPECT_EQ(sampleAssignmentsFolder(), suite + "/QL Sample Assignments");
  // Nothing half-done is left behind.
  EXPECT_EQ(QDir(suite).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"QL Sample Assignments", "Read First.txt"}));
}

TEST_F(SuiteFilesSeeding, NeverReplacesWhatIsThere) {
  write(suite + "/Read First.txt", "my own notes");
  write(suite + "/QL Sample Assignments/5th Sample.ql", "my essay");
  suiteFilesFolder();
  EXPECT_EQ(read(suite + "/Read First.txt"), "my own notes");
  EXPECT_EQ(read(suite + "/QL Sample Assignments/5th Sample.ql"), "my essay");
  // A samples folder the student keeps is theirs: a sample they removed stays removed.
  EXPECT_FALSE(QFileInfo::exists(suite + "/QL Sample Assignments/8th Sample.ql"));
}

TEST_F(SuiteFilesSeeding, PutsBackAMissingSamplesFolderAndMakesCopiesWritable) {
  QFile::setPermissions(installed + "/QL Sample Assignments/5th Sample.ql", QFileDevice::ReadOwner);
  suiteFilesFolder();
  ASSERT_TRUE(QDir(suite + "/QL Sample Assignments").removeRecursively());
  suiteFilesFolder();
  const QString copy = suite + "/QL Sample Assignments/5th Sample.ql";
  EXPECT_EQ(read(copy), "five");
  EXPECT_TRUE(QFile::permissions(copy) & QFileDevice::WriteOwner);
}

TEST_F(SuiteFilesSeeding, WithoutInstalledDataTheFolderIsJustEmpty) {
  const EnvironmentOverride data("SCRIBARY_PROGRAM_DATA", QByteArray("/nonexistent/scribary"));
  EXPECT_EQ(suiteFilesFolder(), suite);
  EXPECT_TRUE(QDir(suite).isEmpty());
}

TEST_F(SuiteFilesSeeding, TheReadingAidFolderIsSeededAlikeAndKeepsWhatATeacherAdded) {
  const QString installedAid = programDataFolder() + "/Voxlet";
  const QString aid = testRoot() + "/Voxlet";
  write(installedAid + "/vxlong word list.txt", "apple (noun) a fruit");
  write(installedAid + "/Pictures/apple.jpg", "picture");
  write(aid + "/vxlong word list.txt", "apple (noun) my own words");
  EXPECT_EQ(readingAidFolder(), aid);
  EXPECT_EQ(read(aid + "/vxlong word list.txt"), "apple (noun) my own words");
  EXPECT_EQ(read(aid + "/Pictures/apple.jpg"), "picture");
}

class Resolve : public ::testing::Test {
 protected:
  void SetUp() override {
    base = testRoot() + "/base";
    for (const char* file : {"Resources/data.dat", "Resources/Data.dat", "Pics/Cat.BMP"}) {
      QDir().mkpath(QFileInfo(base + '/' + file).absolutePath());
      QFile(base + '/' + file).open(QIODevice::WriteOnly);
    }
  }
  QString base;
};

TEST_F(Resolve, FindsExistingComponentsWithoutRegardToCase) {
  const std::pair<QString, QString> cases[] = {
      {"", ""},
      {"resources", "/Resources"},
      {"RESOURCES\\data.dat", "/Resources/data.dat"},  // the exact spelling wins
      {"resources\\DATA.DAT", "/Resources/Data.dat"},  // else the first in sorted order
      {"pics\\cat.bmp", "/Pics/Cat.BMP"},
      {"Pics/cat.bmp", "/Pics/Cat.BMP"},
      {"\\Pics\\\\cat.bmp\\", "/Pics/Cat.BMP"},
      // Missing components keep their spelling, and so does everything below them.
      {"Pics\\New Folder\\Cat.bmp", "/Pics/New Folder/Cat.bmp"},
      {"missing\\resources", "/missing/resources"},
      {"resources\\..\\pics", "/Resources/../Pics"},
  };
  for (const auto& [relative, expected] : cases) {
    EXPECT_EQ(resolve(base, relative), base + expected) << relative.toStdString();
  }
}

}  // namespace
}  // namespace platform::locations

namespace platform::locations {
namespace {

TEST(PasswordFolder, ANewRootStartsWithTheSuitesCheckFileOnlyOnce) {
  const QString shipped = qEnvironmentVariable("SCRIBARY_PROGRAM_DATA") + "/Windows";
  QDir().mkpath(shipped);
  QFile file(shipped + "/password.txt");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("395\r\n");
  file.close();

  const QString checkFile = passwordFolder() + "/password.txt";
  EXPECT_EQ(testRoot() + "/Windows/password.txt", checkFile);
  QFile seeded(checkFile);
  ASSERT_TRUE(seeded.open(QIODevice::ReadOnly));
  EXPECT_EQ("395\r\n", seeded.readAll());
  // A teacher who removed the check file keeps it removed.
  ASSERT_TRUE(QFile::remove(checkFile));
  passwordFolder();
  EXPECT_FALSE(QFileInfo::exists(checkFile));
}

}  // namespace
}  // namespace platform::locations
