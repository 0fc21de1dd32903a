#include "platform/richtext/rtf_pictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace platform::rtf {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kMaxTwips = 31680;  // 22 inches: a bigger picture is shown at this size
constexpr int kMaxPixels = kMaxTwips / kTwipsPerPixel;
constexpr int kHexPerLine = 128;

// What the format of a picture read from RTF remembers, so that it is written back as it came.
constexpr int kKindProperty = QTextFormat::UserProperty + 0x5201;
constexpr int kDataProperty = QTextFormat::UserProperty + 0x5202;
constexpr int kWidthProperty = QTextFormat::UserProperty + 0x5203;
constexpr int kHeightProperty = QTextFormat::UserProperty + 0x5204;

bool isDrawable(const QByteArray& kind) { return kind == "pngblip" || kind == "jpegblip"; }

// Metafiles give their size in hundredths of a millimetre, bitmaps in pixels.
bool sizeInHimetric(const QByteArray& kind) {
  return kind.startsWith("wmetafile") || kind == "emfblip" || kind.startsWith("pmmetafile");
}

double shownPixels(int goalTwips, int natural, int scale, const Picture& p) {
  double twips = goalTwips;
  if (twips <= 0) twips = sizeInHimetric(p.kind) ? natural * 1440.0 / 2540 : natural * 15.0;
  const double pixels = twips * std::clamp(scale, 1, 1000) / 100.0 / kTwipsPerPixel;
  return std::clamp(pixels, 1.0, double(kMaxPixels));
}

// A picture we cannot draw still takes its room on the page, framed so that it can be seen.
QImage emptyFrame(int width, int height) {
  QImage frame(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
  frame.fill(Qt::transparent);
  QPainter painter(&frame);
  painter.setPen(QPen(Qt::gray, 1));
  painter.drawRect(0, 0, frame.width() - 1, frame.height() - 1);
  return frame;
}

QString resourceName(const Picture& p, int width, int height) {
  const QByteArray hash = QCryptographicHash::hash(p.data, QCryptographicHash::Sha1).toHex();
  return QStringLiteral("rtf-picture:%1:%2x%3").arg(QLatin1StringView(hash)).arg(width).arg(height);
}

QByteArray groupFor(const Picture& p) {
  QByteArray out = "{\\pict\\" + p.kind;
  out += "\\picw" + QByteArray::number(p.width) + "\\pich" + QByteArray::number(p.height);
  out += "\\picwgoal" + QByteArray::number(p.goalWidth);
  out += "\\pichgoal" + QByteArray::number(p.goalHeight) + "\r\n";
  const QByteArray hex = p.data.toHex();
  for (qsizetype at = 0; at < hex.size(); at += kHexPerLine) {
    out += hex.mid(at, kHexPerLine);
    out += "\r\n";
  }
  out += '}';
  return out;
}

QImage resourceImage(const QTextDocument& doc, const QString& name) {
  const QVariant resource = doc.resource(QTextDocument::ImageResource, QUrl(name));
  if (resource.canConvert<QImage>() && resource.typeId() == QMetaType::QImage)
    return resource.value<QImage>();
  if (resource.typeId() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
  if (resource.typeId() == QMetaType::QByteArray) return QImage::fromData(resource.toByteArray());
  return {};
}

int twipsOf(double pixels) {
  if (!std::isfinite(pixels)) return 0;
  return int(std::lround(std::clamp(pixels, 0.0, double(kMaxPixels)) * kTwipsPerPixel));
}

}  // namespace

void insertPicture(QTextCursor& cursor, const Picture& picture, const QTextCharFormat& around) {
  QImage image;
  if (isDrawable(picture.kind)) image = QImage::fromData(picture.data);
  const int naturalWidth = image.isNull() ? picture.width : image.width();
  const int naturalHeight = image.isNull() ? picture.height : image.height();
  const double width = shownPixels(picture.goalWidth, naturalWidth, picture.scaleX, picture);
  const double height = shownPixels(picture.goalHeight, naturalHeight, picture.scaleY, picture);
  if (image.isNull()) image = emptyFrame(int(std::lround(width)), int(std::lround(height)));

  const QString name = resourceName(picture, image.width(), image.height());
  QTextDocument& doc = *cursor.document();
  if (!doc.resource(QTextDocument::ImageResource, QUrl(name)).isValid())
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);

  QTextImageFormat format;
  format.merge(around);
  format.setName(name);
  format.setWidth(width);
  format.setHeight(height);
  format.setProperty(kKindProperty, picture.kind);
  format.setProperty(kDataProperty, picture.data);
  format.setProperty(kWidthProperty, picture.width);
  format.setProperty(kHeightProperty, picture.height);
  cursor.insertImage(format);
}

QByteArray pictureGroup(const QTextDocument& doc, const QTextImageFormat& image) {
  Picture p;
  if (image.hasProperty(kKindProperty)) {
    p.kind = image.property(kKindProperty).toByteArray();
    p.data = image.property(kDataProperty).toByteArray();
    p.width = image.intProperty(kWidthProperty);
    p.height = image.intProperty(kHeightProperty);
  } else {
    const QImage picture = resourceImage(doc, image.name());
    if (picture.isNull()) return {};
    QBuffer buffer(&p.data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    p.kind = "pngblip";
    p.width = picture.width();
    p.height = picture.height();
  }
  const bool sized = image.hasProperty(QTextFormat::ImageWidth);
  p.goalWidth = sized ? twipsOf(image.width()) : p.width * kTwipsPerPixel;
  p.goalHeight = image.hasProperty(QTextFormat::ImageHeight) ? twipsOf(image.height())
                                                               : p.height * kTwipsPerPixel;
  return groupFor(p);
}

void copyPictureImages(const QTextDocument& from, QTextDocument& to) {
  for (QTextBlock block = to.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QUrl name(format.toImageFormat().name());
      if (to.resource(QTextDocument::ImageResource, name).isValid()) continue;
      const QVariant image = from.resource(QTextDocument::ImageResource, name);
      if (image.isValid()) to.addResource(QTextDocument::ImageResource, name, image);
    }
  }
}

}  // namespace platform::rtf
