#include "platform/windows/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include "platform/windows/program.h"
#include "platform/system/runtime_library.h"

namespace platform {
namespace {

// Hands its work to the event loop once its window's first expose has been handled, by which
// time the window system shows what the expose drew. It goes with its window.
class FirstDrawWatch : public QObject {
 public:
  FirstDrawWatch(QWindow& window, std::function<void()> then)
      : QObject(&window), then_(std::move(then)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(this, [this] {
        deleteLater();
        then_();
      }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

using rtl::kTwipsPerPixel;

Form::Form(Program& program) : program_(program) {}

Form::~Form() = default;

QRect placedWithin(QRect frame, const QRect& area) {
  if (frame.right() > area.right()) frame.moveRight(area.right());
  if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
  if (frame.left() < area.left()) frame.moveLeft(area.left());
  if (frame.top() < area.top()) frame.moveTop(area.top());
  return frame;
}

void Form::Show() {
  if (!isVisible()) {
    scrollWhatTheScreenCannotHold();
    takeLayoutSize();
    placeBesideActiveWindow();
    keepOnScreen();
  }
  show();
  raise();
  // A child window of a main window comes forward with its frame, also when already shown.
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()); frame && frame->mdiArea()) {
    frame->mdiArea()->setActiveSubWindow(frame);
  }
  activateWindow();
}

// Controls that need more room than the screen has (large fonts on a small screen) scroll into
// view instead of lying beyond the screen's edge, so the window fits the screen.
void Form::scrollWhatTheScreenCannotHold() {
  QWidget* body = centralWidget();
  if (!isWindow() || body == nullptr || qobject_cast<QScrollArea*>(body)) return;
  const QSize room = insideRoom(program_.runtime().screen().availableGeometry());
  const QSize needed = minimumSizeHint();
  if (needed.width() <= room.width() && needed.height() <= room.height()) return;
  const QSize wanted = testAttribute(Qt::WA_Resized) ? size() : sizeHint();
  auto* scroller = new QScrollArea;
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setWidget(takeCentralWidget());
  setCentralWidget(scroller);
  resize(wanted.boundedTo(room));
}

// A window is placed at the size showing it gives: its layout's size when the program never
// sized it (else the window system's default), and a size set smaller than the controls need
// grown to theirs (else only when the layout first runs, at the show).
void Form::takeLayoutSize() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  if (isWindow() && !testAttribute(Qt::WA_Resized)) {
    adjustSize();
  } else if (QLayout* own = layout()) {
    own->activate();
  }
}

// A window the program never placed opens over the centre of the window the user works in, as
// dialogs do, rather than wherever the window system finds room.
void Form::placeBesideActiveWindow() {
  if (!isWindow() || left_.pixels >= 0 || top_.pixels >= 0 || testAttribute(Qt::WA_Moved)) return;
  const QWidget* active = QApplication::activeWindow();
  if (active == nullptr || active == this || !active->isVisible()) return;
  // The size is the one showing gives (see takeLayoutSize). The inside is placed, as every
  // position here is, so that keepOnScreen's reckoning of the frame holds.
  QRect inside(QPoint(), size());
  inside.moveCenter(active->geometry().center());
  setGeometry(inside);
}

// The window system's frame around the window. The X window system adds it only once the window
// is shown; until then the title bar's height stands in for it.
QMargins Form::frameMargins() const {
  const QRect inside = geometry();
  const QRect outside = frameGeometry();
  QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(),
                 outside.right() - inside.right(), outside.bottom() - inside.bottom());
  if (frame.isNull() && isWindow() && QGuiApplication::platformName() == QLatin1String("xcb")) {
    frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
  }
  return frame;
}

QSize Form::insideRoom(const QRect& area) const {
  return area.marginsRemoved(frameMargins()).size().expandedTo(QSize(1, 1));
}

// Whether centred over a small or moved window or restored from where it was last closed, a
// window opens wholly on the screen, its title bar within reach.
void Form::keepOnScreen() {
  if (!isWindow() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) return;
  const QRect inside = geometry();
  const QRect outer = inside.marginsAdded(frameMargins());
  const QRect placed = placedWithin(outer, program_.runtime().screen().availableGeometry());
  if (placed != outer) setGeometry(inside.translated(placed.topLeft() - outer.topLeft()));
}

void Form::ShowModal() {
  if (!isVisible()) {
    scrollWhatTheScreenCannotHold();
    takeLayoutSize();
    keepOnScreen();
  }
  program_.runtime().interaction().showModal(*this);
}

void Form::Hide() { hide(); }

bool Form::Unload() { return program_.forms().unload(*this); }

QString Form::Caption() const { return windowTitle(); }

void Form::setCaption(const QString& caption) { setWindowTitle(caption); }

int Form::Dimension::read(int currentPixels) const {
  return currentPixels == pixels ? twips : currentPixels * kTwipsPerPixel;
}

int Form::Dimension::set(int value) {
  twips = value;
  pixels = qRound(static_cast<double>(value) / kTwipsPerPixel);
  return pixels;
}

// Positions are those of the window's inside, which the window system keeps as given; the frame
// around it is the window system's business.
int Form::Left() const { return left_.read(geometry().x()); }
int Form::Top() const { return top_.read(geometry().y()); }
int Form::Width() const { return width_.read(width()); }
int Form::Height() const { return height_.read(height()); }

void Form::setLeft(int twips) {
  setGeometry(left_.set(twips), geometry().y(), width(), height());
}
void Form::setTop(int twips) { setGeometry(geometry().x(), top_.set(twips), width(), height()); }
void Form::setWidth(int twips) { resize(width_.set(twips), height()); }
void Form::setHeight(int twips) { resize(width(), height_.set(twips)); }

void Form::Move(int left, int top, int width, int height) {
  const int x = left_.set(left);
  const int y = top_.set(top);
  const int w = width_.set(width);
  const int h = height_.set(height);
  setGeometry(x, y, w, h);
}

int Form::WindowState() const {
  const Qt::WindowStates state = windowState();
  if (state & Qt::WindowMinimized) return vbMinimized;
  if (state & Qt::WindowMaximized) return vbMaximized;
  return vbNormal;
}

void Form::setWindowStateValue(int state) {
  switch (state) {
    case vbMinimized:
      setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
      break;
    case vbMaximized:
      setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
      break;
    default:
      setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
      break;
  }
}

void Form::dispatch(const std::function<void()>& handler) { program_.dispatch(handler); }

void Form::afterFirstDrawn(std::function<void()> handler) {
  QPointer<Form> self(this);
  auto run = [self, handler = std::move(handler)] {
    if (self && self->isVisible()) self->dispatch(handler);
  };
  QWidget* top = window();
  if (!top->windowHandle()) top->winId();
  QWindow* drawn = top->windowHandle();
  if (drawn->isExposed()) {
    QMetaObject::invokeMethod(this, run, Qt::QueuedConnection);
  } else {
    new FirstDrawWatch(*drawn, std::move(run));
  }
}

void Form::addMenuEntries(std::initializer_list<MenuEntry> entries) {
  for (const MenuEntry& entry : entries) {
    if (!entry.action) {
      entry.menu->addSeparator()->setObjectName(QString::fromLatin1(entry.name));
      continue;
    }
    *entry.action = entry.menu->addAction(entry.caption);
    (*entry.action)->setObjectName(QString::fromLatin1(entry.name));
    (*entry.action)->setShortcut(entry.shortcut);
    if (entry.handler) on(*entry.action, &QAction::triggered, entry.handler);
  }
}

void Form::exitThroughCloseBox(std::function<bool()> holdsWork, std::function<void()> exit) {
  holdsWork_ = std::move(holdsWork);
  exitByCloseBox_ = std::move(exit);
}

void Form::closeEvent(QCloseEvent* event) {
  // Work the user may lose goes through the window's own Exit, which unloads it on Yes.
  if (holdsWork_ && exitByCloseBox_ && holdsWork_()) {
    event->ignore();
    dispatch(exitByCloseBox_);
    return;
  }
  // Closing the window unloads it, as the close box did; a cancelled unload keeps it open.
  if (program_.forms().unload(*this)) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace platform
