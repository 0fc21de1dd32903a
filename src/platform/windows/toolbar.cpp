#include "platform/windows/toolbar.h"

#include <QPainter>

#include "platform/system/errors.h"

namespace platform {

ToolBar::ToolBar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
}

// Flat in the window's colour with a line beneath, as the programs' toolbars look. Both are filled
// rectangles: the style's gradient and lines make the paint engine wake worker threads for every
// line across a wide window, which the first window would wait for.
void ToolBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect area = rect();
  painter.fillRect(area, palette().window().color());
  painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), palette().mid().color());
}

QAction* ToolBar::addButton(const QString& key, const QString& text, const QString& tip) {
  QAction* action = addAction(text);
  action->setToolTip(tip.isEmpty() ? text : tip);
  action->setObjectName(key);
  connect(action, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
  items_.push_back({key, action});
  return action;
}

void ToolBar::addSeparatorButton() {
  addSeparator();
  items_.push_back({QString(), nullptr});
}

QAction* ToolBar::button(int index) const {
  if (index < 1 || index > count()) return nullptr;
  return items_[static_cast<std::size_t>(index - 1)].action;
}

QAction* ToolBar::button(const QString& key) const {
  for (const Item& item : items_) {
    if (item.action && item.key == key) return item.action;
  }
  return nullptr;
}

QString ToolBar::key(int index) const {
  if (index < 1 || index > count()) return QString();
  return items_[static_cast<std::size_t>(index - 1)].key;
}

void ToolBar::setButtonEnabled(int index, bool enabled) {
  if (QAction* action = button(index)) action->setEnabled(enabled);
}

void ToolBar::setButtonEnabled(const QString& key, bool enabled) {
  if (QAction* action = button(key)) action->setEnabled(enabled);
}

bool ToolBar::buttonEnabled(int index) const {
  const QAction* action = button(index);
  return action && action->isEnabled();
}

bool ToolBar::buttonEnabled(const QString& key) const {
  const QAction* action = button(key);
  return action && action->isEnabled();
}

void ToolBar::setButtonVisible(int index, bool visible) {
  if (QAction* action = button(index)) action->setVisible(visible);
}

void ToolBar::setButtonVisible(const QString& key, bool visible) {
  if (QAction* action = button(key)) action->setVisible(visible);
}

bool ToolBar::buttonVisible(int index) const {
  const QAction* action = button(index);
  return action && action->isVisible();
}

void ToolBar::setButtonPicture(const QString& key, const QIcon& picture) {
  if (QAction* action = button(key)) action->setIcon(picture);
}

void ToolBar::click(const QString& key) {
  if (QAction* action = button(key); action && action->isEnabled() && action->isVisible()) {
    action->trigger();
  }
}

void RunToolCommand(const QString& key, std::initializer_list<ToolCommand> commands) {
  for (const auto& [name, command] : commands) {
    if (key != QLatin1String(name)) continue;
    try {
      command();
    } catch (const RuntimeError&) {
      // Ends quietly: the toolbar's commands never reported their errors.
    }
    return;
  }
}

}  // namespace platform
