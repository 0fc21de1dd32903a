#include "support/fixture.h"

#include <QFile>
#include <QFileInfo>

namespace testing_support {

RuntimeTest::RuntimeTest() {
  auto scripted = std::make_unique<ScriptedInteraction>();
  auto fixedScreen = std::make_unique<FixedScreen>();
  auto fixedClock = std::make_unique<FixedClock>();
  auto scriptedRandom = std::make_unique<ScriptedRandom>();
  auto recordingShell = std::make_unique<RecordingShell>();
  auto recordingPrinter = std::make_unique<RecordingPrinter>();
  auto memoryClipboard = std::make_unique<MemoryClipboard>();
  auto recordingCharacters = std::make_unique<RecordingCharacters>();
  characters = recordingCharacters.get();
  clipboard = memoryClipboard.get();
  interaction = scripted.get();
  screen = fixedScreen.get();
  clock = fixedClock.get();
  random = scriptedRandom.get();
  shell = recordingShell.get();
  printer = recordingPrinter.get();
  runtime = std::make_unique<platform::Runtime>(std::move(scripted), std::move(fixedScreen),
                                                std::move(fixedClock), std::move(scriptedRandom),
                                                std::move(recordingShell),
                                                std::move(recordingPrinter),
                                                std::move(memoryClipboard),
                                                std::move(recordingCharacters));
}

void RuntimeTest::TearDown() {
  EXPECT_TRUE(interaction->allAnswered()) << "Some scripted answers were never asked for";
  processEvents();
}

void RuntimeTest::processEvents() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void RuntimeTest::letWindowsDraw() {
  // The first turn delivers the expose that draws; the second runs what was queued behind it.
  for (int turn = 0; turn < 2; ++turn) QCoreApplication::processEvents();
}

QString RuntimeTest::writeFile(const QString& relativePath, const QByteArray& bytes) {
  const QString path = QDir(testRoot()).filePath(relativePath);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
  return path;
}

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                QDir::Name);
}

QByteArray RuntimeTest::readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace testing_support
