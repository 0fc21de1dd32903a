#include <QApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/character/owl_figure.h"
#include "platform/character/qt_speaking_character.h"
#include "support/fixture.h"

namespace {

using platform::QtSpeakingCharacter;
using platform::SpeakingCharacter;
using testing::ElementsAre;
using testing::IsEmpty;

// A voice the test speaks for: it records what it was told and sends the words and the end
// when the test says so.
class ScriptedSpeech : public platform::Speech {
 public:
  bool canSpeak = true;
  QStringList said;
  int stops = 0;

  bool available() const override { return canSpeak; }
  int say(const QString& text) override {
    said.append(text);
    return ++last_;
  }
  void stop() override { ++stops; }

  void reachWord(int position, int length) { emit wordReached(last_, position, length); }
  void finish() { emit finished(last_); }

 private:
  int last_ = 0;
};

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
