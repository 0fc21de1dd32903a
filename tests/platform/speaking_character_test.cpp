#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/character/owl_figure.h"
#include "platform/character/qt_speaking_character.h"
#include "support/fixture.h"
#include "support/scripted_speech.h"

namespace {

using platform::QtSpeakingCharacter;
using platform::SpeakingCharacter;
using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::ScriptedSpeech;

class SpeakingCharacterTest : public ::testing::Test {
 protected:
  SpeakingCharacterTest() {
    QObject::connect(&character, &SpeakingCharacter::requestCompleted,
                     [this](int request) { completed.push_back(request); });
    character.MoveTo(300, 300);
  }
  ~SpeakingCharacterTest() override { QCoreApplication::processEvents(); }

  // Lets the character's frames run until `done` holds; false if it never does.
  template <typename Done>
  bool runUntil(Done done) {
    for (int pass = 0; pass < 2000 && !done(); ++pass) QCoreApplication::processEvents();
    return done();
  }
  void runFrames(int count) {
    for (int pass = 0; pass < count; ++pass) QCoreApplication::processEvents();
  }
  bool balloonShown() const { return character.balloon().isVisible(); }

  std::shared_ptr<ScriptedSpeech> speech = std::make_shared<ScriptedSpeech>();
  QtSpeakingCharacter character{speech, 0};
  std::vector<int> completed;
};

TEST_F(SpeakingCharacterTest, RequestsRunOneAfterAnotherAndNeverInsideTheCall) {
  character.Show();
  EXPECT_EQ(character.Play("Greet"), 1);
  EXPECT_EQ(character.Speak("Press Start!"), 2);
  EXPECT_EQ(character.Play("RestPose"), 3);
  EXPECT_THAT(speech->said, IsEmpty());
  EXPECT_THAT(completed, IsEmpty());

  ASSERT_TRUE(runUntil([&] { return !speech->said.isEmpty(); }));
  EXPECT_THAT(speech->said, ElementsAre("Press Start!"));
  EXPECT_THAT(completed, ElementsAre(1));

  runFrames(50);  // the speech has not ended, so the next animation waits
  EXPECT_THAT(completed, ElementsAre(1));
  speech->finish();
  EXPECT_THAT(completed, ElementsAre(1, 2));
  ASSERT_TRUE(runUntil([&] { return completed.size() == 3; }));
  EXPECT_THAT(completed, ElementsAre(1, 2, 3));
}

TEST_F(SpeakingCharacterTest, EveryAnimationMovesTheOwlAndEnds) {
  character.Show();
  for (const QString& name : SpeakingCharacter::animationNames()) {
    const std::vector<platform::OwlPose> frames = platform::owlAnimation(name);
    EXPECT_GE(frames.size(), 3u) << name.toStdString();
    const bool moves = std::any_of(frames.begin(), frames.end(), [](const platform::OwlPose& pose) {
      return pose.eyesOpen != 1.0 || pose.leftWing != 0 || pose.rightWing != 0 ||
             pose.tilt != 0 || pose.hop != 0 || pose.beakOpen;
    });
    EXPECT_TRUE(moves || name == "RestPose") << name.toStdString();
    character.Play(name);
  }
  const int unknown = character.Play("Somersault");
  ASSERT_TRUE(runUntil([&] { return completed.size() == 7; }));
  EXPECT_EQ(completed.back(), unknown);
  EXPECT_EQ(character.window().pose().leftWing, 0);  // back at rest
}

TEST_F(SpeakingCharacterTest, TheBalloonShowsTheTextAndMarksTheWordBeingSpoken) {
  character.Show();
  character.Speak("Read every word");
  ASSERT_TRUE(runUntil([&] { return !speech->said.isEmpty(); }));
  ASSERT_TRUE(balloonShown());
  EXPECT_EQ(character.balloon().text(), "Read every word");
  EXPECT_EQ(character.balloon().spokenWord(), "");
  speech->reachWord(5, 5);
  EXPECT_EQ(character.balloon().spokenWord(), "every");
  speech->reachWord(11, 4);
  EXPECT_EQ(character.balloon().spokenWord(), "word");
  EXPECT_EQ(character.balloon().accessibleName(), "Read every word");

  speech->finish();
  EXPECT_TRUE(balloonShown());  // it stays a moment to be read
  EXPECT_TRUE(runUntil([&] { return !balloonShown(); }));
}

TEST_F(SpeakingCharacterTest, StyleZeroShowsNoBalloonEvenWhenSetJustAfterSpeak) {
  character.Show();
  character.Speak("necessary");
  character.SetBalloonStyle(SpeakingCharacter::kNoBalloon);
  ASSERT_TRUE(runUntil([&] { return !speech->said.isEmpty(); }));
  speech->reachWord(0, 9);
  EXPECT_FALSE(balloonShown());
  EXPECT_THAT(speech->said, ElementsAre("necessary"));  // heard, not seen
  speech->finish();

  character.SetBalloonStyle(SpeakingCharacter::kTextBalloon);
  character.Speak("practice");
  ASSERT_TRUE(runUntil([&] { return speech->said.size() == 2; }));
  EXPECT_TRUE(balloonShown());
  character.SetBalloonStyle(SpeakingCharacter::kNoBalloon);
  EXPECT_FALSE(balloonShown());
  EXPECT_EQ(character.BalloonStyle(), 0);
}

TEST_F(SpeakingCharacterTest, StopEndsTheSpeechAndCompletesEveryQueuedRequest) {
  character.Show();
  character.Speak("first");
  character.Play("wave");
  character.Speak("second");
  character.Hide();
  ASSERT_TRUE(runUntil([&] { return !speech->said.isEmpty(); }));

  character.Stop();
  EXPECT_EQ(speech->stops, 1);
  EXPECT_THAT(completed, ElementsAre(1, 2, 3));
  EXPECT_FALSE(balloonShown());
  EXPECT_FALSE(character.window().isVisible());  // the queued Hide still took effect

  speech->finish();  // a late end of the stopped speech changes nothing
  runFrames(50);
  EXPECT_THAT(completed, ElementsAre(1, 2, 3));
  EXPECT_THAT(speech->said, ElementsAre("first"));

  character.Show();
  EXPECT_EQ(character.Speak("again"), 4);
  ASSERT_TRUE(runUntil([&] { return speech->said.size() == 2; }));
  speech->finish();
  EXPECT_THAT(completed, ElementsAre(1, 2, 3, 4));
}

TEST_F(SpeakingCharacterTest, WithoutAVoiceTheBalloonStillShowsTheWholeText) {
  speech->canSpeak = false;
  EXPECT_FALSE(character.speechAvailable());
  character.Show();
  character.Speak("Press Start!");
  ASSERT_TRUE(runUntil([&] { return balloonShown(); }));
  EXPECT_EQ(character.balloon().text(), "Press Start!");
  ASSERT_TRUE(runUntil([&] { return !completed.empty(); }));
  EXPECT_THAT(speech->said, IsEmpty());
}

TEST_F(SpeakingCharacterTest, HideWaitsForTheQueueAndShowCancelsAWaitingHide) {
  character.Show();
  character.Play("wave");
  character.Hide();
  EXPECT_TRUE(character.window().isVisible());
  ASSERT_TRUE(runUntil([&] { return !character.window().isVisible(); }));
  EXPECT_THAT(completed, ElementsAre(1));

  character.Show();
  character.Play("Blink");
  character.Hide();
  character.Show();
  ASSERT_TRUE(runUntil([&] { return completed.size() == 2; }));
  runFrames(10);
  EXPECT_TRUE(character.window().isVisible());

  character.Hide();  // nothing queued: at once
  EXPECT_FALSE(character.window().isVisible());
}

TEST_F(SpeakingCharacterTest, StandsWhereMovedWithItsBalloonAboveOrBelow) {
  character.MoveTo(575, 105);
  character.Show();
  character.Speak("Press Start!");
  ASSERT_TRUE(runUntil([&] { return balloonShown(); }));
  EXPECT_EQ(character.window().pos(), QPoint(575, 105));
  EXPECT_LT(character.balloon().geometry().bottom(), 105);

  character.MoveTo(0, 0);  // no room above at the top of the screen
  EXPECT_GT(character.balloon().geometry().top(), character.window().geometry().bottom());
  EXPECT_GE(character.balloon().geometry().left(), 0);
}

// The owl steps clear of the controls of the window it serves, also when that window moves, and
// stays where the student drags it.
TEST_F(SpeakingCharacterTest, StandsClearOfTheServedWindowsControlsAndWhereTheStudentPutsIt) {
  // The served window sits in a frame inside the program's main window, as a child window does.
  QWidget main(nullptr, Qt::FramelessWindowHint);
  main.setGeometry(0, 0, 1000, 600);
  auto* frame = new QWidget(&main);
  frame->setGeometry(100, 100, 400, 300);
  auto* served = new QWidget(frame);
  served->setGeometry(0, 0, 400, 300);
  auto* next = new QPushButton("Next", served);
  next->setGeometry(300, 250, 90, 40);  // on the screen: 400..489 across, 350..389 down
  main.show();
  character.serve(*served, QRect(0, 0, 1024, 600));
  character.Show();
  character.MoveTo(200, 200);  // free
  EXPECT_EQ(QPoint(200, 200), character.window().pos());
  character.MoveTo(380, 300);  // over Next: the nearest free place is below it
  EXPECT_EQ(QPoint(380, 390), character.window().pos());

  frame->move(100, 30);  // the child window moves up; Next now ends at 319
  runFrames(5);
  EXPECT_EQ(QPoint(380, 320), character.window().pos());
  main.move(0, 100);  // the main window moves down; Next now spans 380..419 down
  runFrames(5);
  EXPECT_EQ(QPoint(380, 220), character.window().pos());

  // The student drags the owl; it stays where put, even when the window brings Next under it.
  QWidget* owl = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == &character.window()) owl = window;
  }
  ASSERT_NE(nullptr, owl);
  const QPoint grip = owl->pos() + QPoint(80, 80);
  const QPoint dropped = grip + QPoint(-30, -40);
  const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                         Qt::MouseButtons held) {
    QMouseEvent event(type, owl->mapFromGlobal(at), at, button, held, Qt::NoModifier);
    QApplication::sendEvent(owl, &event);
  };
  mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
  mouse(QEvent::MouseMove, dropped, Qt::NoButton, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, dropped, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(QPoint(350, 180), character.window().pos());
  main.move(0, 0);
  runFrames(5);
  EXPECT_EQ(QPoint(350, 180), character.window().pos());

  // Dragged past the screen's corner, it stops at the screen's sides.
  mouse(QEvent::MouseButtonPress, dropped, Qt::LeftButton, Qt::LeftButton);
  mouse(QEvent::MouseMove, dropped + QPoint(-425, 323), Qt::NoButton, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, dropped + QPoint(-425, 323), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(QPoint(0, 440), character.window().pos());
}

// A child window's controls count where no child window in front of them hides them; the owl
// goes with the minimised main window and comes back with it.
TEST_F(SpeakingCharacterTest, KeepsClearOfEveryWindowOfTheProgramAndGoesWithItsMainWindow) {
  QMainWindow main(nullptr, Qt::FramelessWindowHint);
  main.setGeometry(0, 0, 1000, 600);
  auto* area = new QMdiArea;
  main.setCentralWidget(area);
  auto* setup = new QWidget;
  auto* openFile = new QPushButton("Open File", setup);
  openFile->setGeometry(450, 100, 100, 30);
  auto* hiddenOk = new QPushButton("OK", setup);
  hiddenOk->setGeometry(100, 100, 100, 30);
  area->addSubWindow(setup)->setGeometry(0, 0, 600, 400);
  auto* spelling = new QWidget;
  area->addSubWindow(spelling)->setGeometry(0, 0, 400, 400);
  main.show();
  character.serve(*spelling, QRect(0, 0, 1024, 600));
  character.Show();
  const QRect openFileAt(openFile->mapToGlobal(QPoint(0, 0)), openFile->size());
  character.MoveTo(openFileAt.left() - 50, openFileAt.top());
  EXPECT_FALSE(character.window().geometry().intersects(openFileAt));
  const QPoint hiddenOkAt = hiddenOk->mapToGlobal(QPoint(0, 0));
  character.MoveTo(hiddenOkAt.x(), hiddenOkAt.y());
  EXPECT_EQ(hiddenOkAt, character.window().pos());

  character.Speak("Press Start!");
  ASSERT_TRUE(runUntil([&] { return balloonShown(); }));
  for (const bool minimised : {true, false}) {
    minimised ? main.showMinimized() : main.showNormal();
    runFrames(5);
    EXPECT_EQ(!minimised, character.window().isVisible());
    EXPECT_EQ(!minimised, balloonShown());
  }
}

TEST_F(SpeakingCharacterTest, TheBalloonMakesWayForTheServedWindowsControls) {
  QWidget served(nullptr, Qt::FramelessWindowHint);
  served.setGeometry(0, 0, 1000, 300);
  auto* next = new QPushButton("Next", &served);
  next->setGeometry(300, 250, 400, 40);  // wide, just above the owl
  served.show();
  character.serve(served, QRect(0, 0, 1024, 768));
  character.MoveTo(420, 300);
  character.Show();
  character.Speak("Press Start!");
  ASSERT_TRUE(runUntil([&] { return balloonShown(); }));
  const QRect owl = character.window().geometry();
  const auto nextOnScreen = [&] { return QRect(next->mapToGlobal(QPoint(0, 0)), next->size()); };
  EXPECT_GT(character.balloon().geometry().top(), owl.bottom());  // below, clear of Next
  EXPECT_FALSE(character.balloon().geometry().intersects(nextOnScreen()));

  next->setGeometry(540, 250, 30, 40);  // narrow, above the owl's right side
  character.MoveTo(420, 300);
  EXPECT_LT(character.balloon().geometry().bottom(), owl.top());  // above, slid to the left
  EXPECT_FALSE(character.balloon().geometry().intersects(nextOnScreen()));
}

// A text far longer than a screen, with the owl in the corner: the balloon shows the part around
// the word being spoken, and stays inside the screen area.
TEST_F(SpeakingCharacterTest, ALongTextsBalloonStaysInTheScreenAreaAndScrollsWithTheWord) {
  QWidget served;
  character.serve(served, QRect(0, 0, 800, 500));
  character.MoveTo(640, 0);
  character.Show();
  QStringList words;
  for (int word = 1; word <= 14'000; ++word) words.append(QString("word%1").arg(word));
  const QString text = words.join(' ');
  character.Speak(text);
  ASSERT_TRUE(runUntil([&] { return balloonShown(); }));
  const platform::BalloonWindow& balloon = character.balloon();
  const auto inSight = [&](const QString& word) {
    const QTextCursor at = balloon.textView->document()->find(word);
    return !at.isNull() &&
           balloon.textView->viewport()->rect().contains(balloon.textView->cursorRect(at));
  };
  // No room above the owl: the balloon hangs below, and its text scrolls.
  EXPECT_GT(balloon.geometry().top(), character.window().geometry().bottom());
  EXPECT_TRUE(QRect(0, 0, 800, 500).contains(balloon.geometry()));
  EXPECT_TRUE(inSight("word1 "));
  EXPECT_FALSE(inSight("word200 "));
  speech->reachWord(static_cast<int>(text.indexOf("word14000")), 9);
  EXPECT_TRUE(inSight("word14000"));
  EXPECT_FALSE(inSight("word1 "));
  EXPECT_TRUE(QRect(0, 0, 800, 500).contains(balloon.geometry()));
  EXPECT_LT(balloon.textView->document()->characterCount(), 10'000);
}

TEST_F(SpeakingCharacterTest, KnowsOnlyItsOwnCharacter) {
  EXPECT_TRUE(character.load(SpeakingCharacter::kOwl));
  EXPECT_FALSE(character.load("wizard"));
}

TEST_F(SpeakingCharacterTest, ReportsSpeechLostAfterItWasMade) {
  int reports = 0;
  QObject::connect(&character, &SpeakingCharacter::speechUnavailable, [&] { ++reports; });
  emit speech->becameUnavailable();
  EXPECT_EQ(reports, 1);
}

using CharacterRuntimeTest = testing_support::RuntimeTest;

TEST_F(CharacterRuntimeTest, WindowsGetTheRecordingCharacter) {
  auto character = runtime->createCharacter();
  std::vector<int> completed;
  QObject::connect(character.get(), &SpeakingCharacter::requestCompleted,
                   [&](int request) { completed.push_back(request); });
  EXPECT_TRUE(character->load("owl"));
  character->MoveTo(575, 105);
  character->Show();
  character->Play("Greet");
  character->Speak("Press Start!");
  character->SetBalloonStyle(0);
  character.reset();

  const auto& log = *characters->log;
  EXPECT_THAT(log.calls, ElementsAre("MoveTo 575 105", "Show", "Play Greet", "Speak Press Start!",
                                     "BalloonStyle 0"));
  EXPECT_THAT(completed, ElementsAre(1, 2));
  EXPECT_EQ(log.balloonText(), "");
  EXPECT_THAT(log.spoken(), ElementsAre("Press Start!"));
}

}  // namespace
