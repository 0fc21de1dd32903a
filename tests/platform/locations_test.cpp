#include "platform/locations.h"

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
      {examplesFolder, "Examples"},
      {tempFolder, "temp"},
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
