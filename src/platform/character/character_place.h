#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// The places of the controls of `window` a figure standing over it would hide and whose clicks
// it would take, in screen pixels: its title bar and every visible control, a text box or list as
// a whole, a child window's only where no child window in front hides it. None while the window
// is hidden.
QList<QRect> controlRects(const QWidget& window);

// The part of one control the user sees and clicks, in screen pixels: a text box or button
// whole, an option or check box its mark and caption, a plain label its text.
QRect controlRect(const QWidget& control);

// The controls of every window of the program on the screen, as controlRects gives them; a
// speaking character's own windows, menus and tips aside.
QList<QRect> programControlRects();

// How much of `controls` (in square pixels) the screen rectangle `figure` covers.
qint64 coveredArea(const QRect& figure, const QList<QRect>& controls);

// Where a figure of `size` that should stand at `wanted` (its top left corner) stands: there,
// when that covers none of `controls` and lies inside `area`; otherwise at the nearest place
// inside `area` that covers none; where every place covers some, at the one covering least.
QPoint clearPlace(QPoint wanted, QSize size, const QList<QRect>& controls, const QRect& area);

}  // namespace platform
