#pragma once

#include <QHash>
#include <QString>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/character/speech.h"

namespace platform {

// Where the programs find the speech module: beside them, in the build tree as when installed.
QString speechModulePath();

// Speech with the espeak-ng library in a US English voice, loaded from the speech module at
// `modulePath`. Memory output starts the library at once. Device output counts as available until
// its first words, when it looks for a sound device and starts the library; if either fails, it
// says so once (becameUnavailable) and nothing is heard. The library is one per process: the
// first object to start it fixes its output and module, and an object asking for the other output
// is unavailable.
class EspeakSpeech : public Speech {
  Q_OBJECT

 public:
  enum class Output {
    Device,  // the audio device; word events arrive as the words are heard
    Memory   // synthesized samples handed to the audio sink, as fast as they are made
  };
  // Memory output: receives each block of samples (16-bit mono at sampleRate()) on the speaking
  // thread, with the number of the utterance they belong to.
  using AudioSink = std::function<void(int utterance, const short* samples, int count)>;

  EspeakSpeech(Output output, QString modulePath, QObject* parent = nullptr);
  ~EspeakSpeech() override;

  bool available() const override { return available_; }
  int say(const QString& text) override;
  void stop() override;

  // Set before the first say.
  void setAudioSink(AudioSink sink) { sink_ = std::move(sink); }
  int sampleRate() const;

  // Called from the library's threads with each block of samples and its events.
  int onSynthesized(short* samples, int count, const void* events);

 private:
  struct Job {
    int utterance = 0;
    std::wstring text;
  };

  bool claim();
  void speakInMemory();
  void queueJob(Job job);
  void deliverWord(int utterance, int codePoint, int codePoints);
  void finishLater(int utterance);
  void deliverFinished(int utterance);
  void giveUp();

  const Output output_;
  const QString modulePath_;
  bool available_ = false;
  bool claimed_ = false;  // this object holds the running library
  AudioSink sink_;

  // Owned by the object's thread.
  int lastUtterance_ = 0;
  int silencedUpTo_ = 0;  // utterances up to this number were stopped
  QHash<int, QString> pending_;
  QTimer silenceWatch_;  // a device that takes text and never plays it is no device

  // Shared with the speaking thread (memory output).
  std::mutex jobsMutex_;
  std::condition_variable jobsReady_;
  std::deque<Job> jobs_;
  bool quitting_ = false;
  std::atomic<bool> cancelling_{false};
  std::thread speaker_;
};

}  // namespace platform
