#include "arithmetic/prime_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct PrimeCase {
  std::int32_t n;
  bool prime;
};

class IsPrimeTest : public testing::TestWithParam<PrimeCase> {};

TEST_P(IsPrimeTest, AnswersLikeTrialDivision) {
  EXPECT_EQ(IsPrime(GetParam().n), GetParam().prime) << GetParam().n;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, IsPrimeTest,
    testing::Values(PrimeCase{2, true}, PrimeCase{3, true}, PrimeCase{97, true},
                    PrimeCase{4, false}, PrimeCase{9, false},
                    PrimeCase{25, false}, PrimeCase{2147483647, true}));

// No value below 2 is a prime, however far below.
INSTANTIATE_TEST_SUITE_P(
    BelowTwo, IsPrimeTest,
    testing::Values(PrimeCase{1, false}, PrimeCase{0, false},
                    PrimeCase{-7, false}, PrimeCase{-2, false},
                    PrimeCase{std::numeric_limits<std::int32_t>::min(),
                              false}));

// Near the top of the range the square-root bound must still be reached
// and not overflow: squares of primes just below 46341 and other
// composites close to 2147483647.
INSTANTIATE_TEST_SUITE_P(
    NearTheTop, IsPrimeTest,
    testing::Values(PrimeCase{2147117569, false},  // 46337 * 46337
                    PrimeCase{2147302921, false},  // 46339 * 46339
                    PrimeCase{2147395600, false},  // 46340 * 46340
                    PrimeCase{2147483646, false}, PrimeCase{2147483629, true},
                    PrimeCase{2147483645, false}));  // 5 * 429496729

// The trial division that tries every divisor from 2 to n - 1, as the
// activity answered before the search stopped at the square root.
bool HasNoDivisorBelow(std::int32_t n) {
  for (std::int32_t d = 2; d < n; ++d) {
    if (n % d == 0) return false;
  }
  return true;
}

TEST(IsPrimeTest, AgreesWithFullTrialDivisionFromTwoUp) {
  for (std::int32_t n = 2; n <= 5000; ++n) {
    ASSERT_EQ(IsPrime(n), HasNoDivisorBelow(n)) << n;
  }
}

}  // namespace
