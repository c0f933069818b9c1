// The working of Dot: the dot product whose sign chooses the sentence, and
// the angle from the unit vectors.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "maths_text/math_writer.h"
#include "maths_text/result_lines.h"
#include "maths_text/working.h"
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

// The sign of a·b chooses the sentence; the angle comes from the unit
// vectors, their dot product and the clamp.
void AppendWorking(std::string& text, const DotWork& work) {
  static constexpr Symbol kUnitA{"a", {}, true};
  static constexpr Symbol kUnitB{"b", {}, true};
  const AngleWork& angle = work.angle;
  MathWriter w(text);
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
  w.EndWorking();
}
