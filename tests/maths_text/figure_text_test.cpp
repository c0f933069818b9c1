#include "maths_text/figure_text.h"

#include <gtest/gtest.h>

#include <string>

#include "arithmetic/single_precision.h"
#include "maths_text/number_text.h"
#include "maths_text/result_lines.h"

namespace {

// Operands as the user types them, converted the way the screens convert
// them.
Vec2 V(int x, int y) { return {OperandValue(x), OperandValue(y)}; }
Vec3 V(int x, int y, int z) {
  return {OperandValue(x), OperandValue(y), OperandValue(z)};
}

// A figure, the result line the exercise prints for the same operands, and
// the figure's text.
struct FigureCase {
  const char* name;
  Figure (*figure)();
  std::string (*line)();
  const char* text;
};

// The raw text of a member of the figure's JSON: a string's characters
// between its quotes, or an array's members between its brackets.
std::string Member(const std::string& text, const std::string& name) {
  const std::string key = "\"" + name + "\":";
  const std::size_t start = text.find(key);
  if (start == std::string::npos) return "(no " + name + ")";
  const std::size_t first = start + key.size() + 1;
  const char close = text[first - 1] == '[' ? ']' : '"';
  return text.substr(first, text.find(close, first) - first);
}

// The result as the line prints it, from the figure's "result" member: a
// scalar alone, a vector in parentheses, two components joined by ", " and
// three by bare commas.
std::string ResultAsPrinted(const std::string& numbers) {
  std::string unquoted;
  std::size_t count = 1;
  for (const char c : numbers) {
    if (c == ',') ++count;
    if (c != '"') unquoted += c;
  }
  if (count == 1) return unquoted;
  std::string text = "(";
  for (const char c : unquoted)
    text += c == ',' && count == 2 ? ", " : std::string(1, c);
  return text + ")";
}

class FigureTest : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, CarriesTheResultLineAndItsNumbers) {
  const std::string text = FigureText(GetParam().figure());
  const std::string line = GetParam().line();
  EXPECT_EQ(Member(text, "line"), line);
  std::string printed;
  AppendResultLine(printed, GetParam().figure());
  EXPECT_EQ(printed, line);
  const std::string result = ResultAsPrinted(Member(text, "result"));
  ASSERT_GE(line.size(), result.size());
  EXPECT_EQ(line.substr(line.size() - result.size()), result);
}

// Everything before the working, which working_test.cpp checks; the
// working is the figure's last member.
TEST_P(FigureTest, IsWrittenWithTheTerminalsFloatTexts) {
  const std::string text = FigureText(GetParam().figure());
  const std::string expected = GetParam().text;
  const std::string head =
      expected.substr(0, expected.size() - 1) + ",\"working\":[";
  ASSERT_GE(text.size(), head.size());
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - 2), "]}");
}

std::string Name(const testing::TestParamInfo<FigureCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    TwoDimensional, FigureTest,
    testing::Values(FigureCase{
                        "Addition",
                        [] { return VectorAdditionFigure(V(1, 2), V(3, 4)); },
                        [] { return VectorAdditionLine(V(1, 2), V(3, 4)); },
                        R"json({"exercise":"VectorAddition","line":"The resulting vector is: (4, 6)","caption":"","first":["1","2"],"second":["3","4"],"result":["4","6"]})json"},
                    FigureCase{
                        "SubOfNegatives",
                        [] { return VectorSubFigure(V(-5, 3), V(2, -7)); },
                        [] { return VectorSubLine(V(-5, 3), V(2, -7)); },
                        R"json({"exercise":"VectorSub","line":"The resulting vector is: (-7, 10)","caption":"","first":["-5","3"],"second":["2","-7"],"result":["-7","10"]})json"},
                    FigureCase{
                        "SubOfTheLargestOperands",
                        [] {
                          return VectorSubFigure(V(2147483647, -2147483647),
                                                 V(-2147483647, 2147483647));
                        },
                        [] {
                          return VectorSubLine(V(2147483647, -2147483647),
                                               V(-2147483647, 2147483647));
                        },
                        R"json({"exercise":"VectorSub","line":"The resulting vector is: (4.29497e+09, -4.29497e+09)","caption":"","first":["2.14748e+09","-2.14748e+09"],"second":["-2.14748e+09","2.14748e+09"],"result":["4.29497e+09","-4.29497e+09"]})json"},
                    FigureCase{
                        "Distance",
                        [] { return DistanceFigure(V(0, 0), V(3, 4)); },
                        [] { return DistanceLine(V(0, 0), V(3, 4)); },
                        R"json({"exercise":"Distance","line":"The distance between the two vectors is 5","caption":"","first":["0","0"],"second":["3","4"],"result":["5"]})json"},
                    FigureCase{
                        "DistanceOfTheLargestOperands",
                        [] {
                          return DistanceFigure(V(2147483647, 2147483647),
                                                V(-2147483647, -2147483647));
                        },
                        [] {
                          return DistanceLine(V(2147483647, 2147483647),
                                              V(-2147483647, -2147483647));
                        },
                        R"json({"exercise":"Distance","line":"The distance between the two vectors is 6.074e+09","caption":"","first":["2.14748e+09","2.14748e+09"],"second":["-2.14748e+09","-2.14748e+09"],"result":["6.074e+09"]})json"},
                    FigureCase{
                        "Magnitude", [] { return MagniuteFigure(V(3, 4)); },
                        [] { return MagniuteLine(V(3, 4)); },
                        R"json({"exercise":"Magniute","line":"The magnitude for the vector (3, 4) is: 5","caption":"","first":["3","4"],"result":["5"]})json"},
                    FigureCase{
                        "MagnitudeOfANegative",
                        [] { return MagniuteFigure(V(-1000000, -1)); },
                        [] { return MagniuteLine(V(-1000000, -1)); },
                        R"json({"exercise":"Magniute","line":"The magnitude for the vector (-1e+06, -1) is: 1e+06","caption":"","first":["-1e+06","-1"],"result":["1e+06"]})json"},
                    FigureCase{
                        "LinInterHalfway",
                        [] { return LinInterFigure(V(0, 0), V(10, 20), 5.0f); },
                        [] { return LinInterLine(V(0, 0), V(10, 20), 5.0f); },
                        R"json({"exercise":"LinInter","line":"The resulting vector is: (5, 10)","caption":"","first":["0","0"],"second":["10","20"],"parameter":["0.5"],"result":["5","10"]})json"},
                    FigureCase{
                        "LinInterExtrapolatesBelowZero",
                        [] { return LinInterFigure(V(1, 1), V(2, 2), -7.0f); },
                        [] { return LinInterLine(V(1, 1), V(2, 2), -7.0f); },
                        R"json({"exercise":"LinInter","line":"The resulting vector is: (0.3, 0.3)","caption":"","first":["1","1"],"second":["2","2"],"parameter":["-0.7"],"result":["0.3","0.3"]})json"},
                    FigureCase{
                        "LinInterFarBeyondOne",
                        [] {
                          return LinInterFigure(V(0, -3), V(2147483647, 1),
                                                2147483647.0f);
                        },
                        [] {
                          return LinInterLine(V(0, -3), V(2147483647, 1),
                                              2147483647.0f);
                        },
                        R"json({"exercise":"LinInter","line":"The resulting vector is: (4.61169e+17, 8.58993e+08)","caption":"","first":["0","-3"],"second":["2.14748e+09","1"],"parameter":["2.14748e+08"],"result":["4.61169e+17","8.58993e+08"]})json"},
                    FigureCase{
                        "DotPerpendicular",
                        [] { return DotFigure(V(1, 0), V(0, 1)); },
                        [] { return DotLine(V(1, 0), V(0, 1)); },
                        R"json({"exercise":"Dot","line":"The Vectors are perpendicular, the angle between the vectors is: 1.5708","caption":"The Vectors are perpendicular","first":["1","0"],"second":["0","1"],"result":["1.5708"]})json"},
                    FigureCase{"DotOpposite",
                               [] { return DotFigure(V(3, 1), V(-4, -2)); },
                               [] { return DotLine(V(3, 1), V(-4, -2)); }, R"json({"exercise":"Dot","line":"The Vectors are facing the opposite direction, the angle between the vectors is: 2.9997","caption":"The Vectors are facing the opposite direction","first":["3","1"],"second":["-4","-2"],"result":["2.9997"]})json"},
                    FigureCase{
                        "DotWithAZeroVectorIsNotANumber",
                        [] { return DotFigure(V(0, 0), V(1, 2)); },
                        [] { return DotLine(V(0, 0), V(1, 2)); },
                        R"json({"exercise":"Dot","line":"The Vectors are perpendicular, the angle between the vectors is: nan","caption":"The Vectors are perpendicular","first":["0","0"],"second":["1","2"],"result":["nan"]})json"},
                    FigureCase{
                        "Normalize", [] { return NormalizeFigure(V(3, 4)); },
                        [] { return NormalizeLine(V(3, 4)); },
                        R"json({"exercise":"Normalize","line":"The normalized vector is: (0.6, 0.8)","caption":"","first":["3","4"],"result":["0.6","0.8"]})json"},
                    FigureCase{
                        "NormalizeTheLargest",
                        [] {
                          return NormalizeFigure(V(-2147483647, 2147483647));
                        },
                        [] {
                          return NormalizeLine(V(-2147483647, 2147483647));
                        },
                        R"json({"exercise":"Normalize","line":"The normalized vector is: (-0.707107, 0.707107)","caption":"","first":["-2.14748e+09","2.14748e+09"],"result":["-0.707107","0.707107"]})json"},
                    FigureCase{
                        "NormalizeZeroIsNotANumber",
                        [] { return NormalizeFigure(V(0, 0)); },
                        [] { return NormalizeLine(V(0, 0)); },
                        R"json({"exercise":"Normalize","line":"The normalized vector is: (nan, nan)","caption":"","first":["0","0"],"result":["nan","nan"]})json"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ThreeDimensional, FigureTest,
    testing::Values(
        FigureCase{
            "Cross", [] { return CrossFigure(V(1, 2, 3), V(4, 5, 6)); },
            [] { return CrossLine(V(1, 2, 3), V(4, 5, 6)); },
            R"json({"exercise":"Cross","line":"The cross product is: (-3,6,-3)","caption":"","first":["1","2","3"],"second":["4","5","6"],"result":["-3","6","-3"]})json"},
        FigureCase{
            "CrossKeepsNegativeZero",
            [] { return CrossFigure(V(0, -1, 0), V(1, 0, 0)); },
            [] { return CrossLine(V(0, -1, 0), V(1, 0, 0)); },
            R"json({"exercise":"Cross","line":"The cross product is: (-0,0,1)","caption":"","first":["0","-1","0"],"second":["1","0","0"],"result":["-0","0","1"]})json"},
        FigureCase{
            "CrossOfTheLargestOperands",
            [] {
              return CrossFigure(V(2147483647, -2147483647, 1),
                                 V(-2147483647, 1, 2147483647));
            },
            [] {
              return CrossLine(V(2147483647, -2147483647, 1),
                               V(-2147483647, 1, 2147483647));
            },
            R"json({"exercise":"Cross","line":"The cross product is: (-4.61169e+18,-4.61169e+18,-4.61169e+18)","caption":"","first":["2.14748e+09","-2.14748e+09","1"],"second":["-2.14748e+09","1","2.14748e+09"],"result":["-4.61169e+18","-4.61169e+18","-4.61169e+18"]})json"},
        FigureCase{
            "SurfaceNormal",
            [] {
              return SurfaceNormalFigure(V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));
            },
            [] {
              return SurfaceNormalLine(V(0, 0, 0), V(1, 0, 0), V(0, 1, 0));
            },
            R"json({"exercise":"SurfaceNormal","line":"The sureface normal is: (0,0,1)","caption":"","first":["0","0","0"],"second":["1","0","0"],"third":["0","1","0"],"result":["0","0","1"]})json"},
        FigureCase{
            "SurfaceNormalOfNegatives",
            [] {
              return SurfaceNormalFigure(V(-1, -2, -3), V(4, -5, 6),
                                         V(-7, 8, -9));
            },
            [] {
              return SurfaceNormalLine(V(-1, -2, -3), V(4, -5, 6),
                                       V(-7, 8, -9));
            },
            R"json({"exercise":"SurfaceNormal","line":"The sureface normal is: (-72,-24,32)","caption":"","first":["-1","-2","-3"],"second":["4","-5","6"],"third":["-7","8","-9"],"result":["-72","-24","32"]})json"},
        FigureCase{
            "SurfaceNormalOfPointsOnALine",
            [] {
              return SurfaceNormalFigure(V(1, 1, 1), V(2, 2, 2), V(3, 3, 3));
            },
            [] {
              return SurfaceNormalLine(V(1, 1, 1), V(2, 2, 2), V(3, 3, 3));
            },
            R"json({"exercise":"SurfaceNormal","line":"The sureface normal is: (0,0,0)","caption":"","first":["1","1","1"],"second":["2","2","2"],"third":["3","3","3"],"result":["0","0","0"]})json"}),
    Name);

}  // namespace
