#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QPushButton>
#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/system/errors.h"
#include "platform/windows/child_area.h"
#include "platform/windows/form.h"
#include "platform/windows/program.h"
#include "support/fixture.h"

namespace {

using platform::Program;
using testing_support::PromptKind;

// Counts loads and unloads across instances, so a test sees default-instance behaviour.
struct Journal {
  QStringList events;
  bool cancelUnload = false;
};

class TestProgram : public Program {
 public:
  using Program::Program;
  Journal journal;
};

template <int N>
class Window : public platform::Form {
 public:
  using Context = TestProgram;
  explicit Window(TestProgram& program) : Form(program), journal_(program.journal) {
    button = new QPushButton(this);
    on(button, &QPushButton::clicked, [this] { if (onClick) onClick(); });
  }
  using Form::afterFirstDrawn;
  QPushButton* button;
  std::function<void()> onClick;
  std::function<void()> onUnload;
  int state = 0;

 protected:
  void load() override { journal_.events.append(QStringLiteral("load %1").arg(N)); }
  void unload(int& cancel) override {
    journal_.events.append(QStringLiteral("unload %1").arg(N));
    if (onUnload) onUnload();
    if (journal_.cancelUnload) cancel = 1;
  }

 private:
  Journal& journal_;
};

class FormsTest : public testing_support::RuntimeTest {
 protected:
  TestProgram program{*runtime, QStringLiteral("Quillora")};
};

TEST_F(FormsTest, TouchingAWindowLoadsItOnceAndAgainAfterUnload) {
  auto& first = program.forms().get<Window<1>>();
  first.state = 42;
  EXPECT_EQ(&first, &program.forms().get<Window<1>>());
  EXPECT_EQ(42, program.forms().get<Window<1>>().state);

  EXPECT_TRUE(first.Unload());
  EXPECT_FALSE(program.forms().isLoaded<Window<1>>());
  auto& second = program.forms().get<Window<1>>();
  EXPECT_EQ(0, second.state);
  EXPECT_EQ(QStringList({"load 1", "unload 1", "load 1"}), program.journal.events);
}

TEST_F(FormsTest, CancelledUnloadKeepsTheWindow) {
  auto& window = program.forms().get<Window<1>>();
  program.journal.cancelUnload = true;
  EXPECT_FALSE(window.Unload());
  EXPECT_TRUE(program.forms().isLoaded<Window<1>>());
  program.journal.cancelUnload = false;
}

TEST_F(FormsTest, UnloadAllGoesInLoadOrderAndSurvivesReentry) {
  program.forms().get<Window<2>>();
  auto& first = program.forms().get<Window<1>>();
  program.forms().get<Window<3>>();
  // Window 1 unloads everything from its own unload, as a start screen does.
  first.onUnload = [this] { program.forms().unloadAll(); };
  program.journal.events.clear();

  program.forms().unloadAll();

  EXPECT_EQ(QStringList({"unload 2", "unload 1", "unload 3"}), program.journal.events);
  EXPECT_TRUE(program.forms().loaded().isEmpty());
}

TEST_F(FormsTest, LoadedListsWindowsInLoadOrder) {
  auto& a = program.forms().get<Window<3>>();
  auto& b = program.forms().get<Window<1>>();
  EXPECT_EQ((QList<platform::Form*>{&a, &b}), program.forms().loaded());
}

TEST_F(FormsTest, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
  auto& window = program.forms().get<Window<1>>();
  window.onClick = [] { throw platform::RuntimeError(53, QStringLiteral("File not found")); };
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);

  window.button->click();
  window.onClick = [] { throw std::runtime_error("disk on fire"); };
  window.button->click();

  const auto boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(2u, boxes.size());
  EXPECT_EQ("Quillora", boxes[0].title);
  EXPECT_EQ("Run-time error '53':\r\n\r\nFile not found", boxes[0].text);
  EXPECT_EQ(platform::vbCritical, boxes[0].style);
  EXPECT_TRUE(boxes[1].text.contains("disk on fire"));
  EXPECT_TRUE(program.forms().isLoaded<Window<1>>());
}

TEST_F(FormsTest, WorkForAfterTheFirstDrawingWaitsForItAndRunsOnce) {
  auto& window = program.forms().get<Window<1>>();
  QStringList ran;
  window.Show();
  window.afterFirstDrawn([&] { ran << "first"; });
  processEvents();
  window.afterFirstDrawn([&] { ran << "second"; });
  EXPECT_TRUE(ran.isEmpty());

  letWindowsDraw();
  EXPECT_EQ(QStringList({"first", "second"}), ran);
  // Once drawn, the window does not wait again, but the work still waits for the event loop.
  window.afterFirstDrawn([&] { ran << "later"; });
  EXPECT_EQ(2, ran.size());
  letWindowsDraw();
  EXPECT_EQ(QStringList({"first", "second", "later"}), ran);
}

TEST_F(FormsTest, WorkForAfterTheFirstDrawingGoesWithItsWindowAndReportsItsErrors) {
  auto& gone = program.forms().get<Window<1>>();
  bool ran = false;
  gone.Show();
  gone.afterFirstDrawn([&] { ran = true; });
  EXPECT_TRUE(gone.Unload());
  letWindowsDraw();
  EXPECT_FALSE(ran);

  auto& window = program.forms().get<Window<2>>();
  interaction->answerMessage(platform::vbOK);
  window.Show();
  window.afterFirstDrawn([] { throw std::runtime_error("disk on fire"); });
  letWindowsDraw();
  const auto boxes = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_TRUE(boxes[0].text.contains("disk on fire"));
}

TEST_F(FormsTest, ClosingTheWindowUnloadsIt) {
  auto& window = program.forms().get<Window<1>>();
  window.Show();
  window.close();
  EXPECT_FALSE(program.forms().isLoaded<Window<1>>());
}

TEST_F(FormsTest, GeometryIsInTwipsAndStatesAreNumbered) {
  auto& window = program.forms().get<Window<1>>();
  window.Move(1500, 3000, 6000, 4500);
  EXPECT_EQ(1500, window.Left());
  EXPECT_EQ(3000, window.Top());
  EXPECT_EQ(6000, window.Width());
  EXPECT_EQ(4500, window.Height());
  window.setWindowStateValue(platform::vbMinimized);
  EXPECT_EQ(platform::vbMinimized, window.WindowState());
  window.setWindowStateValue(platform::vbMaximized);
  EXPECT_EQ(platform::vbMaximized, window.WindowState());
  window.setWindowStateValue(platform::vbNormal);
  EXPECT_EQ(platform::vbNormal, window.WindowState());
}

TEST_F(FormsTest, ChildWindowsLiveInsideTheAreaAndTheOneInFrontIsKnown) {
  platform::ChildArea area;
  area.show();
  EXPECT_EQ(nullptr, area.activeChild());
  auto& first = program.forms().get<Window<1>>();
  auto& second = program.forms().get<Window<2>>();
  area.adopt(first);
  area.adopt(second);
  ASSERT_EQ(2, area.subWindowList().size());
  EXPECT_FALSE(area.subWindowList()[0]->isVisible()) << "a child is hidden until shown";

  first.Show();
  second.Show();
  EXPECT_TRUE(first.isVisible());
  EXPECT_EQ(&second, area.activeChild());
  second.Hide();
  EXPECT_FALSE(area.subWindowList()[1]->isVisible());
  EXPECT_EQ(&first, area.activeChild());

  // A child larger than the area can be scrolled to.
  area.resize(200, 150);
  area.subWindowList()[0]->resize(600, 500);
  QCoreApplication::processEvents();
  EXPECT_TRUE(area.verticalScrollBar()->isVisible());
  EXPECT_TRUE(area.horizontalScrollBar()->isVisible());

  first.Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(1, area.subWindowList().size());
  EXPECT_EQ(nullptr, area.activeChild());
}

class InteractionTest : public testing_support::RuntimeTest {
 protected:
  Program program{*runtime, QStringLiteral("Webloom")};
};

TEST_F(InteractionTest, MessageAndInputBoxesTakeTheProgramTitleWhenNoneIsGiven) {
  interaction->answerMessage(platform::vbYes).answerInput(QString());
  EXPECT_EQ(platform::vbYes, program.MsgBox(QStringLiteral("Sure?"), platform::vbYesNo));
  EXPECT_EQ(QString(), program.InputBox(QStringLiteral("Name?"), QStringLiteral("Student")));
  EXPECT_EQ("Webloom", interaction->prompts()[0].title);
  EXPECT_EQ("Student", interaction->prompts()[1].title);
}

TEST_F(InteractionTest, CancelRaisesErrorOnlyWhenAskedTo) {
  platform::CommonDialog dialog(runtime->interaction());
  dialog.FileName = QStringLiteral("/tmp/kept.ql");
  interaction->cancelOpen().cancelOpen().answerSave(QStringLiteral("/tmp/new.ql"), 2);

  dialog.ShowOpen();
  EXPECT_EQ("/tmp/kept.ql", dialog.FileName);

  dialog.CancelError = true;
  try {
    dialog.ShowOpen();
    FAIL() << "Cancel did not raise";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(platform::kCancelError, error.number());
  }

  dialog.ShowSave();
  EXPECT_EQ("/tmp/new.ql", dialog.FileName);
  EXPECT_EQ("new.ql", dialog.FileTitle);
  EXPECT_EQ(2, dialog.FilterIndex);

  // Commands that end quietly on Cancel learn it without the error.
  interaction->cancelOpen().answerSave(QStringLiteral("/tmp/other.ql"), 1);
  EXPECT_FALSE(dialog.TryShowOpen());
  EXPECT_TRUE(dialog.TryShowSave());
  EXPECT_EQ("/tmp/other.ql", dialog.FileName);
}

// Runs `prompt` and returns the failures it reported instead of failing this test.
template <class Fn>
std::vector<std::string> failuresOf(Fn prompt) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    prompt();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) messages.push_back(results.GetTestPartResult(i).message());
  return messages;
}

TEST_F(InteractionTest, AnUnexpectedPromptFailsTheTestWithoutBlocking) {
  int answer = 0;
  auto failures = failuresOf([&] {
    answer = interaction->messageBox(QStringLiteral("Surprise"), platform::vbYesNo, "T");
  });
  ASSERT_EQ(1u, failures.size());
  EXPECT_THAT(failures[0], ::testing::HasSubstr("Unexpected message box"));
  EXPECT_EQ(platform::vbNo, answer);

  interaction->answerInput(QStringLiteral("x"));
  failures = failuresOf([&] { interaction->messageBox(QStringLiteral("Wrong kind"), 0, "T"); });
  ASSERT_EQ(1u, failures.size());
  EXPECT_THAT(failures[0], ::testing::HasSubstr("Expected input box but got message box"));
  interaction->clear();
}

}  // namespace

namespace {

TEST_F(FormsTest, AWindowNeverPlacedOpensOverTheCentreOfTheActiveWindow) {
  auto& main = program.forms().get<Window<1>>();
  main.Move(1500, 1500, 9000, 6000);
  main.Show();
  QApplication::setActiveWindow(&main);
  auto& dialog = program.forms().get<Window<2>>();
  dialog.setWidth(3000);
  dialog.setHeight(1500);
  dialog.Show();
  // Within the window frame's few pixels.
  const QPoint offset = main.geometry().center() - dialog.geometry().center();
  EXPECT_LE(offset.manhattanLength(), 6);

  // A window the program placed stays where it was put.
  auto& placed = program.forms().get<Window<3>>();
  placed.Move(0, 0, 3000, 1500);
  placed.Show();
  EXPECT_LE(placed.geometry().topLeft().manhattanLength(), 6);
}

}  // namespace

namespace {

TEST(PlacedWithin, MovesAFrameOntoTheAreaAsLittleAsNeeded) {
  const QRect area(0, 0, 1280, 1000);  // a screen less its panel
  struct Row {
    QRect frame;
    QPoint expected;
  };
  const Row rows[] = {
      {{100, 100, 600, 400}, {100, 100}},     // already on it
      {{-179, -46, 600, 400}, {0, 0}},        // centred over a shrunken window near the corner
      {{1000, 800, 600, 400}, {680, 600}},    // past the right and bottom edges
      {{-50, 900, 600, 400}, {0, 600}},
      {{300, 200, 1400, 1100}, {0, 0}},       // larger than the area: its title bar stays on it
  };
  for (const Row& row : rows) {
    const QRect placed = platform::placedWithin(row.frame, area);
    EXPECT_EQ(row.expected, placed.topLeft()) << row.frame.x() << "," << row.frame.y();
    EXPECT_EQ(row.frame.size(), placed.size());
  }
}

TEST_F(FormsTest, AWindowPlacedOffTheScreenOpensOnIt) {
  const QRect area(0, 0, screen->width, screen->height);
  // Within the window frame's few pixels, which this screen adds once a window is shown.
  const QRect reach = area.adjusted(-4, -4, 4, 4);
  auto& small = program.forms().get<Window<1>>();
  small.Move(0, 0, 3000, 1500);
  small.Show();
  QApplication::setActiveWindow(&small);
  // Centred over a small window in the corner, a large one would start off the screen.
  auto& large = program.forms().get<Window<2>>();
  large.setWidth(9000);
  large.setHeight(6000);
  large.Show();
  EXPECT_TRUE(reach.contains(large.frameGeometry())) << large.frameGeometry().x() << ","
                                                    << large.frameGeometry().y();
  // Restored from a placement stored on a larger screen.
  auto& restored = program.forms().get<Window<3>>();
  restored.Move((area.right() - 50) * 15, (area.bottom() - 50) * 15, 6000, 4500);
  restored.Show();
  EXPECT_TRUE(reach.contains(restored.frameGeometry()));

  // A window never sized, centred over the small one in the corner, is moved onto the screen
  // with the size its layout asks for.
  auto& unsized = program.forms().get<Window<4>>();
  auto* body = new QWidget;
  body->setMinimumSize(400, 300);
  unsized.setCentralWidget(body);
  QApplication::setActiveWindow(&small);
  unsized.Show();
  EXPECT_EQ(unsized.sizeHint(), unsized.size());

  // Controls that need more room than the screen has (large fonts) scroll, the window on it.
  auto& crowded = program.forms().get<Window<5>>();
  auto* tall = new QWidget;
  tall->setMinimumSize(400, screen->height + 200);
  crowded.setCentralWidget(tall);
  crowded.Show();
  EXPECT_TRUE(reach.contains(crowded.frameGeometry()));
  const auto* scroller = qobject_cast<QScrollArea*>(crowded.centralWidget());
  ASSERT_NE(nullptr, scroller);
  EXPECT_EQ(tall, scroller->widget());
  EXPECT_TRUE(scroller->verticalScrollBar()->isVisible());
}

}  // namespace
