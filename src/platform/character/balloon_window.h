#pragma once

#include <QFrame>
#include <QString>

class QLabel;

namespace platform {

// The speech balloon: a small frameless window beside the character showing what it says,
// the word being spoken marked.
class BalloonWindow : public QFrame {
  Q_OBJECT

 public:
  BalloonWindow();

  // Shows `text` with the `wordLength` characters from `wordStart` marked (none when -1).
  void setText(const QString& text, int wordStart = -1, int wordLength = 0);
  QString text() const { return text_; }
  // The word marked as being spoken, or "".
  QString spokenWord() const { return text_.mid(wordStart_, wordStart_ < 0 ? 0 : wordLength_); }

  // Places the balloon above the character (below it where the screen has no room above).
  void placeBeside(const QRect& character);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* textLabel;
  QString text_;
  int wordStart_ = -1;
  int wordLength_ = 0;
};

}  // namespace platform
