#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include "platform/text/richtextbox.h"
#include "platform/text/textbox.h"
#include "platform/windows/form.h"
#include "platform/windows/interaction.h"
#include "webpage/link_table.h"
#include "webpage/page_builder.h"
#include "webpage/webloom.h"

namespace webpage {

// Webloom's one main window: the text, the three fields of the page, the link table, and the
// commands that build, preview and save the page.
class EditorWindow : public platform::Form {
 public:
  using Context = Webloom;
  explicit EditorWindow(Webloom& program);

  const LinkTable& links() const { return links_; }

  QLabel* titleBarLabel;
  platform::TextBox* titleBarBox;
  QLabel* paperTitleLabel;
  platform::TextBox* paperTitleBox;
  QLabel* authorLabel;
  platform::TextBox* authorBox;
  QLabel* linksLabel;
  QLabel* savePreviewLabel;
  platform::RichTextBox* textBox;
  QCheckBox* autoLinkCheck;
  QPushButton* newButton;
  QPushButton* openButton;
  QPushButton* linkButton;
  QPushButton* saveTextButton;
  QPushButton* saveHtmlButton;
  QPushButton* exitButton;
  QPushButton* deleteLinkButton;
  QPushButton* helpButton;
  QPushButton* authorAudioButton;
  QPushButton* aboutButton;
  QPushButton* previewButton;
  platform::CommonDialog fileDialog;

 protected:
  void load() override;
  void unload(int& cancel) override;

 private:
  // How a page folder ended up.
  enum class Outcome { Created, Replaced, Stopped };
  // What a page folder is written for.
  enum class Build { Save, Preview };

  void createControls();
  void layOut();
  void connectHandlers();
  // Text the close box must not drop without asking.
  bool holdsWriting() const;

  void onNew();
  void onOpen();
  void onLinkToText();
  void onSaveAsText();
  void onSaveAsHtml();
  void onPreview();
  void onExit();
  void onDeleteLink();
  void onHelp();
  void onAuthorAudioLinks();
  void onAbout();
  void onAutoLinkToggled();
  void onTextMouseUp();

  void linkSelectedText();
  void stripLinkMarks();
  void markSelectionAsLink(const QString& selected);
  // Makes what is typed next at the caret plain: colour 0, no underline.
  void typePlain();
  void onTextKeyPress(int keyAscii);
  // The title and author, asked for when missing; false when either stays empty or the title
  // cannot name a folder.
  bool askForTitleAndAuthor();
  PageContent pageContent() const;
  Outcome writePageFolder(const QString& parentFolder, Build build);
  QString writeShowingProgress(const BuiltPage& page, const QString& pageFolder, Build build);

  Webloom& webloom_;
  LinkTable links_;
  // The preview folders this run has written, which Exit removes.
  QStringList previewFolders_;
};

}  // namespace webpage
