#include "shared/os_version.h"

#include <gtest/gtest.h>

#include "platform/system/osversion.h"

namespace {

using platform::OsVersionInfo;
using shared::OsVersion;

OsVersion reporting(OsVersionInfo info) {
  return OsVersion([info] { return info; });
}

struct ReleaseCase {
  long platformId;
  long major;
  long minor;
  long build;
  long code;
};

void PrintTo(const ReleaseCase& c, std::ostream* os) {
  *os << "platform " << c.platformId << " version " << c.major << "." << c.minor << " build "
      << c.build;
}

class CurrentOSTest : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(CurrentOSTest, GivesTheReleaseCode) {
  const ReleaseCase& c = GetParam();
  EXPECT_EQ(reporting({c.platformId, c.major, c.minor, c.build}).CurrentOS(), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    NinetyFiveFamily, CurrentOSTest,
    ::testing::Values(ReleaseCase{1, 4, 0, 950, 1}, ReleaseCase{1, 4, 0, 949, 0},
                      ReleaseCase{1, 4, 0, 951, 2}, ReleaseCase{1, 4, 0, 1079, 2},
                      ReleaseCase{1, 4, 0, 1080, 0}, ReleaseCase{1, 4, 1, 0, 3},
                      ReleaseCase{1, 4, 9, 5000, 3}, ReleaseCase{1, 4, 10, 1998, 4},
                      ReleaseCase{1, 4, 10, 1997, 0}, ReleaseCase{1, 4, 10, 1999, 5},
                      ReleaseCase{1, 4, 10, 2182, 5}, ReleaseCase{1, 4, 10, 2183, 6},
                      ReleaseCase{1, 4, 10, 32767, 6}, ReleaseCase{1, 4, 11, 2222, 0},
                      ReleaseCase{1, 4, 90, 3000, 7}, ReleaseCase{1, 4, 50, 0, 0},
                      // The major version is not looked at in this family.
                      ReleaseCase{1, 7, 10, 2222, 6}));

INSTANTIATE_TEST_SUITE_P(
    BuildLowWord, CurrentOSTest,
    ::testing::Values(
        // Only the low word counts, read as signed: above 32767 it is negative and in no range.
        ReleaseCase{1, 4, 10, 0x10000 + 1998, 4}, ReleaseCase{1, 4, 0, 0x0A5E0000 + 950, 1},
        ReleaseCase{1, 4, 10, 32768, 0}, ReleaseCase{1, 4, 10, 40000, 0},
        ReleaseCase{1, 4, 10, 65535, 0}, ReleaseCase{1, 4, 10, -1, 0},
        ReleaseCase{1, 4, 0, 0x10000 - 950, 0},
        // Rows that do not test the build still match.
        ReleaseCase{1, 4, 5, 40000, 3}, ReleaseCase{1, 4, 90, 40000, 7}));

INSTANTIATE_TEST_SUITE_P(
    NtFamily, CurrentOSTest,
    ::testing::Values(ReleaseCase{2, 3, 51, 1057, 8}, ReleaseCase{2, 4, 0, 1381, 9},
                      ReleaseCase{2, 5, 0, 2195, 10}, ReleaseCase{2, 5, 1, 2600, 11},
                      ReleaseCase{2, 5, 2, 3790, 12}, ReleaseCase{2, 5, 3, 0, 0},
                      ReleaseCase{2, 6, 0, 6000, 0}, ReleaseCase{2, 6, 1, 0, 0},
                      ReleaseCase{2, 2, 0, 0, 0}, ReleaseCase{2, 4, 0, 40000, 9}));

INSTANTIATE_TEST_SUITE_P(
    OtherFamilies, CurrentOSTest,
    ::testing::Values(ReleaseCase{4, 1, 0, 0, 13}, ReleaseCase{4, 1, 7, 0, 13},
                      ReleaseCase{4, 2, 0, 0, 14}, ReleaseCase{4, 2, 1, 0, 15},
                      ReleaseCase{4, 2, 2, 0, 0}, ReleaseCase{4, 3, 0, 0, 16},
                      ReleaseCase{4, 4, 0, 0, 0}, ReleaseCase{0, 4, 0, 950, 0},
                      ReleaseCase{3, 3, 0, 0, 0}, ReleaseCase{-1, 4, 10, 1998, 0}));

TEST(CurrentPlatform, MapsThePlatformId) {
  const std::pair<long, long> cases[] = {{1, 0}, {2, 1}, {4, 2}, {0, 0}, {3, 0}, {5, 0}, {-2, 0}};
  for (const auto& [platformId, expected] : cases) {
    EXPECT_EQ(reporting({platformId, 5, 1, 2600}).CurrentPlatform(), expected) << platformId;
  }
}

TEST(CurrentPlatform, AsksTheSystemAfreshEachTime) {
  long platformId = 1;
  const OsVersion version([&platformId] { return OsVersionInfo{platformId, 4, 0, 950}; });
  EXPECT_EQ(version.CurrentPlatform(), 0);
  EXPECT_EQ(version.CurrentOS(), 1);
  platformId = 2;
  EXPECT_EQ(version.CurrentPlatform(), 1);
  EXPECT_EQ(version.CurrentOS(), 9);
}

TEST(CurrentPlatform, ThisSystemIsOfTheNtFamily) {
  EXPECT_EQ(OsVersion().CurrentPlatform(), 1);
  EXPECT_EQ(platform::queryOsVersion().platformId, 2);
}

TEST(OsVersionFromRelease, ReadsTheLeadingReleaseNumbers) {
  struct Case {
    const char* release;
    long major, minor, build;
  };
  const Case cases[] = {{"6.1.0-18-amd64", 6, 1, 0},
                        {"5.15.133.1-generic", 5, 15, 133},
                        {"6.8", 6, 8, 0},
                        {"4", 4, 0, 0},
                        {"", 0, 0, 0},
                        {"linux", 0, 0, 0},
                        {"99999999999999999999999.2.3", 0, 2, 3}};
  for (const Case& c : cases) {
    const OsVersionInfo info = platform::osVersionFromRelease(QString::fromLatin1(c.release));
    EXPECT_EQ(info.platformId, 2) << c.release;
    EXPECT_EQ(info.major, c.major) << c.release;
    EXPECT_EQ(info.minor, c.minor) << c.release;
    EXPECT_EQ(info.build, c.build) << c.release;
  }
}

}  // namespace
