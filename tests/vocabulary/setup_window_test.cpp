#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "lexorama_fixture.h"
#include "shared/reg_settings.h"
#include "vocabulary/multiple_choice_window.h"
#include "vocabulary/score_record.h"

namespace {

using namespace vocabulary;
using vocabulary_testing::LexoramaTest;
using vocabulary_testing::PromptKind;

class SetupWindowTest : public LexoramaTest {
 protected:
  void SetUp() override {
    writeNameLists();
    list = writeWordList("Week 3.txt", 6);
  }
  void openAndChoose() {
    open(list);
    choose(setup().teacherBox, "Ms Hale");
    choose(setup().studentBox, "Ortiz, Ana");
  }
  void storeScores(const QString& student, std::array<std::int16_t, 8> scores) {
    ScoreRecord record{"Week 3", "Ms Hale", student, scores};
    QFile file(classFolder() + "Resources/data.dat");
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(EncodeScoreRecord(record));
  }
  QString list;
};

TEST_F(SetupWindowTest, EachActivitySetsTheOrderItAllows) {
  // enabled sequential, enabled random, checked random, after choosing activity n
  struct Row { bool sequential, random, randomChecked; } expected[8] = {
      {true, true, true},  {true, true, true},  {false, true, true}, {false, true, true},
      {false, true, true}, {false, true, true}, {true, false, false}, {true, false, false}};
  PracticeSetupWindow& window = setup();
  EXPECT_EQ(1, lexorama.practice.ActivityNumber);
  EXPECT_TRUE(window.randomButton->isChecked());
  for (int i = 0; i < 8; ++i) {
    window.activityButtons[i]->click();
    EXPECT_EQ(i + 1, lexorama.practice.ActivityNumber);
    EXPECT_EQ(expected[i].sequential, window.sequentialButton->isEnabled()) << i + 1;
    EXPECT_EQ(expected[i].random, window.randomButton->isEnabled()) << i + 1;
    EXPECT_EQ(expected[i].randomChecked, window.randomButton->isChecked()) << i + 1;
  }
  // Sentences, then matching: neither order may be chosen, and Random holds.
  window.activityButtons[6]->click();
  window.activityButtons[2]->click();
  EXPECT_FALSE(window.sequentialButton->isEnabled());
  EXPECT_FALSE(window.randomButton->isEnabled());
  EXPECT_TRUE(window.randomButton->isChecked());
  // The second picture game gives the choice of Random back.
  window.activityButtons[5]->click();
  EXPECT_TRUE(window.randomButton->isEnabled());
}

TEST_F(SetupWindowTest, OpeningAListTakesItsItemsNamesAndTestName) {
  open(list);
  const PracticeState& practice = lexorama.practice;
  EXPECT_EQ(6, practice.ItemCount());
  EXPECT_EQ("word6", practice.WordList[5].word);
  EXPECT_EQ("Week 3", practice.AssignmentName);
  EXPECT_EQ(classFolder(), practice.DataFolder);
  EXPECT_EQ(list, setup().wordListPathBox->text());
  EXPECT_EQ(2, setup().teacherBox->count());
  EXPECT_EQ(3, setup().studentBox->count());
  EXPECT_EQ("Select Teacher", setup().teacherBox->currentText());
  EXPECT_EQ("Select Student", setup().studentBox->currentText());
  EXPECT_EQ(list, shared::GetRegSetting(runtime->registry(), "Lexorama", "Setting", "OpenPath", ""));
  const auto dialog = interaction->prompts(PromptKind::OpenDialog).front().request;
  EXPECT_EQ("Open", dialog.DialogTitle);
  EXPECT_EQ("All Files (*.*)|*.*", dialog.Filter);
  // The next Open box starts at this list.
  interaction->cancelOpen();
  setup().openFileButton->click();
  EXPECT_EQ(list, interaction->prompts(PromptKind::OpenDialog).back().request.FileName);
}

TEST_F(SetupWindowTest, TheTeacherListOpensAgainAsTheWindowComesBackFromTheDialogUnlessUsed) {
  QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  // What the student does in the list before the window is active again, and what then shows.
  struct Case {
    std::function<void(QComboBox*)> act;
    bool opensAgain;
    QString name;
  } cases[] = {
      {[](QComboBox* box) { box->hidePopup(); }, true, "Select Teacher"},  // taken down
      {[](QComboBox* box) { QTest::keyClick(box->view(), Qt::Key_Escape); }, false,
       "Select Teacher"},
      {[](QComboBox* box) { QTest::keyClicks(box->view(), "Q"); }, false, "Quinn"},
  };
  for (const Case& c : cases) {
    open(list);
    QComboBox* box = setup().teacherBox;
    ASSERT_TRUE(box->view()->isVisible());
    c.act(box);
    for (const bool opens : {c.opensAgain, false}) {  // once at most
      QApplication::sendEvent(box, &back);
      EXPECT_EQ(opens, box->view()->isVisible());
      box->hidePopup();
    }
    if (c.name == "Quinn") QTest::keyClicks(box, "uinn");
    EXPECT_EQ(c.name, box->currentText());
  }
}

TEST_F(SetupWindowTest, DownFromANameListsPromptGoesToItsFirstName) {
  open(list);
  QComboBox* box = setup().teacherBox;
  // In the list that opens with the word list ...
  ASSERT_TRUE(box->view()->isVisible());
  QTest::keyClick(box->view(), Qt::Key_Down);
  EXPECT_EQ(0, box->view()->currentIndex().row());
  // ... and in the box itself, once the list is opened again.
  open(list);
  box->hidePopup();
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ("Ms Hale", box->currentText());
}

TEST_F(SetupWindowTest, AListThatCannotBeUsedSaysWhyAndLeavesTheOpenOneAlone) {
  openAndChoose();
  struct Case {
    QString path;
    QString title;
  } cases[] = {
      {writeFile("class/noslash.txt", "a/b\r\nnoslash\r\n\r\n"), "Invalid file format..."},
      {writeFile("class/noend.txt", "a/b\r\nc/d\r\n"), "Lexorama"},
      {writeWordList("long.txt", 100), "Lexorama"},
      {writeFile("class/ab", "a/b\r\n\r\n"), "Invalid file format..."},
      {writeFile("elsewhere/fine.txt", "a/b\r\nc/d\r\n\r\n"), "Lexorama"},
      {classFolder() + "missing.txt", "Lexorama"},
      {writeFile("class/huge.txt", QByteArray(5 * 1024 * 1024, 'a')), "Lexorama"},
      {writeFile("class/empty.txt", ""), "Lexorama"},
  };
  for (const Case& c : cases) {
    interaction->answerOpen(c.path).answerMessage(platform::vbOK);
    setup().openFileButton->click();
    EXPECT_EQ(c.title, messages().back().title) << c.path.toStdString();
    EXPECT_EQ(6, lexorama.practice.ItemCount());
    EXPECT_EQ("Week 3", lexorama.practice.AssignmentName);
    EXPECT_EQ(classFolder(), lexorama.practice.DataFolder);
    EXPECT_EQ(list, setup().wordListPathBox->text());
    EXPECT_EQ("Ortiz, Ana", setup().studentBox->currentText());
  }
  EXPECT_EQ("This file is not of a format supported by this program.\r\nBe sure you are opening "
            "an assignment file for Lexorama.\r\nThis file is necessary for Step 4.",
            messages().front().text);
  EXPECT_EQ("This word list is empty: it holds no words at all. Open another file, or write the "
            "list in the word-list editor first.",
            messages().back().text);
}

TEST_F(SetupWindowTest, ASettingThatCannotBeWrittenDoesNotStopTheOpen) {
  // The machine's settings file cannot be replaced when a folder stands in its place.
  QDir().mkpath(testing_support::testRoot() + "/registry/machine.reg");
  open(list);
  EXPECT_EQ("", shared::GetRegSetting(runtime->registry(), "Lexorama", "Setting", "OpenPath", ""));
  EXPECT_EQ(6, lexorama.practice.ItemCount());
  EXPECT_EQ(list, setup().wordListPathBox->text());
}

TEST_F(SetupWindowTest, FixedNamesFromWindowsAreFoundWhateverTheirCase) {
  writeFile("win/RESOURCES/Teachers.TXT", "Ms Hale\r\n");
  writeFile("win/RESOURCES/STUDENTS.txt", "Ortiz, Ana\r\nM\xfcller, Zo\xeb\r\n");
  const ScoreRecord stored{"Week 3", "Ms Hale", "Ortiz, Ana", {64, 0, 0, 0, 0, 0, 0, 0}};
  writeFile("win/RESOURCES/Data.DAT", EncodeScoreRecord(stored));
  open(writeFile("win/Week 3.txt", "a/1\r\nb/2\r\nc/3\r\nd/4\r\ne/5\r\n\r\n"));
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  EXPECT_EQ(64, lexorama.practice.Scores[MultipleChoiceByWord]);
  // The name list was written on Windows.
  EXPECT_EQ(QStringLiteral("Müller, Zoë"), setup().studentBox->itemText(1));
}

TEST_F(SetupWindowTest, ChoosingNamesLoadsTheBestScoresOfThatStudent) {
  storeScores("Brook, Sam", {99, 99, 99, 99, 99, 99, 10, 1});
  storeScores("Ortiz, Ana  ", {70, 0, 55, 0, 0, 20, 10, 87});
  storeScores("Ortiz, Ana", {100, 100, 100, 100, 100, 100, 0, 0});
  openAndChoose();
  const PracticeState& practice = lexorama.practice;
  EXPECT_EQ((PracticeScores{70, 0, 55, 0, 0, 20}), practice.Scores);
  EXPECT_EQ("OK", practice.SentencesMark);
  EXPECT_EQ("87", practice.SpellingMark);
  EXPECT_EQ("Options     Ortiz, Ana", setup().Caption());

  choose(setup().studentBox, "Brook, Sam");
  EXPECT_EQ(" P", practice.SpellingMark);
  choose(setup().studentBox, "Lee, Kim");
  EXPECT_EQ((PracticeScores{}), practice.Scores);
  EXPECT_EQ(" ?", practice.SentencesMark);
}

TEST_F(SetupWindowTest, ATypedNameLoadsItsOwnProgressSoScoresGoToTheRightStudent) {
  storeScores("Ortiz, Ana", {70, 0, 0, 0, 0, 0, 0, 0});
  storeScores("Vance, Rui", {20, 30, 0, 0, 0, 0, 0, 0});
  openAndChoose();
  EXPECT_EQ(70, lexorama.practice.Scores[MultipleChoiceByWord]);
  // Choosing the teacher opens the student list, which gets the keys. Typed quickly, they may
  // reach it while it is taken down, and the box gets the focus back as a window made active does.
  choose(setup().teacherBox, "Ms Hale");
  QComboBox* box = setup().studentBox;
  QTest::keyClicks(box->view(), "V");
  QFocusEvent focusBack(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(box, &focusBack);
  QTest::keyClicks(box->view(), "ance, Rui");
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  EXPECT_EQ("Vance, Rui", lexorama.practice.StudentName);
  EXPECT_EQ((PracticeScores{20, 30, 0, 0, 0, 0}), lexorama.practice.Scores);
}

TEST_F(SetupWindowTest, ANameTheScoreFileCannotHoldIsRefusedAndLeftOutOfTheLists) {
  // The score file holds such a name as "???", the same for every such name.
  writeFile("class/Resources/students.txt", QString("Ortiz, Ana\r\n王小明\r\n").toUtf8());
  storeScores("王小明", {80, 80, 0, 0, 0, 0, 10, 0});
  interaction->answerOpen(list).answerMessage(platform::vbOK);
  setup().openFileButton->click();
  ASSERT_EQ(1u, messages().size());
  EXPECT_TRUE(messages()[0].text.contains("\r\n王小明 (王 小 明)\r\nThese names are left out of "
                                          "the lists in Step 4. Please ask your teacher to "
                                          "change them."));
  ASSERT_EQ(1, setup().studentBox->count());
  EXPECT_EQ("Ortiz, Ana", setup().studentBox->itemText(0));

  choose(setup().teacherBox, "Ms Hale");
  interaction->answerMessage(platform::vbOK);
  // Typed as a keyboard of another script types it: keys that carry their text.
  QComboBox* box = setup().studentBox;
  box->hidePopup();
  box->lineEdit()->selectAll();
  for (const QChar c : QString("李小红")) {
    QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(c), {});
  }
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  ASSERT_EQ(2u, messages().size());
  EXPECT_EQ("Lexorama cannot keep scores for the name \"李小红\": its score file cannot hold "
            "the characters 李 小 红. Please type the name another way, for example with the "
            "letters A to Z.",
            messages()[1].text);
  EXPECT_EQ("Select Student", setup().studentBox->currentText());
  EXPECT_EQ("", lexorama.practice.StudentName);
  EXPECT_EQ((PracticeScores{}), lexorama.practice.Scores);

  interaction->answerMessage(platform::vbOK);
  setup().okButton->click();
  EXPECT_EQ("In Step 3 you must OPEN a file and in Step 4 select a TEACHER and a STUDENT.",
            messages().back().text);
}

TEST_F(SetupWindowTest, AnUnreadableScoreFileIsToldAndTheProgramGoesOn) {
  QDir().mkpath(classFolder() + "Resources/data.dat");
  open(list);
  interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Ortiz, Ana");
  EXPECT_EQ(2u, messages().size());
  EXPECT_TRUE(messages().back().text.contains("cannot be opened"));
  EXPECT_EQ((PracticeScores{}), lexorama.practice.Scores);
}

TEST_F(SetupWindowTest, OkNeedsAListOfFiveItemsAndBothNames) {
  interaction->answerMessage(platform::vbOK);
  setup().okButton->click();
  EXPECT_EQ("In Step 3 you must OPEN a file and in Step 4 select a TEACHER and a STUDENT.",
            messages().back().text);
  EXPECT_EQ("Lexorama", messages().back().title);

  open(writeWordList("four.txt", 4));
  choose(setup().teacherBox, "Ms Hale");
  interaction->answerMessage(platform::vbOK);
  setup().okButton->click();
  ASSERT_EQ(2u, messages().size()) << "the student is still to be chosen";
  EXPECT_EQ(messages()[0].text, messages()[1].text);
  choose(setup().studentBox, "Lee, Kim");
  interaction->answerMessage(platform::vbOK);
  setup().okButton->click();
  EXPECT_EQ("You must have at least 5 items in this file to test.", messages().back().text);

  open(writeWordList("five.txt", 5));
  choose(setup().teacherBox, "Ms Hale");
  choose(setup().studentBox, "Lee, Kim");
  lexorama.practice.WordList[2].asked = true;
  setup().okButton->click();
  EXPECT_FALSE(lexorama.practice.WordList[2].asked);
  EXPECT_TRUE(lexorama.forms().isLoaded<MultipleChoiceWindow>());
}

TEST_F(SetupWindowTest, WithoutFiveItemsTheDispatchShowsTheSetupWindowForEveryActivityNumber) {
  for (int number : {0, 1, 8, 9, -3}) {
    lexorama.forms().unload<PracticeSetupWindow>();
    processEvents();
    lexorama.practice.ActivityNumber = number;
    ShowActivity(lexorama);
    EXPECT_TRUE(lexorama.forms().isLoaded<PracticeSetupWindow>());
    EXPECT_TRUE(setup().isVisible());
  }
}

TEST_F(SetupWindowTest, CancelUnloadsTheWindowAndTheNextTouchLoadsItAfresh) {
  open(list);
  setup().cancelButton->click();
  processEvents();
  EXPECT_FALSE(lexorama.forms().isLoaded<PracticeSetupWindow>());
  EXPECT_TRUE(setup().wordListPathBox->text().isEmpty());
  EXPECT_EQ(6, lexorama.practice.ItemCount());
}

}  // namespace
