#include "arithmetic/vector3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Bit-exact: each component equal, and a zero carries the expected sign, as
// "-0" and "0" print differently.
void ExpectSameVector(Vec3 actual, Vec3 expected) {
  EXPECT_EQ(actual.x, expected.x);
  EXPECT_EQ(actual.y, expected.y);
  EXPECT_EQ(actual.z, expected.z);
  EXPECT_EQ(std::signbit(actual.x), std::signbit(expected.x));
  EXPECT_EQ(std::signbit(actual.y), std::signbit(expected.y));
  EXPECT_EQ(std::signbit(actual.z), std::signbit(expected.z));
}

struct CrossCase {
  Vec3 a;
  Vec3 b;
  Vec3 expected;
};

class CrossProductTest : public testing::TestWithParam<CrossCase> {};

TEST_P(CrossProductTest, EachComponentIsOneRoundedProductMinusAnother) {
  const auto [a, b, expected] = GetParam();
  ExpectSameVector(CrossProduct(a, b), expected);
}

// 1 + 2^-12 squared is 1 + 2^-11 + 2^-24, which rounds to 1 + 2^-11: taking
// 1 + 2^-11 from the rounded product gives 0, from a fused one 2^-24.
constexpr float kJustAboveOne = 1.0f + 0x1p-12f;
constexpr float kSquareRounded = 1.0f + 0x1p-11f;

INSTANTIATE_TEST_SUITE_P(
    Cases, CrossProductTest,
    testing::Values(
        // Each axis into the next, and the order of the operands matters.
        CrossCase{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        CrossCase{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
        CrossCase{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        CrossCase{{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
        CrossCase{{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
        // Parallel vectors: the zero vector, its zeros signed as the
        // products' difference leaves them (-1 * 0 less 0 * 0 is -0).
        CrossCase{{2, 4, 6}, {1, 2, 3}, {0, 0, 0}},
        CrossCase{{-1, 0, 0}, {0, 0, 0}, {0, 0, -0.0f}},
        // Not fused into a multiply-add, whichever product would be kept
        // unrounded.
        CrossCase{{0, kJustAboveOne, kSquareRounded},
                  {0, 1, kJustAboveOne},
                  {0, 0, 0}},
        CrossCase{{0, kSquareRounded, kJustAboveOne},
                  {0, kJustAboveOne, 1},
                  {0, 0, 0}}));

struct NormalCase {
  Vec3 p1;
  Vec3 p2;
  Vec3 p3;
  Vec3 expected;
};

class TriangleNormalTest : public testing::TestWithParam<NormalCase> {};

TEST_P(TriangleNormalTest, IsTheCrossProductOfTheEdgesFromTheFirstPoint) {
  const auto [p1, p2, p3, expected] = GetParam();
  ExpectSameVector(TriangleNormal(p1, p2, p3), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Triangles, TriangleNormalTest,
    testing::Values(
        // Counter-clockwise seen from +z: the normal points up, twice the
        // area long; the other way round it points down.
        NormalCase{{0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {0, 0, 6}},
        NormalCase{{0, 0, 0}, {0, 3, 0}, {2, 0, 0}, {0, 0, -6}},
        // Moved away from the origin: the edges are taken from p1.
        NormalCase{{1, 1, 1}, {3, 1, 1}, {1, 4, 1}, {0, 0, 6}},
        NormalCase{{1, 2, 3}, {4, 6, 8}, {2, 3, 5}, {3, -1, -1}},
        // Three points on one line.
        NormalCase{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {0, 0, 0}}));

}  // namespace
