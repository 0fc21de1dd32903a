#include "platform/windows/suite_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace platform {
namespace {

// Hands every request on to the style's picture, made at the first request.
class StandardPictureEngine : public QIconEngine {
 public:
  StandardPictureEngine(const QStyle& style, QStyle::StandardPixmap which, const QWidget* widget)
      : style_(&style), which_(which), widget_(widget) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return made().pixmap(size, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return made().availableSizes(mode, state);
  }
  // Every style has its standard pictures, so asking need not read one; a text-only toolbar
  // button asks at each drawing.
  bool isNull() override { return picture_ && picture_->isNull(); }
  QString key() const override { return QStringLiteral("StandardPictureEngine"); }
  QIconEngine* clone() const override { return new StandardPictureEngine(*this); }

 private:
  const QIcon& made() {
    // A style replaced in the meantime hands over to the application's style of the day.
    const QStyle* style = style_ ? style_.data() : QApplication::style();
    if (!picture_) picture_ = style->standardIcon(which_, nullptr, widget_);
    return *picture_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  QPointer<const QWidget> widget_;
  std::optional<QIcon> picture_;
};

constexpr int kFrameGap = 3;  // between a group box's title and its frame

// The four sides of `frame`, each a filled line one pixel wide.
void outline(QPainter& painter, const QRect& frame, const QColor& colour) {
  painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), colour);
  painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), colour);
  painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), colour);
  painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), colour);
}

}  // namespace

QIcon SuiteStyle::standardIcon(StandardPixmap which, const QStyleOption* /*option*/,
                               const QWidget* widget) const {
  return QIcon(new StandardPictureEngine(*baseStyle(), which, widget));
}

void SuiteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // The frame starts below the title, where the desktop's style puts it.
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
  const int titleHeight = std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                   option->fontMetrics.height());
  const int top = kFrameGap + (titled ? titleHeight : 0);
  const QRect frame = option->rect.adjusted(0, top, -2, -2);
  outline(*painter, frame.translated(1, 1), option->palette.color(QPalette::Light));
  outline(*painter, frame, option->palette.color(QPalette::Mid));
}

}  // namespace platform
