#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace platform {

// One of the suite's own pictures (":/pictures/..."), read by the decoder that its extension
// names. Qt otherwise loads every image plugin of the system to ask whether it knows the format
// first, which costs a program's start more than the picture itself.
QPixmap SuitePicture(const QString& path);

// A picture file of any kind Qt reads, as large as fits in `room` keeping its shape. It is read
// at that size, so that a camera's photo takes little memory and is shown where reading it whole
// would be refused. Null when the file holds no picture.
QPixmap PictureToFit(const QString& path, QSize room);

}  // namespace platform
