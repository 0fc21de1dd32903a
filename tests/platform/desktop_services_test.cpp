#include "platform/system/desktop_services.h"

#include <gtest/gtest.h>
#include <vector>

#include "support/fixture.h"

namespace platform {
namespace {

std::vector<double> draw(SystemRandom& random, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(random.Rnd());
  return values;
}

TEST(SystemRandom, DrawsFromZeroUpToButNotOne) {
  SystemRandom random;
  int low = 0;
  for (double value : draw(random, 100000)) {
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
    if (value < 0.5) ++low;
  }
  EXPECT_NEAR(low, 50000, 1500);
}

TEST(SystemRandom, RandomizeWithASeedRepeatsTheSequence) {
  SystemRandom first, second;
  first.Randomize(42);
  second.Randomize(42);
  EXPECT_EQ(draw(first, 20), draw(second, 20));
  second.Randomize(43);
  first.Randomize(42);
  EXPECT_NE(draw(first, 20), draw(second, 20));
}

TEST(QtScreen, ReportsThePrimaryScreen) {
  const QtScreen screen;
  EXPECT_GT(screen.widthPixels(), 0);
  EXPECT_GT(screen.heightPixels(), 0);
}

TEST(DesktopShell, StartsOnlyExecutablesOfTheProgramFolder) {
  DesktopShell shell;
  for (const QString& name : {QString(), QString("no-such-program"), QString(".."),
                              QString("../bin/sh"), QString("/bin/sh")}) {
    EXPECT_FALSE(shell.startSuiteProgram(name)) << name.toStdString();
  }
  EXPECT_FALSE(shell.startProgram(testing_support::testRoot() + "/missing"));
  EXPECT_FALSE(shell.startProgram(""));
}

TEST(DesktopShell, OpeningAMissingFileFails) {
  DesktopShell shell;
  EXPECT_FALSE(shell.openDocument(testing_support::testRoot() + "/missing.html"));
}

}  // namespace
}  // namespace platform
