#pragma once

#include <QPainterPath>
#include <QString>
#include <QWidget>

class QTextEdit;

namespace platform {

// The speech balloon: a small frameless window beside the character showing what it says, the
// word being spoken marked, its tail pointing at the character. A text too long for the room on
// the screen scrolls, keeping the word being spoken in sight; a very long one shows only the part
// around that word.
class BalloonWindow : public QWidget {
  Q_OBJECT

 public:
  BalloonWindow();

  // Shows `text` with the `wordLength` characters from `wordStart` marked (none when -1).
  void setText(const QString& text, int wordStart = -1, int wordLength = 0);
  QString text() const { return text_; }
  // The word marked as being spoken, or "".
  QString spokenWord() const { return text_.mid(wordStart_, wordStart_ < 0 ? 0 : wordLength_); }

  // Places the balloon wholly inside `area` (screen pixels), above the character or below it,
  // where it covers least of `controls` and shows most of its text, and scrolls the word being
  // spoken into sight.
  void placeBeside(const QRect& character, const QRect& area, const QList<QRect>& controls = {});

  QTextEdit* textView;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Place;
  Place placeOn(bool above, const QRect& character, const QRect& area, const QSize& text,
                const QList<QRect>& controls) const;
  QSize textSize(int widest);
  void sizeText(const QSize& wanted, int tallest);
  qsizetype partStartBefore(qsizetype wordStart) const;
  void showSpokenWord();
  QPainterPath outline() const;
  void pointTailAt(bool down, int x);

  QString text_;
  int wordStart_ = -1;
  int wordLength_ = 0;
  qsizetype shownFrom_ = 0;  // where the part shown starts in the text
  int shownWordStart_ = -1;  // where the word being spoken starts in the part shown
  bool tailDown_ = true;
  int tailX_ = 0;
};

}  // namespace platform
