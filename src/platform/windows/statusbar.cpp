#include "platform/windows/statusbar.h"

#include <QDateTime>
#include <QLocale>

#include "platform/system/errors.h"
#include "platform/system/services.h"

namespace platform {
namespace {

constexpr int kErrorIndexOutOfBounds = 35600;
constexpr int kTickMilliseconds = 1000;

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
  ticker_.setInterval(kTickMilliseconds);
  connect(&ticker_, &QTimer::timeout, this, &StatusBar::refresh);
}

int StatusBar::addPanel(PanelStyle style, const QString& text) {
  auto* label = new QLabel(text, this);
  addWidget(label, style == PanelStyle::Text ? 1 : 0);
  panels_.push_back({style, label});
  if (style != PanelStyle::Text) {
    refresh();
    ticker_.start();
  }
  return panelCount();
}

const StatusBar::Panel& StatusBar::panel(int index) const {
  if (index < 1 || index > panelCount()) {
    throw RuntimeError(kErrorIndexOutOfBounds, QStringLiteral("Index out of bounds"));
  }
  return panels_[static_cast<std::size_t>(index - 1)];
}

QString StatusBar::panelText(int index) const { return panel(index).label->text(); }

void StatusBar::setPanelText(int index, const QString& text) { panel(index).label->setText(text); }

StatusBar::PanelStyle StatusBar::panelStyle(int index) const { return panel(index).style; }

void StatusBar::setClock(const Clock* clock) {
  clock_ = clock;
  refresh();
}

void StatusBar::refresh() {
  const QDateTime now = clock_ ? clock_->now() : QDateTime::currentDateTime();
  const QLocale locale;
  const QString date = locale.toString(now.date(), QLocale::ShortFormat);
  const QString time = locale.toString(now.time(), QLocale::ShortFormat);
  for (const Panel& p : panels_) {
    if (p.style == PanelStyle::Date) p.label->setText(date);
    if (p.style == PanelStyle::Time) p.label->setText(time);
  }
}

}  // namespace platform
