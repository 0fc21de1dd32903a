// What each program saves, it opens again and saves unchanged, byte for byte.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <functional>

#include "essay/editor_window.h"
#include "essay/quillora.h"
#include "reading/reading_window.h"
#include "reading/voxlet.h"
#include "support/fixture.h"
#include "webpage/editor_window.h"
#include "webpage/webloom.h"

namespace {

using platform::RichTextBox;

class RoundTripTest : public testing_support::RuntimeTest {
 protected:
  QString path(const QString& name) const { return testing_support::testRoot() + "/" + name; }

  // One program's document box and its Open and Save commands, as the user gives them.
  struct Program {
    std::function<RichTextBox*()> box;
    std::function<void()> open;
    std::function<void()> save;
  };

  Program quilloraEditor() {
    auto& editor = quillora.forms().get<essay::EditorWindow>();
    return {[&editor] { return editor.documentBox; }, [&editor] { editor.openAction->trigger(); },
            [&editor] { editor.saveAsAction->trigger(); }};
  }
  Program webloomEditor() {
    auto& editor = webloom.forms().get<webpage::EditorWindow>();
    return {[&editor] { return editor.textBox; }, [&editor] { editor.openButton->click(); },
            [&editor] { editor.saveTextButton->click(); }};
  }
  Program voxletReader() {
    auto& reader = voxlet.forms().get<reading::ReadingWindow>();
    letWindowsDraw();
    return {[&reader] { return reader.textBox; },
            [&reader] { reader.toolBar->click(QStringLiteral("Open")); },
            [&reader] { reader.toolBar->click(QStringLiteral("Save")); }};
  }

  essay::Quillora quillora{*runtime};
  webpage::Webloom webloom{*runtime};
  reading::Voxlet voxlet{*runtime};
};

TEST_F(RoundTripTest, AFileAProgramSavedOpensAndSavesAgainUnchanged) {
  const struct {
    const char* program;
    const char* extension;
    std::function<Program()> of;
  } trips[] = {
      {"Quillora's editor", "txt", [this] { return quilloraEditor(); }},
      {"Quillora's editor", "rtf", [this] { return quilloraEditor(); }},
      {"Webloom", "txt", [this] { return webloomEditor(); }},
      {"Voxlet!", "txt", [this] { return voxletReader(); }},
      {"Voxlet!", "rtf", [this] { return voxletReader(); }},
  };
  // Ends in an empty paragraph, which a save's closing line break must not swallow or add to.
  const QString text = QString::fromUtf8("Premi\u00e8re ligne, bold.\r\n\r\nLast line.\r\n");
  int saved = 0;
  for (const auto& trip : trips) {
    const Program program = trip.of();
    RichTextBox* box = program.box();
    SCOPED_TRACE(std::string(trip.program) + " " + trip.extension);
    box->setText(text);
    box->setSelStart(16);
    box->setSelLength(4);
    box->setSelBold(true);
    QStringList names;
    for (int save = 0; save < 3; ++save) {
      names << path(QStringLiteral("saved%1.%2").arg(++saved).arg(trip.extension));
      if (save > 0) {
        interaction->answerOpen(names[save - 1]);
        program.open();
      }
      interaction->answerSave(names[save]);
      program.save();
    }
    EXPECT_FALSE(readFile(names[0]).isEmpty());
    for (const QString& name : names) EXPECT_EQ(readFile(name), readFile(names[0]));
    EXPECT_TRUE(box->Text() == text);
  }
  EXPECT_TRUE(interaction->prompts(testing_support::PromptKind::MessageBox).empty());
}

}  // namespace
