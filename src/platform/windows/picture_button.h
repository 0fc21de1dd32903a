#pragma once

#include <QPushButton>

namespace platform {

// A button that shows a picture only, drawn as the programs' picture buttons are: the picture on
// a raised bevel that sinks while pressed, with a dotted focus frame. The style would draw its
// large rounded panel through antialiased paths, which the paint engine hands to a worker thread
// that every drawing then waits for.
class PictureButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
