#include "platform/files/folder_build.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "support/fixture.h"

namespace platform::files {
namespace {

using testing_support::testRoot;

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                QDir::Name);
}

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether or not the folder was there, its files change only when put in place, and a build
// given up leaves nothing of itself behind.
TEST(FolderBuild, ChangesTheFolderOnlyWhenPutInPlaceAndLeavesNothingHidden) {
  for (const bool existing : {false, true}) {
    for (const bool putInPlace : {false, true}) {
      const QString parent = testRoot() + QStringLiteral("/%1-%2").arg(existing).arg(putInPlace);
      const QString target = parent + "/Page";
      QDir().mkpath(existing ? target : parent);
      if (existing) {
        write(target + "/page.html", "old page");
        write(target + "/notes.txt", "notes");
      }
      const QStringList before = entries(target);
      {
        FolderBuild build(target);
        ASSERT_TRUE(build.isValid());
        write(build.path() + "/page.html", "new page");
        write(build.path() + "/picture.png", "PNG");
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
        EXPECT_EQ(putInPlace ? "new page" : "old page", read(target + "/page.html"));
      }
    }
  }
}

}  // namespace
}  // namespace platform::files
