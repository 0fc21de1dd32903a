#include "platform/windows/child_area.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <algorithm>

#include "platform/windows/form.h"

namespace platform {

ChildArea::ChildArea(QWidget* parent) : QMdiArea(parent) {
  // A child larger than the area stays reachable, as in a Windows multiple-document window.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(this, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
    if (frame) front_ = frame;
  });
}

void ChildArea::adopt(Form& child) {
  auto* frame = new QMdiSubWindow;
  // The child's unload decides when the frame goes, not the frame's close box.
  frame->setAttribute(Qt::WA_DeleteOnClose, false);
  frame->setWidget(&child);
  addSubWindow(frame);
  frame->hide();
  child.installEventFilter(this);
  // The frame may itself be taking the child down with it; it is then no frame any more.
  QPointer<QObject> guarded(frame);
  connect(&child, &QObject::destroyed, this, [guarded] {
    if (guarded) guarded->deleteLater();
  });
}

bool ChildArea::eventFilter(QObject* watched, QEvent* event) {
  auto* child = dynamic_cast<Form*>(watched);
  auto* frame = child ? qobject_cast<QMdiSubWindow*>(child->parentWidget()) : nullptr;
  if (frame && event->type() == QEvent::ShowToParent) {
    frame->show();
    fitInside(*frame);
    front_ = frame;
    setActiveSubWindow(frame);
  } else if (frame && event->type() == QEvent::HideToParent) {
    frame->hide();
  }
  return QMdiArea::eventFilter(watched, event);
}

void ChildArea::fitInside(QWidget& frame) const {
  const QSize room = viewport()->size();
  QRect placed(frame.pos(), frame.size().boundedTo(room).expandedTo(frame.minimumSizeHint()));
  placed.moveLeft(std::max(0, std::min(placed.left(), room.width() - placed.width())));
  placed.moveTop(std::max(0, std::min(placed.top(), room.height() - placed.height())));
  frame.setGeometry(placed);
}

Form* ChildArea::activeChild() const {
  QMdiSubWindow* frame = currentSubWindow();
  if (!frame || frame->isHidden()) frame = qobject_cast<QMdiSubWindow*>(front_.data());
  if (!frame || frame->isHidden()) {
    frame = nullptr;
    // The most recently active of the frames still shown.
    for (QMdiSubWindow* shown : subWindowList(QMdiArea::ActivationHistoryOrder)) {
      if (!shown->isHidden()) frame = shown;
    }
  }
  return frame ? dynamic_cast<Form*>(frame->widget()) : nullptr;
}

}  // namespace platform
