#pragma once

#include <QString>
#include <array>

namespace essay {

// Steps of the workspace, as CurrentStep numbers them.
enum Step : int {
  kNoStep = 0, kDirections = 1, kReadMe = 2, kIntroduction = 3, kMainIdea1 = 4, kMainIdea2 = 5,
  kMainIdea3 = 6, kFinished = 7, kConclusion = 8, kOutline = 10, kPreview = 11
};

// The assignment being worked on, shared by the workspace, the builder, the editor and the start
// screen.
struct EssayStore {
  int CurrentStep = kNoStep;
  QString StudentName;
  QString ThemeLine;
  QString IntroLine;
  QString MainIdea1Line;
  QString MainIdea2Line;
  QString MainIdea3Line;
  std::array<QString, 4> MainIdea1Details;
  std::array<QString, 4> MainIdea2Details;
  std::array<QString, 4> MainIdea3Details;
  QString ConclusionLine;
  QString IntroParagraph;
  QString MainIdea1Paragraph;
  QString MainIdea2Paragraph;
  QString MainIdea3Paragraph;
  QString ConclusionParagraph;
  bool FromBuilder = false;
  QString BuilderFilePath;
  QString CurrentFile;
  QString EditorRTF;
  int ScreenHeightPixels = 0;
  bool IsWinNT = false;
  bool FirstOpen = false;
  QString LastOpenedFile;
  QString BuilderText;
  QString ThemeText;
  int BuilderSaved = 0;
  bool NamedAssignment = false;
};

}  // namespace essay
