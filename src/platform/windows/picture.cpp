#include "platform/windows/picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QPixmap SuitePicture(const QString& path) {
  QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace platform
