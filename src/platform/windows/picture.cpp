#include "platform/windows/picture.h"

#include <QApplication>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPointer>
#include <optional>

namespace platform {
namespace {

// Hands every request on to the style's picture, made at the first request.
class StandardPictureEngine : public QIconEngine {
 public:
  StandardPictureEngine(const QStyle& style, QStyle::StandardPixmap which)
      : style_(&style), which_(which) {}

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
    if (!picture_) picture_ = style->standardIcon(which_);
    return *picture_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> picture_;
};

}  // namespace

QPixmap SuitePicture(const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

QIcon StandardPictureWhenDrawn(const QStyle& style, QStyle::StandardPixmap which) {
  return QIcon(new StandardPictureEngine(style, which));
}

}  // namespace platform
