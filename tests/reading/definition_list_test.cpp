#include "reading/definition_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/fixture.h"

namespace {

using reading::DefinitionList;
using reading::PicturePath;

const QString kNone = DefinitionList::kNotAvailable;

DefinitionList listOf(const QStringList& lines) { return DefinitionList::fromLines(lines); }

TEST(DefinitionList, FindsWordsAcrossGroupsTheFirstOfAIncluded) {
  const auto list = listOf({"ant (noun) a small insect", "apple (noun) a fruit", "B",
                            "bee (noun) an insect that makes honey", "Z", "zoo (noun) a park"});
  const std::pair<QString, DefinitionList::Lookup> cases[] = {
      {"ant", QString("ant (noun) a small insect")},
      {"apple", QString("apple (noun) a fruit")},
      {"bee", QString("bee (noun) an insect that makes honey")},
      {"zoo", QString("zoo (noun) a park")},
      {"APPLE", QString("apple (noun) a fruit")},      // compared in lower case
      {" bee\r\n", QString("bee (noun) an insect that makes honey")},  // trimmed
      {"apple pie", kNone},                            // two words are no word of the list
      {"cat", kNone},                                  // an empty group
      {"axe", kNone},
      {"1st", std::nullopt},                           // not a letter: nothing at all
      {"", std::nullopt},
      {QString::fromUtf8("\xC3\xA9t\xC3\xA9"), std::nullopt},
  };
  for (const auto& [selection, expected] : cases) {
    EXPECT_EQ(list.lookUp(selection), expected) << selection.toStdString();
  }
  EXPECT_EQ(list.size(), 4);
}

TEST(DefinitionList, MarkerLinesAreNoEntriesAndAMissingMarkerLosesAGroupsFirstEntry) {
  const auto list = listOf({"ant (noun) an insect", "bat (noun) a flying animal",
                            "bee (noun) an insect", "C", "cat (noun) a pet"});
  EXPECT_EQ(list.group('a'), QStringList({"ant (noun) an insect"}));
  EXPECT_EQ(list.group('b'), QStringList({"bee (noun) an insect"}));
  EXPECT_EQ(list.group('c'), QStringList({"cat (noun) a pet"}));
  EXPECT_EQ(list.lookUp("bat"), kNone);
}

TEST(DefinitionList, ALineWithoutABlankEndsTheSearchOfItsGroup) {
  const auto list = listOf({"ant (noun) an insect", "apple", "axe (noun) a tool"});
  EXPECT_EQ(list.lookUp("ant"), QString("ant (noun) an insect"));
  EXPECT_EQ(list.lookUp("axe"), kNone);
  EXPECT_EQ(list.lookUp("apple"), kNone);
}

TEST(DefinitionList, AGroupStopsTheReadingAtItsThousandthEntry) {
  QStringList lines;
  for (int i = 1; i <= 1001; ++i) lines.append(QString("a%1 (noun) entry %1").arg(i));
  lines << "B" << "bee (noun) an insect";
  const auto list = listOf(lines);
  EXPECT_EQ(list.group('a').size(), 1000);
  EXPECT_EQ(list.lookUp("a1000"), QString("a1000 (noun) entry 1000"));
  EXPECT_EQ(list.lookUp("bee"), kNone);
  // A full group searched to its end without a match leaves the pane as it was.
  EXPECT_EQ(list.lookUp("azure"), std::nullopt);
}

TEST(DefinitionList, OddLinesAreTakenInStride) {
  // A group outside "a".."z" is read past and kept nowhere; blank lines belong to no group.
  const auto list = listOf({"", "ant (noun) an insect", "", "1", "1 (number) one", "B",
                            "bee (noun) an insect", "A", "axe (noun) a tool"});
  EXPECT_EQ(list.lookUp("bee"), QString("bee (noun) an insect"));
  // A group that comes round again is written over from its first row.
  EXPECT_EQ(list.group('a'), QStringList({"axe (noun) a tool"}));
  EXPECT_TRUE(DefinitionList::fromFile("/nonexistent/list.txt").group('a').isEmpty());
  EXPECT_EQ(DefinitionList::fromFile("/nonexistent/list.txt").lookUp("ant"), kNone);
}

TEST(DefinitionList, TheListThatComesWithTheSuiteHoldsThousandsOfWordsInEveryGroup) {
  const auto list = DefinitionList::fromFile(QStringLiteral(SCRIBARY_RESOURCES_DIR) +
                                             "/Voxlet/vxlong word list.txt");
  EXPECT_GE(list.size(), 3000);
  EXPECT_TRUE(list.lookUp("apple")->startsWith("apple "));
  EXPECT_TRUE(list.lookUp("Zero")->startsWith("zero "));
  EXPECT_TRUE(list.lookUp("abandon")->startsWith("abandon "));
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    EXPECT_LT(list.group(letter).size(), DefinitionList::kMaxEntries) << letter;
  }
  // Every picture that comes with the suite is of a word of the list.
  const QDir pictures(QStringLiteral(SCRIBARY_RESOURCES_DIR) + "/Voxlet/Pictures");
  const QStringList files = pictures.entryList(QDir::Files);
  EXPECT_GE(files.size(), 12);
  for (const QString& file : files) {
    const QString word = file.section('.', 0, 0);
    EXPECT_NE(list.lookUp(word), kNone) << file.toStdString();
    EXPECT_EQ(PicturePath(pictures.path(), word), pictures.filePath(file));
  }
}

// Pictures of both kinds, copied from those that come with the suite.
class PictureTest : public testing_support::RuntimeTest {
 protected:
  void picture(const QString& name) {
    const QString source = QStringLiteral(SCRIBARY_RESOURCES_DIR "/Voxlet/Pictures/") +
                           (name.endsWith(".gif") ? "ball.gif" : "apple.jpg");
    ASSERT_TRUE(QFile::copy(source, folder + '/' + name));
  }
  QString folder = testing_support::testRoot();
};

TEST_F(PictureTest, AJpgBeatsAGifAndTheNameIsLowerCasedButNotTrimmed) {
  picture("cat.gif");
  EXPECT_EQ(PicturePath(folder, "cat"), folder + "/cat.gif");
  picture("cat.jpg");
  EXPECT_EQ(PicturePath(folder, "CAT"), folder + "/cat.jpg");
  EXPECT_EQ(PicturePath(folder, " cat"), "");
  picture("Dog.JPG");
  EXPECT_EQ(PicturePath(folder, "dog"), folder + "/Dog.JPG");
  QFile::remove(folder + "/Dog.JPG");
  EXPECT_EQ(PicturePath(folder, "dog"), "");
  // A file that is no picture is no picture.
  writeFile("dog.jpg", "not a picture");
  EXPECT_EQ(PicturePath(folder, "dog"), "");
}

TEST_F(PictureTest, ASelectionCannotReachOutsideThePicturesFolder) {
  QDir().mkpath(folder + "/Pictures");
  picture("secret.jpg");
  for (const char* selection : {"../secret", "..\\secret", "/tmp/x", ".."}) {
    EXPECT_EQ(PicturePath(folder + "/Pictures", selection), "") << selection;
  }
}

}  // namespace
