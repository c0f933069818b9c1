#include "input/read_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "shell/line_reader.h"
#include "support/console_session.h"

namespace {

const std::string kPrompt = "(Please input a Float Number: )\n\n";
const std::string kApology =
    "\n(I'm sorry I didnt understand that, please Enter a number)\n\n";

struct FloatCase {
  std::string line;
  float expected;
};

class ReadFloatAcceptTest : public testing::TestWithParam<FloatCase> {};

TEST_P(ReadFloatAcceptTest, ReturnsTheNearestFloat) {
  ConsoleSession session(GetParam().line + "\n");
  const float val = ReadFloat();
  // Bit-exact: the nearest float, with the sign of zero kept.
  EXPECT_EQ(val, GetParam().expected);
  EXPECT_EQ(std::signbit(val), std::signbit(GetParam().expected));
  EXPECT_EQ(session.Output(), kPrompt);
}

INSTANTIATE_TEST_SUITE_P(
    GoodLines, ReadFloatAcceptTest,
    testing::Values(FloatCase{"3.5", 3.5f}, FloatCase{".5", 0.5f},
                    FloatCase{"5.", 5.0f}, FloatCase{"-.25", -0.25f},
                    FloatCase{"007.50", 7.5f}, FloatCase{"12", 12.0f},
                    FloatCase{"0.1", 0.1f}, FloatCase{"-0", -0.0f},
                    FloatCase{"-0.0", -0.0f},
                    FloatCase{"3.14159265", 3.14159265f},
                    // Too small for float: the nearest float, not rejected.
                    FloatCase{"0." + std::string(60, '0') + "1", 0.0f},
                    FloatCase{"0." + std::string(44, '0') + "1",
                              std::numeric_limits<float>::denorm_min()},
                    FloatCase{std::string(100000, '0') + "1.5", 1.5f}));

class ReadFloatRejectTest : public testing::TestWithParam<std::string> {};

TEST_P(ReadFloatRejectTest, ApologisesAndReadsAnotherLine) {
  ConsoleSession session(GetParam() + "\n2.5\n");
  EXPECT_EQ(ReadFloat(), 2.5f);
  EXPECT_EQ(session.Output(), kPrompt + kApology);
}

INSTANTIATE_TEST_SUITE_P(BadLines, ReadFloatRejectTest,
                         testing::Values("1.2.3", "1e5", "+1", " 1", "1 ",
                                         "1,5", ".-5", "5-", "abc", "", "-",
                                         ".", "-.", std::string(40, '9') + ".0",
                                         std::string(100000, '9'), "1\xb2",
                                         "..", "nan", "inf"));

TEST(ReadFloatTest, ShowsThePromptOnceHoweverManyAttempts) {
  ConsoleSession session("a\nb\nc\n1.25\n");
  EXPECT_EQ(ReadFloat(), 1.25f);
  EXPECT_EQ(session.Output(), kPrompt + kApology + kApology + kApology);
}

TEST(ReadFloatTest, EndOfInputEndsTheSessionInsteadOfApologisingForever) {
  ConsoleSession session("");
  EXPECT_THROW(ReadFloat(), SessionEnd);
  EXPECT_EQ(session.Output(), kPrompt);
}

}  // namespace
