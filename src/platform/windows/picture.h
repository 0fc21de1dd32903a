#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStyle>

namespace platform {

// One of the suite's own pictures (":/pictures/..."), read by the decoder that its extension
// names. Qt otherwise loads every image plugin of the system to ask whether it knows the format
// first, which costs a program's start more than the picture itself.
QPixmap SuitePicture(const QString& path);

// The style's standard picture, read the first time something draws it or asks its sizes. The
// style reads every size of it from its files at once, which a program's start need not wait for
// when the picture is not on the screen yet (a toolbar that shows captions only).
QIcon StandardPictureWhenDrawn(const QStyle& style, QStyle::StandardPixmap which);

}  // namespace platform
