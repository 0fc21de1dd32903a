#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

#include "support/file_size_limit.h"
#include "support/fixture.h"
#include "vocabulary/score_record.h"

namespace {

using namespace vocabulary;

class ScoreFileTest : public testing_support::RuntimeTest {
 protected:
  ScoreFileTest() { QDir().mkpath(dataFolder + "Resources"); }

  QByteArray bytes() const { return readFile(dataFolder + "Resources/data.dat"); }
  std::vector<ScoreRecord> records() const {
    const QByteArray all = bytes();
    std::vector<ScoreRecord> result;
    for (qsizetype at = 0; at + kScoreRecordLength <= all.size(); at += kScoreRecordLength) {
      result.push_back(DecodeScoreRecord(all.constData() + at));
    }
    return result;
  }

  const QString dataFolder = testing_support::testRoot() + "/class/";
  ScoreFile file{dataFolder};
  const ScoreKey key{QStringLiteral("Week 3"), QStringLiteral("Ms Hale"),
                     QStringLiteral("Ortiz, Ana")};
};

TEST_F(ScoreFileTest, ARecordIsSixtySixBytesOfPaddedTextAndLittleEndianScores) {
  ScoreRecord record{QStringLiteral("Week 3"), QStringLiteral("Ms Hale"),
                     QStringLiteral("Ortiz, Ana"), {85, -1, 256, 0, 0, 0, 10, 2}};
  const QByteArray encoded = EncodeScoreRecord(record);
  ASSERT_EQ(66, encoded.size());
  EXPECT_EQ(QByteArray("Week 3              Ms Hale   Ortiz, Ana          "), encoded.left(50));
  EXPECT_EQ(QByteArray("\x55\x00\xff\xff\x00\x01\x00\x00\x00\x00\x00\x00\x0a\x00\x02\x00", 16),
            encoded.mid(50));
  const ScoreRecord decoded = DecodeScoreRecord(encoded.constData());
  EXPECT_EQ(record.scores, decoded.scores);
  EXPECT_EQ("Ms Hale   ", decoded.Teacher);
  EXPECT_EQ(encoded, EncodeScoreRecord(decoded));
}

TEST_F(ScoreFileTest, TextIsWindows1252AndCutToItsField) {
  const ScoreRecord record{QStringLiteral("A test name of 25 chars!!"), QStringLiteral("Mr Müller-Lüdenscheid"),
                           QStringLiteral("Zoë 山"), {}};
  const QByteArray encoded = EncodeScoreRecord(record);
  EXPECT_EQ(QByteArray("A test name of 25 ch"), encoded.left(20));
  EXPECT_EQ(QByteArray("Mr M\xfcller-"), encoded.mid(20, 10));
  EXPECT_EQ(QByteArray("Zo\xeb ?               "), encoded.mid(30, 20));
}

TEST_F(ScoreFileTest, SavingMergesTheLargerScoresIntoTheFirstMatchingRecord) {
  SaveScores(file, key, {80, 60, 0, 0, 0, 0});
  EXPECT_EQ(66, bytes().size());
  SaveScores(file, key, {70, 90, 50, 0, 0, 0});
  SaveScores(file, {key.test, key.teacher, QStringLiteral("ortiz, ana")}, {1, 1, 1, 1, 1, 1});
  const auto all = records();
  ASSERT_EQ(2u, all.size());
  EXPECT_EQ((std::array<std::int16_t, 8>{80, 90, 50, 0, 0, 0, 0, 0}), all[0].scores);
  EXPECT_EQ("ortiz, ana          ", all[1].Student);
  ASSERT_TRUE(file.find(key));
  EXPECT_EQ(90, file.find(key)->scores[kMChoice2]);
}

TEST_F(ScoreFileTest, StoredBlanksAndSentenceAndSpellingMarksSurviveAMerge) {
  ScoreRecord stored{QStringLiteral("  Week 3"), QStringLiteral("Ms Hale"),
                     QStringLiteral("Ortiz, Ana  "), {0, 0, 0, 0, 0, 0, 10, 3}};
  ScoreRecord other{QStringLiteral("Week 3"), QStringLiteral("Ms Hale"),
                    QStringLiteral("Ortiz, Ana"), {}};
  writeFile("class/Resources/data.dat", EncodeScoreRecord(stored) + EncodeScoreRecord(other));
  SaveScores(file, key, {40, 0, 0, 0, 0, 0});
  const auto all = records();
  ASSERT_EQ(2u, all.size());
  EXPECT_EQ((std::array<std::int16_t, 8>{40, 0, 0, 0, 0, 0, 10, 3}), all[0].scores);
  EXPECT_EQ("Week 3              ", all[0].Test);
  EXPECT_EQ(0, all[1].scores[kMChoice1]);
}

TEST_F(ScoreFileTest, ANameLongerThanItsFieldFindsItsOwnRecord) {
  const ScoreKey longKey{QStringLiteral("A very long word list name"),
                         QStringLiteral("Mrs Abernathy-Smythe"),
                         QStringLiteral("Featherstonehaugh, Maximilian")};
  SaveScores(file, longKey, {10, 0, 0, 0, 0, 0});
  SaveScores(file, longKey, {20, 0, 0, 0, 0, 0});
  ASSERT_EQ(1u, records().size());
  EXPECT_EQ(20, file.find(longKey)->scores[kMChoice1]);
}

TEST_F(ScoreFileTest, ANewRecordGoesOverAnIncompleteTail) {
  const ScoreRecord first{QStringLiteral("t"), QStringLiteral("x"), QStringLiteral("y"), {}};
  writeFile("class/Resources/data.dat", EncodeScoreRecord(first) + QByteArray(30, 'z'));
  EXPECT_FALSE(file.find(key));
  SaveScores(file, key, {5, 5, 5, 5, 5, 5});
  EXPECT_EQ(132, bytes().size());
  EXPECT_EQ(5, records()[1].scores[kPicture2]);
}

// A file size limit stands in for a disk that fills up in the middle of a record.
TEST_F(ScoreFileTest, ARecordTheDiskTakesOnlyPartOfIsTakenBackAndTheReasonTold) {
  const QByteArray before = EncodeScoreRecord({"t", "x", "y", {}}).repeated(62);
  writeFile("class/Resources/data.dat", before);
  QString message;
  {
    const testing_support::FileSizeLimit fullDisk(4096);
    try {
      SaveScores(file, key, {5, 5, 5, 5, 5, 5});
    } catch (const ScoreFileError& error) {
      message = error.message();
    }
  }
  EXPECT_TRUE(message.endsWith(" cannot be written: File too large.")) << message.toStdString();
  EXPECT_TRUE(before == bytes()) << bytes().size();
}

TEST_F(ScoreFileTest, AMissingResourcesFolderOrAnUnopenableFileIsReported) {
  ScoreFile nowhere(testing_support::testRoot() + "/elsewhere/");
  EXPECT_THROW(nowhere.find(key), ScoreFileError);
  EXPECT_THROW(SaveScores(nowhere, key, {}), ScoreFileError);

  // A score file that cannot be opened (here a folder in its place) is reported too.
  QDir().mkpath(dataFolder + "Resources/data.dat");
  EXPECT_THROW(file.find(key), ScoreFileError);
  EXPECT_THROW(SaveScores(file, key, {90, 0, 0, 0, 0, 0}), ScoreFileError);
}

TEST_F(ScoreFileTest, TwoProgramsWritingAtOnceLoseNoRecord) {
  constexpr int kEach = 150;
  QProcess first;
  QProcess second;
  first.start(SCORE_WRITER_PATH, {dataFolder, "first", QString::number(kEach)});
  second.start(SCORE_WRITER_PATH, {dataFolder, "second", QString::number(kEach)});
  ASSERT_TRUE(first.waitForFinished(60000));
  ASSERT_TRUE(second.waitForFinished(60000));
  EXPECT_EQ(0, first.exitCode()) << first.readAllStandardError().toStdString();
  EXPECT_EQ(0, second.exitCode()) << second.readAllStandardError().toStdString();

  QSet<QString> students;
  for (const ScoreRecord& record : records()) students.insert(record.Student.trimmed());
  EXPECT_EQ(2 * kEach, static_cast<int>(records().size()));
  EXPECT_EQ(2 * kEach, students.size());
}

}  // namespace
