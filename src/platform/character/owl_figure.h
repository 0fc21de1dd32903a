#pragma once

#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace platform {

// One moment of the owl: how its eyes, wings, body and beak stand.
struct OwlPose {
  double eyesOpen = 1.0;   // 0 shut .. 1 wide open
  double lookX = 0.0;      // pupils: -1 far left .. 1 far right
  double leftWing = 0.0;   // degrees raised from the side
  double rightWing = 0.0;
  double hop = 0.0;        // pixels above its feet's place
  double tilt = 0.0;       // degrees the whole bird leans, to its left when positive
  bool beakOpen = false;
  bool puzzled = false;    // a raised brow and a question mark
};

// The frames of a named animation, first to last; none for a name it does not know.
std::vector<OwlPose> owlAnimation(const QString& name);

// The size the owl is drawn at.
QSize owlSize();
// Draws the owl in the pose into a painter sized owlSize(); its background stays untouched.
void paintOwl(QPainter& painter, const OwlPose& pose);

}  // namespace platform
