#include "platform/files/folder_build.h"

#include <QDir>
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace platform::files {
namespace {

using testing_support::entries;
using FolderBuildTest = testing_support::RuntimeTest;

// Whether or not the folder was there, its files change only when put in place, and a build
// given up leaves nothing of itself behind.
TEST_F(FolderBuildTest, ChangesTheFolderOnlyWhenPutInPlaceAndLeavesNothingHidden) {
  for (const bool existing : {false, true}) {
    for (const bool putInPlace : {false, true}) {
      const QString parent = testing_support::testRoot() +
                             QStringLiteral("/%1-%2").arg(existing).arg(putInPlace);
      const QString target = parent + "/Page";
      QDir().mkpath(parent);
      if (existing) {
        writeFile(target + "/page.html", "old page");
        writeFile(target + "/notes.txt", "notes");
      }
      const QStringList before = entries(target);
      {
        FolderBuild build(target);
        ASSERT_TRUE(build.isValid());
        writeFile(build.path() + "/page.html", "new page");
        writeFile(build.path() + "/picture.png", "PNG");
        // Its work is hidden until then.
        EXPECT_EQ(before, QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                                 QDir::Name));
        if (putInPlace) {
          EXPECT_EQ("", build.putInPlace());
        }
      }
      EXPECT_EQ(existing || putInPlace ? QStringList{"Page"} : QStringList(), entries(parent));
      QStringList expected = before;
      if (putInPlace) expected = existing ? QStringList{"notes.txt", "page.html", "picture.png"}
                                          : QStringList{"page.html", "picture.png"};
      EXPECT_EQ(expected, entries(target));
      if (existing || putInPlace) {
        EXPECT_EQ(putInPlace ? "new page" : "old page", readFile(target + "/page.html"));
      }
    }
  }
}

}  // namespace
}  // namespace platform::files
