#include "arithmetic/vector2.h"

#include <gtest/gtest.h>

#include <cmath>

#include "arithmetic/single_precision.h"

namespace {

TEST(SinglePrecisionTest, OperandBeyondTwoToTheTwentyFourIsRounded) {
  EXPECT_EQ(OperandValue(16777217), 16777216.0f);
  EXPECT_EQ(OperandValue(-2147483647), -2147483648.0f);
}

// A zero vector has no direction: no angle, no unit vector, and a dot
// product of 0, which the line calls perpendicular. The text of a
// not-a-number is the stream's business, so only its being one is checked.
struct ZeroVectorCase {
  Vec2 a;
  Vec2 b;
};

class ZeroVectorAngleTest : public testing::TestWithParam<ZeroVectorCase> {};

TEST_P(ZeroVectorAngleTest, HasNoAngleButAZeroDotProduct) {
  const auto [a, b] = GetParam();
  EXPECT_TRUE(std::isnan(AngleBetween(a, b)));
  EXPECT_EQ(DotProduct(a, b), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(EitherSide, ZeroVectorAngleTest,
                         testing::Values(ZeroVectorCase{{0, 0}, {1, 1}},
                                         ZeroVectorCase{{1, 1}, {0, 0}},
                                         ZeroVectorCase{{0, 0}, {0, 0}}));

TEST(NormalizedTest, ZeroVectorHasNotANumberComponents) {
  const Vec2 unit = Normalized({0, 0});
  EXPECT_TRUE(std::isnan(unit.x));
  EXPECT_TRUE(std::isnan(unit.y));
}

// Parallel vectors whose unit vectors multiply out one unit past the ends
// of the cosine's range: the clamp must turn them into 0 and pi, and the
// case list is only useful while the premise of being past the end holds.
struct ClampCase {
  Vec2 a;
  Vec2 b;
  float angle;
};

class ClampedAngleTest : public testing::TestWithParam<ClampCase> {};

TEST_P(ClampedAngleTest, CosinePastTheEndIsClamped) {
  const auto [a, b, angle] = GetParam();
  const float cosine = DotProduct(Normalized(a), Normalized(b));
  ASSERT_GT(std::fabs(cosine), 1.0f) << "no rounding past the end here";
  EXPECT_EQ(AngleBetween(a, b), angle);
}

INSTANTIATE_TEST_SUITE_P(
    ParallelVectors, ClampedAngleTest,
    testing::Values(ClampCase{{12, 12}, {12, 12}, 0.0f},
                    ClampCase{{12, 12}, {-12, -12}, 3.14159274f},
                    ClampCase{{-12, -12}, {12, 12}, 3.14159274f}));

TEST(AngleBetweenTest, CosineJustBelowOneIsNotRoundedAway) {
  const float cosine = DotProduct(Normalized({1, 1}), Normalized({1, 1}));
  ASSERT_LT(cosine, 1.0f);
  EXPECT_GT(AngleBetween({1, 1}, {1, 1}), 0.0f);
}

}  // namespace
