// Dot: the dot product, whose sign chooses the sentence, and the angle
// from the unit vectors.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

namespace {

// The float's shortest text that reads back as the same float ("1.0000001"
// where AppendFloat's six digits show "1"), for a note on what the clamp
// changed.
std::string ExactText(float value) {
  char buffer[32];
  for (int precision = 6;; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision,
                  static_cast<double>(value));
    if (precision == 9 || std::strtof(buffer, nullptr) == value) break;
  }
  return buffer;
}

}  // namespace

std::string_view DirectionSentence(float dot) {
  // Tested in this order, so -0 counts as perpendicular; not-a-number
  // passes none of the tests and would leave the sentence empty.
  if (dot == 0.0f) return "The Vectors are perpendicular";
  if (dot < 0.0f) return "The Vectors are facing the opposite direction";
  if (dot > 0.0f) return "The Vectors are facing the same direction";
  return "";
}

void AppendResultLine(std::string& line, const DotWork& work) {
  line += DirectionSentence(work.dot.sum);
  AppendNumber(line, ", the angle between the vectors is: ", work.angle.angle);
}

// The sign of a·b chooses the sentence; the angle comes from the unit
// vectors, their dot product and the clamp.
void AppendFigure(FigureWriter& figure, const DotWork& work) {
  static constexpr Symbol kUnitA{"a", {}, true};
  static constexpr Symbol kUnitB{"b", {}, true};
  const AngleWork& angle = work.angle;
  figure.Begin("Dot", DirectionSentence(work.dot.sum));
  figure.Value("first", work.a);
  figure.Value("second", work.b);
  figure.Value("result", {work.angle.angle});
  MathWriter& w = figure.Working();
  w.BeginStep("formula");
  WriteSum(w, kDot);
  w.Mo("=");
  Write(w, Component(kSymbolA, "x"));
  w.Mo(kDot);
  Write(w, Component(kSymbolB, "x"));
  w.Mo("+");
  Write(w, Component(kSymbolA, "y"));
  w.Mo(kDot);
  Write(w, Component(kSymbolB, "y"));
  w.EndStep({}, {});
  UnitFormula(w, kSymbolA);
  UnitFormula(w, kSymbolB);
  const auto clampOf = [&w](auto inner) {
    w.Mi("clamp");
    w.Mo("(");
    inner();
    w.Mo(",");
    w.Constant("-1");
    w.Mo(",");
    w.Constant("1");
    w.Mo(")");
  };
  const auto unitProduct = [&w] {
    Write(w, kUnitA);
    w.Mo(kDot);
    Write(w, kUnitB);
  };
  w.BeginStep("formula");
  w.Mi(kTheta);
  w.Mo("=");
  w.Mi("arccos");
  w.Mo("(");
  clampOf(unitProduct);
  w.Mo(")");
  w.EndStep({}, {});
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  std::string direction = "its sign gives the sentence: ";
  direction += DirectionSentence(work.dot.sum);
  ProductSumStep(w, kSymbolA, kSymbolB, work.a, work.b, work.dot, direction);
  constexpr std::string_view kNoDirection =
      " is 0, and 0 / 0 has no value (nan): the zero vector has no "
      "direction, so there is no angle";
  UnitSteps(w, kSymbolA, work.a, angle.unitA,
            std::string("|a|") += kNoDirection);
  UnitSteps(w, kSymbolB, work.b, angle.unitB,
            std::string("|b|") += kNoDirection);
  ProductSumStep(w, kUnitA, kUnitB, angle.unitA.unit, angle.unitB.unit,
                 angle.cosine, {});
  std::string clampNote;
  if (angle.clamped != angle.cosine.sum && !std::isnan(angle.cosine.sum)) {
    clampNote = "the clamp changed " + ExactText(angle.cosine.sum) + " to " +
                ExactText(angle.clamped) +
                ": rounding put the cosine past the end of [-1, 1], where "
                "the arc cosine has no value";
  }
  w.BeginStep("step");
  clampOf(unitProduct);
  w.Mo("=");
  clampOf([&w, &angle] { w.Mn(angle.cosine.sum); });
  w.Mo("=");
  w.Mn(angle.clamped);
  w.EndStep({angle.clamped}, clampNote);
  w.BeginStep("step");
  w.Mi(kTheta);
  w.Mo("=");
  w.Mi("arccos");
  w.Mo("(");
  w.Mn(angle.clamped);
  w.Mo(")");
  w.Mo("=");
  w.Mn(angle.angle);
  w.EndStep({angle.angle}, std::isnan(angle.angle)
                               ? "no angle: a zero vector has no direction"
                               : std::string_view{});
}
