#include "reading/reading_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/files/locations.h"
#include "platform/system/runtime_library.h"
#include "reading/help_window.h"
#include "shared/about_box.h"
#include "support/fixture.h"

namespace {

using platform::RichTextBox;
using platform::rtl::Color;
using reading::ReadingWindow;
using testing::IsEmpty;
using testing_support::PromptKind;

const QString kWordList = QStringLiteral(
    "apple (noun) a round fruit\r\nant (noun) a small insect\r\nB\r\nbook (noun) pages to read\r\n");

class ReadingWindowTest : public testing_support::RuntimeTest {
 protected:
  // The window as the user meets it: drawn, with the owl that comes once it is.
  ReadingWindow& window() {
    ReadingWindow& shown = voxlet.forms().get<ReadingWindow>();
    letWindowsDraw();
    return shown;
  }
  RichTextBox* box() { return window().textBox; }
  void select(int start, int length) {
    box()->setSelStart(start);
    box()->setSelLength(length);
  }
  QString path(const QString& name) const { return QDir(testing_support::testRoot()).filePath(name); }
  std::vector<testing_support::Prompt> messages() const {
    return interaction->prompts(PromptKind::MessageBox);
  }
  QString lastMessage() const { return messages().empty() ? QString() : messages().back().text; }
  QStringList spoken() const { return characters->log->spoken(); }
  void tool(const char* key) { window().toolBar->click(QString::fromLatin1(key)); }
  void insertPicture(int position) {
    QImage cat(8, 8, QImage::Format_RGB32);
    cat.fill(Qt::gray);
    QTextCursor picture(box()->document());
    picture.setPosition(position);
    picture.insertImage(cat);
  }
  // The user lets go of the mouse over the text, as after selecting with it.
  void mouseUp() {
    QTest::mouseRelease(box()->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
  }
  // The reading aid's folder with a small list and a picture of "apple".
  void installFixedFiles() {
    const QString folder = platform::locations::readingAidFolder();
    writeFile("Voxlet/vxlong word list.txt", kWordList.toUtf8());
    QDir().mkpath(folder + "/Pictures");
    QFile::copy(QStringLiteral(SCRIBARY_RESOURCES_DIR "/Voxlet/Pictures/apple.jpg"),
                folder + "/Pictures/apple.jpg");
  }
  bool showsWhiteOnBlack(RichTextBox* shown) {
    shown->selectAll();
    return shown->BackColor() == Color(0) && shown->SelColor() == Color(0xFFFFFF);
  }

  reading::Voxlet voxlet{*runtime};
};

TEST_F(ReadingWindowTest, LoadingTakesTheHandedOverTextAndGreetsWithTheOwl) {
  clipboard->SetText("***Once upon a time.\r\nThe end.");
  // The owl comes once the window is drawn, so that it shows at once.
  voxlet.forms().get<ReadingWindow>();
  EXPECT_THAT(characters->log->loaded, IsEmpty());
  EXPECT_THAT(characters->log->calls, IsEmpty());
  EXPECT_EQ("Once upon a time.\r\nThe end.", box()->Text());
  EXPECT_EQ("***Once upon a time.\r\nThe end.", clipboard->text);
  EXPECT_EQ("Voxlet!", window().Caption());
  EXPECT_EQ("Merlin On", window().speechButton->text());
  EXPECT_TRUE(window().whiteOption->isChecked());
  EXPECT_EQ(QStringList({"owl"}), characters->log->loaded);
  EXPECT_EQ(QStringList({"MoveTo 645 475", "Show", "Play Greet", "Play RestPose",
                         "Speak Let's read!"}),
            characters->log->calls);
  EXPECT_TRUE(messages().empty());
}

TEST_F(ReadingWindowTest, TheScreenHeightPlacesTheOwlAndSizesTheWindow) {
  struct Case {
    int height;
    QString place;
    bool resized;
  };
  const Case cases[] = {{600, "MoveTo 535 380", false},  {768, "MoveTo 645 475", false},
                        {864, "MoveTo 710 520", false},  {900, "MoveTo 535 380", true},
                        {1024, "MoveTo 770 600", false}, {1200, "MoveTo 940 690", false}};
  for (const Case& c : cases) {
    screen->height = c.height;
    characters->log->calls.clear();
    auto& reading = window();
    EXPECT_EQ(c.place, characters->log->calls.value(0)) << c.height;
    EXPECT_EQ(c.resized, reading.Width() == 12100 && reading.Height() == 8745) << c.height;
    EXPECT_EQ(c.height, voxlet.ScreenHeightPixels);
    reading.Unload();
  }
}

TEST_F(ReadingWindowTest, TheOwlStandsClearOfEveryControlOnTheClassroomScreens) {
  characters->drawn = std::make_unique<testing_support::DrawnOwls>();
  for (const QSize size : {QSize(1024, 600), QSize(1440, 900), QSize(1920, 1080)}) {
    screen->width = size.width();
    screen->height = size.height();
    auto& reading = window();
    processEvents();
    const QRect owl = characters->drawn->last()->window().geometry();
    EXPECT_THAT(testing_support::controlsUnder(owl, reading), IsEmpty()) << size.height();
    const platform::BalloonWindow& greeting = characters->drawn->last()->balloon();
    for (int frame = 0; frame < 500 && !greeting.isVisible(); ++frame) processEvents();
    ASSERT_TRUE(greeting.isVisible()) << size.height();
    EXPECT_THAT(testing_support::controlsUnder(greeting.geometry(), reading), IsEmpty())
        << size.height();
    EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(owl)) << size.height();
    reading.Unload();
  }
  // Where the usual place covers nothing, the owl stands there.
  screen->width = 1280;
  screen->height = 1024;
  window();
  processEvents();
  EXPECT_EQ(QPoint(770, 600), characters->drawn->last()->window().pos());
}

TEST_F(ReadingWindowTest, ALongParagraphsBalloonStaysOnTheScreenWithTheSpokenWordInSight) {
  characters->drawn = std::make_unique<testing_support::DrawnOwls>();
  testing_support::ScriptedSpeech& speech = *characters->drawn->speech;
  screen->width = 1024;
  screen->height = 600;
  QStringList words;
  for (int word = 1; word <= 300; ++word) words.append(QString("word%1").arg(word));
  const QString paragraph = words.join(' ');
  box()->setText(paragraph);
  window().readButton->click();
  for (int pass = 0; pass < 100 && !speech.said.contains(paragraph); ++pass) processEvents();
  ASSERT_TRUE(speech.said.contains(paragraph));
  const platform::BalloonWindow& balloon = characters->drawn->last()->balloon();
  ASSERT_TRUE(balloon.isVisible());
  EXPECT_TRUE(QRect(0, 0, 1024, 600).contains(balloon.geometry()));

  for (const QString& word : QStringList{"word150", "word300"}) {
    const int position = static_cast<int>(paragraph.indexOf(word));
    speech.reachWord(position, static_cast<int>(word.size()));
    EXPECT_EQ(word, balloon.spokenWord());
    QTextCursor spoken(balloon.textView->document());
    spoken.setPosition(position);
    EXPECT_TRUE(balloon.textView->viewport()->rect().contains(balloon.textView->cursorRect(spoken)))
        << word.toStdString();
    EXPECT_TRUE(QRect(0, 0, 1024, 600).contains(balloon.geometry()));
  }
}

TEST_F(ReadingWindowTest, ThePlaceIsRememberedAndTheHelpWindowGoesWithTheWindow) {
  window().Move(1500, 1200, 12500, 9000);
  tool("Help");
  ASSERT_TRUE(voxlet.forms().isLoaded<reading::HelpWindow>());
  ASSERT_TRUE(window().Unload());
  EXPECT_FALSE(voxlet.forms().isLoaded<reading::HelpWindow>());
  auto& settings = runtime->userSettings();
  EXPECT_EQ("1500", settings.get("Voxlet!", "Settings", "MainLeft", ""));
  EXPECT_EQ("1200", settings.get("Voxlet!", "Settings", "MainTop", ""));
  EXPECT_EQ("12500", settings.get("Voxlet!", "Settings", "MainWidth", ""));
  EXPECT_EQ("9000", settings.get("Voxlet!", "Settings", "MainHeight", ""));
  // The next start comes back to the same place, at the size its rule gives.
  EXPECT_EQ(1500, window().Left());
  EXPECT_EQ(1200, window().Top());
}

TEST_F(ReadingWindowTest, FindAndNextIgnoreCaseAndStartOverWhenDone) {
  box()->setText("Cat and cat.\r\nA CAT!");
  window().searchBox->setText("cat");
  window().findButton->click();
  EXPECT_EQ(0, window().foundAt());
  EXPECT_EQ("Cat", box()->SelText());
  window().nextButton->click();
  EXPECT_EQ(8, window().foundAt());
  window().nextButton->click();
  EXPECT_EQ(16, window().foundAt());
  EXPECT_EQ("CAT", box()->SelText());
  EXPECT_TRUE(messages().empty());
  interaction->answerMessage(platform::vbOK);
  window().nextButton->click();
  EXPECT_EQ(-1, window().foundAt());
  EXPECT_EQ("Voxlet! has finished searching the document.", lastMessage());
  EXPECT_EQ(0, messages().back().style);
  EXPECT_EQ("cat", window().searchBox->SelText());
  // Next after a failed search starts from the beginning again; a match at the very first
  // character counts as none, and the next press goes on behind it.
  interaction->answerMessage(platform::vbOK);
  window().nextButton->click();
  EXPECT_EQ(0, window().foundAt());
  EXPECT_EQ(2u, messages().size());
  window().nextButton->click();
  EXPECT_EQ(8, window().foundAt());
}

TEST_F(ReadingWindowTest, EnterInTheSearchBoxRunsFindInsteadOfBreakingTheLine) {
  box()->setText("The owl and the cat.\r\nThe owl again.");
  QTest::keyClicks(window().searchBox, "owl");
  QTest::keyClick(window().searchBox, Qt::Key_Return);
  EXPECT_EQ("owl", window().searchBox->Text());
  EXPECT_EQ(4, window().foundAt());
  EXPECT_EQ("owl", box()->SelText());
  EXPECT_TRUE(messages().empty());

  // The keypad's Enter too; a word that is not there gets the usual message.
  window().searchBox->setText("bat");
  interaction->answerMessage(platform::vbOK);
  QTest::keyClick(window().searchBox, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ("bat", window().searchBox->Text());
  EXPECT_EQ(-1, window().foundAt());
  EXPECT_EQ("Voxlet! has finished searching the document.", lastMessage());
}

TEST_F(ReadingWindowTest, FindReachesPastTheOld16BitLimit) {
  box()->setText(QString(40000, 'x') + " owl " + QString(10, 'x') + " owl");
  window().searchBox->setText("owl");
  window().findButton->click();
  EXPECT_EQ(40001, window().foundAt());
  window().nextButton->click();
  EXPECT_EQ(40016, window().foundAt());
  EXPECT_EQ("owl", box()->SelText());
}

TEST_F(ReadingWindowTest, TheTextBoxTakesAPastedTextAndGivesACopy) {
  box()->setText("Read ");
  box()->setSelStart(5);
  clipboard->SetText("this story.\r\nThe end.");
  QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ("Read this story.\r\nThe end.", box()->Text());
  select(0, 5);
  clipboard->SetText("Now read ");
  QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ("Now read this story.\r\nThe end.", box()->Text());
  select(9, 10);
  QTest::keyClick(box(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ("this story", clipboard->text);
  EXPECT_TRUE(clipboard->richText.startsWith("{\\rtf"));
  QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ("Read this story.\r\nThe end.", box()->Text());
}

TEST_F(ReadingWindowTest, TextTooLargeForTheBoxIsRefusedWithOneMessageWhicheverWayItComes) {
  const QString run(20'001, u'x');
  QString lines;
  while (lines.size() <= 4'000'000) lines += "line after line\r\n";
  clipboard->SetText("***a " + run);
  interaction->answerMessage(platform::vbOK);
  EXPECT_EQ("", box()->Text());
  EXPECT_EQ(RichTextBox::TooLargeMessage(), lastMessage());
  const struct {
    const char* way;
    QString kept, text, rtf, html;
  } pastes[] = {
      {"text", "kept", "a " + run, "", ""},
      {"rich text", "kept", "", "{\\rtf1 {\\b " + run + "}}", ""},
      {"web page", "kept", "", "", "<p><b>" + run + "</b></p>"},
      {"a run joined", "kept " + run.left(10'000), run.left(10'001), "", ""},
      {"lines added", lines, lines, "", ""},
  };
  for (const auto& paste : pastes) {
    box()->setText(paste.kept);
    box()->setSelStart(int(paste.kept.size()));
    clipboard->text = paste.text;
    clipboard->richText = paste.rtf;
    clipboard->html = paste.html;
    interaction->answerMessage(platform::vbOK);
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(box()->Text() == paste.kept) << paste.way;
    EXPECT_EQ(RichTextBox::TooLargeMessage(), lastMessage()) << paste.way;
  }
}

TEST_F(ReadingWindowTest, AClipboardOfWebPageMarkupOnlyPastesItsFormattedTextWithoutPictures) {
  clipboard->html = "<p>Read <b>this</b><img src=\"https://example.org/a.png\"> now.</p>";
  QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ("Read this now.", box()->Text());
  select(5, 4);
  EXPECT_EQ(RichTextBox::Tri::True, box()->SelBold());
}

TEST_F(ReadingWindowTest, TheSchemesColourAllThreeBoxes) {
  box()->setText("Some text.");
  window().searchBox->setText("text");
  window().blackOption->click();
  for (RichTextBox* shown : {box(), window().definitionBox, window().searchBox}) {
    EXPECT_TRUE(showsWhiteOnBlack(shown)) << shown->objectName().toStdString();
  }
  window().greyOption->click();
  box()->selectAll();
  EXPECT_EQ(Color(0xE0E0E0), box()->BackColor());
  EXPECT_EQ(Color(0), box()->SelColor());
  window().whiteOption->click();
  EXPECT_EQ(Color(0xFFFFFF), window().searchBox->BackColor());
  EXPECT_EQ(0, box()->SelStart());
}

// How many pixels of an image are near the colour given, and the smallest rectangle holding them.
std::pair<int, QRect> pixelsLike(const QImage& image, QColor colour) {
  std::pair<int, QRect> like;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor at = image.pixelColor(x, y);
      if (std::max({std::abs(at.red() - colour.red()), std::abs(at.green() - colour.green()),
                    std::abs(at.blue() - colour.blue())}) >= 60) continue;
      ++like.first;
      like.second |= QRect(x, y, 1, 1);
    }
  }
  return like;
}

TEST_F(ReadingWindowTest, TheBlackSchemeOnlyShowsTheTextItPrintsAndSavesTheWordsOwnColours) {
  box()->setTextRTF("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}"
                    "\\cf2 Dark words\\par}");
  window().blackOption->click();
  // A word coloured black in the file shows white on black.
  EXPECT_GT(pixelsLike(box()->viewport()->grab().toImage(), Qt::white).first, 20);
  box()->setSelStart(0);
  box()->setSelRTF("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Red }");
  EXPECT_GT(pixelsLike(box()->viewport()->grab().toImage(), Qt::red).first, 20);
  interaction->answerSave(path("story.rtf")).answerPrint();
  tool("Save");
  tool("Print");
  const QByteArray saved = readFile(path("story.rtf"));
  EXPECT_TRUE(saved.contains("\\red255\\green0\\blue0"));
  EXPECT_FALSE(saved.contains("\\red255\\green255\\blue255"));
  ASSERT_EQ(1u, printer->pages.size());
  EXPECT_GT(pixelsLike(printer->pages[0], Qt::black).first, 20);
  EXPECT_GT(pixelsLike(printer->pages[0], Qt::red).first, 20);
  window().whiteOption->click();
  select(0, 3);
  EXPECT_EQ(Color(0x0000FF), box()->SelColor());
}

// A word with a background of its own is read against that background, not the scheme's.
TEST_F(ReadingWindowTest, AWordOnItsOwnBackgroundStaysReadableInEveryScheme) {
  const struct {
    QRadioButton* ReadingWindow::*scheme;
    const char* words;  // colour 1 is white, 2 black, 3 yellow
    QColor bar;
    QColor letters;
  } cases[] = {
      {&ReadingWindow::whiteOption, "\\cf1\\highlight2 Night words", Qt::black, Qt::white},
      {&ReadingWindow::greyOption, "\\cf1\\highlight2 Night words", Qt::black, Qt::white},
      {&ReadingWindow::whiteOption, "\\highlight2 Night words", Qt::black, Qt::white},
      {&ReadingWindow::blackOption, "\\highlight3 Sunny words", Qt::yellow, Qt::black},
  };
  for (const auto& c : cases) {
    box()->setTextRTF(QString("{\\rtf1\\ansi{\\colortbl;\\red255\\green255\\blue255;"
                              "\\red0\\green0\\blue0;\\red255\\green255\\blue0;}%1\\par}")
                          .arg(c.words));
    (window().*c.scheme)->click();
    const QImage shown = box()->viewport()->grab().toImage();
    const QRect bar = pixelsLike(shown, c.bar).second;
    EXPECT_GT(pixelsLike(shown.copy(bar), c.letters).first, 20) << c.words;
  }
}

TEST_F(ReadingWindowTest, OpenShowsTheFileAndKeepsTheBlackScheme) {
  const QString file = path("story.rtf");
  writeFile("story.rtf", "{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\\f0 A {\\b bold} story.\\par}");
  window().blackOption->click();
  interaction->answerOpen(file);
  tool("Open");
  const auto dialog = interaction->prompts(PromptKind::OpenDialog).back().request;
  EXPECT_EQ("Open", dialog.DialogTitle);
  EXPECT_EQ("All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf",
            dialog.Filter);
  EXPECT_EQ(4, dialog.Flags);
  EXPECT_TRUE(box()->Text().startsWith("A bold story."));
  EXPECT_EQ("Voxlet!   " + file, window().Caption());
  EXPECT_TRUE(showsWhiteOnBlack(box()));
}

TEST_F(ReadingWindowTest, AFailedOpenKeepsTheTextAndTitleAndSaysSo) {
  box()->setText("My work.");
  interaction->answerOpen(path("missing.txt")).answerMessage(platform::vbOK);
  tool("Open");
  EXPECT_EQ("Can't open file: " + path("missing.txt") + "\r\n\r\nThe file does not exist.",
            lastMessage());
  writeFile("binary.txt", QByteArray("\x01\x02\0\0\xff", 5));
  interaction->answerOpen(path("binary.txt")).answerMessage(platform::vbOK);
  tool("Open");
  EXPECT_EQ("Can't open file: " + path("binary.txt") +
                "\r\n\r\nIt is not a text file or a rich-text file.",
            lastMessage());
  EXPECT_EQ("My work.", box()->Text());
  EXPECT_EQ("Voxlet!", window().Caption());
  interaction->cancelOpen();
  tool("Open");
  EXPECT_EQ(2u, messages().size());
}

TEST_F(ReadingWindowTest, SaveWritesTextOrRichTextByTheNamesEndWhateverItsCase) {
  interaction->answerMessage(platform::vbOK);
  tool("Save");
  EXPECT_EQ("Voxlet! will not save a blank document.\r\nThis is a safety precaution to avoid "
            "overwriting an existing file with a blank one.",
            lastMessage());
  EXPECT_EQ(16, messages().back().style);

  box()->setText("Line one.\r\nLine two.");
  interaction->answerSave(path("notes.txt"));
  tool("Save");
  const auto dialog = interaction->prompts(PromptKind::SaveDialog).back().request;
  EXPECT_EQ("Save As...", dialog.DialogTitle);
  EXPECT_EQ("Text Files (*.txt)|*.txt|Rich Text Files (*.rtf)|*.rtf", dialog.Filter);
  EXPECT_EQ(6, dialog.Flags);
  EXPECT_EQ("Line one.\r\nLine two.\r\n", readFile(path("notes.txt")));
  EXPECT_EQ(" Voxlet   " + path("notes.txt"), window().Caption());

  for (const char* name : {"story.rtf", "STORY.RTF"}) {
    interaction->answerSave(path(name));
    tool("Save");
    EXPECT_TRUE(readFile(path(name)).startsWith("{\\rtf")) << name;
  }
}

TEST_F(ReadingWindowTest, AFailedSaveSaysSoAndKeepsTheTitle) {
  box()->setText("Keep me.");
  QDir().mkpath(path("folder.txt"));
  interaction->answerSave(path("folder.txt")).answerMessage(platform::vbOK);
  tool("Save");
  ASSERT_EQ(1u, messages().size());
  EXPECT_EQ(16, messages().back().style);
  EXPECT_EQ("Voxlet!", window().Caption());
  EXPECT_TRUE(QFileInfo(path("folder.txt")).isDir());
}

TEST_F(ReadingWindowTest, PrintPrintsTheTextUnlessCancelled) {
  box()->setText("To the printer.");
  interaction->cancelPrint();
  tool("Print");
  EXPECT_EQ(0, printer->documentsEnded);
  interaction->answerPrint();
  tool("Print");
  EXPECT_EQ("Print...", interaction->prompts(PromptKind::PrintDialog).back().request.DialogTitle);
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ(1u, printer->pages.size());
}

TEST_F(ReadingWindowTest, NewEmptiesBothBoxesAndFontAppliesToTheSelection) {
  installFixedFiles();
  box()->setText("apple tree");
  select(0, 5);
  mouseUp();
  ASSERT_FALSE(window().definitionBox->Text().isEmpty());
  tool("New");
  EXPECT_EQ("", box()->Text());
  EXPECT_EQ("", window().definitionBox->Text());
  EXPECT_EQ("Voxlet!", window().Caption());
  EXPECT_EQ("Arial", box()->SelFontName());
  EXPECT_EQ(14, box()->SelFontSize());

  box()->setText("Big words");
  select(0, 3);
  interaction->answerFont([](platform::DialogRequest& request) {
    EXPECT_EQ("Font", request.DialogTitle);
    EXPECT_EQ(3, request.Flags);
    request.FontSize = 20;
    request.FontBold = true;
  });
  tool("Font");
  EXPECT_EQ(20, box()->SelFontSize());
  EXPECT_EQ(RichTextBox::Tri::True, box()->SelBold());
}

TEST_F(ReadingWindowTest, HelpAndExitPutTheOwlAway) {
  tool("Help");
  EXPECT_TRUE(voxlet.forms().get<reading::HelpWindow>().isVisible());
  EXPECT_FALSE(characters->log->visible);
  // At once, not after what it is still saying.
  const QStringList& calls = characters->log->calls;
  EXPECT_EQ(QStringList({"Stop", "Hide"}), calls.mid(calls.size() - 2));
  characters->log->visible = true;
  interaction->answerMessage(platform::vbNo);
  tool("Exit");
  EXPECT_EQ("Exit?", lastMessage());
  EXPECT_EQ(36, messages().back().style);
  EXPECT_FALSE(characters->log->visible);
  EXPECT_TRUE(voxlet.forms().isLoaded<ReadingWindow>());
  interaction->answerMessage(platform::vbYes);
  tool("Exit");
  EXPECT_FALSE(voxlet.forms().isLoaded<ReadingWindow>());
}

TEST_F(ReadingWindowTest, ExitWhileTheOwlReadsPutsItAwayBeforeAsking) {
  characters->drawn = std::make_unique<testing_support::DrawnOwls>();
  box()->setText("A long story to read.");
  window().readButton->click();
  const platform::QtSpeakingCharacter& owl = *characters->drawn->last();
  for (int frame = 0; frame < 100 && !owl.balloon().isVisible(); ++frame) processEvents();
  ASSERT_TRUE(owl.balloon().isVisible());
  interaction->answerMessage(platform::vbNo);
  tool("Exit");
  EXPECT_EQ("Exit?", lastMessage());
  EXPECT_FALSE(owl.window().isVisible());
  EXPECT_FALSE(owl.balloon().isVisible());
}

TEST_F(ReadingWindowTest, AboutShowsTheAboutBox) {
  window().aboutButton->click();
  EXPECT_TRUE(voxlet.forms().get<shared::AboutBox>().isVisible());
}

TEST_F(ReadingWindowTest, ReadSpeaksFromTheCaretToTheLineBreakOneParagraphAPress) {
  box()->setText("The owl woke up.\r\nIt was night.\r\nThe end");
  characters->log->calls.clear();
  window().readButton->click();
  EXPECT_EQ(QStringList({"The owl woke up."}), spoken());
  EXPECT_EQ(18, box()->SelStart());
  EXPECT_EQ(0, box()->SelLength());
  window().readButton->click();
  EXPECT_EQ("It was night.", spoken().value(1));
  // Every press stops what is being said before the next paragraph.
  EXPECT_EQ(QStringList({"Show", "Stop", "Speak The owl woke up.", "Show", "Stop",
                         "Speak It was night."}),
            characters->log->calls);
  window().readButton->click();
  EXPECT_EQ("The end", spoken().value(2));
  EXPECT_EQ(box()->Text().size(), box()->SelStart());
  // From the middle of a paragraph.
  box()->setSelStart(8);
  window().readButton->click();
  EXPECT_EQ("woke up.", spoken().value(3));
}

TEST_F(ReadingWindowTest, ReadPassesOverABlankLineWithoutSayingIt) {
  box()->setText("One.\r\n\r\nTwo.");
  characters->log->calls.clear();
  window().readButton->click();
  EXPECT_EQ(6, box()->SelStart());
  window().readButton->click();
  EXPECT_EQ(8, box()->SelStart());
  window().readButton->click();
  EXPECT_EQ(QStringList({"One.", "Two."}), spoken());
}

TEST_F(ReadingWindowTest, MerlinOffSilencesReadAndTheMouse) {
  installFixedFiles();
  box()->setText("apple pie\r\nMore.");
  window().speechButton->click();
  EXPECT_EQ("Merlin Off", window().speechButton->text());
  EXPECT_FALSE(window().speechOn());
  characters->log->calls.clear();
  window().readButton->click();
  select(0, 5);
  mouseUp();
  EXPECT_TRUE(characters->log->calls.isEmpty());
  EXPECT_EQ("", window().definitionBox->Text());
  EXPECT_EQ("", window().selectedWord());
  // The user's selection stays as it was made.
  EXPECT_EQ("apple", box()->SelText());
  window().speechButton->click();
  EXPECT_EQ("Merlin On", window().speechButton->text());
  window().stopButton->click();
  EXPECT_EQ("Stop", characters->log->calls.last());
}

TEST_F(ReadingWindowTest, ASelectedWordIsSpokenDefinedAndPictured) {
  installFixedFiles();
  box()->setText("An Apple and a book.");
  characters->log->calls.clear();
  select(3, 5);
  mouseUp();
  EXPECT_EQ("apple (noun) a round fruit", window().definitionBox->Text());
  EXPECT_FALSE(window().pictureLabel->pixmap().isNull());
  EXPECT_EQ(QStringList({"Apple"}), spoken());
  EXPECT_EQ("Apple", characters->log->balloonText());
  EXPECT_EQ(8, box()->SelStart());
  EXPECT_EQ(0, box()->SelLength());
  EXPECT_EQ("", window().selectedWord());

  // A word of another group without a picture clears the last one.
  select(15, 4);
  mouseUp();
  EXPECT_EQ("book (noun) pages to read", window().definitionBox->Text());
  EXPECT_TRUE(window().pictureLabel->pixmap().isNull());

  select(0, 2);
  mouseUp();
  EXPECT_EQ("Definition not available.", window().definitionBox->Text());

  // A click that selects nothing says nothing.
  select(4, 0);
  mouseUp();
  EXPECT_EQ(3, spoken().size());
}

// A photo too large to be read whole is read at the size of the picture pane; here the photo is
// small and the memory a picture may take is cut to match.
TEST_F(ReadingWindowTest, APhotoTooLargeToReadWholeIsShownAtThePanesSize) {
  installFixedFiles();
  const QString photo = platform::locations::readingAidFolder() + "/Pictures/book.jpg";
  QImage large(1600, 1200, QImage::Format_RGB32);
  large.fill(Qt::darkGreen);
  ASSERT_TRUE(large.save(photo));
  box()->setText("A book.");
  const int allowance = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(1);
  select(2, 4);
  mouseUp();
  QImageReader::setAllocationLimit(allowance);
  const QPixmap shown = window().pictureLabel->pixmap();
  EXPECT_FALSE(shown.isNull());
  EXPECT_TRUE(QRect(QPoint(0, 0), window().pictureLabel->size()).contains(shown.rect()));
}

TEST_F(ReadingWindowTest, ATableRowIsReadAndSelectedWithEachCellWhole) {
  box()->setTextRTF("{\\rtf1\\ansi Title\\par\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl Alpha\\cell "
                    "Bravo\\cell Charlie\\cell\\row\\pard Cell one\\par}");
  ASSERT_TRUE(box()->Text().startsWith("Title\r\nAlpha\tBravo\tCharlie\r\nCell one"));
  characters->log->calls.clear();
  window().readButton->click();
  window().readButton->click();
  EXPECT_EQ(QStringList({"Title", "Alpha\tBravo\tCharlie"}), spoken());
  EXPECT_EQ(28, box()->SelStart());
  // A selection from the middle of one cell into another takes both cells whole.
  select(9, 6);
  mouseUp();
  EXPECT_EQ("Alpha\tBravo", spoken().value(2));
  EXPECT_EQ(18, box()->SelStart());
}

TEST_F(ReadingWindowTest, PicturesAreLeftOutOfSpeechAndOfPlainText) {
  box()->setText("A cat\r\n\r\nThe end");
  insertPicture(5);
  insertPicture(7);
  characters->log->calls.clear();
  for (int press = 0; press < 3; ++press) window().readButton->click();
  EXPECT_EQ(QStringList({"A cat", "The end"}), spoken());
  select(0, 6);
  mouseUp();
  EXPECT_EQ("A cat", spoken().value(2));
  interaction->answerSave(path("cat.txt"));
  tool("Save");
  EXPECT_EQ("A cat\r\n\r\nThe end\r\n", readFile(path("cat.txt")));
}

TEST_F(ReadingWindowTest, ASelectionOfNothingButBlanksAndPicturesShowsNoBalloon) {
  characters->drawn = std::make_unique<testing_support::DrawnOwls>();
  box()->setText("A cat  sat");
  insertPicture(5);
  window().stopButton->click();  // the greeting is over
  const QStringList said = characters->drawn->speech->said;
  const platform::BalloonWindow& balloon = characters->drawn->last()->balloon();
  for (const auto& [start, length] : {std::pair(5, 2), std::pair(7, 1)}) {
    select(start, length);
    mouseUp();
    bool shown = false;
    for (int frame = 0; frame < 20; ++frame) {
      processEvents();
      shown = shown || balloon.isVisible();
    }
    EXPECT_FALSE(shown) << start;
  }
  EXPECT_EQ(said, characters->drawn->speech->said);
}

TEST_F(ReadingWindowTest, TheDefinitionPaneHidesOnAClickAndComesBackWithThePicture) {
  window().Show();
  QTest::mouseClick(window().definitionBox->viewport(), Qt::LeftButton);
  EXPECT_FALSE(window().definitionBox->isVisible());
  QTest::mouseClick(window().pictureLabel, Qt::LeftButton);
  EXPECT_TRUE(window().definitionBox->isVisible());
}

TEST_F(ReadingWindowTest, ASilentOwlWarnsOnceAndStillShowsWhatItSays) {
  characters->log->speechAvailable = false;
  interaction->answerMessage(platform::vbOK);
  box()->setText("Hello there.");
  ASSERT_EQ(1u, messages().size());
  EXPECT_TRUE(lastMessage().contains("cannot be heard"));
  EXPECT_EQ(48, messages().back().style);
  emit window().character().speechUnavailable();
  window().readButton->click();
  EXPECT_EQ("Hello there.", characters->log->balloonText());
  EXPECT_EQ(1u, messages().size());
}

TEST_F(ReadingWindowTest, AMissingCharacterWarnsOnceAndTheWindowGoesOn) {
  characters->log->loadSucceeds = false;
  interaction->answerMessage(platform::vbOK);
  box()->setText("Hello there.");
  ASSERT_EQ(1u, messages().size());
  // Speech failing later as well is no news to the user.
  emit window().character().speechUnavailable();
  EXPECT_EQ(1u, messages().size());
  window().readButton->click();
  EXPECT_EQ("Hello there.", characters->log->balloonText());
}

TEST_F(ReadingWindowTest, TheCloseBoxAsksExitsQuestionWhileTheWindowHoldsText) {
  window().Show();
  box()->setText("A story to read.");
  interaction->answerMessage(platform::vbNo).answerMessage(platform::vbYes);
  window().close();
  EXPECT_TRUE(voxlet.forms().isLoaded<ReadingWindow>());
  EXPECT_EQ("Exit?", lastMessage());
  window().close();
  EXPECT_FALSE(voxlet.forms().isLoaded<ReadingWindow>());
}

}  // namespace
