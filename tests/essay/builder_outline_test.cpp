#include "essay/builder_outline.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using essay::Assignment;
using essay::BuilderOutline;

BuilderOutline gardenOutline() {
  BuilderOutline o;
  o.theme = "Why keep a garden?";
  o.introduction = "Gardens teach patience";
  o.mainIdeas[0] = {"Food", {"Tomatoes", "Beans", "", ""}};
  o.mainIdeas[1] = {"", {"", "", "", ""}};
  o.mainIdeas[2] = {"Birds", {"Songs", "", "", "Nests"}};
  o.conclusion = "Grow something";
  return o;
}

void expectSameOutline(const BuilderOutline& expected, const BuilderOutline& actual) {
  EXPECT_EQ(expected.theme, actual.theme);
  EXPECT_EQ(expected.introduction, actual.introduction);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(expected.mainIdeas[i].idea, actual.mainIdeas[i].idea) << "main idea " << i + 1;
    EXPECT_EQ(expected.mainIdeas[i].details, actual.mainIdeas[i].details) << "main idea " << i + 1;
  }
  EXPECT_EQ(expected.conclusion, actual.conclusion);
}

TEST(BuilderOutlineTest, RecordMatchesTheFileLayoutAndReadsBack) {
  const Assignment a = essay::assignmentOf(gardenOutline(), "", {"P1", "", "", "", "P5"});
  EXPECT_EQ("``Theme/Main Question-   Why keep a garden?\r\n`Introduction-   Gardens teach patience"
            "\r\n`Main Idea #1-   Food\r\n@Tomatoes\r\n@Beans\r\n@\r\n@\r\n`Main Idea #2-   \r\n@\r\n"
            "@\r\n@\r\n@\r\n`Main Idea #3-   Birds\r\n@Songs\r\n@\r\n@\r\n@Nests\r\n`Conclusion-   "
            "Grow something`P1````P5`\r\n",
            essay::assignmentRecord(a));
  expectSameOutline(gardenOutline(),
                    essay::builderOutlineOf(essay::parseAssignment(essay::assignmentRecord(a))));
}

TEST(BuilderOutlineTest, OutlineOnlyFilesLoseTheirLabelsOnceAndKeepTextWithout) {
  // With labels (as prepared samples hold them) and without.
  const Assignment labelled = essay::parseAssignment(
      "Theme/Main Question-   Pets\r\n`Introduction-   Pets help us\r\n`Main Idea #1-   Dogs\r\n"
      "@Walks\r\n@\r\n@\r\n@\r\n`Main Idea #2-   \r\n@\r\n@\r\n@\r\n@\r\n`Main Idea #3-   \r\n@\r\n@"
      "\r\n@\r\n@\r\n`Conclusion-   Love them\r\n");
  const Assignment bare = essay::parseAssignment(
      "Pets\r\n`Pets help us\r\n`Dogs\r\n@Walks\r\n@\r\n@\r\n@\r\n`\r\n@\r\n@\r\n@\r\n@\r\n`\r\n@\r\n@"
      "\r\n@\r\n@\r\n`Love them");
  for (const Assignment& a : {labelled, bare}) {
    const BuilderOutline o = essay::builderOutlineOf(a);
    EXPECT_EQ("Pets", o.theme);
    EXPECT_EQ("Pets help us", o.introduction);
    EXPECT_EQ("Dogs", o.mainIdeas[0].idea);
    EXPECT_EQ("Walks", o.mainIdeas[0].details[0]);
    EXPECT_EQ("", o.mainIdeas[1].idea);
    EXPECT_EQ("Love them", o.conclusion);
    // Written back, every line carries its label once.
    const essay::OutlineLines lines = essay::outlineLines(o);
    EXPECT_EQ("Theme/Main Question-   Pets\r\n", lines.themeLine);
    EXPECT_EQ("Conclusion-   Love them", lines.conclusionLine);
  }
}

TEST(BuilderOutlineTest, DamagedFullLayoutFieldsReadEmptyAndTheRestStillReads) {
  // The theme field is shorter than its label, main idea 2 has lost its label, and
  // the file ends before the conclusion.
  const Assignment a = essay::parseAssignment(
      "`Kim`Theme/Main`Introduction-   Pets help us\r\n`Main Idea #1-   Dogs\r\n@Walks\r\n@\r\n@\r\n"
      "@\r\n`Cats and more cats\r\n@\r\n@\r\n@\r\n@\r\n`Main Idea #3-   Fish\r\n@Bubbles\r\n");
  const BuilderOutline o = essay::builderOutlineOf(a);
  EXPECT_EQ("", o.theme);
  EXPECT_EQ("Pets help us", o.introduction);
  EXPECT_EQ("Dogs", o.mainIdeas[0].idea);
  EXPECT_EQ("Cats and more cats", o.mainIdeas[1].idea);
  EXPECT_EQ((std::array<QString, 4>{"", "", "", ""}), o.mainIdeas[1].details);
  EXPECT_EQ("Fish", o.mainIdeas[2].idea);
  EXPECT_EQ("Bubbles", o.mainIdeas[2].details[0]);
  EXPECT_EQ("", o.conclusion);
}

TEST(BuilderOutlineTest, CharactersThatWouldShiftFieldsAreFound) {
  struct Case {
    const char* what;
    std::function<void(BuilderOutline&, QString&)> change;
    QChar expected;
  };
  const Case cases[] = {
      {"nothing", [](BuilderOutline&, QString&) {}, QChar()},
      {"@ in the theme", [](BuilderOutline& o, QString&) { o.theme = "me@home"; }, QChar()},
      {"@ in the conclusion", [](BuilderOutline& o, QString&) { o.conclusion = "a@b"; }, QChar()},
      {"@ in a detail", [](BuilderOutline& o, QString&) { o.mainIdeas[1].details[3] = "a@b"; }, '@'},
      {"@ in a main idea", [](BuilderOutline& o, QString&) { o.mainIdeas[2].idea = "@"; }, '@'},
      {"` in the introduction", [](BuilderOutline& o, QString&) { o.introduction = "`x`"; }, '`'},
      {"` in the name", [](BuilderOutline&, QString& name) { name = "Ana `Bee`"; }, '`'},
  };
  for (const Case& c : cases) {
    BuilderOutline o = gardenOutline();
    QString name = "Ana";
    c.change(o, name);
    EXPECT_EQ(c.expected, essay::unstorableCharacter(essay::assignmentOf(o, name, {})))
        << c.what;
  }
}

TEST(BuilderOutlineTest, PrintTextListsFilledBoxesUnderTheName) {
  EXPECT_EQ("Ana\r\n\r\n"
            "Why keep a garden?\r\n\r\n"
            "*Gardens teach patience\r\n\r\n"
            "*Food\r\n     -Tomatoes\r\n     -Beans\r\n"
            "\r\n*Birds\r\n     -Songs\r\n     -Nests\r\n\r\n"
            "*Grow something\r\n"
            "\r\n\r\n\r\n* = Introduction, Main Idea 1,2,3, and the Conclusion\r\n"
            "-  = A detail or example in support of a main idea",
            essay::outlinePrintText(gardenOutline(), "Ana"));

  BuilderOutline onlyIntro;
  onlyIntro.introduction = "Gardens";
  EXPECT_EQ("Ana\r\n\r\n*Gardens\r\n\r\n\r\n\r\n\r\n* = Introduction, Main Idea 1,2,3, and the "
            "Conclusion\r\n-  = A detail or example in support of a main idea",
            essay::outlinePrintText(onlyIntro, "Ana"));
}

TEST(BuilderOutlineTest, FirstOpenStartsTwoFoldersUp) {
  const std::pair<QString, QString> cases[] = {
      {"/home/kim/Scribary Files/QL Samples/5th Sample.ql", "/home/kim/Scribary Files/"},
      {"/files/essay.ql", "/"},
      {"/essay.ql", "/"},
      {"essay.ql", ""},
      {"", ""},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(folder, essay::openStartFolder(path)) << path.toStdString();
}

}  // namespace
