#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "shared/tile_background.h"

namespace {

constexpr int kTile = 8;  // pixels

QPixmap redTile() {
  QPixmap tile(kTile, kTile);
  tile.fill(Qt::red);
  return tile;
}

// Which columns of tiles were painted, looking one pixel into each.
std::vector<bool> paintedColumns(int areaWidthTwips, int imageColumns) {
  QImage image(imageColumns * kTile, kTile, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  shared::TileBackground(painter, redTile(), areaWidthTwips, kTile * 15);
  painter.end();
  std::vector<bool> painted;
  for (int column = 0; column < imageColumns; ++column) {
    painted.push_back(image.pixelColor(column * kTile + 1, 1) == QColor(Qt::red));
  }
  return painted;
}

TEST(TileBackground, AnAreaThreeTilesWideGetsAFourthColumnAtItsEdge) {
  EXPECT_EQ((std::vector<bool>{true, true, true, true, false}), paintedColumns(3 * kTile * 15, 5));
  EXPECT_EQ((std::vector<bool>{true, true, true, false, false}),
            paintedColumns(3 * kTile * 15 - 1, 5));
}

TEST(TileBackground, AreasWiderThanSixteenBitsAreTiledToTheEnd) {
  const int columns = 40000 / (kTile * 15) + 2;
  const std::vector<bool> painted = paintedColumns(40000, columns);
  EXPECT_TRUE(painted[columns - 2]);
}

TEST(TileBackground, ATileWithoutASizePaintsNothingAndReturns) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  shared::TileBackground(painter, QPixmap(), 1000, 1000);
  painter.end();
  EXPECT_EQ(QColor(Qt::white), image.pixelColor(0, 0));
}

}  // namespace
