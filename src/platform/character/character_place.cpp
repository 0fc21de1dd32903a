#include "platform/character/character_place.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace platform {
namespace {

// Widgets made of inner widgets that the user still meets as one control.
bool isWholeControl(const QWidget& widget) {
  return qobject_cast<const QAbstractScrollArea*>(&widget) ||
         qobject_cast<const QAbstractSpinBox*>(&widget) || qobject_cast<const QComboBox*>(&widget);
}

// A widget holding visible widgets is a panel: its controls count, not the panel itself.
void addControls(const QWidget& widget, QList<QRect>& controls) {
  bool holdsControls = false;
  if (!isWholeControl(widget)) {
    for (const QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isWindow() || !child->isVisible()) continue;
      holdsControls = true;
      addControls(*child, controls);
    }
  }
  if (!holdsControls) controls.append(QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size()));
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
    frame = QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
  }
  const int inside = window.mapToGlobal(QPoint(0, 0)).y();
  if (frame.isEmpty() || inside <= frame.top()) return {};
  return QRect(frame.left(), frame.top(), frame.width(), inside - frame.top());
}

}  // namespace

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
