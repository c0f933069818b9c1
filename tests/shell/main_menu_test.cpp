#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/line_reader.h"
#include "shell/shell_state.h"
#include "support/console_session.h"

namespace {

const std::string kChoices =
    "\n\n  0) Enter User Name \n  1) Weapon Manager \n  2) Math Problems \n"
    "  3) Bit Shifting \n  Q) Quit\n\n";

std::string Greeting(const std::string& name) {
  return "Hello " + name + ", Please Select a Option to continue: " + kChoices;
}

std::string Apology(const std::string& name) {
  return "I'm sorry I didnt catch that " + name + ", please try again " +
         kChoices;
}

struct ChoiceCase {
  const char* line;
  std::int32_t code;
};

class MainMenuChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(MainMenuChoiceTest, StoresTheCodeOfTheChoice) {
  ConsoleSession session(std::string(GetParam().line) + "\n");
  MainState = (GetParam().code + 1) % 5;  // overwritten by the choice
  ShowMainMenu();
  EXPECT_EQ(MainState, GetParam().code);
  EXPECT_EQ(session.Output(), Greeting(""));
}

INSTANTIATE_TEST_SUITE_P(AcceptedLines, MainMenuChoiceTest,
                         testing::Values(ChoiceCase{"0", 0}, ChoiceCase{"1", 1},
                                         ChoiceCase{"2", 2}, ChoiceCase{"3", 3},
                                         ChoiceCase{"Q", 4},
                                         ChoiceCase{"q", 4}));

class MainMenuRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(MainMenuRejectTest, AnswersWithTheApologyAndAsksAgain) {
  ConsoleSession session(std::string(GetParam()) + "\n2\n");
  UserName = "Ada";
  ShowMainMenu();
  EXPECT_EQ(MainState, 2);
  EXPECT_EQ(session.Output(), Greeting("Ada") + Apology("Ada"));
}

INSTANTIATE_TEST_SUITE_P(RejectedLines, MainMenuRejectTest,
                         testing::Values(" 2", "2 ", "02", "", "Quit", "x", "4",
                                         "-1", "0\r0"));

TEST(MainMenuTest, ApologyShowsOncePerRejectedLineAndKeepsTheOldCode) {
  ConsoleSession session("a\nb\n");
  MainState = 1;
  EXPECT_THROW(ShowMainMenu(), SessionEnd);
  EXPECT_EQ(MainState, 1);
  EXPECT_EQ(session.Output(), Greeting("") + Apology("") + Apology(""));
}

}  // namespace
