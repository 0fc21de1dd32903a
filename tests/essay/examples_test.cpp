#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

#include "essay/worked_examples_window.h"
#include "essay/rubrics_window.h"
#include "essay/assignment_file.h"
#include "essay/quillora.h"
#include "platform/files/locations.h"
#include "platform/richtext/rtf.h"
#include "shared/print_rtb.h"
#include "support/fixture.h"

namespace {

using essay::WorkedExamplesWindow;
using testing_support::PromptKind;

const QString kResources = QStringLiteral(SCRIBARY_RESOURCES_DIR);

// Copies a folder of the project's resources into this test's program data, as installed.
void install(const QString& folder) {
  const QString from = kResources + '/' + folder;
  const QString into = platform::locations::programDataFolder() + '/' + folder;
  QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString source = files.next();
    const QString target = into + source.mid(from.size());
    QDir().mkpath(QFileInfo(target).absolutePath());
    ASSERT_TRUE(QFile::copy(source, target)) << source.toStdString();
  }
}

void writeExample(const QString& name, const QByteArray& bytes) {
  const QString folder = platform::locations::examplesFolder();
  QDir().mkpath(folder);
  QFile file(folder + '/' + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

QString firstLine(const platform::RichTextBox* box) { return box->Text().section("\r\n", 0, 0); }

const QString kHowToQuestion = "What was most memorable about your summer vacation?";
const QString kIntroExplanation =
    "The introduction will present the main idea. In some way, it will mention the ideas you will "
    "be writing about in the body. The introduction answers the question, what is this paper "
    "about?";
const QString kBodyExplanation =
    "The body of your paper explains your main idea using examples and details.";
const QString kConclusionExplanation =
    "The conclusion explains that what you have written supports the main idea.  Here you lay out "
    "your reasons why this main idea is important or is meaningful.";

class ExamplesTest : public testing_support::RuntimeTest {
 protected:
  WorkedExamplesWindow& w() {
    WorkedExamplesWindow& window = quillora.forms().get<WorkedExamplesWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }

  QStringList themeCaptions() {
    return {w().themeLabels[0]->text(), w().themeLabels[1]->text(), w().themeLabels[2]->text()};
  }

  essay::Quillora quillora{*runtime};
};

TEST_F(ExamplesTest, TheWindowHasItsFourPagesAndKeepsItsDesignedSize) {
  screen->height = 768;
  EXPECT_EQ("Examples - Introduction - Body - Conclusion", w().Caption());
  const QStringList tabs = {"Select Example", "Introduction", "Body", "Conclusion"};
  ASSERT_EQ(tabs.size(), w().exampleTabs->count());
  for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(tabs[i], w().exampleTabs->tabText(i));
  EXPECT_EQ(essay::kTabSelect, w().exampleTabs->currentIndex());
  EXPECT_EQ(11400, w().Width());
  EXPECT_EQ(8400, w().Height());
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  EXPECT_FALSE(w().closeButton->isHidden());
  EXPECT_EQ(QStringList({"Theme / Main Idea", "Theme / Main Idea", "Theme / Main Idea"}),
            themeCaptions());
}

TEST_F(ExamplesTest, ASmallScreenMaximisesTheWindow) {
  screen->height = 600;
  EXPECT_EQ(platform::vbMaximized, w().WindowState());
}

TEST_F(ExamplesTest, EachGettingStartedButtonShowsItsPartOfTheHowToExample) {
  install("Examples");
  const std::pair<QPushButton* WorkedExamplesWindow::*, int> buttons[] = {
      {&WorkedExamplesWindow::introductionButton, essay::kTabIntroduction},
      {&WorkedExamplesWindow::bodyButton, essay::kTabBody},
      {&WorkedExamplesWindow::conclusionButton, essay::kTabConclusion}};
  for (const auto& [button, tab] : buttons) {
    w().exampleTabs->setCurrentIndex(essay::kTabSelect);
    (w().*button)->click();
    EXPECT_EQ(tab, w().exampleTabs->currentIndex());
    EXPECT_EQ(QStringList({"How To Begin", "How To Elaborate in the Body", "How To Finish"}),
              themeCaptions());
  }
  for (platform::TextBox* question : w().questionBoxes) {
    EXPECT_EQ(kHowToQuestion, question->Text());
  }
  EXPECT_TRUE(
      w().themeBoxes[0]->Text().startsWith("Your introduction can be general or specific."));
  EXPECT_TRUE(w().themeBoxes[0]->Text().endsWith("In this case, Cedar Point and fishing."));
  EXPECT_EQ(kBodyExplanation, w().themeBoxes[1]->Text());
  EXPECT_TRUE(w().themeBoxes[2]->Text().startsWith("Conclusion means to bring to an end."));
  EXPECT_EQ(kIntroExplanation, w().explanationBoxes[0]->Text());
  EXPECT_EQ(kBodyExplanation, w().explanationBoxes[1]->Text());
  EXPECT_EQ(kConclusionExplanation, w().explanationBoxes[2]->Text());
  // The parts of the example essay, each under the essay's title.
  for (platform::RichTextBox* part : w().exampleBoxes) {
    EXPECT_EQ("The Summer of Screaming and Splashing", firstLine(part));
  }
  EXPECT_TRUE(w().exampleBoxes[0]->Text().contains("Screaming and splashing!"));
  EXPECT_TRUE(w().exampleBoxes[2]->Text().contains("last me a lifetime"));
  EXPECT_TRUE(interaction->prompts().empty());
}

TEST_F(ExamplesTest, EachWritingSampleShowsItsPartsPromptAndTheme) {
  install("Examples");
  struct Case {
    std::size_t option;
    QString title, grade, question, theme;
  };
  const Case cases[] = {
      {0, "The Day Maya Moved Away", "5th Grade",
       "Losing something or someone can change you.  You may have lost your lunch money, a pet, a "
       "friend who had to move, or your belief in monsters.  Write about a loss.",
       "Loss."},
      {1, "Forty Seconds on Stage", "8th Grade",
       "Many people are able to learn and grow from personal challenges.  Write about facing a "
       "challenge.",
       "Facing a challenge."},
      {2, "Behind the Surface", "High School",
       "Sometimes we are fooled by the way things appear or the way people behave.  Write about "
       "how things may not be what they seem.",
       "Appearances can be deceiving."},
  };
  w().bodyButton->click();  // the how-to captions first, so that OK must put them back
  for (const Case& c : cases) {
    w().exampleTabs->setCurrentIndex(essay::kTabSelect);
    w().gradeOptions[c.option]->setChecked(true);
    w().okButton->click();
    EXPECT_EQ(essay::kTabIntroduction, w().exampleTabs->currentIndex());
    EXPECT_EQ(QStringList({"Theme / Main Idea", "Theme / Main Idea", "Theme / Main Idea"}),
              themeCaptions());
    const std::pair<platform::RichTextBox*, QString> parts[] = {
        {w().exampleBoxes[0], "Introduction"},
        {w().exampleBoxes[1], "Body"},
        {w().exampleBoxes[2], "Conclusion"}};
    for (const auto& [box, part] : parts) {
      EXPECT_EQ(c.title, firstLine(box));
      EXPECT_TRUE(box->Text().contains(c.grade + " Writing Sample: " + part)) << c.title.toStdString();
    }
    for (platform::TextBox* question : w().questionBoxes) {
      EXPECT_EQ(c.question, question->Text());
    }
    for (platform::RichTextBox* theme : w().themeBoxes) {
      EXPECT_EQ(c.theme, theme->Text());
    }
    EXPECT_EQ(kIntroExplanation, w().explanationBoxes[0]->Text());
    EXPECT_EQ(kBodyExplanation, w().explanationBoxes[1]->Text());
    EXPECT_EQ(kConclusionExplanation, w().explanationBoxes[2]->Text());
  }
  EXPECT_FALSE(quillora.forms().isLoaded<essay::RubricsWindow>());
}

TEST_F(ExamplesTest, ScoringRubricsOpensTheRubricsAndKeepsThePage) {
  w().scoringRubricsOption->setChecked(true);
  w().okButton->click();
  ASSERT_TRUE(quillora.forms().isLoaded<essay::RubricsWindow>());
  EXPECT_TRUE(quillora.forms().get<essay::RubricsWindow>().isVisible());
  EXPECT_EQ(essay::kTabSelect, w().exampleTabs->currentIndex());
  EXPECT_EQ("", w().exampleBoxes[0]->Text());
}

TEST_F(ExamplesTest, OkWithNothingChosenOnlyTurnsToTheIntroduction) {
  install("Examples");
  w().okButton->click();
  EXPECT_EQ(essay::kTabIntroduction, w().exampleTabs->currentIndex());
  for (platform::RichTextBox* box : {w().exampleBoxes[0], w().themeBoxes[0]}) {
    EXPECT_EQ("", box->Text());
  }
  EXPECT_EQ("", w().questionBoxes[0]->Text());
  EXPECT_FALSE(quillora.forms().isLoaded<essay::RubricsWindow>());
}

TEST_F(ExamplesTest, AMissingExampleLeavesItsBoxAsItWasWithoutAMessage) {
  writeExample("8Intro.rtf", "{\\rtf1 Old intro\\par}");
  writeExample("8Body.rtf", "{\\rtf1 Old body\\par}");
  w().gradeOptions[1]->setChecked(true);
  w().okButton->click();
  QFile::remove(platform::locations::examplesFolder() + "/8Body.rtf");
  writeExample("8Intro.rtf", "{\\rtf1 New intro\\par}");
  w().okButton->click();
  EXPECT_EQ("New intro", w().exampleBoxes[0]->Text());
  EXPECT_EQ("Old body", w().exampleBoxes[1]->Text());
  EXPECT_EQ("", w().exampleBoxes[2]->Text());
  EXPECT_TRUE(interaction->prompts().empty());
}

TEST_F(ExamplesTest, ExampleFilesThatCannotBeReadAreReportedTogether) {
  install("Examples");
  writeExample("exBody.rtf", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  QFile big(platform::locations::examplesFolder() + "/exConclusion.rtf");
  ASSERT_TRUE(big.open(QIODevice::WriteOnly | QIODevice::Truncate));
  big.write("{\\rtf1 ");
  ASSERT_TRUE(big.resize(qint64(100) * 1024 * 1024));  // sparse; far beyond any example
  big.close();
  interaction->answerMessage(platform::vbOK);
  w().introductionButton->click();
  EXPECT_EQ("The Summer of Screaming and Splashing", firstLine(w().exampleBoxes[0]));
  EXPECT_EQ("", w().exampleBoxes[1]->Text());
  EXPECT_EQ("", w().exampleBoxes[2]->Text());
  const auto messages = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, messages.size());
  // The rich-text file too large to read is not told it is no rich-text file.
  EXPECT_EQ("These files of the examples folder cannot be read:\r\nexBody.rtf\r\nexConclusion.rtf"
            "\r\n\r\nA file may be damaged or too large, or your account may not be allowed to "
            "open it.",
            messages[0].text);
  EXPECT_EQ(platform::vbExclamation, messages[0].style);
}

TEST_F(ExamplesTest, CloseUnloadsAndTheNextShowStartsAfresh) {
  install("Examples");
  w().introductionButton->click();
  w().closeButton->click();
  EXPECT_FALSE(quillora.forms().isLoaded<WorkedExamplesWindow>());
  processEvents();
  EXPECT_EQ("", w().exampleBoxes[0]->Text());
  EXPECT_EQ(essay::kTabSelect, w().exampleTabs->currentIndex());
}

int inkedPixels(const QImage& page) {
  int inked = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) inked += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
  }
  return inked;
}

// Every part of every example prints: a student can take any of them home on paper.
TEST_F(ExamplesTest, EveryExamplePartPrints) {
  install("Examples");
  const std::vector<std::function<void()>> choices = {[this] { w().introductionButton->click(); },
                                                      [this] {
                                                        w().gradeOptions[0]->setChecked(true);
                                                        w().okButton->click();
                                                      },
                                                      [this] {
                                                        w().gradeOptions[1]->setChecked(true);
                                                        w().okButton->click();
                                                      },
                                                      [this] {
                                                        w().gradeOptions[2]->setChecked(true);
                                                        w().okButton->click();
                                                      }};
  for (const auto& choose : choices) {
    choose();
    for (platform::RichTextBox* part : w().exampleBoxes) {
      const std::size_t before = printer->pages.size();
      shared::PrintRTB(*part, 1440, 1440, 1440, 1440, runtime->printer());
      ASSERT_EQ(before + 1, printer->pages.size()) << firstLine(part).toStdString();
      EXPECT_GT(inkedPixels(printer->pages.back()), 2000) << firstLine(part).toStdString();
    }
  }
}

// The content that comes with the suite, read as the program reads it.
TEST(ExampleContent, EveryExampleAndRubricHasABoldHeadingAndParagraphs) {
  const QStringList names = {
      "exIntroduction.rtf", "exBody.rtf", "exConclusion.rtf", "5Intro.rtf", "5Body.rtf",
      "5Conclusion.rtf", "8Intro.rtf", "8Body.rtf", "8Conclusion.rtf", "11Intro.rtf",
      "11Body.rtf", "11Conclusion.rtf", "5thRubric.rtf", "8thRubric.rtf", "hsRubric.rtf",
      "6ptRubric.rtf"};
  EXPECT_EQ(names.size(), QDir(kResources + "/Examples").entryList(QDir::Files).size());
  for (const QString& name : names) {
    QFile file(kResources + "/Examples/" + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("{\\rtf1")) << name.toStdString();
    QTextDocument doc;
    platform::rtf::read(bytes, doc);
    const QTextBlock heading = doc.firstBlock();
    EXPECT_GE(heading.begin().fragment().charFormat().fontWeight(), QFont::Bold)
        << name.toStdString();
    EXPECT_FALSE(heading.text().isEmpty()) << name.toStdString();
    // Something the reader did not understand would show as control words or braces.
    const QString text = doc.toPlainText();
    EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'))
        << name.toStdString();
    int paragraphs = 0;
    for (QTextBlock block = heading.next(); block.isValid(); block = block.next()) {
      if (block.text().size() > 40) ++paragraphs;
    }
    EXPECT_GE(paragraphs, 1) << name.toStdString();
  }
}

TEST(ExampleContent, TheSampleAssignmentsAreCompleteOutlines) {
  const QString folder = kResources + "/Scribary Files/QL Sample Assignments";
  const QStringList names = {"5th Sample.ql", "8th Sample.ql", "11th Sample.ql"};
  EXPECT_EQ(names.size(), QDir(folder).entryList(QDir::Files).size());
  const auto labelled = [](const QString& line, const QString& label) {
    return line.startsWith(label) && line.size() > label.size() + 2 && line.endsWith("\r\n") &&
           !line.chopped(2).contains("\r\n");
  };
  for (const QString& name : names) {
    const std::optional<essay::Assignment> read = essay::readAssignmentFile(folder + '/' + name);
    ASSERT_TRUE(read) << name.toStdString();
    EXPECT_TRUE(read->outlineOnly);
    EXPECT_TRUE(labelled(read->themeLine, "Theme/Main Question-   ")) << name.toStdString();
    EXPECT_TRUE(labelled(read->introLine, "Introduction-   ")) << name.toStdString();
    for (int i = 0; i < 3; ++i) {
      const auto block = essay::MainIdeaBlock::split(read->mainIdeaBlocks[std::size_t(i)]);
      EXPECT_TRUE(labelled(block.line, QString("Main Idea #%1-   ").arg(i + 1)));
      for (const QString& detail : block.details) {
        EXPECT_TRUE(detail.size() > 2 && detail.endsWith("\r\n") && !detail.startsWith(' '))
            << name.toStdString() << ": " << detail.toStdString();
      }
    }
    EXPECT_TRUE(read->conclusionLine.startsWith("Conclusion-   "));
    EXPECT_GT(read->conclusionLine.size(), 20);
    EXPECT_FALSE(read->conclusionLine.contains('\r') || read->conclusionLine.contains('\n'));
  }
}

TEST(ExampleContent, TheSampleAssignmentsReachTheSuiteFilesFolder) {
  install("Scribary Files");
  const QString samples = platform::locations::sampleAssignmentsFolder();
  for (const char* name : {"5th Sample.ql", "8th Sample.ql", "11th Sample.ql"}) {
    QFile copy(samples + '/' + name);
    QFile original(kResources + "/Scribary Files/QL Sample Assignments/" + name);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name;
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), copy.readAll()) << name;
  }
}

TEST(ExampleContent, ThePicturesAreCompiledIntoTheProgram) {
  const std::pair<QString, int> pictures[] = {
      {"tile.png", 64},    {"create.png", 48},  {"open.png", 48},     {"edit.png", 48},
      {"samples.png", 48}, {"rubrics.png", 48}, {"quillora.png", 64}};
  for (const auto& [name, size] : pictures) {
    const QPixmap picture(":/pictures/" + name);
    EXPECT_EQ(QSize(size, size), picture.size()) << name.toStdString();
  }
  // The tile lies under text: it must be light everywhere.
  const QImage tile = QPixmap(":/pictures/tile.png").toImage();
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) ASSERT_GT(qGray(tile.pixel(x, y)), 200);
  }
}

}  // namespace
