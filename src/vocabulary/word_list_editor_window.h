#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "vocabulary/lexorama.h"

namespace vocabulary {

// Where a teacher writes a word list item by item and saves it as a text file.
class WordListEditorWindow : public platform::Form {
 public:
  using Context = Lexorama;
  explicit WordListEditorWindow(Lexorama& program);

  QLabel* instructionsLabel;
  QLineEdit* itemBox;
  QListWidget* itemList;
  QPushButton* applyButton;
  QPushButton* saveButton;
  QPushButton* clearButton;
  QPushButton* closeButton;
  platform::CommonDialog saveDialog;

  void onApplyClicked();
  void onSaveClicked();
  void onClearClicked();
  void onCloseClicked();
  void onItemDoubleClicked(QListWidgetItem* item);

 private:
  QStringList items() const;
  bool confirmLongList(int count);
  Lexorama& lexorama_;
};

}  // namespace vocabulary
