#include <gtest/gtest.h>

#include "shared/clipboard_handover.h"
#include "support/doubles.h"

namespace {

struct HandOverCase {
  const char* what;
  QString clipboard;
  std::optional<QString> taken;
};

class TakeHandOverTest : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(TakeHandOverTest, TakesTheTextBehindTheMarkerAndLeavesTheClipboard) {
  testing_support::MemoryClipboard clipboard;
  clipboard.SetText(GetParam().clipboard);
  EXPECT_EQ(GetParam().taken, shared::TakeHandOver(clipboard));
  EXPECT_EQ(GetParam().clipboard, clipboard.text);
  // A second start of the receiving program takes the same text again.
  EXPECT_EQ(GetParam().taken, shared::TakeHandOver(clipboard));
}

INSTANTIATE_TEST_SUITE_P(
    Clipboards, TakeHandOverTest,
    ::testing::Values(
        HandOverCase{"text", "***My essay.\r\nSecond line.", QString("My essay.\r\nSecond line.")},
        HandOverCase{"empty_editor", "***", QString("")},
        HandOverCase{"text_starting_with_the_marker", "******stars", QString("***stars")},
        HandOverCase{"no_marker", "copied elsewhere", std::nullopt},
        HandOverCase{"marker_later", "x***y", std::nullopt},
        HandOverCase{"short_marker", "**x", std::nullopt},
        HandOverCase{"empty_clipboard", "", std::nullopt}),
    [](const ::testing::TestParamInfo<HandOverCase>& info) { return std::string(info.param.what); });

TEST(HandOverTextTest, SenderAndReceiverAgree) {
  testing_support::MemoryClipboard clipboard;
  for (const QString& text : {QString(), QString("plain"), QString("***already starred")}) {
    clipboard.SetText(shared::HandOverText(text));
    EXPECT_EQ(text, shared::TakeHandOver(clipboard));
  }
}

}  // namespace
