#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "maths/math_problems.h"
#include "shell/shell_state.h"
#include "support/console_session.h"

namespace {

const std::string kOptions =
    "\n1) ChangingState \n2) VectorAddition \n3) VectorSub \n4) Distance \n"
    "5) Magniute \n6) LinInter \n7) Dot \n8) Cross \n9) Normalize \n"
    "10) SurfaceNormal \n11) Is Prime Number \n12) MatrixRotation \n"
    "13)  MatrixInvert \nQ) Quit \n\n";
const std::string kMenu = "Please select a option: \n" + kOptions;
const std::string kApologyMenu =
    "I'm sorry I didnt catch that, please select a option: \n" + kOptions;

struct ChoiceCase {
  const char* line;
  std::int32_t code;
};

class MathMenuChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(MathMenuChoiceTest, StoresTheMenuNumberLessOne) {
  ConsoleSession session(std::string(GetParam().line) + "\n");
  MathState = 12 - GetParam().code;  // overwritten by the choice
  MathProblems().ShowMathMenu();
  EXPECT_EQ(MathState, GetParam().code);
  EXPECT_EQ(session.Output(), kMenu);
}

INSTANTIATE_TEST_SUITE_P(
    NumberedEntries, MathMenuChoiceTest,
    testing::Values(ChoiceCase{"1", 0}, ChoiceCase{"2", 1}, ChoiceCase{"3", 2},
                    ChoiceCase{"4", 3}, ChoiceCase{"5", 4}, ChoiceCase{"6", 5},
                    ChoiceCase{"7", 6}, ChoiceCase{"8", 7}, ChoiceCase{"9", 8},
                    ChoiceCase{"10", 9}, ChoiceCase{"11", 10},
                    ChoiceCase{"12", 11}, ChoiceCase{"13", 12}));

class MathMenuRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(MathMenuRejectTest, ApologyStaysUntilAChoiceIsAccepted) {
  const std::string bad(GetParam());
  ConsoleSession session(bad + "\n" + bad + "\n5\n");
  MathProblems().ShowMathMenu();
  EXPECT_EQ(MathState, 4);
  EXPECT_EQ(session.Output(), kMenu + kApologyMenu + kApologyMenu);
}

INSTANTIATE_TEST_SUITE_P(NotExactChoices, MathMenuRejectTest,
                         testing::Values(" 2", "2 ", "02", "x", "", "0", "14",
                                         "Q ", "quit", "1\r\r"));

class MathMenuLeaveTest : public testing::TestWithParam<const char*> {};

TEST_P(MathMenuLeaveTest, PausesThenHandsOverToTheMainMenu) {
  ConsoleSession session(std::string(GetParam()) + "\n\n1\n");
  MathState = 7;
  MainState = 2;
  MathProblems().ShowMathMenu();
  EXPECT_EQ(MathState, 0);
  EXPECT_EQ(MainState, 1);
  EXPECT_TRUE(session.Output().starts_with(
      kMenu + "Press Any Key to continue...\n\nHello , Please Select"));
}

INSTANTIATE_TEST_SUITE_P(EitherCase, MathMenuLeaveTest,
                         testing::Values("Q", "q"));

// Each code runs its own screen: fed "1" for every line, each exercise asks
// for its number of operands and prints its own result before the continue
// request, and then the code is back at the menu's.
struct ScreenCase {
  std::int32_t code;
  int operands;
  const char* ending;
};

class RunMathProblemsTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(RunMathProblemsTest, RunsTheScreenTheCodeNames) {
  ConsoleSession session("1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n");
  MathState = GetParam().code;
  MathProblems().RunMathProblems();
  const std::string output = session.Output();
  EXPECT_EQ(MathState, 0);
  std::size_t prompts = 0;
  for (std::size_t at = output.find("(Please input a Decimal Number: )");
       at != std::string::npos;
       at = output.find("(Please input a Decimal Number: )", at + 1)) {
    ++prompts;
  }
  EXPECT_EQ(prompts, static_cast<std::size_t>(GetParam().operands));
  EXPECT_TRUE(output.ends_with(std::string(GetParam().ending) +
                               "\nPress Any Key to continue...\n"))
      << output;
}

INSTANTIATE_TEST_SUITE_P(
    EveryExercise, RunMathProblemsTest,
    testing::Values(
        ScreenCase{1, 4, "\n\nThe resulting vector is: (2, 2)"},
        ScreenCase{2, 4, "\n\nThe resulting vector is: (0, 0)"},
        ScreenCase{3, 4, "\n\nThe distance between the two vectors is 0"},
        ScreenCase{4, 2, "\n\nThe magnitude for the vector (1, 1) is: 1.41421"},
        ScreenCase{5, 5, "\n\nThe resulting vector is: (1, 1)"},
        ScreenCase{6, 4,
                   "\n\nThe Vectors are facing the same direction, the angle "
                   "between the vectors is: 0.000345267"},
        ScreenCase{7, 6, "\n\nThe cross product is: (0,0,0)"},
        ScreenCase{8, 2, "\n\nThe normalized vector is: (0.707107, 0.707107)"},
        ScreenCase{9, 9, "\n\nThe sureface normal is: (0,0,0)"},
        ScreenCase{10, 1, "\n\nThe value 1 is not a prime number\n"}));

class MatrixPlaceholderTest : public testing::TestWithParam<std::int32_t> {};

TEST_P(MatrixPlaceholderTest, OnlyAsksToContinue) {
  ConsoleSession session("anything\n");
  MathState = GetParam();
  MathProblems().RunMathProblems();
  EXPECT_EQ(MathState, 0);
  EXPECT_EQ(session.Output(), "\nPress Any Key to continue...\n");
}

INSTANTIATE_TEST_SUITE_P(RotationAndInvert, MatrixPlaceholderTest,
                         testing::Values(11, 12));

}  // namespace
