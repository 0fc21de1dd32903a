#pragma once

#include <QPainterPath>
#include <QString>
#include <QWidget>

class QLabel;

namespace platform {

// The speech balloon: a small frameless window beside the character showing what it says, the
// word being spoken marked, its tail pointing at the character.
class BalloonWindow : public QWidget {
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
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPainterPath outline() const;
  void pointTailAt(bool down, int x);

  QLabel* textLabel;
  QString text_;
  int wordStart_ = -1;
  int wordLength_ = 0;
  bool tailDown_ = true;
  int tailX_ = 0;
};

}  // namespace platform
