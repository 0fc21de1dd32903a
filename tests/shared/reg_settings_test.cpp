#include "shared/reg_settings.h"

#include <QFile>
#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "platform/files/locations.h"
#include "platform/files/registry.h"
#include "support/fixture.h"

namespace {

using platform::Hive;
using platform::ObjectError;
using platform::RuntimeError;
using shared::GetRegSetting;
using shared::SaveRegSetting;

const QString kQuillora = QStringLiteral("Quillora");
const QString kSetting = QStringLiteral("Setting");
const QString kOpenPath = QStringLiteral("OpenPath");
const QString kSectionPath = QStringLiteral("SOFTWARE\\Quillora\\Setting");

class RegSettingsTest : public testing_support::RuntimeTest {
 protected:
  platform::Registry& registry() { return runtime->registry(); }

  QString read(const QString& key, const QString& fallback = QStringLiteral("<default>")) {
    return GetRegSetting(registry(), kQuillora, kSetting, key, fallback);
  }

  // The stored value exactly as the store holds it, or "<missing>".
  QString stored(Hive hive, const QString& name) {
    platform::RegValue value;
    if (registry().queryValue(hive, kSectionPath, name, value) != platform::kRegSuccess) {
      return QStringLiteral("<missing>");
    }
    return value.text;
  }
};

TEST_F(RegSettingsTest, ReadsBackWhatWasSavedUnchanged) {
  const QStringList values{QStringLiteral("/home/ann/Scribary Files/Dogs.ql"),
                           QStringLiteral("  blanks kept  "), QStringLiteral("caf\u00e9 \u20ac"),
                           QStringLiteral("two\r\nlines"), QString(3000, QLatin1Char('p'))};
  for (const QString& value : values) {
    SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, value);
    EXPECT_EQ(read(kOpenPath), value);
  }
}

TEST_F(RegSettingsTest, KeepsValuesMachineWideUnderTheProgramsSection) {
  SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, QStringLiteral("/tmp/a.ql"));
  EXPECT_EQ(stored(Hive::LocalMachine, kOpenPath), QStringLiteral("/tmp/a.ql"));
  EXPECT_EQ(stored(Hive::CurrentUser, kOpenPath), QStringLiteral("<missing>"));
}

TEST_F(RegSettingsTest, MissingSectionOrValueReadsAsTheDefault) {
  EXPECT_EQ(read(kOpenPath, QStringLiteral("last.ql")), QStringLiteral("last.ql"));
  SaveRegSetting(registry(), kQuillora, kSetting, QStringLiteral("Other"), QStringLiteral("x"));
  EXPECT_EQ(read(kOpenPath, QStringLiteral("last.ql")), QStringLiteral("last.ql"));
  EXPECT_EQ(GetRegSetting(registry(), QStringLiteral("Lexorama"), kSetting, kOpenPath, "d"),
            QStringLiteral("d"));
}

TEST_F(RegSettingsTest, AnEmptyValueReadsAsEmptyNotTheDefault) {
  SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, QString());
  EXPECT_EQ(read(kOpenPath, QStringLiteral("last.ql")), QString(""));
}

TEST_F(RegSettingsTest, TrimsAppNameAndSectionButUsesKeyAsGiven) {
  SaveRegSetting(registry(), QStringLiteral("  Quillora "), QStringLiteral(" Setting"),
                 QStringLiteral(" OpenPath "), QStringLiteral("x.ql"));
  EXPECT_EQ(stored(Hive::LocalMachine, QStringLiteral(" OpenPath ")), QStringLiteral("x.ql"));
  EXPECT_EQ(stored(Hive::LocalMachine, kOpenPath), QStringLiteral("<missing>"));
  EXPECT_EQ(read(QStringLiteral(" OpenPath ")), QStringLiteral("x.ql"));
  EXPECT_EQ(read(kOpenPath), QStringLiteral("<default>"));
}

struct BlankCase {
  const char* app;
  const char* section;
  const char* key;
  std::int32_t offset;
  const char* message;
};

void PrintTo(const BlankCase& c, std::ostream* os) {
  *os << '"' << c.app << "\" \"" << c.section << "\" \"" << c.key << '"';
}

class BlankNameTest : public RegSettingsTest, public ::testing::WithParamInterface<BlankCase> {};

TEST_P(BlankNameTest, BothRoutinesRefuseABlankName) {
  const BlankCase& c = GetParam();
  const auto expectRefused = [&c](const std::function<void()>& call) {
    try {
      call();
      ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ObjectError(c.offset));
      EXPECT_EQ(error.description(), QString::fromLatin1(c.message));
    }
  };
  expectRefused([&] {
    SaveRegSetting(registry(), c.app, c.section, c.key, QStringLiteral("value"));
  });
  expectRefused([&] { GetRegSetting(registry(), c.app, c.section, c.key, QStringLiteral("d")); });
  EXPECT_EQ(registry().openKey(Hive::LocalMachine, QStringLiteral("SOFTWARE")),
            platform::kRegNotFound);
}

INSTANTIATE_TEST_SUITE_P(
    ErrorNumbers, BlankNameTest,
    ::testing::Values(BlankCase{"", "Setting", "OpenPath", 1000, "AppName may not be empty"},
                      BlankCase{"   ", "Setting", "OpenPath", 1000, "AppName may not be empty"},
                      BlankCase{"  ", " ", " ", 1000, "AppName may not be empty"},
                      BlankCase{"Quillora", "", "OpenPath", 1001, "Section may not be empty"},
                      BlankCase{"Quillora", "  ", "", 1001, "Section may not be empty"},
                      BlankCase{"Quillora", "Setting", "", 1002, "Key may not be empty"},
                      BlankCase{"Quillora", "Setting", "    ", 1002, "Key may not be empty"}));

TEST_F(RegSettingsTest, ANumberValueIsNotAString) {
  platform::RegValue number;
  number.type = platform::kRegNumber;
  number.number = 7;
  ASSERT_EQ(registry().createKey(Hive::LocalMachine, kSectionPath), platform::kRegSuccess);
  ASSERT_EQ(registry().setValue(Hive::LocalMachine, kSectionPath, kOpenPath, number),
            platform::kRegSuccess);
  try {
    read(kOpenPath);
    FAIL() << "no error raised";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ObjectError(2000 + platform::kRegNumber));
    EXPECT_EQ(error.description(), QStringLiteral("Registry data not a string"));
  }
}

class UnwritableStoreTest : public RegSettingsTest {
 protected:
  void TearDown() override {
    QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
    QFile::setPermissions(hiveFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    RegSettingsTest::TearDown();
  }

  static QString folder() { return platform::locations::registryFolder(); }
  static QString hiveFile() { return folder() + QStringLiteral("/machine.reg"); }

  void expectSaveRefused() {
    try {
      SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, QStringLiteral("new.ql"));
      FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ObjectError(2000 + platform::kRegAccessDenied));
      EXPECT_EQ(error.description(), QStringLiteral("Could not open/create registry section"));
    }
    EXPECT_EQ(read(kOpenPath), QStringLiteral("old.ql"));
  }
};

TEST_F(UnwritableStoreTest, AReadOnlyHiveFileRefusesTheSaveAndKeepsTheOldValue) {
  SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, QStringLiteral("old.ql"));
  ASSERT_TRUE(QFile::exists(hiveFile()));
  ASSERT_TRUE(QFile::setPermissions(hiveFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                    QFileDevice::ReadOther));
  expectSaveRefused();
}

TEST_F(UnwritableStoreTest, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldValue) {
  SaveRegSetting(registry(), kQuillora, kSetting, kOpenPath, QStringLiteral("old.ql"));
  ASSERT_TRUE(QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  expectSaveRefused();
}

}  // namespace
