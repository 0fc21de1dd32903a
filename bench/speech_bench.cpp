// From a Speak request to the first synthesized audio of a 20-word sentence: through the voice
// alone, and through the character's queue as the programs ask for it.
#include <QCoreApplication>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "platform/character/espeak_speech.h"
#include "platform/character/qt_speaking_character.h"
#include "support/bench_main.h"

namespace {

using platform::EspeakSpeech;

const QString kSentence =
    "The students opened their word lists and listened carefully while the owl read every new "
    "word aloud to them.";

// Notes the utterance whose first samples came last, and wakes whoever waits for it.
class FirstAudio {
 public:
  void heard(int utterance) {
    {
      std::lock_guard lock(mutex_);
      if (utterance <= last_) return;
      last_ = utterance;
    }
    ready_.notify_all();
    QMetaObject::invokeMethod(qApp, [] {}, Qt::QueuedConnection);  // wakes an event loop
  }
  void waitFor(int utterance) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [&] { return last_ >= utterance; });
  }
  int last() {
    std::lock_guard lock(mutex_);
    return last_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  int last_ = 0;
};

std::shared_ptr<EspeakSpeech> memorySpeech(FirstAudio& firstAudio) {
  auto speech =
      std::make_shared<EspeakSpeech>(EspeakSpeech::Output::Memory, SCRIBARY_SPEECH_MODULE);
  speech->setAudioSink(
      [&firstAudio](int utterance, const short*, int) { firstAudio.heard(utterance); });
  return speech;
}

void BM_SpeechToFirstAudio(benchmark::State& state) {
  FirstAudio firstAudio;
  auto speech = memorySpeech(firstAudio);
  if (!speech->available()) {
    state.SkipWithError("no espeak-ng voice");
    return;
  }
  for (auto _ : state) {
    const int utterance = speech->say(kSentence);
    firstAudio.waitFor(utterance);
    state.PauseTiming();
    speech->stop();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SpeechToFirstAudio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CharacterSpeakToFirstAudio(benchmark::State& state) {
  FirstAudio firstAudio;
  auto speech = memorySpeech(firstAudio);
  if (!speech->available()) {
    state.SkipWithError("no espeak-ng voice");
    return;
  }
  platform::QtSpeakingCharacter character(speech);
  character.Show();
  int utterances = 0;
  for (auto _ : state) {
    character.Speak(kSentence);
    ++utterances;
    while (firstAudio.last() < utterances)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    state.PauseTiming();
    character.Stop();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CharacterSpeakToFirstAudio)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printTime(times, "Speak to first audio (voice)",
                             "BM_SpeechToFirstAudio/real_time", 0.150);
    bench_support::printTime(times, "Speak to first audio (character)",
                             "BM_CharacterSpeakToFirstAudio/real_time", 0.150);
  });
}
