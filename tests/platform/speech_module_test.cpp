#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "platform/character/espeak_speech.h"
#include "platform/character/qt_speaking_character.h"

namespace {

using platform::EspeakSpeech;
using platform::QtSpeakingCharacter;
using platform::SpeakingCharacter;

const QString kMissingModule = QStringLiteral("/nonexistent/libscribary_speech.so");

// Whether the speech library is loaded into this process (each test runs in a process of its own).
bool speechLibraryLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libespeak-ng");
}

template <typename Done>
bool runUntil(Done done) {
  for (int pass = 0; pass < 2000 && !done(); ++pass) QCoreApplication::processEvents();
  return done();
}

TEST(SpeechModuleTest, TheLibraryIsLoadedOnlyWhenSpeechStarts) {
  EXPECT_FALSE(speechLibraryLoaded());
  EspeakSpeech device(EspeakSpeech::Output::Device, SCRIBARY_SPEECH_MODULE);
  EXPECT_TRUE(device.available());
  EXPECT_FALSE(speechLibraryLoaded());

  EspeakSpeech memory(EspeakSpeech::Output::Memory, SCRIBARY_SPEECH_MODULE);
  EXPECT_TRUE(memory.available());
  EXPECT_TRUE(speechLibraryLoaded());
}

TEST(SpeechModuleTest, WithoutTheModuleSpeechInMemoryIsUnavailableAndEndsAtOnce) {
  EspeakSpeech speech(EspeakSpeech::Output::Memory, kMissingModule);
  EXPECT_FALSE(speech.available());
  QSignalSpy words(&speech, &EspeakSpeech::wordReached);
  QSignalSpy finished(&speech, &EspeakSpeech::finished);
  const int utterance = speech.say(QStringLiteral("Hello there"));
  ASSERT_TRUE(runUntil([&] { return finished.count() == 1; }));
  EXPECT_EQ(finished.at(0).at(0).toInt(), utterance);
  EXPECT_EQ(words.count(), 0);
}

// The owl of a program on a computer with sound but without the speech module: it shows what it
// says, every request ends, and the loss of its voice is told once.
TEST(SpeechModuleTest, WithoutTheModuleTheOwlShowsItsWordsAndTellsItOnce) {
  // A sound server is said to be there, so the owl tries the module when it first speaks.
  qputenv("PULSE_SERVER", QByteArrayLiteral("unix:/nonexistent"));
  auto speech = std::make_shared<EspeakSpeech>(EspeakSpeech::Output::Device, kMissingModule);
  QtSpeakingCharacter character(speech, 0);
  int told = 0;
  QObject::connect(&character, &SpeakingCharacter::speechUnavailable, [&] { ++told; });
  std::vector<int> completed;
  QObject::connect(&character, &SpeakingCharacter::requestCompleted,
                   [&](int request) { completed.push_back(request); });
  character.MoveTo(300, 300);
  character.Show();
  EXPECT_TRUE(character.speechAvailable());

  const int first = character.Speak(QStringLiteral("Let's read!"));
  ASSERT_TRUE(runUntil([&] { return completed.size() == 1; }));
  EXPECT_TRUE(character.balloon().isVisible());
  EXPECT_FALSE(character.speechAvailable());
  const int second = character.Speak(QStringLiteral("Spell the word."));
  ASSERT_TRUE(runUntil([&] { return completed.size() == 2; }));

  EXPECT_EQ(completed, (std::vector<int>{first, second}));
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(speechLibraryLoaded());
}

}  // namespace
