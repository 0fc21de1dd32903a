#include "shared/tile_background.h"

#include <QPainter>
#include <QPixmap>

#include "platform/system/runtime_library.h"

namespace shared {

void TileBackground(QPainter& painter, const QPixmap& tile, int areaWidthTwips,
                    int areaHeightTwips) {
  using platform::rtl::kTwipsPerPixel;
  const int tileWidth = tile.width() * kTwipsPerPixel;
  const int tileHeight = tile.height() * kTwipsPerPixel;
  if (tileWidth <= 0 || tileHeight <= 0) return;
  for (long long x = 0; x <= areaWidthTwips; x += tileWidth) {
    for (long long y = 0; y <= areaHeightTwips; y += tileHeight) {
      painter.drawPixmap(static_cast<int>(x / kTwipsPerPixel), static_cast<int>(y / kTwipsPerPixel),
                         tile);
    }
  }
}

TiledArea::TiledArea(QWidget* parent) : QWidget(parent) { setAutoFillBackground(false); }

void TiledArea::setTile(const QPixmap& tile) {
  tile_ = tile;
  update();
}

void TiledArea::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  TileBackground(painter, tile_, width() * platform::rtl::kTwipsPerPixel,
                 height() * platform::rtl::kTwipsPerPixel);
}

void TiledArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  update();
}

}  // namespace shared
