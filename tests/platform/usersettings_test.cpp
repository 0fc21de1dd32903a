#include "platform/files/usersettings.h"

#include <QFile>
#include <gtest/gtest.h>

#include "platform/files/registry.h"
#include "support/fixture.h"

namespace platform {
namespace {

using testing_support::testRoot;

class UserSettingsTest : public ::testing::Test {
 protected:
  UserSettingsTest() : folder(testRoot() + "/store"), registry(folder), settings(registry) {}
  QString folder;
  Registry registry;
  UserSettings settings;
};

TEST_F(UserSettingsTest, MissingSettingsGiveTheDefault) {
  EXPECT_EQ(settings.get("Quillora", "Settings", "MainLeft", "1000"), "1000");
  EXPECT_EQ(settings.get("Quillora", "Settings", "MainLeft"), "");
  ASSERT_TRUE(settings.save("Quillora", "Settings", "MainTop", "500"));
  EXPECT_EQ(settings.get("Quillora", "Settings", "MainLeft", "1000"), "1000");
  EXPECT_EQ(settings.get("Quillora", "Other", "MainTop", "1000"), "1000");
}

TEST_F(UserSettingsTest, SavedTextReadsBackUnchanged) {
  for (const QString& value :
       {QString("6500.5"), QString(""), QString(" padded "), QString::fromUtf8("é\r\nline")}) {
    ASSERT_TRUE(settings.save("Lexorama", "Settings", "MainWidth", value));
    EXPECT_EQ(settings.get("lexorama", "SETTINGS", "mainwidth", "default"), value);
  }
}

TEST_F(UserSettingsTest, LivesInTheUserHiveUnderTheProgramsKey) {
  ASSERT_TRUE(settings.save("Voxlet!", "Settings", "MainHeight", "7200"));
  RegValue value;
  ASSERT_EQ(registry.queryValue(Hive::CurrentUser,
                                "Software\\Scribary\\Program Settings\\Voxlet!\\Settings",
                                "MainHeight", value),
            kRegSuccess);
  EXPECT_EQ(value.type, kRegString);
  EXPECT_EQ(value.text, "7200");
  EXPECT_EQ(registry.openKey(Hive::LocalMachine, "Software"), kRegNotFound);
}

TEST_F(UserSettingsTest, ValuesThatAreNotTextGiveTheDefault) {
  const QString key = "Software\\Scribary\\Program Settings\\Quillora\\Settings";
  ASSERT_EQ(registry.createKey(Hive::CurrentUser, key), kRegSuccess);
  ASSERT_EQ(registry.setValue(Hive::CurrentUser, key, "MainLeft", RegValue{kRegNumber, "", 5}),
            kRegSuccess);
  EXPECT_EQ(settings.get("Quillora", "Settings", "MainLeft", "1000"), "1000");
}

TEST_F(UserSettingsTest, BlankNamesAreRefused) {
  EXPECT_FALSE(settings.save("", "Settings", "MainLeft", "1"));
  EXPECT_FALSE(settings.save("  ", "Settings", "MainLeft", "1"));
  EXPECT_FALSE(settings.save("Quillora", "", "MainLeft", "1"));
  EXPECT_FALSE(settings.save("Quillora", "Settings", "", "1"));
  EXPECT_EQ(settings.get("", "Settings", "MainLeft", "d"), "d");
  EXPECT_EQ(registry.openKey(Hive::CurrentUser, "Software"), kRegNotFound);
}

TEST_F(UserSettingsTest, UnwritableStoreFailsAndKeepsWhatWasSaved) {
  ASSERT_TRUE(settings.save("Quillora", "Settings", "MainLeft", "1000"));
  ASSERT_TRUE(QFile::setPermissions(folder + "/user.reg", QFileDevice::ReadOwner));
  EXPECT_FALSE(settings.save("Quillora", "Settings", "MainLeft", "2000"));
  EXPECT_EQ(settings.get("Quillora", "Settings", "MainLeft"), "1000");
}

}  // namespace
}  // namespace platform
