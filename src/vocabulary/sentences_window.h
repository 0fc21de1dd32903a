#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTime>

#include "platform/text/richtextbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "vocabulary/activity_support.h"

namespace vocabulary {

// The time from `start` to `end` as hh:mm:ss; an end earlier than the start is on the next day.
QString ElapsedTime(const QTime& start, const QTime& end);

// Sentence writing: the student writes a sentence for each word of the list, in list order, and
// gets a numbered transcript that can be saved, printed and opened again to go on.
class SentencesWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit SentencesWindow(Lexorama& program);

  platform::RichTextBox* transcriptBox;
  platform::RichTextBox* sentenceBox;
  QLabel* wordLabel;
  platform::RichTextBox* wordBox;
  QLabel* definition1Label;
  platform::RichTextBox* definition1Box;
  QLabel* definition2Label;
  platform::RichTextBox* definition2Box;
  // Never shown: the heading and transcript as they are saved.
  platform::RichTextBox* savedCopyBox;
  QPushButton* applyButton;
  QPushButton* skipButton;
  QPushButton* openButton;
  QPushButton* saveButton;
  QPushButton* printButton;
  QPushButton* closeButton;
  QLabel* instructionsLabel;
  platform::CommonDialog fileDialog;

  void onApplyClicked();
  void onSkipClicked();
  void onOpenClicked();
  void onSaveClicked();
  void onPrintClicked();
  void onCloseClicked();
  // As the scored activities do (ActivityWindow::ShowPracticeNames).
  void ShowPracticeNames();

 protected:
  void load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void connectHandlers();
  void showItem();
  bool allDone() const;
  QString heading() const;
  void finish();
  void SaveSentenceMark();

  Lexorama& lexorama_;
  PracticeState& practice_;
  RunList list_;
  // 1-based; one past the last item once all are done.
  int currentItem_ = 1;
  QTime startTime_;
};

}  // namespace vocabulary
