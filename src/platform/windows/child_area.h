#pragma once

#include <QMdiArea>
#include <QPointer>

namespace platform {

class Form;

// The inside of a multiple-document main window. Child windows live in frames inside it:
// showing, hiding and unloading a child shows, hides and removes its frame.
class ChildArea : public QMdiArea {
 public:
  explicit ChildArea(QWidget* parent = nullptr);

  // Puts the window inside the area, hidden until it is shown. A shown window is made to fit the
  // area: no larger than it (as far as its controls allow) and moved wholly inside it.
  void adopt(Form& child);
  // The child window in front, also while the program is not the active one; nullptr when no
  // child is shown.
  Form* activeChild() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitInside(QWidget& frame) const;
  // Held as a plain widget: a frame is still referred to while its destruction is under way.
  QPointer<QWidget> front_;
};

}  // namespace platform
