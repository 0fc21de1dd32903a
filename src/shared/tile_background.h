#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace shared {

// Paints a window's background by repeating `tile` from the top left corner, column by column,
// over an area given in twips; the last column and row may run past it and are clipped. A tile
// without a size paints nothing.
void TileBackground(QPainter& painter, const QPixmap& tile, int areaWidthTwips,
                    int areaHeightTwips);

// A window's client area with a tiled background, under the window's controls. It repaints the
// whole area whenever it is resized.
class TiledArea : public QWidget {
 public:
  explicit TiledArea(QWidget* parent = nullptr);
  void setTile(const QPixmap& tile);
  const QPixmap& tile() const { return tile_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPixmap tile_;
};

}  // namespace shared
