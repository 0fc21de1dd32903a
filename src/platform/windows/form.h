#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QRect>
#include <functional>

namespace platform {

class Program;

// Gives a new control the name of the member that holds it, and returns it.
template <class Widget>
Widget* named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}
template <class Widget>
Widget* named(Widget* widget, const char* name) {
  return named(widget, QString::fromLatin1(name));
}

// `frame` moved as little as needed to lie on `area`; a frame larger than the area keeps its
// top-left corner, where the title bar is, on it.
QRect placedWithin(QRect frame, const QRect& area);

// Window states as the programs number them.
enum WindowStateValue { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

// The base of every window. Sizes and positions are in twips (15 to a pixel). Handlers are member
// functions connected with on(), so an error escaping them is reported and the program goes on.
class Form : public QMainWindow {
 public:
  explicit Form(Program& program);
  ~Form() override;

  Program& program() const { return program_; }

  void Show();
  // Shows the window and returns when it is closed or hidden.
  void ShowModal();
  void Hide();
  // Unloads the window through its program's Forms; false when its unload handler cancelled.
  bool Unload();

  QString Caption() const;
  void setCaption(const QString& caption);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void setLeft(int twips);
  void setTop(int twips);
  void setWidth(int twips);
  void setHeight(int twips);
  void Move(int left, int top, int width, int height);

  // The largest inside size, in pixels, at which the window with its frame and title bar lies
  // wholly on `area`.
  QSize insideRoom(const QRect& area) const;

  // vbNormal, vbMinimized or vbMaximized.
  int WindowState() const;
  void setWindowStateValue(int state);

 protected:
  friend class Forms;
  virtual void load() {}
  // Setting cancel to a non-zero value keeps the window loaded.
  virtual void unload(int& cancel) { (void)cancel; }

  // One row of a window's menu table; a row without an action is a separator.
  struct MenuEntry {
    QMenu* menu;
    QAction** action;
    const char* name;
    QString caption;
    QKeySequence shortcut;
    std::function<void()> handler;
  };
  // Adds the rows to their menus, names each item and connects its handler.
  void addMenuEntries(std::initializer_list<MenuEntry> entries);

  // While `holdsWork` answers true, the close box runs `exit` (the window's own Exit, which asks
  // first and unloads on Yes) instead of unloading the window at once.
  void exitThroughCloseBox(std::function<bool()> holdsWork, std::function<void()> exit);

  // Connects a signal to a handler that runs through the program's dispatch.
  template <class Sender, class Signal>
  void on(Sender* sender, Signal signal, std::function<void()> handler) {
    QObject::connect(sender, signal, this, [this, handler] { dispatch(handler); });
  }
  void dispatch(const std::function<void()>& handler);

  // Runs `handler` through dispatch once the window is on the screen: after the expose that first
  // draws it, or soon when it has been drawn already; not when the window is hidden or unloaded
  // by then. What a start shows beside or over its first window need not hold that window back.
  void afterFirstDrawn(std::function<void()> handler);

  void closeEvent(QCloseEvent* event) override;

 private:
  void scrollWhatTheScreenCannotHold();
  void takeLayoutSize();
  void placeBesideActiveWindow();
  // Moves a window about to be shown onto the available area of its screen.
  void keepOnScreen();
  QMargins frameMargins() const;
  // A dimension remembers the twips it was given, so that a value set and read back is the same
  // number although the screen keeps whole pixels; once the window moves, pixels count.
  struct Dimension {
    int twips = 0;
    int pixels = -1;
    int read(int currentPixels) const;
    int set(int value);
  };
  Dimension left_, top_, width_, height_;
  Program& program_;
  std::function<bool()> holdsWork_;
  std::function<void()> exitByCloseBox_;
};

}  // namespace platform
