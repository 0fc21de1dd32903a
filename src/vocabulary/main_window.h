#pragma once

#include <QAction>
#include <QMenu>

#include "platform/windows/child_area.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/windows/statusbar.h"
#include "platform/windows/toolbar.h"
#include "vocabulary/lexorama.h"
#include "vocabulary/practice_texts.h"

namespace vocabulary {

// Lexorama's main window: the other windows open inside it. It carries the score summary, the
// study guide, the teacher entries behind the password and help on the window in front.
class MainWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit MainWindow(Lexorama& program);

  QMenu* fileMenu;
  QAction* scoresAction;
  QAction* printStudyGuideAction;
  QAction* printSetupAction;
  QAction* aboutAction;
  QAction* exitAction;
  QMenu* teacherMenu;
  QAction* createAssignmentAction;
  QAction* createReportAction;
  QAction* editClassInfoAction;
  QAction* gettingStartedAction;
  platform::ToolBar* toolBar;
  platform::StatusBar* statusBar;
  platform::ChildArea* childArea;
  platform::CommonDialog printDialog;

  void onScores();
  void onPrintStudyGuide();
  void onPrintSetup();
  void onAbout();
  void onExit();
  void onTeacherEntry(const QString& target);
  void onGettingStarted();
  void onToolButton(const QString& key);

 protected:
  void load() override;
  void unload(int& cancel) override;

 private:
  void createMenus();
  void createToolBar();
  void showScoreSummary(SummaryKind kind);
  void ShowLogin();
  void ToolbarOpen();
  void showHelp();

  Lexorama& lexorama_;
  PracticeState& practice_;
};

}  // namespace vocabulary
