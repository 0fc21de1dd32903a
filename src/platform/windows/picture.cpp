#include "platform/windows/picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QPixmap SuitePicture(const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

QPixmap PictureToFit(const QString& path, QSize room) {
  QImageReader reader(path);
  if (const QSize whole = reader.size(); whole.isValid() && !room.isEmpty()) {
    reader.setScaledSize(whole.scaled(room, Qt::KeepAspectRatio));
  }
  return QPixmap::fromImage(reader.read());
}

}  // namespace platform
