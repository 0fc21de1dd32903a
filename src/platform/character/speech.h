#pragma once

#include <QObject>
#include <QString>

namespace platform {

// A voice that reads text aloud while the program goes on: every call returns at once, and what
// happens later arrives as signals on the thread that owns the object.
class Speech : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // False when nothing can be heard: no speech library, no voice or no audio device.
  virtual bool available() const = 0;
  // Queues `text` after the utterances already queued and returns its number (from 1 up).
  virtual int say(const QString& text) = 0;
  // Silences the current utterance and drops the queued ones; none of them signals again.
  virtual void stop() = 0;

 signals:
  // The word at `position` (an index into the utterance's text), `length` long, is being spoken.
  void wordReached(int utterance, int position, int length);
  // The utterance has been spoken (or could not be).
  void finished(int utterance);
  // Sent once, when speech turns out to be impossible after all (the audio device failed).
  void becameUnavailable();
};

}  // namespace platform
