#include "platform/character/character_place.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "platform/character/balloon_window.h"
#include "platform/character/character_window.h"

namespace platform {
namespace {

// Widgets made of inner widgets that the user still meets as one control.
bool isWholeControl(const QWidget& widget) {
  return qobject_cast<const QAbstractScrollArea*>(&widget) ||
         qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QComboBox*>(&widget);
}

QRect onScreen(const QWidget& widget) { return {widget.mapToGlobal(QPoint(0, 0)), widget.size()}; }

QRect clickArea(const QAbstractButton& button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  return button.style()->subElementRect(element, &option, &button);
}

// What of a control shows, in its own coordinates: an option or check box is its mark and
// caption, a plain label its line of text; the rest of their room in a layout is blank.
QRect shownPart(const QWidget& widget) {
  if (const auto* option = qobject_cast<const QRadioButton*>(&widget))
    return clickArea(*option, QStyle::SE_RadioButtonClickRect);
  if (const auto* box = qobject_cast<const QCheckBox*>(&widget))
    return clickArea(*box, QStyle::SE_CheckBoxClickRect);
  const auto* label = qobject_cast<const QLabel*>(&widget);
  if (!label || label->text().isEmpty() || label->wordWrap() ||
      label->frameShape() != QFrame::NoFrame || !label->pixmap().isNull())
    return widget.rect();
  const QRect room = label->contentsRect();
  return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                             label->sizeHint().boundedTo(room.size()), room);
}

// The child windows' controls, but for those a child window in front of them hides.
void addChildWindowControls(const QMdiArea& area, QList<QRect>& controls) {
  QList<QRect> inFront;
  const QList<QMdiSubWindow*> children = area.subWindowList(QMdiArea::StackingOrder);
  for (auto child = children.crbegin(); child != children.crend(); ++child) {
    if (!(*child)->isVisible() || !(*child)->widget()) continue;
    for (const QRect& control : controlRects(*(*child)->widget())) {
      if (std::none_of(inFront.begin(), inFront.end(),
                       [&](const QRect& front) { return front.contains(control); }))
        controls.append(control);
    }
    inFront.append(onScreen(**child));
  }
}

// A widget holding visible widgets is a panel: its controls count, not the panel itself.
void addControls(const QWidget& widget, QList<QRect>& controls) {
  if (const auto* area = qobject_cast<const QMdiArea*>(&widget)) {
    addChildWindowControls(*area, controls);
    return;
  }
  bool holdsControls = false;
  if (!isWholeControl(widget)) {
    for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isWindow() || !child->isVisible()) continue;
      holdsControls = true;
      addControls(*child, controls);
    }
  }
  if (!holdsControls) controls.append(controlRect(widget));
}

// Every left edge (or top edge) worth trying: the wanted one, those at the area's sides, and
// those just clear of a control on either side; each kept inside the area.
QList<int> edges(int wanted, int extent, int areaStart, int areaEnd,
                 const QList<std::pair<int, int>>& spans) {
  const int last = std::max(areaStart, areaEnd - extent);
  QList<int> tried{wanted, areaStart, last};
  for (const auto& [start, end] : spans) {
    tried.append(start - extent);
    tried.append(end);
  }
  for (int& edge : tried) edge = std::clamp(edge, areaStart, last);
  std::sort(tried.begin(), tried.end());
  tried.erase(std::unique(tried.begin(), tried.end()), tried.end());
  return tried;
}

// The title bar over the window, with its buttons: the desktop's for a window of its own, the
// one its frame draws for a child window inside a main window.
QRect titleBar(const QWidget& window) {
  QRect frame;
  if (window.isWindow()) {
    frame = window.frameGeometry();
  } else if (const auto* child = qobject_cast<const QMdiSubWindow*>(window.parentWidget())) {
    frame = onScreen(*child);
  }
  const int inside = window.mapToGlobal(QPoint(0, 0)).y();
  if (frame.isEmpty() || inside <= frame.top()) return {};
  return QRect(frame.left(), frame.top(), frame.width(), inside - frame.top());
}

}  // namespace

QRect controlRect(const QWidget& control) {
  const QRect part = shownPart(control);
  return {control.mapToGlobal(part.topLeft()), part.size()};
}

qint64 coveredArea(const QRect& figure, const QList<QRect>& controls) {
  qint64 covered = 0;
  for (const QRect& control : controls) {
    const QRect common = figure.intersected(control);
    if (!common.isEmpty()) covered += qint64(common.width()) * common.height();
  }
  return covered;
}

QList<QRect> controlRects(const QWidget& window) {
  QList<QRect> controls;
  if (!window.isVisible()) return controls;
  if (const QRect title = titleBar(window); !title.isEmpty()) controls.append(title);
  for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow() && child->isVisible()) addControls(*child, controls);
  }
  return controls;
}

QList<QRect> programControlRects() {
  QList<QRect> controls;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    const bool passing = window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip;
    const bool characters = qobject_cast<const CharacterWindow*>(window) ||
                            qobject_cast<const BalloonWindow*>(window);
    if (!passing && !characters && !window->isMinimized()) controls += controlRects(*window);
  }
  return controls;
}

// The nearest free place has each of its edges either where it was wanted or against the area's
// side or a control's, so trying those edges finds it.
QPoint clearPlace(QPoint wanted, QSize size, const QList<QRect>& controls, const QRect& area) {
  QList<std::pair<int, int>> across;
  QList<std::pair<int, int>> down;
  for (const QRect& control : controls) {
    across.append({control.left(), control.left() + control.width()});
    down.append({control.top(), control.top() + control.height()});
  }
  const QList<int> lefts =
      edges(wanted.x(), size.width(), area.left(), area.left() + area.width(), across);
  const QList<int> tops =
      edges(wanted.y(), size.height(), area.top(), area.top() + area.height(), down);
  QPoint best = wanted;
  qint64 bestCovered = std::numeric_limits<qint64>::max();
  qint64 bestDistance = std::numeric_limits<qint64>::max();
  for (int left : lefts) {
    for (int top : tops) {
      const qint64 covered = coveredArea(QRect(QPoint(left, top), size), controls);
      const qint64 dx = left - wanted.x();
      const qint64 dy = top - wanted.y();
      const qint64 distance = dx * dx + dy * dy;
      if (covered < bestCovered || (covered == bestCovered && distance < bestDistance)) {
        best = QPoint(left, top);
        bestCovered = covered;
        bestDistance = distance;
      }
    }
  }
  return best;
}

}  // namespace platform
