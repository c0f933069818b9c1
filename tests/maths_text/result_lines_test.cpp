#include <gtest/gtest.h>

#include <string>

#include "arithmetic/single_precision.h"
#include "maths_text/exercise_text.h"

namespace {

// Operands as the user types them, converted the way the screens convert
// them.
Vec2 V(int x, int y) { return {OperandValue(x), OperandValue(y)}; }
Vec3 V(int x, int y, int z) {
  return {OperandValue(x), OperandValue(y), OperandValue(z)};
}

// The line an exercise prints for its operands.
template <typename Work, typename... Operand>
std::string LineOf(Work (*workOut)(Operand...), Operand... operands) {
  std::string line;
  AppendResultLine(line, workOut(operands...));
  return line;
}

struct LineCase {
  const char* name;
  std::string (*line)();
  const char* expected;
};

class ResultLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ResultLineTest, PrintsTheWorkedResult) {
  EXPECT_EQ(GetParam().line(), GetParam().expected);
}

std::string Name(const testing::TestParamInfo<LineCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    TwoDimensional, ResultLineTest,
    testing::Values(
        LineCase{"Addition",
                 [] { return LineOf(WorkOutVectorAddition, V(1, 2), V(3, 4)); },
                 "The resulting vector is: (4, 6)"},
        LineCase{"AdditionOfAMillionUsesExponent",
                 [] {
                   return LineOf(WorkOutVectorAddition, V(500000, 0),
                                 V(500000, 0));
                 },
                 "The resulting vector is: (1e+06, 0)"},
        LineCase{"Sub",
                 [] { return LineOf(WorkOutVectorSub, V(1, 2), V(3, 4)); },
                 "The resulting vector is: (-2, -2)"},
        LineCase{"SubHolds16777217As16777216",
                 [] {
                   return LineOf(WorkOutVectorSub, V(16777217, 0),
                                 V(16777216, 0));
                 },
                 "The resulting vector is: (0, 0)"},
        LineCase{"Distance",
                 [] { return LineOf(WorkOutDistance, V(0, 0), V(3, 4)); },
                 "The distance between the two vectors is 5"},
        LineCase{"Magnitude", [] { return LineOf(WorkOutMagniute, V(3, 4)); },
                 "The magnitude for the vector (3, 4) is: 5"},
        LineCase{"MagnitudeOfUnitDiagonal",
                 [] { return LineOf(WorkOutMagniute, V(1, 1)); },
                 "The magnitude for the vector (1, 1) is: 1.41421"},
        LineCase{"MagnitudeEchoesAMillionInExponent",
                 [] { return LineOf(WorkOutMagniute, V(1000000, 0)); },
                 "The magnitude for the vector (1e+06, 0) is: 1e+06"},
        LineCase{
            "LinInterHalfway",
            [] { return LineOf(WorkOutLinInter, V(0, 0), V(10, 20), 5.0f); },
            "The resulting vector is: (5, 10)"},
        LineCase{"LinInterSevenTenths",
                 [] { return LineOf(WorkOutLinInter, V(1, 1), V(2, 2), 7.0f); },
                 "The resulting vector is: (1.7, 1.7)"},
        LineCase{
            "LinInterExtrapolatesBeyondOne",
            [] { return LineOf(WorkOutLinInter, V(0, 0), V(10, 10), 20.0f); },
            "The resulting vector is: (20, 20)"},
        LineCase{
            "LinInterExtrapolatesBelowZero",
            [] { return LineOf(WorkOutLinInter, V(0, 0), V(10, 10), -5.0f); },
            "The resulting vector is: (-5, -5)"},
        LineCase{"DotPerpendicular",
                 [] { return LineOf(WorkOutDot, V(1, 0), V(0, 1)); },
                 "The Vectors are perpendicular, the angle between the "
                 "vectors is: 1.5708"},
        LineCase{"DotOpposite",
                 [] { return LineOf(WorkOutDot, V(1, 0), V(-1, 0)); },
                 "The Vectors are facing the opposite direction, the angle "
                 "between the vectors is: 3.14159"},
        LineCase{"DotSame", [] { return LineOf(WorkOutDot, V(1, 0), V(2, 0)); },
                 "The Vectors are facing the same direction, the angle "
                 "between the vectors is: 0"},
        LineCase{"DotUnitDiagonalKeepsItsRoundingError",
                 [] { return LineOf(WorkOutDot, V(1, 1), V(1, 1)); },
                 "The Vectors are facing the same direction, the angle "
                 "between the vectors is: 0.000345267"},
        LineCase{"DotIdenticalVectorsClampToZero",
                 [] { return LineOf(WorkOutDot, V(12, 12), V(12, 12)); },
                 "The Vectors are facing the same direction, the angle "
                 "between the vectors is: 0"},
        LineCase{"DotOppositeIdenticalLengthsClampToPi",
                 [] { return LineOf(WorkOutDot, V(12, 12), V(-12, -12)); },
                 "The Vectors are facing the opposite direction, the angle "
                 "between the vectors is: 3.14159"},
        LineCase{"Normalize", [] { return LineOf(WorkOutNormalize, V(3, 4)); },
                 "The normalized vector is: (0.6, 0.8)"},
        LineCase{"NormalizeDiagonal",
                 [] { return LineOf(WorkOutNormalize, V(1, 1)); },
                 "The normalized vector is: (0.707107, 0.707107)"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ThreeDimensional, ResultLineTest,
    testing::Values(
        LineCase{"CrossXY",
                 [] { return LineOf(WorkOutCross, V(1, 0, 0), V(0, 1, 0)); },
                 "The cross product is: (0,0,1)"},
        LineCase{"CrossYX",
                 [] { return LineOf(WorkOutCross, V(0, 1, 0), V(1, 0, 0)); },
                 "The cross product is: (0,0,-1)"},
        LineCase{"CrossGeneral",
                 [] { return LineOf(WorkOutCross, V(1, 2, 3), V(4, 5, 6)); },
                 "The cross product is: (-3,6,-3)"},
        LineCase{"CrossKeepsNegativeZero",
                 [] { return LineOf(WorkOutCross, V(0, -1, 0), V(1, 0, 0)); },
                 "The cross product is: (-0,0,1)"},
        LineCase{"CrossParallel",
                 [] { return LineOf(WorkOutCross, V(2, 2, 2), V(3, 3, 3)); },
                 "The cross product is: (0,0,0)"},
        LineCase{"NormalUp",
                 [] {
                   return LineOf(WorkOutSurfaceNormal, V(0, 0, 0), V(1, 0, 0),
                                 V(0, 1, 0));
                 },
                 "The sureface normal is: (0,0,1)"},
        LineCase{"NormalDown",
                 [] {
                   return LineOf(WorkOutSurfaceNormal, V(0, 0, 0), V(0, 1, 0),
                                 V(1, 0, 0));
                 },
                 "The sureface normal is: (0,0,-1)"},
        LineCase{"NormalIsNotNormalised",
                 [] {
                   return LineOf(WorkOutSurfaceNormal, V(0, 0, 0), V(2, 0, 0),
                                 V(0, 3, 0));
                 },
                 "The sureface normal is: (0,0,6)"},
        LineCase{"NormalGeneral",
                 [] {
                   return LineOf(WorkOutSurfaceNormal, V(1, 2, 3), V(4, 5, 6),
                                 V(7, 8, 10));
                 },
                 "The sureface normal is: (3,-3,0)"},
        LineCase{"NormalOfPointsOnALine",
                 [] {
                   return LineOf(WorkOutSurfaceNormal, V(1, 1, 1), V(2, 2, 2),
                                 V(3, 3, 3));
                 },
                 "The sureface normal is: (0,0,0)"}),
    Name);

}  // namespace
