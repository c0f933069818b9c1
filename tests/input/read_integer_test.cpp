#include "input/read_integer.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/line_reader.h"
#include "support/console_session.h"

namespace {

const std::string kPrompt = "(Please input a Decimal Number: )\n\n";
const std::string kApology =
    "\n(I'm sorry I didnt understand that, please Enter a number)\n\n";

struct IntegerCase {
  std::string line;
  int expected;
};

class ReadIntegerAcceptTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerAcceptTest, ReturnsTheNumberTypedAndPrintsOnlyThePrompt) {
  ConsoleSession session(GetParam().line + "\n");
  EXPECT_EQ(ReadInteger(), GetParam().expected);
  EXPECT_EQ(session.Output(), kPrompt);
}

INSTANTIATE_TEST_SUITE_P(
    GoodLines, ReadIntegerAcceptTest,
    testing::Values(IntegerCase{"42", 42}, IntegerCase{"-17", -17},
                    IntegerCase{"007", 7}, IntegerCase{"-0", 0},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", -2147483647 - 1},
                    IntegerCase{"0", 0}, IntegerCase{"42\r", 42},
                    IntegerCase{std::string(100000, '0') + "9", 9}));

class ReadIntegerRejectTest : public testing::TestWithParam<std::string> {};

TEST_P(ReadIntegerRejectTest, ApologisesAndReadsAnotherLine) {
  ConsoleSession session(GetParam() + "\n5\n");
  EXPECT_EQ(ReadInteger(), 5);
  EXPECT_EQ(session.Output(), kPrompt + kApology);
}

INSTANTIATE_TEST_SUITE_P(BadLines, ReadIntegerRejectTest,
                         testing::Values("+5", " 5", "5 ", "5.0", "1,000",
                                         "--5", "5-", "abc", "12a", "", "-",
                                         "2147483648", "-2147483649",
                                         std::string(100000, '9'), "1\xb2",
                                         "\xd9\xa3", std::string("1\0", 2),
                                         "\t5"));

TEST(ReadIntegerTest, ShowsThePromptOnceAndOneApologyPerRejectedLine) {
  ConsoleSession session("x\n\n-\n12\n");
  EXPECT_EQ(ReadInteger(), 12);
  EXPECT_EQ(session.Output(), kPrompt + kApology + kApology + kApology);
}

TEST(ReadIntegerTest, EveryCallStartsWithTheFirstPrompt) {
  ConsoleSession session("a\n1\n2\n");
  EXPECT_EQ(ReadInteger(), 1);
  EXPECT_EQ(ReadInteger(), 2);
  EXPECT_EQ(session.Output(), kPrompt + kApology + kPrompt);
}

TEST(ReadIntegerTest, EndOfInputEndsTheSessionInsteadOfApologisingForever) {
  ConsoleSession session("x\n");
  EXPECT_THROW(ReadInteger(), SessionEnd);
  EXPECT_EQ(session.Output(), kPrompt + kApology);
}

}  // namespace
