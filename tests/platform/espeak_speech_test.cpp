#include <QSignalSpy>
#include <atomic>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/character/espeak_speech.h"

namespace {

using platform::EspeakSpeech;
using testing::ElementsAre;

// The real library, speaking into memory: no audio device is needed.
class EspeakSpeechTest : public ::testing::Test {
 protected:
  EspeakSpeechTest() {
    speech.setAudioSink([this](int, const short*, int count) { samples += count; });
    QObject::connect(&speech, &EspeakSpeech::wordReached,
                     [this](int utterance, int position, int length) {
                       words.append(QString("%1:%2").arg(utterance).arg(
                           texts.value(utterance).mid(position, length)));
                     });
    QObject::connect(&speech, &EspeakSpeech::finished,
                     [this](int utterance) { finished.push_back(utterance); });
  }

  int say(const QString& text) {
    const int utterance = speech.say(text);
    texts.insert(utterance, text);
    return utterance;
  }
  // Waits for the speaking thread, at most ten seconds.
  bool waitFinished(int utterance) {
    QSignalSpy spy(&speech, &EspeakSpeech::finished);
    for (int i = 0; i < 100; ++i) {
      if (std::find(finished.begin(), finished.end(), utterance) != finished.end()) return true;
      spy.wait(100);
    }
    return false;
  }

  EspeakSpeech speech{EspeakSpeech::Output::Memory, SCRIBARY_SPEECH_MODULE};
  std::atomic<long> samples{0};
  QHash<int, QString> texts;
  QStringList words;
  std::vector<int> finished;
};

TEST_F(EspeakSpeechTest, SpeaksAWordIntoMemoryWithItsEvents) {
  ASSERT_TRUE(speech.available());
  EXPECT_GT(speech.sampleRate(), 0);
  const int utterance = say("Dictionary");
  ASSERT_TRUE(waitFinished(utterance));
  EXPECT_THAT(words, ElementsAre("1:Dictionary"));
  EXPECT_GT(samples.load(), speech.sampleRate() / 10);  // some tenths of a second of voice
}

TEST_F(EspeakSpeechTest, WordEventsArriveInOrderAndMarkTheWordsOfTheText) {
  ASSERT_TRUE(speech.available());
  say("Zoë reads the café menu.");
  const int second = say("Then she orders.");
  ASSERT_TRUE(waitFinished(second));
  EXPECT_THAT(words, ElementsAre("1:Zoë", "1:reads", "1:the", "1:café", "1:menu", "2:Then",
                                 "2:she", "2:orders"));
  EXPECT_THAT(finished, ElementsAre(1, 2));
}

TEST_F(EspeakSpeechTest, StopSilencesWhatWasQueuedAndSpeechGoesOn) {
  ASSERT_TRUE(speech.available());
  say("This long sentence is stopped before anyone can hear the end of it at all.");
  say("Nor is this one heard.");
  speech.stop();
  const int after = say("Hello");
  ASSERT_TRUE(waitFinished(after));
  EXPECT_THAT(finished, ElementsAre(after));
  EXPECT_THAT(words, ElementsAre("3:Hello"));
}

TEST_F(EspeakSpeechTest, ABlankTextFinishesWithoutAWord) {
  ASSERT_TRUE(speech.available());
  const int blank = say("  ");
  const int next = say("Yes");
  ASSERT_TRUE(waitFinished(next));
  EXPECT_THAT(finished, ElementsAre(blank, next));
  EXPECT_THAT(words, ElementsAre("2:Yes"));
}

}  // namespace
