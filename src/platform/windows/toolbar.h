#pragma once

#include <QAction>
#include <QIcon>
#include <QString>
#include <QToolBar>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace platform {

// A toolbar whose buttons are found by key and by 1-based position, separators counted, as the
// programs address them.
class ToolBar : public QToolBar {
  Q_OBJECT

 public:
  explicit ToolBar(QWidget* parent = nullptr);

  // Adds a button with the given key; `text` is its caption and accessible name, `tip` its tool
  // tip and accessible description.
  QAction* addButton(const QString& key, const QString& text, const QString& tip = QString());
  void addSeparatorButton();

  int count() const { return static_cast<int>(items_.size()); }
  // The button at a 1-based position; nullptr for a separator or a position out of range.
  QAction* button(int index) const;
  QAction* button(const QString& key) const;
  QString key(int index) const;
  void setButtonEnabled(int index, bool enabled);
  void setButtonEnabled(const QString& key, bool enabled);
  bool buttonEnabled(int index) const;
  bool buttonEnabled(const QString& key) const;
  // A hidden button keeps its position: the buttons after it keep their indexes.
  void setButtonVisible(int index, bool visible);
  void setButtonVisible(const QString& key, bool visible);
  bool buttonVisible(int index) const;
  // The button's picture; its caption stays its accessible name.
  void setButtonPicture(const QString& key, const QIcon& picture);

  // Presses a button as a click would (nothing for a disabled or hidden button).
  void click(const QString& key);

 signals:
  void ButtonClick(const QString& key);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Item {
    QString key;
    QAction* action;  // nullptr for a separator
  };
  std::vector<Item> items_;
};

// A window's toolbar commands by button key. The command of `key` runs; a run-time error in it
// ends it quietly, as toolbar commands always have. An unknown key does nothing.
using ToolCommand = std::pair<const char*, std::function<void()>>;
void RunToolCommand(const QString& key, std::initializer_list<ToolCommand> commands);

}  // namespace platform
