#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <optional>

#include "platform/character/speaking_character.h"
#include "platform/text/richtextbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "platform/windows/statusbar.h"
#include "platform/windows/toolbar.h"
#include "reading/definition_list.h"
#include "reading/voxlet.h"

namespace reading {

// Voxlet!'s one main window: the text being read, the search, the colour schemes, and the owl
// that reads aloud and shows the definition and picture of a selected word.
class ReadingWindow : public platform::Form {
 public:
  using Context = Voxlet;
  explicit ReadingWindow(Voxlet& program);
  ~ReadingWindow() override;

  static constexpr const char* kSpeechOnCaption = "Merlin On";
  static constexpr const char* kSpeechOffCaption = "Merlin Off";

  // The word taken from the last mouse selection while it is looked up and spoken.
  const QString& selectedWord() const { return selectedWord_; }
  int foundAt() const { return FoundAt; }
  bool speechOn() const { return SpeechOn; }
  // The speaking character, made and loaded the first time it is needed: once the window is on
  // the screen, or earlier when a command wants it first.
  platform::SpeakingCharacter& character();

  platform::RichTextBox* textBox;
  platform::RichTextBox* definitionBox;
  platform::RichTextBox* searchBox;
  QPushButton* findButton;
  QPushButton* nextButton;
  QPushButton* speechButton;
  QPushButton* readButton;
  QPushButton* stopButton;
  QPushButton* aboutButton;
  QGroupBox* backgroundFrame;
  QRadioButton* whiteOption;
  QRadioButton* greyOption;
  QRadioButton* blackOption;
  QLabel* pictureLabel;
  platform::ToolBar* toolBar;
  platform::StatusBar* statusBar;
  platform::CommonDialog fileDialog;

 protected:
  void load() override;
  void unload(int& cancel) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void createToolBar();
  void layOut();
  void connectHandlers();
  void placeCharacter(int screenHeightPixels);
  void warnSilentCharacter();

  void onToolButton(const QString& key);
  void onNew();
  void onOpen();
  void onSave();
  void onPrint();
  void ChooseTextFont();
  void onHelp();
  void onExit();
  void onFind();
  void onNext();
  void showSearchResult(int position, int least);
  void applyScheme(std::uint32_t back, std::uint32_t text);
  void onWhite();
  void onGrey();
  void onBlack();
  void reapplyBlack();

  // Reading aloud.
  void ToggleSpeech();
  void ReadParagraph();
  void onStop();
  void SpeakSelection();
  void ShowDefinition();
  void ShowPicture();
  const DefinitionList& definitions();

  Voxlet& voxlet_;
  std::unique_ptr<platform::SpeakingCharacter> character_;
  bool characterLoaded_ = false;
  std::optional<DefinitionList> definitions_;  // read when a word is first looked up
  QString selectedWord_;
  bool SpeechOn = true;
  int FoundAt = 0;
  bool warnedSilent_ = false;
};

}  // namespace reading
