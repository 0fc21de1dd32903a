#pragma once

#include <QLabel>
#include <QPushButton>

#include "essay/quillora.h"
#include "platform/windows/form.h"

namespace shared {
class TiledArea;
}

namespace essay {

// The start screen: the five things a student or teacher can do. Closing it ends the program.
class StartWindow : public platform::Form {
 public:
  using Context = Quillora;
  explicit StartWindow(Quillora& program);

  // The text the question label puts into the editor.
  static QString GettingStartedText();

  // Each button opens its window; the label beside it carries the button's caption.
  QPushButton* builderButton;       // "Create An Assignment..."
  QPushButton* workspaceButton;     // "Open An Assignment..."
  QPushButton* editorButton;        // "Edit or Type An Assignment..."
  QPushButton* samplePapersButton;  // "Read Sample Papers"
  QPushButton* rubricsButton;       // "View the Rubrics"
  QLabel* builderLabel;
  QLabel* workspaceLabel;
  QLabel* editorLabel;
  QLabel* samplePapersLabel;
  QLabel* rubricsLabel;
  QLabel* questionLabel;  // "What do you want to do?"
  QLabel* tilePicture;

  void onBuilderClicked();
  void onWorkspaceClicked();
  void onEditorClicked();
  void onSamplePapersClicked();
  void onRubricsClicked();
  void onQuestionClicked();
  void onExit();

 protected:
  void load() override;
  void unload(int& cancel) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void connectHandlers();
  void onBackgroundMouseMove();
  void onQuestionMouseMove();
  // Whether the workspace or the editor holds writing that ending the program would lose.
  bool writingWouldBeLost() const;

  Quillora& quillora_;
  shared::TiledArea* background_;
  bool hover_ = false;
};

}  // namespace essay
