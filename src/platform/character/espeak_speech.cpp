#include "platform/character/espeak_speech.h"

#include "platform/character/espeak_calls.h"
#include "platform/files/locations.h"
#include "platform/system/module.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

constexpr int kSilenceLimitMs = 5000;

// The library keeps one voice and one output per process; its callback reaches the one object
// that holds it.
struct Engine {
  std::mutex mutex;
  EspeakSpeech* holder = nullptr;
  bool started = false;
  bool ready = false;
  EspeakSpeech::Output output{};
  int sampleRate = 0;
  const EspeakCalls* calls = nullptr;
};

// Never destroyed: the library's threads may outlive every static at exit.
Engine& engine() {
  static auto* instance = new Engine;
  return *instance;
}

int onLibraryCallback(short* samples, int count, espeak_EVENT* events) {
  Engine& library = engine();
  std::lock_guard lock(library.mutex);
  return library.holder ? library.holder->onSynthesized(samples, count, events) : 1;
}

// The speech module's functions; none when it cannot be loaded (the programs tell the student in
// their own words).
const EspeakCalls* loadModule(const QString& modulePath) {
  const auto entry =
      reinterpret_cast<EspeakCallsEntry>(moduleEntry(modulePath, kEspeakCallsEntry, "Speech"));
  return entry ? entry() : nullptr;
}

bool startLibrary(Engine& library, EspeakSpeech::Output output, const QString& modulePath) {
  library.started = true;
  library.output = output;
  library.calls = loadModule(modulePath);
  if (!library.calls) return false;
  const EspeakCalls& calls = *library.calls;
  calls.initializePath(nullptr);
  espeak_ng_ERROR_CONTEXT context = nullptr;
  if (calls.initialize(&context) != ENS_OK) {
    calls.clearErrorContext(&context);
    return false;
  }
  const auto mode = output == EspeakSpeech::Output::Device ? ENOUTPUT_MODE_SPEAK_AUDIO
                                                            : ENOUTPUT_MODE_SYNCHRONOUS;
  if (calls.initializeOutput(mode, 0, nullptr) != ENS_OK) return false;
  calls.setSynthCallback(onLibraryCallback);
  if (calls.setVoiceByName("en-us") != ENS_OK) return false;
  library.sampleRate = calls.getSampleRate();
  return true;
}

bool claimLibrary(EspeakSpeech* speech, EspeakSpeech::Output output, const QString& modulePath) {
  Engine& library = engine();
  std::lock_guard lock(library.mutex);
  if (!library.started) library.ready = startLibrary(library, output, modulePath);
  if (!library.ready || library.output != output || library.holder) return false;
  library.holder = speech;
  return true;
}

void releaseLibrary(EspeakSpeech* speech) {
  Engine& library = engine();
  std::lock_guard lock(library.mutex);
  if (library.holder == speech) library.holder = nullptr;
}

// A sound server or a playback device. The library itself only finds out when it first plays,
// and then says nothing to its caller.
bool audioDevicePresent() {
  if (qEnvironmentVariableIsSet("PULSE_SERVER")) return true;
  const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtimeDir.isEmpty() && (QFileInfo::exists(runtimeDir + "/pulse/native") ||
                                QFileInfo::exists(runtimeDir + "/pipewire-0")))
    return true;
  return !QDir("/dev/snd").entryList({"pcmC*p"}, QDir::System).isEmpty();
}

// The index in `text` of the code point numbered `codePoint` (the library counts code points).
int utf16Index(const QString& text, int codePoint) {
  int index = 0;
  for (int counted = 0; counted < codePoint && index < text.size(); ++counted)
    index += text.at(index).isHighSurrogate() && index + 1 < text.size() ? 2 : 1;
  return index;
}

// Only once the library is running.
const EspeakCalls& calls() { return *engine().calls; }

int utteranceOf(const espeak_EVENT& event) {
  return static_cast<int>(reinterpret_cast<std::intptr_t>(event.user_data));
}

void* tagOf(int utterance) {
  return reinterpret_cast<void*>(static_cast<std::intptr_t>(utterance));
}

}  // namespace

QString speechModulePath() {
  return locations::programFolder() + QStringLiteral("/" SCRIBARY_SPEECH_MODULE_FILE);
}

EspeakSpeech::EspeakSpeech(Output output, QString modulePath, QObject* parent)
    : Speech(parent), output_(output), modulePath_(std::move(modulePath)) {
  silenceWatch_.setSingleShot(true);
  silenceWatch_.setInterval(kSilenceLimitMs);
  connect(&silenceWatch_, &QTimer::timeout, this, &EspeakSpeech::giveUp);
  if (output == Output::Device) {
    // The device and the library are tried when the first words are said, after the window
    // that asked for them is on the screen.
    available_ = true;
    return;
  }
  if (!claim()) return;
  available_ = true;
  speaker_ = std::thread([this] { speakInMemory(); });
}

bool EspeakSpeech::claim() {
  if (!claimed_ && (output_ == Output::Memory || audioDevicePresent()))
    claimed_ = claimLibrary(this, output_, modulePath_);
  return claimed_;
}

EspeakSpeech::~EspeakSpeech() {
  if (speaker_.joinable()) {
    {
      std::lock_guard lock(jobsMutex_);
      quitting_ = true;
      cancelling_ = true;
    }
    jobsReady_.notify_one();
    speaker_.join();
  }
  if (output_ == Output::Device && claimed_) calls().cancel();
  releaseLibrary(this);
}

int EspeakSpeech::sampleRate() const { return engine().sampleRate; }

int EspeakSpeech::say(const QString& text) {
  const int utterance = ++lastUtterance_;
  if (!available_ || text.trimmed().isEmpty()) {
    finishLater(utterance);
    return utterance;
  }
  if (!claim()) {
    // No sound device, or the library could not be started: this text and the rest are only
    // shown.
    available_ = false;
    finishLater(utterance);
    QMetaObject::invokeMethod(this, &Speech::becameUnavailable, Qt::QueuedConnection);
    return utterance;
  }
  pending_.insert(utterance, text);
  std::wstring wide = text.toStdWString();
  if (output_ == Output::Memory) {
    queueJob({utterance, std::move(wide)});
    return utterance;
  }
  const espeak_ERROR result =
      calls().synth(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t), 0, POS_CHARACTER, 0,
                    espeakCHARS_WCHAR, nullptr, tagOf(utterance));
  if (result != EE_OK)
    finishLater(utterance);
  else if (!silenceWatch_.isActive())
    silenceWatch_.start();
  return utterance;
}

void EspeakSpeech::stop() {
  silencedUpTo_ = lastUtterance_;
  pending_.clear();
  silenceWatch_.stop();
  if (!available_ || !claimed_) return;
  if (output_ == Output::Device) {
    calls().cancel();
    return;
  }
  std::lock_guard lock(jobsMutex_);
  jobs_.clear();
  cancelling_ = true;
}

void EspeakSpeech::queueJob(Job job) {
  {
    std::lock_guard lock(jobsMutex_);
    jobs_.push_back(std::move(job));
  }
  jobsReady_.notify_one();
}

void EspeakSpeech::speakInMemory() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(jobsMutex_);
      jobsReady_.wait(lock, [this] { return quitting_ || !jobs_.empty(); });
      if (quitting_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      cancelling_ = false;
    }
    calls().synth(job.text.c_str(), (job.text.size() + 1) * sizeof(wchar_t), 0, POS_CHARACTER,
                  0, espeakCHARS_WCHAR, nullptr, tagOf(job.utterance));
    finishLater(job.utterance);
  }
}

int EspeakSpeech::onSynthesized(short* samples, int count, const void* eventList) {
  const auto* event = static_cast<const espeak_EVENT*>(eventList);
  if (output_ == Output::Memory) {
    if (cancelling_) return 1;
    if (sink_ && samples && count > 0) sink_(utteranceOf(*event), samples, count);
  }
  for (; event->type != espeakEVENT_LIST_TERMINATED; ++event) {
    const int utterance = utteranceOf(*event);
    if (event->type == espeakEVENT_WORD && event->length > 0) {
      const int start = event->text_position - 1;
      const int length = event->length;
      QMetaObject::invokeMethod(
          this, [this, utterance, start, length] { deliverWord(utterance, start, length); },
          Qt::QueuedConnection);
    } else if (event->type == espeakEVENT_MSG_TERMINATED && output_ == Output::Device) {
      finishLater(utterance);
    }
  }
  return 0;
}

// Safe from any thread: the end is told on the object's own thread.
void EspeakSpeech::finishLater(int utterance) {
  QMetaObject::invokeMethod(this, [this, utterance] { deliverFinished(utterance); },
                            Qt::QueuedConnection);
}

void EspeakSpeech::deliverWord(int utterance, int codePoint, int codePoints) {
  if (utterance <= silencedUpTo_) return;
  const auto text = pending_.constFind(utterance);
  if (text == pending_.constEnd()) return;
  if (silenceWatch_.isActive()) silenceWatch_.start();
  const int start = utf16Index(*text, codePoint);
  emit wordReached(utterance, start, utf16Index(*text, codePoint + codePoints) - start);
}

void EspeakSpeech::deliverFinished(int utterance) {
  if (utterance <= silencedUpTo_) return;
  pending_.remove(utterance);
  if (pending_.isEmpty())
    silenceWatch_.stop();
  else if (silenceWatch_.isActive())
    silenceWatch_.start();
  emit finished(utterance);
}

// The device took the text but played nothing: finish what is pending and speak no more.
void EspeakSpeech::giveUp() {
  if (pending_.isEmpty() || !available_) return;
  calls().cancel();
  available_ = false;
  QList<int> unfinished = pending_.keys();
  std::sort(unfinished.begin(), unfinished.end());
  pending_.clear();
  for (int utterance : unfinished) emit finished(utterance);
  emit becameUnavailable();
}

}  // namespace platform
