#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "essay/assignment_file.h"
#include "platform/character/espeak_speech.h"
#include "platform/printing/qt_printer.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "platform/richtext/rtf.h"

namespace {

namespace locations = platform::locations;

TEST(InstalledSuite, KeepsItsDataBesideThePrograms) {
  const QDir programs(locations::programFolder());
  EXPECT_EQ(QFileInfo(locations::programDataFolder()).canonicalFilePath(),
            QFileInfo(programs.filePath("../../share/scribary")).canonicalFilePath());
  EXPECT_TRUE(QFileInfo(programs.filePath("quillora")).isExecutable());
}

TEST(InstalledSuite, FindsEveryWorkedExampleAndRubric) {
  QStringList names;
  for (const char* grade : {"5", "8", "11", "ex"}) {
    const bool sample = QLatin1String(grade) == QLatin1String("ex");
    for (const char* part : {"Intro", "Body", "Conclusion"}) {
      names << QString::fromLatin1(grade) +
                   (sample && QLatin1String(part) == QLatin1String("Intro") ? "Introduction"
                                                                              : part) +
                   ".rtf";
    }
  }
  names << "5thRubric.rtf" << "8thRubric.rtf" << "hsRubric.rtf" << "6ptRubric.rtf";
  for (const QString& name : names) {
    const QString path = locations::examplesFolder() + '/' + name;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QTextDocument document;
    platform::rtf::read(file.readAll(), document);
    EXPECT_FALSE(document.toPlainText().trimmed().isEmpty()) << path.toStdString();
  }
}

TEST(InstalledSuite, GivesANewUserTheSampleAssignments) {
  const QDir samples(locations::sampleAssignmentsFolder());
  const QStringList files = samples.entryList({"*.ql"}, QDir::Files, QDir::Name);
  EXPECT_EQ(files, QStringList({"11th Sample.ql", "5th Sample.ql", "8th Sample.ql"}));
  for (const QString& name : files) {
    const auto assignment = essay::readAssignmentFile(samples.filePath(name));
    ASSERT_TRUE(assignment.has_value()) << name.toStdString();
    EXPECT_FALSE(assignment->themeLine.trimmed().isEmpty()) << name.toStdString();
  }
}

TEST(InstalledSuite, GivesANewUserTheReadingAidsWordsHelpAndPictures) {
  const QDir aid(locations::readingAidFolder());
  const auto lines = platform::textfile::readLines(aid.filePath("vxlong word list.txt"));
  ASSERT_TRUE(lines.has_value());
  EXPECT_GE(lines->size(), 3000);
  EXPECT_TRUE(aid.exists("WordNet licence.txt"));
  QFile help(aid.filePath("vxHelp.rtf"));
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  QTextDocument document;
  platform::rtf::read(help.readAll(), document);
  EXPECT_TRUE(document.toPlainText().startsWith("Voxlet! Help"));
  EXPECT_GE(QDir(aid.filePath("Pictures")).entryList({"*.gif", "*.jpg"}, QDir::Files).size(), 12);
}

// The programs that speak load the speech library from the module beside them.
TEST(InstalledSuite, SpeaksThroughTheSpeechModuleBesideThePrograms) {
  platform::EspeakSpeech speech(platform::EspeakSpeech::Output::Memory,
                                platform::speechModulePath());
  EXPECT_TRUE(speech.available());
}

// Every program prints through Qt's print support in the module beside them.
TEST(InstalledSuite, PrintsThroughThePrintingModuleBesideThePrograms) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("page.pdf"));
  {
    platform::QtPrinter printer(pdf, platform::printingModulePath());
    printer.Print(QStringLiteral("Scribary"));
    printer.EndDoc();
  }
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  // A new user: an empty data root, and the program data found from the program's own folder.
  QTemporaryDir root;
  qputenv("SCRIBARY_ROOT", root.path().toLocal8Bit());
  qunsetenv("SCRIBARY_PROGRAM_DATA");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
