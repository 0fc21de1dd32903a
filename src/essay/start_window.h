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

  QPushButton* Command1;  // create an assignment
  QPushButton* Command2;  // open and write one
  QPushButton* Command3;  // edit or type freely
  QPushButton* Command4;  // sample papers
  QPushButton* Command5;  // rubrics
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;  // "What do you want to do?"
  QLabel* Picture1;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Label7_Click();

 protected:
  void load() override;
  void unload(int& cancel) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void connectHandlers();
  void backgroundMouseMove();
  void Label7_MouseMove();

  Quillora& quillora_;
  shared::TiledArea* background_;
  bool hover_ = false;
};

}  // namespace essay
