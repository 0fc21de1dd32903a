#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// One of the suite's own pictures (":/pictures/..."), read by the decoder that its extension
// names. Qt otherwise loads every image plugin of the system to ask whether it knows the format
// first, which costs a program's start more than the picture itself.
QPixmap SuitePicture(const QString& path);

}  // namespace platform
