#include "input/number_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

// A line, and why a whole-number prompt and a decimal-fraction prompt
// refuse it (kNone: taken).
struct RefusalCase {
  std::string line;
  Refusal asInteger;
  Refusal asFloat;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NamesWhatTheCheckOrTheConversionRefused) {
  EXPECT_EQ(IntegerRefusal(GetParam().line), GetParam().asInteger);
  EXPECT_EQ(FloatRefusal(GetParam().line), GetParam().asFloat);
}

// Taken exactly when the readers take it.
TEST_P(RefusalTest, AgreesWithTheChecksAndConversions) {
  const std::string& line = GetParam().line;
  EXPECT_EQ(IntegerRefusal(line) == Refusal::kNone,
            PassesIntegerCheck(line) && ConvertToInteger(line).has_value());
  EXPECT_EQ(FloatRefusal(line) == Refusal::kNone,
            PassesFloatCheck(line) && ConvertToFloat(line).has_value());
}

constexpr Refusal kTaken = Refusal::kNone;

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusalTest,
    testing::Values(
        RefusalCase{"12", kTaken, kTaken}, RefusalCase{"-12", kTaken, kTaken},
        RefusalCase{"0.5", Refusal::kPoint, kTaken},
        RefusalCase{"1.2.3", Refusal::kPoint, Refusal::kSecondPoint},
        RefusalCase{"", Refusal::kEmpty, Refusal::kEmpty},
        RefusalCase{"-", Refusal::kNoDigits, Refusal::kNoDigits},
        RefusalCase{".", Refusal::kPoint, Refusal::kNoDigits},
        RefusalCase{"-.", Refusal::kPoint, Refusal::kNoDigits},
        RefusalCase{"5-", Refusal::kMisplacedSign, Refusal::kMisplacedSign},
        RefusalCase{"1e6", Refusal::kCharacter, Refusal::kCharacter},
        RefusalCase{" 5", Refusal::kCharacter, Refusal::kCharacter},
        RefusalCase{"+5", Refusal::kCharacter, Refusal::kCharacter},
        RefusalCase{"2147483648", Refusal::kOutOfRange, kTaken},
        RefusalCase{"-2147483649", Refusal::kOutOfRange, kTaken},
        RefusalCase{std::string(39, '9'), Refusal::kOutOfRange,
                    Refusal::kOutOfRange}));

// The sentence for a whole number out of range names the two ends that
// ConvertToInteger takes; one beyond either end is refused.
TEST(RangeReasonTest, IntegerRangeIsTheConversionsOwn) {
  long long low = 0;
  long long high = 0;
  ASSERT_EQ(std::sscanf(IntegerRangeReason().c_str(),
                        "the number was outside %lld to %lld", &low, &high),
            2)
      << IntegerRangeReason();
  for (const auto& [end, beyond] :
       {std::pair{low, low - 1}, std::pair{high, high + 1}}) {
    EXPECT_TRUE(ConvertToInteger(std::to_string(end)).has_value()) << end;
    EXPECT_FALSE(ConvertToInteger(std::to_string(beyond)).has_value())
        << beyond;
  }
}

// "about" either end, to the two digits it gives: the end is a float, and
// 3% beyond it none is.
TEST(RangeReasonTest, FloatRangeIsAboutTheLargestFloat) {
  double low = 0;
  double high = 0;
  ASSERT_EQ(std::sscanf(FloatRangeReason().c_str(),
                        "the number was beyond a float's range, about %lf to "
                        "%lf",
                        &low, &high),
            2)
      << FloatRangeReason();
  for (const double end : {low, high}) {
    // std::to_string writes every digit before the point, as a line may.
    EXPECT_TRUE(ConvertToFloat(std::to_string(end)).has_value()) << end;
    EXPECT_FALSE(ConvertToFloat(std::to_string(end * 1.03)).has_value()) << end;
  }
}

}  // namespace
