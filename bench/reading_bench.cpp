// Voxlet!: from pressing Read to the first synthesized audio of a paragraph, and looking a word
// up in the definition list that comes with the suite.
#include <QApplication>
#include <QClipboard>
#include <atomic>

#include "platform/character/espeak_speech.h"
#include "platform/character/qt_speaking_character.h"
#include "platform/printing/qt_printer.h"
#include "platform/system/desktop_services.h"
#include "platform/windows/qt_interaction.h"
#include "reading/definition_list.h"
#include "reading/reading_window.h"
#include "support/bench_main.h"

namespace {

const QString kParagraph =
    "The owl sat on the highest branch of the old oak tree and looked down at the sleeping "
    "village below.\r\nIn the morning the children came to listen to her stories.";

// Owls that speak into memory and note the last utterance whose first samples arrived.
class MemoryOwls : public platform::CharacterFactory {
 public:
  MemoryOwls()
      : speech_(std::make_shared<platform::EspeakSpeech>(platform::EspeakSpeech::Output::Memory,
                                                         SCRIBARY_SPEECH_MODULE)) {
    speech_->setAudioSink([this](int utterance, const short*, int) {
      int last = heard_.load();
      while (utterance > last && !heard_.compare_exchange_weak(last, utterance)) {
      }
      QMetaObject::invokeMethod(qApp, [] {}, Qt::QueuedConnection);  // wakes the event loop
    });
  }
  std::unique_ptr<platform::SpeakingCharacter> create() override {
    return std::make_unique<platform::QtSpeakingCharacter>(speech_);
  }
  bool available() const { return speech_->available(); }
  int heard() const { return heard_.load(); }

 private:
  std::shared_ptr<platform::EspeakSpeech> speech_;
  std::atomic<int> heard_{0};
};

void waitForAudioAfter(const MemoryOwls& owls, int heardBefore) {
  while (owls.heard() <= heardBefore) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The program with its reading window, made once: the voice serves one speaker per process.
struct ReadingSetup {
  MemoryOwls* owls = nullptr;
  std::unique_ptr<platform::Runtime> runtime;
  std::unique_ptr<reading::Voxlet> voxlet;
  reading::ReadingWindow* window = nullptr;
};
ReadingSetup* setup = nullptr;

bench_support::Fixture prepareReading() {
  QGuiApplication::clipboard()->clear();
  auto made = std::make_shared<ReadingSetup>();
  auto owls = std::make_unique<MemoryOwls>();
  made->owls = owls.get();
  made->runtime = std::make_unique<platform::Runtime>(
      std::make_unique<platform::QtInteraction>(), std::make_unique<platform::QtScreen>(),
      std::make_unique<platform::SystemClock>(), std::make_unique<platform::SystemRandom>(),
      std::make_unique<platform::DesktopShell>(), std::make_unique<platform::QtPrinter>(), nullptr,
      std::move(owls));
  if (!made->owls->available()) return made;
  made->voxlet = std::make_unique<reading::Voxlet>(*made->runtime);
  made->window = &made->voxlet->forms().get<reading::ReadingWindow>();
  made->window->textBox->setText(kParagraph);
  waitForAudioAfter(*made->owls, 0);  // the greeting
  setup = made.get();
  return made;
}

void BM_ReadToFirstAudio(benchmark::State& state) {
  if (!setup) {
    state.SkipWithError("no espeak-ng voice");
    return;
  }
  reading::ReadingWindow& window = *setup->window;
  for (auto _ : state) {
    state.PauseTiming();
    window.character().Stop();
    QCoreApplication::processEvents();
    window.textBox->setSelStart(0);
    const int heardBefore = setup->owls->heard();
    state.ResumeTiming();
    window.readButton->click();
    waitForAudioAfter(*setup->owls, heardBefore);
  }
  window.character().Stop();
}
BENCHMARK(BM_ReadToFirstAudio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LookUpDefinition(benchmark::State& state) {
  static const auto list = reading::DefinitionList::fromFile(
      QStringLiteral(SCRIBARY_RESOURCES_DIR "/Voxlet/vxlong word list.txt"));
  // The last word of the longest group, and a word that is not there.
  const QString last = list.group('s').last().section(' ', 0, 0);
  for (auto _ : state) {
    benchmark::DoNotOptimize(list.lookUp(last));
    benchmark::DoNotOptimize(list.lookUp(QStringLiteral("squirrelly")));
  }
}
BENCHMARK(BM_LookUpDefinition)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return bench_support::runBenchmarks(argc, argv, [](const bench_support::Times& times) {
    bench_support::printTime(times, "Read to first audio of a paragraph",
                             "BM_ReadToFirstAudio/real_time", 0.150);
    bench_support::printTime(times, "Two definition lookups in the full list",
                             "BM_LookUpDefinition", 0.001);
  }, prepareReading);
}
