#include "webpage/editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QTextCursor>

#include "platform/files/locations.h"
#include "platform/system/runtime_library.h"
#include "shared/about_box.h"
#include "support/fixture.h"
#include "webpage/author_audio_dialog.h"
#include "webpage/webloom.h"

namespace {

using platform::RichTextBox;
using testing_support::PromptKind;
using webpage::AuthorAudioDialog;
using webpage::EditorWindow;
using webpage::LinkRow;

class EditorWindowTest : public testing_support::RuntimeTest {
 protected:
  EditorWindow& editor() { return webloom.forms().get<EditorWindow>(); }
  RichTextBox* box() { return editor().textBox; }
  void select(int start, int length) {
    box()->setSelStart(start);
    box()->setSelLength(length);
  }
  QString path(const QString& name) const {
    return QDir(testing_support::testRoot()).filePath(name);
  }
  std::vector<testing_support::Prompt> messages() const {
    return interaction->prompts(PromptKind::MessageBox);
  }
  QString lastMessage() const { return messages().empty() ? QString() : messages().back().text; }

  // Links the characters at start..start+length to `file` through Link To Text.
  void link(int start, int length, const QString& file) {
    select(start, length);
    interaction->answerSave(file);
    editor().linkButton->click();
  }

  webpage::Webloom webloom{*runtime};
};

TEST_F(EditorWindowTest, LoadingTakesTheHandedOverTextAndSizesTheWindow) {
  clipboard->SetText("***My essay.\r\nSecond line.");
  EXPECT_EQ("My essay.\r\nSecond line.", box()->Text());
  EXPECT_EQ("***My essay.\r\nSecond line.", clipboard->text);
  EXPECT_EQ("Webloom", editor().Caption());
  EXPECT_EQ(768, webloom.ScreenHeightPixels);
  EXPECT_EQ(12000, editor().Width());
  EXPECT_EQ(8745, editor().Height());
  EXPECT_EQ("Assignment  (on title bar)", editor().titleBarLabel->text());
  EXPECT_EQ("Title                (of the paper)", editor().paperTitleLabel->text());
}

TEST_F(EditorWindowTest, AClipboardWithoutTheMarkerLeavesTheBoxEmpty) {
  clipboard->SetText("copied elsewhere");
  EXPECT_EQ("", box()->Text());
}

TEST_F(EditorWindowTest, AHandOverTooLargeForTheBoxIsRefusedAndSaysWhy) {
  clipboard->SetText("***" + QString(20'001, u'x'));
  interaction->answerMessage(platform::vbOK);
  EXPECT_EQ("", box()->Text());
  EXPECT_EQ(RichTextBox::TooLargeMessage(), lastMessage());
}

TEST_F(EditorWindowTest, LinkToTextMarksTheSelectionAndRecordsTheRow) {
  box()->setText("Rex likes his ball.");
  link(0, 4, "/pics/rex.jpg");  // "Rex " with its trailing blank
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).back().request;
  EXPECT_EQ("Save Link to--->  Rex ", dialog.DialogTitle);
  EXPECT_EQ("All Files (*.*)|*.*", dialog.Filter);
  EXPECT_EQ(4, dialog.Flags);
  EXPECT_EQ("`Rex` likes his ball.", box()->Text());
  ASSERT_EQ(1, editor().links().count());
  EXPECT_EQ("Rex ", editor().links().row(0).text);
  EXPECT_EQ("/pics/rex.jpg", editor().links().row(0).filePath);
  select(1, 3);
  EXPECT_EQ(platform::rtl::Color(0xFF0000), box()->SelColor());
  EXPECT_EQ(RichTextBox::Tri::True, box()->SelUnderline());
  // Typing right after the link is plain.
  link(6, 5, "/pics/likes.png");
  box()->setSelText("!");
  EXPECT_EQ("`Rex` `likes`! his ball.", box()->Text());
  select(13, 1);
  EXPECT_EQ(RichTextBox::Tri::False, box()->SelUnderline());
  EXPECT_EQ(platform::rtl::Color(0), box()->SelColor());

  // Nothing selected, or the dialog cancelled: nothing changes.
  box()->setSelStart(0);
  interaction->answerMessage(platform::vbOK);
  editor().linkButton->click();
  EXPECT_EQ("You must highlight some text in order to link to it.", lastMessage());
  EXPECT_EQ(platform::vbInformation, messages().back().style);
  select(18, 3);
  interaction->cancelSave();
  editor().linkButton->click();
  EXPECT_EQ("`Rex` `likes`! his ball.", box()->Text());
  EXPECT_EQ(2, editor().links().count());
  // Text that is part of a link already is not linked again.
  select(2, 5);
  interaction->answerMessage(platform::vbOK);
  editor().linkButton->click();
  EXPECT_TRUE(lastMessage().contains("part of a link"));
  EXPECT_EQ(2, editor().links().count());
}

TEST_F(EditorWindowTest, AfterLinkToTextWhatIsTypedGoesIntoTheText) {
  editor().Show();
  QApplication::setActiveWindow(&editor());
  box()->setText("Rex likes his ball.");
  for (const bool cancelled : {false, true}) {
    cancelled ? select(0, 3) : select(14, 4);
    editor().linkButton->setFocus();  // as the click on it leaves it
    cancelled ? interaction->cancelSave() : interaction->answerSave("/pics/ball.png");
    editor().linkButton->click();
    box()->setSelStart(static_cast<int>(box()->Text().size()));
    QTest::keyClicks(QApplication::focusWidget(), "s");
  }
  EXPECT_EQ("Rex likes his `ball`.ss", box()->Text());
}

TEST_F(EditorWindowTest, TypingAfterALinkIsPlainAndOneUndoTakesTheLinkOff) {
  box()->setText("Rex likes his ball.");
  link(0, 3, "/pics/rex.jpg");
  // The caret comes back to just after the closing mark.
  box()->setSelStart(9);
  box()->setSelStart(5);
  QTest::keyClicks(box(), "s");
  EXPECT_EQ("`Rex`s likes his ball.", box()->Text());
  select(5, 1);
  EXPECT_EQ(RichTextBox::Tri::False, box()->SelUnderline());
  EXPECT_EQ(platform::rtl::Color(0), box()->SelColor());

  QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);  // the "s"
  QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);  // the link
  EXPECT_EQ("Rex likes his ball.", box()->Text());
  select(0, 3);
  EXPECT_EQ(RichTextBox::Tri::False, box()->SelUnderline());
  EXPECT_EQ(platform::rtl::Color(0), box()->SelColor());
}

TEST_F(EditorWindowTest, TheHundredAndFirstLinkSaysTheTableIsFullAndLeavesTheTextAlone) {
  box()->setText(QString(200, 'a'));
  for (int n = 0; n < 100; ++n) link(3 * n, 1, "/f.txt");
  const QString before = box()->Text();
  select(300, 1);
  interaction->answerMessage(platform::vbOK);
  editor().linkButton->click();
  EXPECT_TRUE(lastMessage().contains("100 links"));
  EXPECT_EQ(before, box()->Text());
  EXPECT_EQ(100, editor().links().count());

  // With one link deleted the document holds 99, and the next link takes the freed row.
  box()->setSelStart(16);
  editor().deleteLinkButton->click();
  ASSERT_EQ(before.size() - 2, box()->Text().size());
  EXPECT_EQ(LinkRow::Use::Deleted, editor().links().row(0).use);
  const std::size_t messagesBefore = messages().size();
  link(299, 2, "/new.txt");
  EXPECT_EQ(messagesBefore, messages().size());
  EXPECT_EQ("`aa`", box()->Text().mid(299, 4));
  EXPECT_EQ("aa", editor().links().row(0).text);
  EXPECT_EQ("/new.txt", editor().links().row(0).filePath);
  EXPECT_EQ(100, editor().links().count());
  // Now all 100 hold links again.
  select(310, 1);
  interaction->answerMessage(platform::vbOK);
  editor().linkButton->click();
  EXPECT_TRUE(lastMessage().contains("100 links"));
}

TEST_F(EditorWindowTest, AutoLinkStartsOnlyForSelectionsOfTwoCharactersOrMore) {
  box()->setText("ab cd");
  editor().autoLinkCheck->click();
  EXPECT_EQ("Auto-Link On", editor().autoLinkCheck->text());
  select(0, 1);
  emit box()->MouseUp(1, 0, 0, 0);
  EXPECT_TRUE(interaction->prompts().empty());
  select(3, 2);
  interaction->answerSave("/f/cd.txt");
  emit box()->MouseUp(1, 0, 0, 0);
  EXPECT_EQ("ab `cd`", box()->Text());
  editor().autoLinkCheck->click();
  EXPECT_EQ("Auto-Link Off", editor().autoLinkCheck->text());
  select(0, 2);
  emit box()->MouseUp(1, 0, 0, 0);
  EXPECT_EQ(1, editor().links().count());
}

TEST_F(EditorWindowTest, DeleteLinkTakesApartOnlyTheLinkTheCaretIsIn) {
  box()->setText("a dog b cat");
  link(2, 3, "/d.png");
  link(10, 3, "/c.png");
  ASSERT_EQ("a `dog` b `cat`", box()->Text());
  // Between the two links: nothing happens, the links stay apart.
  box()->setSelStart(8);
  editor().deleteLinkButton->click();
  EXPECT_EQ("a `dog` b `cat`", box()->Text());
  // Before a link, or just after its closing mark: nothing happens either.
  for (const int caret : {0, 2, 7}) {
    box()->setSelStart(caret);
    editor().deleteLinkButton->click();
    EXPECT_EQ("a `dog` b `cat`", box()->Text()) << caret;
  }
  // Inside the first link.
  box()->setSelStart(4);
  editor().deleteLinkButton->click();
  EXPECT_EQ("a dog b `cat`", box()->Text());
  EXPECT_EQ(LinkRow::Use::Deleted, editor().links().row(0).use);
  EXPECT_EQ("/c.png", editor().links().row(1).filePath);
  select(2, 3);
  EXPECT_EQ(RichTextBox::Tri::False, box()->SelUnderline());
  EXPECT_EQ(platform::rtl::Color(0), box()->SelColor());
}

TEST_F(EditorWindowTest, NewAsksAndClearsEverythingButTheButtonCaption) {
  box()->setText("Text");
  editor().titleBarBox->setText("t");
  link(0, 4, "/t.txt");
  webloom.links = {"/a.html", "/b.wav", "Listen"};
  interaction->answerMessage(platform::vbNo);
  editor().newButton->click();
  EXPECT_EQ("`Text`", box()->Text());
  EXPECT_EQ("Start a new document?", messages().back().text);
  EXPECT_EQ(36, messages().back().style);
  EXPECT_EQ("Webloom", messages().back().title);

  interaction->answerMessage(platform::vbYes);
  editor().newButton->click();
  EXPECT_EQ("", box()->Text());
  EXPECT_EQ("", editor().titleBarBox->Text());
  EXPECT_EQ(0, editor().links().count());
  EXPECT_EQ("", webloom.links.authorLinkFile);
  EXPECT_EQ("", webloom.links.audioFile);
  EXPECT_EQ("Listen", webloom.links.audioButtonCaption);
}

TEST_F(EditorWindowTest, SaveAsTextWritesThePlainTextWithoutMarks) {
  interaction->answerMessage(platform::vbOK);
  editor().saveTextButton->click();
  EXPECT_EQ(
      "Webloom will not save a blank document.\r\nThis is a safety precaution to avoid "
      "overwriting an existing file with a blank one.",
      lastMessage());
  EXPECT_EQ(16, messages().back().style);

  box()->setText("My dog\r\nis big.");
  link(3, 3, "/dog.png");
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  QTextCursor end(box()->document());
  end.movePosition(QTextCursor::End);
  end.insertImage(picture);  // left out of plain text
  editor().paperTitleBox->setText("Dogs");
  interaction->answerSave(path("dogs.txt"));
  editor().saveTextButton->click();
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).back().request;
  EXPECT_EQ("Dogs", dialog.FileName);
  EXPECT_EQ("Save As...", dialog.DialogTitle);
  EXPECT_EQ(6, dialog.Flags);
  EXPECT_EQ("My dog\r\nis big.\r\n", readFile(path("dogs.txt")));
  EXPECT_EQ(QString("My dog\r\nis big.") + QChar::ObjectReplacementCharacter, box()->Text());
  EXPECT_EQ(" Webloom   " + path("dogs.txt"), editor().Caption());
  EXPECT_EQ(1, editor().links().count());

  // A file that cannot be written is reported, and the title stays.
  interaction->answerSave(path("no/such/folder/dogs.txt")).answerMessage(platform::vbOK);
  editor().saveTextButton->click();
  EXPECT_EQ(16, messages().back().style);
  EXPECT_EQ(" Webloom   " + path("dogs.txt"), editor().Caption());
}

TEST_F(EditorWindowTest, ASaveAsTextThatFailsKeepsTheLinks) {
  box()->setText("My dog is big.");
  link(3, 3, "/dog.png");
  // Writes that fail for every user, root included: a missing folder, a file in the folder's
  // place, a folder in the file's place.
  writeFile("plain.txt", "x");
  QDir().mkpath(path("taken.txt"));
  for (const QString& target :
       {path("no/such/folder/dogs.txt"), path("plain.txt/dogs.txt"), path("taken.txt")}) {
    interaction->answerSave(target).answerMessage(platform::vbOK);
    editor().saveTextButton->click();
    EXPECT_EQ(platform::vbCritical, messages().back().style);
    EXPECT_EQ("My `dog` is big.", box()->Text());
    select(4, 3);
    EXPECT_EQ(platform::rtl::Color(0xFF0000), box()->SelColor());
    EXPECT_EQ(RichTextBox::Tri::True, box()->SelUnderline());
    EXPECT_EQ("Webloom", editor().Caption());
  }
  // The links still work: Delete Link takes this one apart.
  box()->setSelStart(5);
  editor().deleteLinkButton->click();
  EXPECT_EQ("My dog is big.", box()->Text());
}

TEST_F(EditorWindowTest, OpenLoadsAFileAndRefusesABinaryOne) {
  const QString text = writeFile("story.txt", "Once upon a time.");
  interaction->answerOpen(text);
  editor().openButton->click();
  EXPECT_EQ("Once upon a time.", box()->Text());
  EXPECT_EQ("Webloom   " + text, editor().Caption());
  EXPECT_EQ("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf|All Files (*.*)|*.*|",
            interaction->prompts(PromptKind::OpenDialog).back().request.Filter);

  const QString binary = writeFile("picture.png", QByteArray("\x89PNG\0\0\0", 7));
  interaction->answerOpen(binary).answerMessage(platform::vbOK);
  editor().openButton->click();
  EXPECT_EQ("Can't open file: " + binary + "\r\n\r\nIt is not a text file or a rich-text file.",
            lastMessage());
  EXPECT_EQ("Once upon a time.", box()->Text());
  EXPECT_EQ("Webloom   " + text, editor().Caption());

  // A text too large to work with is refused before anything changes, and the message says why.
  QByteArray lines;
  while (lines.size() <= 8'000'000) lines += "line after line of a very long story\r\n";
  const QString huge = writeFile("huge.txt", lines);
  interaction->answerOpen(huge).answerMessage(platform::vbOK);
  editor().openButton->click();
  EXPECT_TRUE(lastMessage().startsWith("Can't open file: " + huge + "\r\n\r\n"));
  EXPECT_TRUE(lastMessage().contains("too large")) << lastMessage().toStdString();
  EXPECT_EQ("Once upon a time.", box()->Text());
  EXPECT_EQ("Webloom   " + text, editor().Caption());
}

TEST_F(EditorWindowTest, AboutAndHelpOpenTheAboutBoxAndTheSamplePage) {
  editor().aboutButton->click();
  EXPECT_TRUE(webloom.forms().isLoaded<shared::AboutBox>());
  editor().helpButton->click();
  EXPECT_EQ(QStringList{platform::locations::webPageSampleFile()}, shell->opened);
}

// --- The link dialog -------------------------------------------------------------------------

TEST_F(EditorWindowTest, TheLinkDialogSetsTheAuthorAndAudioFiles) {
  editor().authorAudioButton->click();
  AuthorAudioDialog& dialog = webloom.forms().get<AuthorAudioDialog>();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ("Author's Name / Audio Links", dialog.Caption());

  // Nothing checked: nothing happens.
  dialog.okButton->click();
  EXPECT_TRUE(dialog.isVisible());

  // Only the push button.
  dialog.audioCheck->click();
  dialog.buttonTextBox->setText("Hear me");
  interaction->answerSave("/rec/me.wav");
  dialog.okButton->click();
  EXPECT_EQ("Save Link To Audio File...",
            interaction->prompts(PromptKind::SaveDialog).back().request.DialogTitle);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ("/rec/me.wav", webloom.links.audioFile);
  EXPECT_EQ("Hear me", webloom.links.audioButtonCaption);
  EXPECT_EQ("", webloom.links.authorLinkFile);

  // The author's file dialog closed without a file: the dialog stays and nothing changes.
  editor().authorAudioButton->click();
  EXPECT_TRUE(dialog.audioCheck->isChecked());
  dialog.audioCheck->click();
  dialog.authorCheck->click();
  interaction->cancelSave();
  dialog.okButton->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ("", webloom.links.authorLinkFile);

  dialog.cancelButton->click();
  processEvents();
  EXPECT_FALSE(webloom.forms().isLoaded<AuthorAudioDialog>());
  EXPECT_EQ("/rec/me.wav", webloom.links.audioFile);
}

// The close box asks Exit's question while the window holds text, and Yes ends as Exit does.
TEST_F(EditorWindowTest, TheCloseBoxAsksExitsQuestionWhileTheWindowHoldsText) {
  editor().Show();
  box()->setText("A page in the making.");
  clipboard->SetText("kept");
  interaction->answerMessage(platform::vbNo);
  editor().close();
  EXPECT_TRUE(webloom.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("A page in the making.", box()->Text());
  EXPECT_EQ("kept", clipboard->text);

  interaction->answerMessage(platform::vbYes);
  editor().close();
  EXPECT_FALSE(webloom.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("", clipboard->text);
  const auto asked = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(2u, asked.size());
  EXPECT_EQ("Exit Webloom?", asked[1].text);
  EXPECT_EQ(36, asked[1].style);
}

TEST_F(EditorWindowTest, AnEmptyWindowClosesWithoutAQuestion) {
  editor().Show();
  editor().close();
  EXPECT_FALSE(webloom.forms().isLoaded<EditorWindow>());
  EXPECT_TRUE(interaction->prompts().empty());
}

}  // namespace
