#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace platform {

// An animated figure in a window of its own that talks to the user: it plays named animations
// and speaks texts, showing them in a speech balloon. Play and Speak are queued and run one
// after another while the caller goes on; each reports its completion by request number. The
// user can drag the figure aside.
class SpeakingCharacter : public QObject {
  Q_OBJECT

 public:
  // The one character the suite has.
  static constexpr const char* kOwl = "owl";
  // Balloon styles: no balloon at all, or a balloon showing the spoken text.
  static constexpr int kNoBalloon = 0;
  static constexpr int kTextBalloon = 5;

  // The animations Play knows, by their exact names.
  static const QStringList& animationNames();

  using QObject::QObject;

  // Makes the character with this id ready; false when there is no such character.
  virtual bool load(const QString& characterId) = 0;

  // Shows the character at once, without taking the focus from the program's window; while the
  // program's main window is minimised, once it is restored.
  virtual void Show() = 0;
  // Hides it once the requests already queued have run.
  virtual void Hide() = 0;
  // Puts the character's top left corner at a screen position in pixels: there, or as near as it
  // can stand without covering a control of a window of the program.
  virtual void MoveTo(int x, int y) = 0;
  // The window the character talks for, from which on it keeps clear of the controls of the
  // program's windows as they come, go, move and change size, and leaves and comes back with the
  // program's main window (the one holding it) as that is minimised and restored; and the screen
  // area (in pixels) it and its balloon stay inside.
  virtual void serve(QWidget& window, const QRect& screenArea) = 0;

  // Queue an animation or a text to speak; each returns the request's number (from 1 up).
  virtual int Play(const QString& animation) = 0;
  virtual int Speak(const QString& text) = 0;
  // Ends the current request and drops the queued ones; each of them completes.
  virtual void Stop() = 0;

  // 0 shows no balloon (the text is only heard); any other style shows the spoken text.
  virtual int BalloonStyle() const = 0;
  virtual void SetBalloonStyle(int style) = 0;

  // False when the character can only show what it says, not be heard.
  virtual bool speechAvailable() const = 0;

 signals:
  void requestCompleted(int request);
  // Sent once when speech fails after the character was made (the audio device failed).
  void speechUnavailable();
};

// Makes the characters the windows load; one per window, gone with its window.
class CharacterFactory {
 public:
  virtual ~CharacterFactory() = default;
  virtual std::unique_ptr<SpeakingCharacter> create() = 0;
};

}  // namespace platform
