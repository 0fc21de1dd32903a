#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "platform/text/richtextbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/score_record.h"

namespace vocabulary {

// Where a student sets up a practice in four steps: the order, the activity, the word list and
// the teacher and student names; OK starts the activity.
class PracticeSetupWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit PracticeSetupWindow(Lexorama& program);

  QGroupBox* orderFrame;
  QRadioButton* sequentialButton;
  QRadioButton* randomButton;
  QGroupBox* activityFrame;
  QLabel* multipleChoiceLabel;
  QLabel* matchingLabel;
  QLabel* matchingGameLabel;
  QLabel* writingLabel;
  // The buttons of activities 1 to 8, in that order.
  std::array<QRadioButton*, 8> activityButtons;
  QGroupBox* wordListFrame;
  QLineEdit* wordListPathBox;
  QPushButton* openFileButton;
  QGroupBox* namesFrame;
  QComboBox* teacherBox;
  QComboBox* studentBox;
  QPushButton* okButton;
  QPushButton* cancelButton;
  QLabel* instructionsLabel;
  // Never shown: the study guide is put together here for printing.
  platform::RichTextBox* studyGuideBox;
  platform::CommonDialog openDialog;

  void OpenWordList();
  void StartActivity();

 protected:
  void load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  QGroupBox* createOrderFrame();
  QGroupBox* createActivityFrame();
  QGroupBox* createWordListFrame();
  QGroupBox* createNamesFrame();
  void connectHandlers();

  void onActivityChosen(int activity);
  void onTeacherChosen();
  void onStudentChosen();
  void onNameTyped();
  void onCancelClicked();

  void readStoredOpenPath();
  bool readWordList(const QString& path, QList<WordListItem>& items, QString& name);
  bool readNameLists(const QString& dataFolder, QStringList& teachers, QStringList& students);
  // The names of a list the score file can hold; the others are told and left out.
  QStringList storableNames(const QString& path, const QStringList& names);
  void fillNameLists(const QStringList& teachers, const QStringList& students);
  void resetProgress();
  void LoadStudentProgress();
  // Typed names load their progress as chosen ones do.
  void takeTypedNames();
  // A name the score file cannot hold is told and taken out of its box; true when one was.
  bool refuseUnstorableName();
  ScoreKey currentKey() const;

  Lexorama& lexorama_;
  PracticeState& practice_;
  // The names whose progress the scores were last loaded for.
  ScoreKey progressKey_;
  // A name list opened behind a dialog, to open again when the window is active once more.
  QComboBox* listAfterDialog_ = nullptr;
};

}  // namespace vocabulary
