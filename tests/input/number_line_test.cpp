#include "input/number_line.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
