#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

#include "platform/files/locations.h"
#include "support/file_size_limit.h"
#include "support/fixture.h"
#include "webpage/editor_window.h"
#include "webpage/page_folder.h"
#include "webpage/webloom.h"

namespace {

using testing_support::entries;
using testing_support::PromptKind;
using webpage::EditorWindow;

const QString kExists =
    "This folder already exists. Do you want to empty it and save your new files in it?";

class PageSavingTest : public testing_support::RuntimeTest {
 protected:
  EditorWindow& editor() { return webloom.forms().get<EditorWindow>(); }
  QString path(const QString& name) const {
    return QDir(testing_support::testRoot()).filePath(name);
  }
  std::vector<testing_support::Prompt> messages() const {
    return interaction->prompts(PromptKind::MessageBox);
  }
  QString lastMessage() const { return messages().empty() ? QString() : messages().back().text; }
  static ino_t inode(const QString& file) {
    struct stat status {};
    ::stat(QFile::encodeName(file).constData(), &status);
    return status.st_ino;
  }

  // A document "My dog Rex." with "Rex" linked to a picture, and the three fields filled.
  void writeDocument() {
    picture = writeFile("pictures/rex.jpg", "JPEG");
    editor().textBox->setText("My dog Rex.");
    editor().textBox->setSelStart(7);
    editor().textBox->setSelLength(3);
    interaction->answerSave(picture);
    editor().linkButton->click();
    editor().titleBarBox->setText("Class 5");
    editor().paperTitleBox->setText("My Dog");
    editor().authorBox->setText("Ann Lee");
  }

  // Save As HTML into a new page folder in `folder`, acknowledging the message that follows.
  void saveInto(const QString& folder) {
    QDir().mkpath(folder);
    interaction->answerFolder(folder).answerMessage(platform::vbOK);
    editor().saveHtmlButton->click();
  }

  webpage::Webloom webloom{*runtime};
  QString picture;
};

const QByteArray kPage =
    "<!DOCTYPE HTML PUBLIC\"-//W3CDTD HTML 3.0//EN\"><HTML><HEAD><TITLE>Class 5</TITLE></HEAD>"
    "<BODY VLINK=\"BLUE\"><H1><CENTER><FONT COLOR=\"#0000CD\">My Dog</FONT></CENTER></H1>"
    "<H2><CENTER><FONT COLOR=\"#DC143C\">Ann Lee</FONT></CENTER></H2>"
    "<P>My dog <A HREF=\"rex.jpg\">Rex</A>.</P></BODY></HTML>\r\n";

TEST_F(PageSavingTest, SaveAsHtmlWritesThePageAndCopiesTheLinkedFiles) {
  writeDocument();
  saveInto(path("web"));
  EXPECT_EQ("Please select a folder.", interaction->prompts(PromptKind::Folder).back().title);
  EXPECT_EQ(kPage, readFile(path("web/My Dog/click_me.html")));
  EXPECT_EQ("JPEG", readFile(path("web/My Dog/rex.jpg")));
  EXPECT_EQ("Your web page was successfully created. Your new folder --My Dog-- was placed into " +
                path("web") + ".",
            lastMessage());
  EXPECT_EQ(0, messages().back().style);
  // Open to others as any folder the user makes.
  EXPECT_TRUE(QFileInfo(path("web/My Dog")).permissions() & QFileDevice::ReadOther);
}

TEST_F(PageSavingTest, AnEarlierPageIsReplacedOnlyWhenTheUserAgrees) {
  writeDocument();
  saveInto(path("web"));
  writeFile("web/My Dog/old.txt", "old");
  writeFile("web/My Dog/extra/keep.txt", "kept");

  interaction->answerFolder(path("web"))
      .answerMessage(platform::vbNo)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_EQ(kExists, messages()[messages().size() - 2].text);
  EXPECT_EQ(4, messages()[messages().size() - 2].style);
  EXPECT_EQ(
      "There was a problem creating your web page. Your files were not saved. Please try again.",
      lastMessage());
  EXPECT_EQ(16, messages().back().style);
  EXPECT_TRUE(QFileInfo::exists(path("web/My Dog/old.txt")));

  interaction->answerFolder(path("web"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  // Only what the page writes changes.
  EXPECT_EQ((QStringList{"click_me.html", "extra", "old.txt", "rex.jpg"}),
            entries(path("web/My Dog")));
  EXPECT_EQ("kept", readFile(path("web/My Dog/extra/keep.txt")));
  EXPECT_EQ(kPage, readFile(path("web/My Dog/click_me.html")));
  EXPECT_EQ("Your web page was successfully created. Your new folder -My Dog- was placed into " +
                path("web") + ".",
            lastMessage());
}

TEST_F(PageSavingTest, AReSaveChangesOnlyWhatThePageWritesAndClearsWhatCutShortSavesLeft) {
  writeDocument();
  saveInto(path("web"));
  const QString page = path("web/My Dog");
  writeFile("web/My Dog/cd/photo.jpg", "CD");
  const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                        QFileDevice::ExeOther;
  QFile::setPermissions(page + "/cd", readOnly);
  // What earlier saves cut short left, beside the page folder and inside it.
  writeFile("web/.My Dog-new-Ab12Cd/click_me.html", "half");
  writeFile("web/.My Dog-earlier-Ef34Gh/stranded/photo.jpg", "moved aside");
  writeFile("web/.My Dog-earlier-Ef34Gh/click_me.html", "older page");
  writeFile("web/My Dog/.My Dog-new-Ij56Kl/rex.jpg", "half");
  writeFile("web/My Dog/.rex.jpg-earlier-Mn78Op", "older picture");
  writeFile("web/My Dog/.notes.txt-earlier-Qr90St", "notes");
  const ino_t folder = inode(page);
  const ino_t cd = inode(page + "/cd");

  editor().titleBarBox->setText("Class 6");
  interaction->answerFolder(path("web"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_TRUE(lastMessage().startsWith("Your web page was successfully created."));
  EXPECT_TRUE(readFile(page + "/click_me.html").contains("<TITLE>Class 6</TITLE>"));
  EXPECT_EQ(QStringList{"My Dog"}, entries(path("web")));
  EXPECT_EQ((QStringList{"cd", "click_me.html", "notes.txt", "rex.jpg", "stranded"}),
            entries(page));
  // The folder and its subfolder stay where they are, so neither needs to be movable.
  EXPECT_EQ(folder, inode(page));
  EXPECT_EQ(cd, inode(page + "/cd"));
  EXPECT_FALSE(QFile::permissions(page + "/cd") & QFileDevice::WriteOwner);
  for (const auto& [file, bytes] : {std::pair("cd/photo.jpg", "CD"), {"notes.txt", "notes"},
                                    {"stranded/photo.jpg", "moved aside"}, {"rex.jpg", "JPEG"}})
    EXPECT_EQ(bytes, readFile(page + "/" + file));
  QFile::setPermissions(page + "/cd", readOnly | QFileDevice::WriteOwner);
}

TEST_F(PageSavingTest, AFolderOfTheTitlesNameThatHoldsOtherFilesIsNeverEmptied) {
  writeDocument();
  writeFile("Documents/My Dog/homework.txt", "my homework");
  writeFile("Documents/My Dog/maths/sums.txt", "1+1");
  interaction->answerFolder(path("Documents")).answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  ASSERT_EQ(1u, messages().size());
  EXPECT_EQ("A folder called \"My Dog\" is already in " + path("Documents") +
                " and holds other files, so your web page was not saved there and nothing was "
                "changed. Please give your paper another title, or choose another folder.",
            lastMessage());
  EXPECT_EQ(platform::vbExclamation, messages().back().style);
  EXPECT_EQ((QStringList{"homework.txt", "maths"}), entries(path("Documents/My Dog")));
  EXPECT_EQ("my homework", readFile(path("Documents/My Dog/homework.txt")));
  EXPECT_EQ("1+1", readFile(path("Documents/My Dog/maths/sums.txt")));

  // A file of that name is left alone too.
  writeFile("Files/My Dog", "a file");
  interaction->answerFolder(path("Files")).answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_TRUE(lastMessage().startsWith("A file called \"My Dog\" is already in " + path("Files")))
      << lastMessage().toStdString();
  EXPECT_EQ("a file", readFile(path("Files/My Dog")));

  // An empty folder of that name loses nothing and is asked about as before.
  QDir().mkpath(path("Empty/My Dog"));
  interaction->answerFolder(path("Empty"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_EQ(kPage, readFile(path("Empty/My Dog/click_me.html")));

  // Where Preview builds, such a folder is left alone too.
  writeFile("preview/My Dog/notes.txt", "notes");
  interaction->answerMessage(platform::vbOK);
  editor().previewButton->click();
  EXPECT_TRUE(lastMessage().startsWith("A folder called \"My Dog\""))
      << lastMessage().toStdString();
  EXPECT_FALSE(lastMessage().contains("folder.")) << "Preview has no folder to choose";
  EXPECT_TRUE(shell->opened.isEmpty());
  EXPECT_EQ(QStringList{"notes.txt"}, entries(platform::locations::previewFolder() + "/My Dog"));
}

TEST_F(PageSavingTest, EmptyingTheFolderKeepsTheFilesThePageLinksFromIt) {
  writeDocument();
  saveInto(path("web"));
  // Linking a file that sits in the page folder itself.
  const QString inside = writeFile("web/My Dog/dog.png", "PNG");
  editor().textBox->setSelStart(3);
  editor().textBox->setSelLength(3);
  interaction->answerSave(inside);
  editor().linkButton->click();
  interaction->answerFolder(path("web"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_EQ("PNG", readFile(inside));
  EXPECT_EQ("JPEG", readFile(path("web/My Dog/rex.jpg")));
  EXPECT_TRUE(lastMessage().startsWith("Your web page was successfully created."));
}

TEST_F(PageSavingTest, MissingTitleAndAuthorAreAskedForAndAnEmptyAnswerStops) {
  editor().textBox->setText("Text.");
  interaction->answerInput("Trees").answerInput("");
  editor().saveHtmlButton->click();
  const auto inputs = interaction->prompts(PromptKind::InputBox);
  ASSERT_EQ(2u, inputs.size());
  EXPECT_EQ("Title / Folder To Save In", inputs[0].title);
  EXPECT_EQ("Enter the author's name.", inputs[1].title);
  EXPECT_EQ("Enter the author's first, then last name.", inputs[1].text);
  EXPECT_EQ("Trees", editor().paperTitleBox->Text());
  EXPECT_TRUE(interaction->prompts(PromptKind::Folder).empty());

  editor().textBox->setText("");
  interaction->answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_EQ("You must enter text before you can save a file.", lastMessage());
  EXPECT_EQ(64, messages().back().style);
}

TEST_F(PageSavingTest, ATitleThatIsNoPlainFolderNameIsRefused) {
  editor().textBox->setText("Text.");
  editor().authorBox->setText("Ann");
  for (const QString& title :
       {QString(".."), QString("."), QString("   "), QString("a/b"), QString("..\\up"),
        QString("tab\there")}) {
    editor().paperTitleBox->setText(title);
    interaction->answerMessage(platform::vbOK).answerMessage(platform::vbOK);
    editor().saveHtmlButton->click();
    EXPECT_TRUE(lastMessage().contains("name of the folder")) << title.toStdString();
    editor().previewButton->click();
    EXPECT_TRUE(lastMessage().contains("name of the folder")) << title.toStdString();
  }
  EXPECT_TRUE(interaction->prompts(PromptKind::Folder).empty());
  EXPECT_TRUE(shell->opened.isEmpty());
  EXPECT_EQ(QStringList(), entries(platform::locations::previewFolder()));
}

TEST_F(PageSavingTest, AFolderThatCannotBeMadeOrAFileThatCannotBeCopiedIsReported) {
  writeDocument();
  const QString notAFolder = writeFile("plain.txt", "x");
  interaction->answerFolder(notAFolder).answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_TRUE(lastMessage().contains("could not be created")) << lastMessage().toStdString();
  EXPECT_FALSE(lastMessage().contains("successfully"));

  // The page goes into place only with all its files.
  QFile::remove(picture);
  saveInto(path("web"));
  EXPECT_TRUE(lastMessage().contains("could not be copied")) << lastMessage().toStdString();
  EXPECT_TRUE(lastMessage().contains(picture));
  EXPECT_EQ(QStringList(), entries(path("web")));
}

TEST_F(PageSavingTest, AFailedSaveOverAnEarlierPageLeavesItAndItsFilesAsTheyWere) {
  writeDocument();
  saveInto(path("web"));
  editor().textBox->setText("New words.");
  QFile::remove(picture);
  interaction->answerFolder(path("web"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_TRUE(lastMessage().endsWith(
      "\r\nThe web page saved there before and its files were left as they were."))
      << lastMessage().toStdString();
  EXPECT_EQ(kPage, readFile(path("web/My Dog/click_me.html")));
  EXPECT_EQ("JPEG", readFile(path("web/My Dog/rex.jpg")));
  EXPECT_EQ(QStringList{"My Dog"}, entries(path("web")));

  // A page file that is a folder blocks the new page; nothing of the earlier one goes.
  writeFile("pictures/rex.jpg", "JPEG");
  writeFile("old/My Dog/click_me.html/index.txt", "x");
  writeFile("old/My Dog/notes.txt", "notes");
  interaction->answerFolder(path("old"))
      .answerMessage(platform::vbYes)
      .answerMessage(platform::vbOK);
  editor().saveHtmlButton->click();
  EXPECT_TRUE(lastMessage().contains("holds a folder called \"click_me.html\""))
      << lastMessage().toStdString();
  EXPECT_EQ("notes", readFile(path("old/My Dog/notes.txt")));
  EXPECT_EQ(QStringList{"My Dog"}, entries(path("old")));
}

TEST_F(PageSavingTest, OnAFullDiskTheEarlierPageStaysAndTheAdviceFitsSaveOrPreview) {
  writeDocument();
  saveInto(path("web"));
  editor().previewButton->click();
  editor().textBox->setText(QString(8000, 'w'));
  for (const bool preview : {false, true}) {
    const QString parent = preview ? platform::locations::previewFolder() : path("web");
    {
      const testing_support::FileSizeLimit fullDisk(4096);
      if (!preview) interaction->answerFolder(parent);
      interaction->answerMessage(platform::vbYes).answerMessage(platform::vbOK);
      (preview ? editor().previewButton : editor().saveHtmlButton)->click();
    }
    EXPECT_FALSE(lastMessage().contains("somewhere else")) << preview;
    EXPECT_EQ(preview, lastMessage().contains("Make room on the disk, then try Preview again."))
        << lastMessage().toStdString();
    EXPECT_EQ(kPage, readFile(parent + "/My Dog/click_me.html"));
    EXPECT_EQ((QStringList{"click_me.html", "rex.jpg"}), entries(parent + "/My Dog"));
    EXPECT_EQ(QStringList{"My Dog"}, entries(parent));
  }
  EXPECT_EQ(1, shell->opened.size());
}

TEST_F(PageSavingTest, LinkedFilesAreCopiedInPartsThatShowProgressAndCanBeStopped) {
  writeDocument();
  saveInto(path("web"));
  const qsizetype size = 3 << 20;
  webpage::BuiltPage page{"<P>New</P>", {{writeFile("pictures/big.bin", QByteArray(size, 'x')),
                                          "big.bin"}}};
  std::vector<qsizetype> told;
  EXPECT_EQ("", webpage::WritePageFolder(webloom, page, path("web/My Dog"), false,
                                         [&](qsizetype done, qsizetype total) {
                                           EXPECT_EQ(size, total);
                                           told.push_back(done);
                                           return true;
                                         }));
  EXPECT_GE(told.size(), 4u);
  EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
  EXPECT_EQ(size, told.back());

  page.html = "<P>Newer</P>";
  const QString stopped =
      webpage::WritePageFolder(webloom, page, path("web/My Dog"), false,
                               [](qsizetype done, qsizetype) { return done == 0; });
  EXPECT_TRUE(stopped.startsWith("The copying of the linked files was stopped."));
  EXPECT_EQ("<P>New</P>\r\n", readFile(path("web/My Dog/click_me.html")));
  EXPECT_EQ((QStringList{"big.bin", "click_me.html", "rex.jpg"}), entries(path("web/My Dog")));
  EXPECT_EQ(QStringList{"My Dog"}, entries(path("web")));
}

// --- Preview and Exit ------------------------------------------------------------------------

TEST_F(PageSavingTest, PreviewBuildsInThePreviewFolderAndOpensThePage) {
  writeDocument();
  editor().previewButton->click();
  const QString folder = platform::locations::previewFolder() + "/My Dog";
  EXPECT_EQ(kPage, readFile(folder + "/click_me.html"));
  EXPECT_EQ("JPEG", readFile(folder + "/rex.jpg"));
  EXPECT_EQ(QStringList{folder + "/click_me.html"}, shell->opened);
  EXPECT_TRUE(messages().empty());

  // Again: the folder exists. No keeps it; Yes rebuilds it and opens the page again.
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbOK);
  editor().previewButton->click();
  EXPECT_EQ("Your files were not saved.", lastMessage());
  EXPECT_EQ(16, messages().back().style);
  EXPECT_EQ(1, shell->opened.size());
  interaction->answerMessage(platform::vbYes);
  editor().previewButton->click();
  EXPECT_EQ(kExists, lastMessage());
  EXPECT_EQ(2, shell->opened.size());

  editor().textBox->setText("");
  interaction->answerMessage(platform::vbOK);
  editor().previewButton->click();
  EXPECT_EQ("You must enter text before you can preview a file.", lastMessage());
}

TEST_F(PageSavingTest, ExitRemovesThisRunsPreviewFoldersAndEmptiesTheClipboard) {
  clipboard->SetText("***My dog Rex.");
  writeDocument();
  editor().previewButton->click();
  editor().paperTitleBox->setText("Other");
  editor().previewButton->click();
  const QString root = platform::locations::previewFolder();
  writeFile("preview/Not Mine/click_me.html", "kept");

  interaction->answerMessage(platform::vbNo);
  editor().exitButton->click();
  EXPECT_EQ("Exit Webloom?", messages().back().text);
  EXPECT_EQ(36, messages().back().style);
  EXPECT_EQ("Webloom", messages().back().title);
  EXPECT_TRUE(webloom.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("***My dog Rex.", clipboard->text);

  interaction->answerMessage(platform::vbYes);
  editor().exitButton->click();
  processEvents();
  EXPECT_FALSE(webloom.forms().isLoaded<EditorWindow>());
  EXPECT_EQ("", clipboard->text);
  EXPECT_EQ(QStringList{"Not Mine"}, entries(root));
  EXPECT_EQ("kept", readFile(root + "/Not Mine/click_me.html"));
}

}  // namespace
