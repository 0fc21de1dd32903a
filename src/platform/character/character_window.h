#pragma once

#include <QWidget>

#include "platform/character/owl_figure.h"

namespace platform {

// The owl in a small frameless window that stays above the programs' windows and never takes
// the focus from them; shaped to the bird, so only the bird is seen.
class CharacterWindow : public QWidget {
  Q_OBJECT

 public:
  CharacterWindow();

  void setPose(const OwlPose& pose);
  const OwlPose& pose() const { return pose_; }

  // False on the offscreen platform, which draws no windows and cannot shape them.
  static bool canShapeWindows();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  OwlPose pose_;
};

}  // namespace platform
