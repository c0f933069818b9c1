#include "shell/choice_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

// "1" twice, so that the first of two equal lines is seen to win.
constexpr std::array<MenuChoice, 4> kChoices{
    {{"1", 10}, {"Q", 20}, {"q", 21}, {"1", 99}}};
constexpr std::int32_t kUntouched = -7;

struct AcceptCase {
  std::string line;
  std::int32_t code;
};

class StoreChoiceAcceptTest : public testing::TestWithParam<AcceptCase> {};

TEST_P(StoreChoiceAcceptTest, StoresTheCodeOfTheFirstEqualLine) {
  std::int32_t state = kUntouched;
  EXPECT_TRUE(StoreChoice(GetParam().line, kChoices, state));
  EXPECT_EQ(state, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Lines, StoreChoiceAcceptTest,
                         testing::Values(AcceptCase{"1", 10},
                                         AcceptCase{"Q", 20},
                                         AcceptCase{"q", 21}));

class StoreChoiceRejectTest : public testing::TestWithParam<std::string> {};

TEST_P(StoreChoiceRejectTest, LeavesTheStateAsItWas) {
  std::int32_t state = kUntouched;
  EXPECT_FALSE(StoreChoice(GetParam(), kChoices, state));
  EXPECT_EQ(state, kUntouched);
}

// Only the whole line counts: no trimming, no prefix, no number parsing, no
// C string that stops at a NUL byte.
INSTANTIATE_TEST_SUITE_P(NotAWholeChoice, StoreChoiceRejectTest,
                         testing::Values("", " 1", "1 ", "01", "1\r", "11",
                                         "Q ", "quit", "2",
                                         std::string("1\0", 2)));

TEST(StoreChoiceTest, AnEmptyTableAcceptsNothing) {
  std::int32_t state = kUntouched;
  EXPECT_FALSE(StoreChoice("1", {}, state));
  EXPECT_EQ(state, kUntouched);
}

// Records which of its screens ran, in order.
struct Screens {
  std::string ran;
  void First() { ran += "first "; }
  void Second() { ran += "second "; }
  void Repeat() { ran += "repeat "; }
};

constexpr std::array<CodedScreen<Screens>, 3> kScreens{
    {{1, &Screens::First}, {2, &Screens::Second}, {1, &Screens::Repeat}}};

struct ScreenCase {
  std::int32_t code;
  std::string ran;
};

class RunScreenForTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(RunScreenForTest, RunsOnlyTheFirstScreenWithTheCode) {
  Screens screens;
  RunScreenFor(GetParam().code, kScreens, screens);
  EXPECT_EQ(screens.ran, GetParam().ran);
}

INSTANTIATE_TEST_SUITE_P(Codes, RunScreenForTest,
                         testing::Values(ScreenCase{1, "first "},
                                         ScreenCase{2, "second "},
                                         ScreenCase{0, ""}, ScreenCase{3, ""},
                                         ScreenCase{-1, ""}));

}  // namespace
