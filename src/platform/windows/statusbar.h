#pragma once

#include <QLabel>
#include <QStatusBar>
#include <QString>
#include <QTimer>
#include <vector>

namespace platform {

class Clock;

// A status bar of panels addressed by 1-based index, left to right. A text panel shows what
// the program sets; a date or time panel shows the current date or time by itself.
class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  enum class PanelStyle { Text, Date, Time };

  explicit StatusBar(QWidget* parent = nullptr);

  // Adds a panel at the right end and returns its index. Text panels share the spare width.
  int addPanel(PanelStyle style = PanelStyle::Text, const QString& text = QString());
  int panelCount() const { return static_cast<int>(panels_.size()); }

  // An index out of range raises error 35600, as the runtime's status bar did.
  QString panelText(int index) const;
  void setPanelText(int index, const QString& text);
  PanelStyle panelStyle(int index) const;

  // The clock the date and time panels read; without one they read the system's.
  void setClock(const Clock* clock);
  // Brings the date and time panels up to date (a timer does it every second).
  void refresh();

 private:
  struct Panel {
    PanelStyle style;
    QLabel* label;
  };
  const Panel& panel(int index) const;

  std::vector<Panel> panels_;
  const Clock* clock_ = nullptr;
  QTimer ticker_;
};

}  // namespace platform
