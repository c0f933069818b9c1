#include "maths_text/working.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "arithmetic/single_precision.h"
#include "maths_text/figure_text.h"
#include "maths_text/number_text.h"

namespace {

// Operands as the user types them, converted the way the screens convert
// them.
Vec2 V(int x, int y) { return {OperandValue(x), OperandValue(y)}; }
Vec3 V(int x, int y, int z) {
  return {OperandValue(x), OperandValue(y), OperandValue(z)};
}

constexpr int kMax = 2147483647;

// The values of each step after the formulas, as the program's own
// functions compute them, in the order the working shows them.
using Steps = std::vector<std::vector<float>>;

std::vector<float> Of(Vec2 v) { return {v.x, v.y}; }
std::vector<float> Of(Vec3 v) { return {v.x, v.y, v.z}; }
std::vector<float> Of(DotProductWork d) { return {d.xx, d.yy, d.sum}; }

std::vector<float> Of(CrossProductWork c) {
  return {c.left.x,  c.left.y,    c.left.z,    c.right.x,  c.right.y,
          c.right.z, c.product.x, c.product.y, c.product.z};
}

// |v| worked out: the squares and their sum, then the root.
void AddLength(Steps& steps, Vec2 v) {
  steps.push_back(Of(WorkOutDotProduct(v, v)));
  steps.push_back({Length(v)});
}

Steps SumSteps(Vec2 a, Vec2 b, Vec2 result) {
  return {Of(a), Of(b), Of(result)};
}
Steps AdditionSteps(Vec2 a, Vec2 b) { return SumSteps(a, b, Add(a, b)); }
Steps SubSteps(Vec2 a, Vec2 b) { return SumSteps(a, b, Subtract(a, b)); }

Steps DistanceSteps(Vec2 a, Vec2 b) {
  Steps steps{Of(a), Of(b), Of(Subtract(a, b))};
  AddLength(steps, Subtract(a, b));
  return steps;
}

Steps MagniuteSteps(Vec2 v) {
  Steps steps{Of(v)};
  AddLength(steps, v);
  return steps;
}

Steps NormalizeSteps(Vec2 v) {
  Steps steps = MagniuteSteps(v);
  steps.push_back(Of(Normalized(v)));
  return steps;
}

Steps LinInterSteps(Vec2 a, Vec2 b, float tenths) {
  const float t = TenthsParameter(tenths);
  const InterpolationWork p = WorkOutInterpolation(a, b, t);
  return {
      Of(a),
      Of(b),
      {tenths},
      {t},
      {p.s},
      {p.x1, p.x2, p.y1, p.y2, Interpolate(a, b, t).x, Interpolate(a, b, t).y}};
}

Steps DotSteps(Vec2 a, Vec2 b) {
  Steps steps{Of(a), Of(b), Of(WorkOutDotProduct(a, b))};
  for (const Vec2 v : {a, b}) {
    AddLength(steps, v);
    steps.push_back(Of(Normalized(v)));
  }
  const AngleWork angle = WorkOutAngle(a, b);
  steps.push_back(Of(WorkOutDotProduct(Normalized(a), Normalized(b))));
  steps.push_back({angle.clamped});
  steps.push_back({AngleBetween(a, b)});
  return steps;
}

Steps CrossSteps(Vec3 a, Vec3 b) {
  return {Of(a), Of(b), Of(WorkOutCrossProduct(a, b))};
}

Steps SurfaceNormalSteps(Vec3 p1, Vec3 p2, Vec3 p3) {
  const TriangleNormalWork n = WorkOutTriangleNormal(p1, p2, p3);
  Steps steps{Of(p1), Of(p2), Of(p3), Of(n.edge1), Of(n.edge2)};
  steps.push_back(Of(WorkOutCrossProduct(n.edge1, n.edge2)));
  return steps;
}

struct WorkingCase {
  const char* name;
  Figure figure;
  Steps steps;
  // Words one of the notes holds, or "" where no note speaks of a missing
  // value or of the clamp.
  const char* note;
};

template <typename... Operands>
WorkingCase Case(const char* name, const char* note,
                 Figure (*figure)(Operands...), Steps (*steps)(Operands...),
                 Operands... operands) {
  return {name, figure(operands...), steps(operands...), note};
}

// Every text between `"key":` and the end of its value, in order.
std::vector<std::string> Members(const std::string& text,
                                 const std::string& key, char close) {
  std::vector<std::string> found;
  const std::string lead = "\"" + key + "\":";
  for (std::size_t at = text.find(lead); at != std::string::npos;
       at = text.find(lead, at + 1)) {
    const std::size_t first = at + lead.size() + 1;
    found.push_back(text.substr(first, text.find(close, first) - first));
  }
  return found;
}

// The quoted texts of an array's members: "\"1\",\"-2\"" is 1 and -2.
std::vector<std::string> Texts(const std::string& members) {
  std::vector<std::string> texts;
  for (std::size_t at = members.find('"'); at != std::string::npos;) {
    const std::size_t end = members.find('"', at + 1);
    texts.push_back(members.substr(at + 1, end - at - 1));
    at = members.find('"', end + 1);
  }
  return texts;
}

std::vector<std::string> Texts(const std::vector<float>& values) {
  std::vector<std::string> texts;
  for (const float value : values) {
    texts.emplace_back();
    AppendFloat(texts.back(), value);
  }
  return texts;
}

// The numbers of the printed line: in its last parentheses, or after its
// last blank.
std::vector<std::string> PrintedResult(const std::string& line) {
  if (line.back() != ')') return {line.substr(line.rfind(' ') + 1)};
  std::vector<std::string> texts(1);
  for (const char c : line.substr(line.rfind('(') + 1)) {
    if (c == ',') texts.emplace_back();
    if (c != ',' && c != ' ' && c != ')') texts.back() += c;
  }
  return texts;
}

class WorkingTest : public testing::TestWithParam<WorkingCase> {
 protected:
  std::string text_ = FigureText(GetParam().figure);
  std::vector<std::string> kinds_ = Members(text_, "kind", '"');
  std::vector<std::string> values_ = Members(text_, "values", ']');
};

TEST_P(WorkingTest, EndsInThePrintedResult) {
  std::string line;
  AppendResultLine(line, GetParam().figure);
  const std::vector<std::string> result = PrintedResult(line);
  const std::vector<std::string> last = Texts(values_.back());
  ASSERT_GE(last.size(), result.size());
  const std::vector<std::string> tail(
      last.end() - static_cast<std::ptrdiff_t>(result.size()), last.end());
  EXPECT_EQ(tail, result);
}

TEST_P(WorkingTest, ShowsEachValueTheProgramComputesInItsOrder) {
  std::vector<std::vector<std::string>> shown;
  for (std::size_t i = 0; i < kinds_.size(); ++i) {
    if (kinds_[i] == "formula") {
      EXPECT_EQ(values_[i], "") << "formula " << i;
      EXPECT_TRUE(shown.empty()) << "a formula after the numbers";
    } else {
      shown.push_back(Texts(values_[i]));
    }
  }
  std::vector<std::vector<std::string>> expected;
  for (const std::vector<float>& step : GetParam().steps) {
    expected.push_back(Texts(step));
  }
  EXPECT_EQ(shown, expected);
}

TEST_P(WorkingTest, SaysWhyAStepHasNoValueOrWhatTheClampChanged) {
  std::string notes;
  for (const std::string& note : Members(text_, "note", '"')) notes += note;
  const std::string expected = GetParam().note;
  if (expected.empty()) {
    EXPECT_EQ(notes.find("no value"), std::string::npos) << notes;
    EXPECT_EQ(notes.find("clamp changed"), std::string::npos) << notes;
  } else {
    EXPECT_NE(notes.find(expected), std::string::npos) << notes;
  }
}

std::string Name(const testing::TestParamInfo<WorkingCase>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    TwoDimensional, WorkingTest,
    testing::Values(
        Case("Addition", "", VectorAdditionFigure, AdditionSteps, V(1, 2),
             V(3, 4)),
        Case("AdditionOfNegatives", "", VectorAdditionFigure, AdditionSteps,
             V(-5, 3), V(2, -7)),
        Case("AdditionOfTheLargest", "", VectorAdditionFigure, AdditionSteps,
             V(kMax, -kMax), V(kMax, -kMax)),
        Case("AdditionOfZero", "", VectorAdditionFigure, AdditionSteps, V(0, 0),
             V(0, 0)),
        Case("Sub", "", VectorSubFigure, SubSteps, V(1, 2), V(3, 4)),
        Case("SubOfNegatives", "", VectorSubFigure, SubSteps, V(-5, 3),
             V(2, -7)),
        Case("SubOfTheLargest", "", VectorSubFigure, SubSteps, V(kMax, -kMax),
             V(-kMax, kMax)),
        Case("SubOfZero", "", VectorSubFigure, SubSteps, V(0, 0), V(0, 0)),
        Case("Distance", "", DistanceFigure, DistanceSteps, V(0, 0), V(3, 4)),
        Case("DistanceOfNegatives", "", DistanceFigure, DistanceSteps, V(-2, 1),
             V(-30, -25)),
        Case("DistanceOfTheLargest", "", DistanceFigure, DistanceSteps,
             V(kMax, kMax), V(-kMax, -kMax)),
        Case("DistanceToItself", "", DistanceFigure, DistanceSteps, V(7, 7),
             V(7, 7)),
        Case("Magnitude", "", MagniuteFigure, MagniuteSteps, V(3, 4)),
        Case("MagnitudeOfANegative", "", MagniuteFigure, MagniuteSteps,
             V(-1000000, -1)),
        Case("MagnitudeOfTheLargest", "", MagniuteFigure, MagniuteSteps,
             V(kMax, -kMax)),
        Case("MagnitudeOfZero", "", MagniuteFigure, MagniuteSteps, V(0, 0)),
        Case("LinInter", "", LinInterFigure, LinInterSteps, V(0, 0), V(10, 20),
             5.0f),
        Case("LinInterBelowZero", "", LinInterFigure, LinInterSteps, V(1, 1),
             V(-2, -2), -7.0f),
        Case("LinInterOfTheLargest", "", LinInterFigure, LinInterSteps,
             V(0, -3), V(kMax, 1), static_cast<float>(kMax)),
        Case("LinInterOfZero", "", LinInterFigure, LinInterSteps, V(0, 0),
             V(0, 0), 0.0f),
        Case("Dot", "", DotFigure, DotSteps, V(3, 4), V(-1, 2)),
        Case("DotOpposite", "", DotFigure, DotSteps, V(3, 1), V(-4, -2)),
        Case("DotOfTheLargest", "", DotFigure, DotSteps, V(kMax, -kMax),
             V(-kMax, 1)),
        Case("DotWithZero", "|a| is 0, and 0 / 0 has no value", DotFigure,
             DotSteps, V(0, 0), V(1, 2)),
        Case("DotWithZeroSecond", "|b| is 0, and 0 / 0 has no value", DotFigure,
             DotSteps, V(1, 2), V(0, 0)),
        Case("DotClampedToOne", "the clamp changed 1.0000001 to 1", DotFigure,
             DotSteps, V(12, 12), V(12, 12)),
        Case("DotClampedToMinusOne", "the clamp changed -1.0000001 to -1",
             DotFigure, DotSteps, V(12, 12), V(-12, -12)),
        Case("Normalize", "", NormalizeFigure, NormalizeSteps, V(3, 4)),
        Case("NormalizeANegative", "", NormalizeFigure, NormalizeSteps,
             V(-3, -4)),
        Case("NormalizeTheLargest", "", NormalizeFigure, NormalizeSteps,
             V(-kMax, kMax)),
        Case("NormalizeZero", "|a| is 0, and 0 / 0 has no value",
             NormalizeFigure, NormalizeSteps, V(0, 0))),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ThreeDimensional, WorkingTest,
    testing::Values(
        Case("Cross", "", CrossFigure, CrossSteps, V(1, 2, 3), V(4, 5, 6)),
        Case("CrossOfNegatives", "", CrossFigure, CrossSteps, V(0, -1, 0),
             V(-1, 0, -5)),
        Case("CrossOfTheLargest", "", CrossFigure, CrossSteps,
             V(kMax, -kMax, 1), V(-kMax, 1, kMax)),
        Case("CrossWithZero", "", CrossFigure, CrossSteps, V(0, 0, 0),
             V(1, 2, 3)),
        Case("SurfaceNormal", "", SurfaceNormalFigure, SurfaceNormalSteps,
             V(0, 0, 0), V(1, 0, 0), V(0, 1, 0)),
        Case("SurfaceNormalOfNegatives", "", SurfaceNormalFigure,
             SurfaceNormalSteps, V(-1, -2, -3), V(4, -5, 6), V(-7, 8, -9)),
        Case("SurfaceNormalOfTheLargest", "", SurfaceNormalFigure,
             SurfaceNormalSteps, V(kMax, 0, -kMax), V(-kMax, kMax, 0),
             V(0, -kMax, kMax)),
        Case("SurfaceNormalOfALine", "", SurfaceNormalFigure,
             SurfaceNormalSteps, V(1, 1, 1), V(2, 2, 2), V(3, 3, 3))),
    Name);

}  // namespace
