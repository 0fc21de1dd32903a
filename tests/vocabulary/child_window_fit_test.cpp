#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <gtest/gtest.h>

#include "activity_fixture.h"
#include "vocabulary/class_info_window.h"
#include "vocabulary/main_window.h"
#include "vocabulary/matching_window.h"
#include "vocabulary/multiple_choice_window.h"
#include "vocabulary/picture_game_window.h"
#include "vocabulary/score_report_window.h"
#include "vocabulary/sentences_window.h"
#include "vocabulary/spelling_window.h"
#include "vocabulary/word_list_editor_window.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::ActivityTest;

// Every child window, at the main window's own size on a 1024 x 768 screen, lies wholly inside
// the main window's work area: its frame with its close button, and every control it shows.
class ChildWindowFitTest : public ActivityTest {
 protected:
  void SetUp() override {
    ActivityTest::SetUp();
    MainWindow& window = main();
    processEvents();
    ASSERT_EQ(12075, window.Width());
    ASSERT_EQ(8745, window.Height());
    list = writeWordList("Week 3.txt", 12);
  }
  MainWindow& main() { return lexorama.forms().get<MainWindow>(); }

  void expectFits(platform::Form& child, const char* name) {
    processEvents();
    platform::ChildArea* area = main().childArea;
    const QRect work = area->viewport()->rect();
    ASSERT_TRUE(child.isVisible()) << name;
    EXPECT_FALSE(area->verticalScrollBar()->isVisible()) << name;
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible()) << name;
    const QWidget* frame = child.parentWidget();
    EXPECT_TRUE(work.contains(frame->geometry()))
        << name << ": frame " << text(frame->geometry()) << " in " << text(work);
    for (const QWidget* part : child.findChildren<QWidget*>()) {
      const bool control = qobject_cast<const QAbstractButton*>(part) ||
                           qobject_cast<const QLineEdit*>(part) ||
                           qobject_cast<const QComboBox*>(part) ||
                           qobject_cast<const QProgressBar*>(part) ||
                           qobject_cast<const QLabel*>(part) ||
                           qobject_cast<const QAbstractScrollArea*>(part);
      // Drop-down lists open in windows of their own.
      if (!control || !part->isVisible() || part->window() != &main()) continue;
      const QRect shown(part->mapTo(area->viewport(), QPoint()), part->size());
      EXPECT_TRUE(work.contains(shown)) << name << ": " << part->objectName().toStdString() << " "
                                        << text(shown) << " in " << text(work);
    }
  }
  static std::string text(const QRect& r) {
    return QString("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
  }

  QString list;
};

TEST_F(ChildWindowFitTest, TheSetupAndTheTeacherWindowsFit) {
  open(list);
  expectFits(setup(), "setup");
  lexorama.forms().get<WordListEditorWindow>().Show();
  expectFits(lexorama.forms().get<WordListEditorWindow>(), "word-list editor");
  lexorama.forms().get<ScoreReportWindow>().Show();
  expectFits(lexorama.forms().get<ScoreReportWindow>(), "score report");
  lexorama.forms().get<ClassInfoWindow>().Show();
  expectFits(lexorama.forms().get<ClassInfoWindow>(), "administration screen");
}

TEST_F(ChildWindowFitTest, EveryActivityFits) {
  start(list, 1);
  expectFits(lexorama.forms().get<MultipleChoiceWindow>(), "multiple choice");
  lexorama.forms().unload<MultipleChoiceWindow>();
  start(list, 3);
  expectFits(lexorama.forms().get<MatchingWindow>(), "matching");
  lexorama.forms().unload<MatchingWindow>();
  start(list, 5);
  expectFits(lexorama.forms().get<PictureGameWindow>(), "picture game");
  lexorama.forms().unload<PictureGameWindow>();
  start(list, 7);
  expectFits(lexorama.forms().get<SentencesWindow>(), "sentences");
  lexorama.forms().unload<SentencesWindow>();
  start(list, 8);
  expectFits(lexorama.forms().get<SpellingWindow>(), "spelling");
}

}  // namespace
