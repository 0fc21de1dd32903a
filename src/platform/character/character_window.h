#pragma once

#include <QWidget>
#include <optional>

#include "platform/character/owl_figure.h"

namespace platform {

// The owl in a small frameless window that stays above the programs' windows and never takes
// the focus from them; shaped to the bird, so only the bird is seen. The student can drag it
// out of the way with the mouse; where it goes is its character's choice.
class CharacterWindow : public QWidget {
  Q_OBJECT

 public:
  CharacterWindow();

  void setPose(const OwlPose& pose);
  const OwlPose& pose() const { return pose_; }

  // False on the offscreen platform, which draws no windows and cannot shape them.
  static bool canShapeWindows();

 signals:
  // The student drags the owl with the mouse; its top left corner would go to `place`.
  void draggedTo(QPoint place);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  OwlPose pose_;
  // Where the mouse took hold of the owl, from its top left corner, while it is being dragged.
  std::optional<QPoint> heldAt_;
};

}  // namespace platform
