#pragma once

#include <QProxyStyle>

namespace platform {

// The programs' style: the desktop's own, except for what a program's start would otherwise wait
// for. Each standard picture is read the first time something draws it or asks its sizes: the
// style reads every size of it at once, through every image plugin of the system, although most
// are not on the screen yet (a text-only toolbar, a toolbar's overflow button). Group boxes have
// an etched frame of filled lines, as the programs' frames look, instead of one drawn from a
// picture file, which again wakes every image plugin.
class SuiteStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace platform
