#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "platform/windows/form.h"
#include "platform/windows/program.h"
#include "shared/window_rules.h"
#include "support/fixture.h"

namespace {

using shared::FitRule;

class Plain : public platform::Form {
 public:
  using Context = platform::Program;
  explicit Plain(platform::Program& program) : Form(program) {}
};

struct FitCase {
  FitRule rule;
  int screenWidth;
  int screenHeight;
  bool maximised;
  int width;   // twips; 0 means the designed size is kept
  int height;
};

void PrintTo(const FitCase& c, std::ostream* os) {
  *os << "rule " << static_cast<int>(c.rule) << " at " << c.screenWidth << "x" << c.screenHeight;
}

class FitToScreenTest : public testing_support::RuntimeTest,
                        public ::testing::WithParamInterface<FitCase> {
 protected:
  platform::Program program{*runtime, QStringLiteral("Quillora")};
};

constexpr int kDesignWidth = 9000;
constexpr int kDesignHeight = 6000;

TEST_P(FitToScreenTest, SizesTheWindowForTheScreen) {
  const FitCase c = GetParam();
  screen->width = c.screenWidth;
  screen->height = c.screenHeight;
  auto& window = program.forms().get<Plain>();
  window.Move(0, 0, kDesignWidth, kDesignHeight);

  EXPECT_EQ(c.screenHeight, shared::FitToScreen(window, c.rule, *screen));

  EXPECT_EQ(c.maximised, window.WindowState() == platform::vbMaximized);
  if (!c.maximised) {
    EXPECT_EQ(c.width ? c.width : kDesignWidth, window.Width());
    EXPECT_EQ(c.height ? c.height : kDesignHeight, window.Height());
  }
}

// The fixed sizes where the screen holds them; else the screen's size. The last two screens are
// 640x480 and 800x600 with fonts half as large again, which make the screen fewer pixels.
std::vector<FitCase> fitTable() {
  std::vector<FitCase> cases;
  for (const auto& [w, h] : {std::pair{1024, 600}, {1024, 768}, {1152, 864}, {1280, 1024},
                            {1600, 1200}, {640, 480}, {533, 400}}) {
    const bool small = h == 600;
    const bool keeps = h == 768 || h == 864 || h == 1024 || h == 1200;
    // The size a rule gives, `width` by 8745 twips cut to the screen, or 0 by 0 for the designed.
    const auto fit = [w, h](FitRule rule, bool maximised, bool designed, int width) {
      return FitCase{rule, w, h, maximised, designed ? 0 : std::min(width, w * 15),
                     designed ? 0 : std::min(8745, h * 15)};
    };
    cases.push_back(fit(FitRule::Standard, small, false, 12000));
    cases.push_back(fit(FitRule::KeepDesignSize, small, true, 0));
    cases.push_back(fit(FitRule::VocabularyMain, small, false, 12075));
    cases.push_back(fit(FitRule::SpellingOnMain, small, keeps, 12100));
    cases.push_back(fit(FitRule::ReadingMain, false, small || keeps, 12100));
  }
  return cases;
}

std::string caseName(const ::testing::TestParamInfo<FitCase>& info) {
  static const char* const rules[] = {"Standard", "KeepDesignSize", "VocabularyMain",
                                      "SpellingOnMain", "ReadingMain"};
  return std::string(rules[static_cast<int>(info.param.rule)]) + "_" +
         std::to_string(info.param.screenHeight);
}

INSTANTIATE_TEST_SUITE_P(EveryRowAndHeight, FitToScreenTest, ::testing::ValuesIn(fitTable()),
                         caseName);

class WindowPlacementTest : public testing_support::RuntimeTest {
 protected:
  shared::WindowPlacement read() {
    return shared::ReadWindowPlacement(runtime->userSettings(), QStringLiteral("Lexorama"), *screen);
  }
  void store(const QString& left, const QString& top, const QString& width, const QString& height) {
    auto& settings = runtime->userSettings();
    settings.save("Lexorama", "Settings", "MainLeft", left);
    settings.save("Lexorama", "Settings", "MainTop", top);
    settings.save("Lexorama", "Settings", "MainWidth", width);
    settings.save("Lexorama", "Settings", "MainHeight", height);
  }
  platform::Program program{*runtime, QStringLiteral("Lexorama")};
};

TEST_F(WindowPlacementTest, FirstRunGivesTheDefaults) {
  const auto placement = read();
  EXPECT_EQ(1000, placement.left);
  EXPECT_EQ(1000, placement.top);
  EXPECT_EQ(6500, placement.width);
  EXPECT_EQ(6500, placement.height);
}

TEST_F(WindowPlacementTest, StoredValuesThatCannotBeAWindowFallBackToTheDefaults) {
  const QStringList bad[] = {{"abc", "1000", "6500", "6500"},
                             {"1000", "", "6500", "6500"},
                             {"-300", "1000", "6500", "6500"},
                             {"1000", "1000", "0", "6500"},
                             {"99999999", "1000", "6500", "6500"},  // off the screen
                             {"1000", "1e39", "6500", "6500"}};
  for (const QStringList& values : bad) {
    store(values[0], values[1], values[2], values[3]);
    EXPECT_EQ(1000, read().left) << values.join(',').toStdString();
    EXPECT_EQ(6500, read().width) << values.join(',').toStdString();
  }
  store(" 2000", "1500.5", "7000", "5000");
  EXPECT_EQ(2000, read().left);
  EXPECT_EQ(1500.5, read().top);
}

TEST_F(WindowPlacementTest, SavedPlacementReadsBackAndMinimisedWindowsSaveNothing) {
  auto& window = program.forms().get<Plain>();
  window.Move(1500, 750, 9000, 6000);
  shared::SaveWindowPlacement(window, runtime->userSettings(), "Lexorama");
  EXPECT_EQ("1500", runtime->userSettings().get("Lexorama", "Settings", "MainLeft"));
  EXPECT_EQ("9000", runtime->userSettings().get("Lexorama", "Settings", "MainWidth"));

  window.Move(3000, 3000, 4500, 4500);
  window.setWindowStateValue(platform::vbMinimized);
  shared::SaveWindowPlacement(window, runtime->userSettings(), "Lexorama");
  const auto placement = read();
  EXPECT_EQ(1500, placement.left);
  EXPECT_EQ(750, placement.top);
  EXPECT_EQ(9000, placement.width);
  EXPECT_EQ(6000, placement.height);
}

TEST_F(WindowPlacementTest, PositionOnlyKeepsTheFittedSize) {
  auto& window = program.forms().get<Plain>();
  window.Move(0, 0, 12075, 8745);
  shared::ApplyWindowPlacement(window, {2250, 1500, 6500, 6500}, false);
  EXPECT_EQ(2250, window.Left());
  EXPECT_EQ(1500, window.Top());
  EXPECT_EQ(12075, window.Width());
}

TEST_F(WindowPlacementTest, AStoredSizeLargerThanTheScreenIsCutDownToIt) {
  screen->width = 533;
  screen->height = 400;
  auto& window = program.forms().get<Plain>();
  shared::ApplyWindowPlacement(window, {0, 0, 12000, 8745}, true);
  EXPECT_EQ(7995, window.Width());
  EXPECT_EQ(6000, window.Height());
}

TEST_F(WindowPlacementTest, MaximisedWindowStaysMaximisedAndKeepsThePlacementForLater) {
  auto& window = program.forms().get<Plain>();
  window.setWindowStateValue(platform::vbMaximized);
  shared::ApplyWindowPlacement(window, {1500, 1500, 7500, 6000}, true);
  EXPECT_EQ(platform::vbMaximized, window.WindowState());
  window.setWindowStateValue(platform::vbNormal);
  EXPECT_EQ(7500, window.Width());
  EXPECT_EQ(6000, window.Height());
}

}  // namespace
