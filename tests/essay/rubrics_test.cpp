#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "essay/rubrics_window.h"
#include "essay/quillora.h"
#include "platform/files/locations.h"
#include "support/fixture.h"

namespace {

using essay::RubricsWindow;
using testing_support::PromptKind;

// The installed rubrics, copied into this test's program data.
void installRealExamples() {
  const QString from = QStringLiteral(SCRIBARY_RESOURCES_DIR "/Examples");
  const QString into = platform::locations::examplesFolder();
  QDir().mkpath(into);
  for (const QString& name : QDir(from).entryList(QDir::Files)) {
    ASSERT_TRUE(QFile::copy(from + '/' + name, into + '/' + name)) << name.toStdString();
  }
}

void writeExample(const QString& name, const QByteArray& bytes) {
  const QString folder = platform::locations::examplesFolder();
  QDir().mkpath(folder);
  QFile file(folder + '/' + name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class RubricsTest : public testing_support::RuntimeTest {
 protected:
  RubricsWindow& w() {
    RubricsWindow& window = quillora.forms().get<RubricsWindow>();
    if (!window.isVisible()) window.Show();
    return window;
  }

  // Whether the first character of the box is bold.
  static bool startsBold(platform::RichTextBox* box) {
    box->setSelStart(0);
    box->setSelLength(1);
    return box->SelBold() == platform::RichTextBox::Tri::True;
  }

  // The leftmost and rightmost columns of a page image that hold ink.
  static std::pair<int, int> inkedColumns(const QImage& page) {
    int first = page.width(), last = -1;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        if (qGray(page.pixel(x, y)) < 128) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    return {first, last};
  }

  void printRubric() {
    interaction->answerPrint();
    interaction->answerMessage(platform::vbOK);
    w().printButton->click();
  }

  essay::Quillora quillora{*runtime};
};

TEST_F(RubricsTest, EachGradeButtonShowsItsRubricWithABoldHeading) {
  installRealExamples();
  const std::pair<QPushButton* RubricsWindow::*, QString> buttons[] = {
      {&RubricsWindow::fifthGradeButton, "5th Grade Writing Rubric"},
      {&RubricsWindow::eighthGradeButton, "8th Grade Writing Rubric"},
      {&RubricsWindow::highSchoolButton, "High School Writing Rubric"},
      {&RubricsWindow::sixPointRubricButton, "6 Point Writing Rubric"},
  };
  for (const auto& [button, heading] : buttons) {
    (w().*button)->click();
    EXPECT_TRUE(w().rubricBox->Text().startsWith(heading + "\r\n")) << heading.toStdString();
    EXPECT_TRUE(startsBold(w().rubricBox)) << heading.toStdString();
    // Every rubric gives its scores in paragraphs of their own below the heading.
    EXPECT_GT(w().rubricBox->Text().count("\r\n"), 20) << heading.toStdString();
  }
  EXPECT_TRUE(w().rubricBox->Locked());
}

TEST_F(RubricsTest, TheWindowIsCaptionedAndSizedForTheScreen) {
  screen->height = 768;
  EXPECT_EQ("Scoring Rubrics for Writing", w().Caption());
  EXPECT_EQ(12000, w().Width());
  EXPECT_EQ(8745, w().Height());
  EXPECT_EQ(768, quillora.store.ScreenHeightPixels);
  const std::pair<QPushButton*, QString> captions[] = {{w().fifthGradeButton, "5th Grade"},
                                                       {w().eighthGradeButton, "8th Grade"},
                                                       {w().highSchoolButton, "High School"},
                                                       {w().sixPointRubricButton, "6 Pt. Rubric"},
                                                       {w().printButton, "Print"},
                                                       {w().closeButton, "Close"}};
  for (const auto& [button, caption] : captions) EXPECT_EQ(caption, button->text());
}

TEST_F(RubricsTest, ASmallScreenMaximisesTheWindow) {
  screen->height = 600;
  EXPECT_EQ(platform::vbMaximized, w().WindowState());
}

TEST_F(RubricsTest, AMissingRubricLeavesTheBoxAsItWasWithoutAMessage) {
  writeExample("5thRubric.rtf", "{\\rtf1 Fifth\\par}");
  w().fifthGradeButton->click();
  w().eighthGradeButton->click();  // no 8th grade rubric installed
  EXPECT_EQ("Fifth", w().rubricBox->Text());
  EXPECT_TRUE(interaction->prompts().empty());
}

TEST_F(RubricsTest, FilesAreFoundWithoutRegardToCaseAndReadAfreshEachTime) {
  writeExample("HSRUBRIC.RTF", "{\\rtf1 First\\par}");
  w().highSchoolButton->click();
  EXPECT_EQ("First", w().rubricBox->Text());
  writeExample("HSRUBRIC.RTF", "Plain text rubric");
  w().highSchoolButton->click();
  EXPECT_EQ("Plain text rubric", w().rubricBox->Text());
}

TEST_F(RubricsTest, ARubricThatCannotBeReadIsReportedAndLeavesTheBox) {
  writeExample("5thRubric.rtf", "{\\rtf1 Fifth\\par}");
  writeExample("8thRubric.rtf", QByteArray("PK\x03\x04\0\0binary", 12));
  w().fifthGradeButton->click();
  interaction->answerMessage(platform::vbOK);
  w().eighthGradeButton->click();
  EXPECT_EQ("Fifth", w().rubricBox->Text());
  const auto messages = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, messages.size());
  EXPECT_TRUE(messages[0].text.contains("8thRubric.rtf"));
  EXPECT_EQ(platform::vbExclamation, messages[0].style);

  // A rubric that is there but cannot be read is told so.
  QDir().mkpath(platform::locations::examplesFolder() + "/hsRubric.rtf");
  interaction->answerMessage(platform::vbOK);
  w().highSchoolButton->click();
  EXPECT_EQ("Fifth", w().rubricBox->Text());
  const QString told = interaction->prompts(PromptKind::MessageBox).back().text;
  EXPECT_TRUE(told.startsWith("These files of the examples folder cannot be read:\r\nhsRubric.rtf"));
  EXPECT_FALSE(told.contains("Each must be"));
}

TEST_F(RubricsTest, PrintingPrintsTheWholeRubricBetweenTwoInchMarginsAndConfirms) {
  installRealExamples();
  w().fifthGradeButton->click();
  // A selection does not narrow what prints, so the dialog never offers one.
  w().rubricBox->setSelStart(5);
  w().rubricBox->setSelLength(10);
  printRubric();

  ASSERT_EQ(1, printer->documentsEnded);
  ASSERT_FALSE(printer->pages.empty());
  const auto dialogs = interaction->prompts(PromptKind::PrintDialog);
  ASSERT_EQ(1u, dialogs.size());
  EXPECT_EQ("Print...", dialogs[0].request.DialogTitle);
  EXPECT_EQ(0x100108 | platform::cdlPDNoSelection, dialogs[0].request.Flags);
  const auto messages = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, messages.size());
  EXPECT_EQ("Your rubric was printed.", messages[0].text);
  EXPECT_EQ("Rubric Printed", messages[0].title);
  EXPECT_EQ(platform::vbInformation, messages[0].style);

  // Ink stays inside the margins, measured from the paper's edges.
  const double quarterInch = testing_support::RecordingPrinter::kQuarterInch;
  const int left = printer->pixelAt({2880 - quarterInch, 0}).x();
  const int right = printer->pixelAt({testing_support::RecordingPrinter::kLetterWidth - 2880 -
                                          quarterInch, 0}).x();
  for (const QImage& page : printer->pages) {
    const auto [first, last] = inkedColumns(page);
    EXPECT_GE(first, left - 1);
    EXPECT_LE(last, right + 1);
  }
}

TEST_F(RubricsTest, PrintingBeforeAnyRubricPrintsTheEmptyBoxAndStillConfirms) {
  printRubric();
  EXPECT_EQ(1, printer->documentsEnded);
  EXPECT_EQ(1u, printer->pages.size());
  EXPECT_EQ(1u, interaction->prompts(PromptKind::MessageBox).size());
}

TEST_F(RubricsTest, ACancelledPrintEndsQuietly) {
  interaction->cancelPrint();
  w().printButton->click();
  EXPECT_EQ(0, printer->documentsEnded);
  EXPECT_TRUE(interaction->prompts(PromptKind::MessageBox).empty());
}

TEST_F(RubricsTest, AFailedPrintIsReportedAndNeverConfirmed) {
  QByteArray longRubric = "{\\rtf1 ";
  for (int line = 0; line < 200; ++line) longRubric += "Score line\\par ";
  writeExample("6ptRubric.rtf", longRubric + "}");
  w().sixPointRubricButton->click();
  printer->failAtPage = 2;
  interaction->answerPrint();
  interaction->answerMessage(platform::vbOK);
  w().printButton->click();
  const auto messages = interaction->prompts(PromptKind::MessageBox);
  ASSERT_EQ(1u, messages.size());
  EXPECT_EQ("The rubric could not be printed. Please check the printer and try again.",
            messages[0].text);
  EXPECT_EQ(0, printer->documentsEnded);
}

TEST_F(RubricsTest, CloseUnloadsTheWindowAndTheNextShowStartsAfresh) {
  installRealExamples();
  w().sixPointRubricButton->click();
  w().closeButton->click();
  EXPECT_FALSE(quillora.forms().isLoaded<RubricsWindow>());
  processEvents();
  // Shown again, it starts empty.
  EXPECT_EQ("", w().rubricBox->Text());
}

}  // namespace
