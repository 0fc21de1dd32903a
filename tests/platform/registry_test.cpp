#include "platform/files/registry.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace platform {
namespace {

using testing_support::testRoot;

constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;

RegValue text(const QString& value) { return RegValue{kRegString, value, 0}; }
RegValue number(quint32 value) { return RegValue{kRegNumber, QString(), value}; }

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() : folder(testRoot() + "/store"), registry(folder) {}
  void TearDown() override {
    // Let the temporary root be removed even where a test took write permission away.
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  QString machineFile() const { return folder + "/machine.reg"; }
  RegValue query(Hive hive, const QString& key, const QString& name, long expected) {
    RegValue value;
    EXPECT_EQ(registry.queryValue(hive, key, name, value), expected)
        << key.toStdString() << " / " << name.toStdString();
    return value;
  }

  QString folder;
  Registry registry;
};

TEST_F(RegistryTest, CreateKeyMakesEveryMissingComponent) {
  EXPECT_EQ(registry.openKey(HKLM, "SOFTWARE\\Quillora"), kRegNotFound);
  EXPECT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegSuccess);
  EXPECT_EQ(registry.createKey(HKLM, "software\\quillora\\setting"), kRegSuccess);
  const std::pair<QString, long> opens[] = {
      {"", kRegSuccess},
      {"SOFTWARE", kRegSuccess},
      {"software\\QUILLORA", kRegSuccess},
      {"Software\\Quillora\\Setting", kRegSuccess},
      {"\\SOFTWARE\\Quillora\\", kRegSuccess},
      {"SOFTWARE\\Quillora\\Setting\\Deeper", kRegNotFound},
      {"SOFTWARE\\Lexorama", kRegNotFound},
      {"Quillora", kRegNotFound},
  };
  for (const auto& [path, expected] : opens) {
    EXPECT_EQ(registry.openKey(HKLM, path), expected) << path.toStdString();
  }
  EXPECT_EQ(registry.openKey(HKCU, "SOFTWARE"), kRegNotFound);
}

TEST_F(RegistryTest, ValuesRoundTripAcrossObjects) {
  ASSERT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegSuccess);
  const QString tricky = QString::fromUtf8("/home/ann/Ünïcode \"quoted\"\r\nsecond line\\");
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath", text(tricky)),
            kRegSuccess);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "Empty", text("")), kRegSuccess);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "Count", number(0xFFFFFFFF)),
            kRegSuccess);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "", text("default")),
            kRegSuccess);

  const Registry other(folder);
  RegValue value;
  ASSERT_EQ(other.queryValue(HKLM, "software\\QUILLORA\\setting", "openpath", value), kRegSuccess);
  EXPECT_EQ(value.type, kRegString);
  EXPECT_EQ(value.text, tricky);
  ASSERT_EQ(other.queryValue(HKLM, "SOFTWARE\\Quillora\\Setting", "Empty", value), kRegSuccess);
  EXPECT_EQ(value.type, kRegString);
  EXPECT_EQ(value.text, "");
  ASSERT_EQ(other.queryValue(HKLM, "SOFTWARE\\Quillora\\Setting", "COUNT", value), kRegSuccess);
  EXPECT_EQ(value.type, kRegNumber);
  EXPECT_EQ(value.number, 0xFFFFFFFFu);
  ASSERT_EQ(other.queryValue(HKLM, "SOFTWARE\\Quillora\\Setting", "", value), kRegSuccess);
  EXPECT_EQ(value.text, "default");
}

TEST_F(RegistryTest, MissingKeysAndValuesAreNotFound) {
  ASSERT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegSuccess);
  ASSERT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath", text("x")),
            kRegSuccess);
  RegValue untouched = text("kept");
  EXPECT_EQ(registry.queryValue(HKLM, "SOFTWARE\\Quillora\\Other", "OpenPath", untouched),
            kRegNotFound);
  EXPECT_EQ(registry.queryValue(HKLM, "SOFTWARE\\Quillora\\Setting", "Missing", untouched),
            kRegNotFound);
  EXPECT_EQ(registry.queryValue(HKLM, "SOFTWARE\\Quillora", "OpenPath", untouched), kRegNotFound);
  EXPECT_EQ(registry.queryValue(HKCU, "SOFTWARE\\Quillora\\Setting", "OpenPath", untouched),
            kRegNotFound);
  EXPECT_EQ(untouched.text, "kept");
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Missing", "Name", text("x")), kRegNotFound);
  EXPECT_EQ(registry.openKey(HKLM, "SOFTWARE\\Missing"), kRegNotFound);
}

TEST_F(RegistryTest, FirstSpellingOfKeysAndValuesIsKept) {
  ASSERT_EQ(registry.createKey(HKLM, "Software\\Quillora"), kRegSuccess);
  ASSERT_EQ(registry.createKey(HKLM, "SOFTWARE\\QUILLORA\\Setting"), kRegSuccess);
  ASSERT_EQ(registry.setValue(HKLM, "Software\\Quillora\\Setting", "OpenPath", text("1")),
            kRegSuccess);
  ASSERT_EQ(registry.setValue(HKLM, "software\\quillora\\setting", "OPENPATH", text("2")),
            kRegSuccess);
  EXPECT_EQ(query(HKLM, "Software\\Quillora\\Setting", "OpenPath", kRegSuccess).text, "2");
  const QByteArray stored = contentOf(machineFile());
  EXPECT_TRUE(stored.contains("Software\\\\Quillora\\\\Setting"));
  EXPECT_FALSE(stored.contains("QUILLORA"));
  EXPECT_FALSE(stored.contains("OPENPATH"));
}

TEST_F(RegistryTest, DeleteValue) {
  ASSERT_EQ(registry.createKey(HKCU, "Software\\Voxlet"), kRegSuccess);
  ASSERT_EQ(registry.setValue(HKCU, "Software\\Voxlet", "Left", number(1000)), kRegSuccess);
  const std::pair<QString, long> deletes[] = {
      {"left", kRegSuccess}, {"Left", kRegNotFound}, {"Other", kRegNotFound}};
  for (const auto& [name, expected] : deletes) {
    EXPECT_EQ(registry.deleteValue(HKCU, "Software\\Voxlet", name), expected) << name.toStdString();
  }
  EXPECT_EQ(registry.deleteValue(HKCU, "Software\\Missing", "Left"), kRegNotFound);
  query(HKCU, "Software\\Voxlet", "Left", kRegNotFound);
  EXPECT_EQ(registry.openKey(HKCU, "Software\\Voxlet"), kRegSuccess);
}

TEST_F(RegistryTest, ReadOnlyHiveFileDeniesWritesToThatHiveOnly) {
  ASSERT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegSuccess);
  ASSERT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath", text("old")),
            kRegSuccess);
  ASSERT_TRUE(QFile::setPermissions(machineFile(), QFileDevice::ReadOwner));
  const QByteArray before = contentOf(machineFile());

  EXPECT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegAccessDenied);
  EXPECT_EQ(registry.createKey(HKLM, "SOFTWARE\\New"), kRegAccessDenied);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath", text("new")),
            kRegAccessDenied);
  EXPECT_EQ(registry.deleteValue(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath"),
            kRegAccessDenied);
  EXPECT_EQ(registry.openKey(HKLM, "SOFTWARE\\Quillora\\Setting"), kRegSuccess);
  EXPECT_EQ(query(HKLM, "SOFTWARE\\Quillora\\Setting", "OpenPath", kRegSuccess).text, "old");
  EXPECT_EQ(contentOf(machineFile()), before);

  EXPECT_EQ(registry.createKey(HKCU, "Software\\Quillora"), kRegSuccess);
}

TEST_F(RegistryTest, ReadOnlyFolderDeniesEveryWrite) {
  ASSERT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora"), kRegSuccess);
  ASSERT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora", "Name", text("old")), kRegSuccess);
  ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

  EXPECT_EQ(registry.createKey(HKLM, "SOFTWARE\\Quillora"), kRegAccessDenied);
  EXPECT_EQ(registry.createKey(HKCU, "Software"), kRegAccessDenied);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE\\Quillora", "Name", text("new")), kRegAccessDenied);
  EXPECT_EQ(registry.deleteValue(HKLM, "SOFTWARE\\Quillora", "Name"), kRegAccessDenied);
  EXPECT_EQ(query(HKLM, "SOFTWARE\\Quillora", "Name", kRegSuccess).text, "old");
  EXPECT_FALSE(QFile::exists(folder + "/user.reg"));
}

TEST_F(RegistryTest, CorruptHiveReadsEmptyUntilWritten) {
  QDir().mkpath(folder);
  const QByteArray junk("\x00\xFF{\"keys\":[\x01\x02garbage", 20);
  {
    QFile file(machineFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(junk);
  }
  EXPECT_EQ(registry.openKey(HKLM, "SOFTWARE"), kRegNotFound);
  query(HKLM, "SOFTWARE", "Name", kRegNotFound);
  EXPECT_EQ(registry.openKey(HKLM, ""), kRegSuccess);
  EXPECT_EQ(contentOf(machineFile()), junk);

  EXPECT_EQ(registry.createKey(HKLM, "SOFTWARE"), kRegSuccess);
  EXPECT_EQ(registry.setValue(HKLM, "SOFTWARE", "Name", text("fresh")), kRegSuccess);
  EXPECT_EQ(query(HKLM, "SOFTWARE", "Name", kRegSuccess).text, "fresh");
}

TEST_F(RegistryTest, ForeignValuesInAHiveFileAreIgnored) {
  QDir().mkpath(folder);
  QFile file(machineFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"keys": [{"path": "A\\B", "values": [
      {"name": "binary", "type": 3, "text": "x"},
      {"name": "huge", "type": 4, "number": 99999999999},
      {"name": "good", "type": 4, "number": 7}]}]})");
  file.close();
  EXPECT_EQ(registry.openKey(HKLM, "a"), kRegSuccess);
  query(HKLM, "A\\B", "binary", kRegNotFound);
  query(HKLM, "A\\B", "huge", kRegNotFound);
  EXPECT_EQ(query(HKLM, "A\\B", "good", kRegSuccess).number, 7u);
}

TEST(RegistryDefaultFolder, KeepsHivesInTheRegistryFolderOfTheDataRoot) {
  Registry registry;
  ASSERT_EQ(registry.createKey(Hive::LocalMachine, "SOFTWARE"), kRegSuccess);
  ASSERT_EQ(registry.createKey(Hive::CurrentUser, "Software"), kRegSuccess);
  EXPECT_TRUE(QFile::exists(testRoot() + "/registry/machine.reg"));
  EXPECT_TRUE(QFile::exists(testRoot() + "/registry/user.reg"));
}

}  // namespace
}  // namespace platform
