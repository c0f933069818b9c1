// Dot: the dot product, whose sign chooses the sentence, and the angle
// from the unit vectors.
#include <cmath>
#include <string>
#include <string_view>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/number_text.h"
#include "maths_text/working_steps.h"

namespace {

// What the clamp did: where rounding put the cosine past an end of [-1, 1],
// it brought it back; elsewhere it changed nothing.
std::string ClampNote(const AngleWork& angle) {
  if (std::isnan(angle.cosine.sum)) return {};
  if (angle.clamped == angle.cosine.sum) {
    return ExactFloatText(angle.clamped) +
           " lies within [-1, 1], so the clamp changes nothing";
  }
  std::string note = "the clamp changed ";
  note += ExactFloatText(angle.cosine.sum);
  note += " to ";
  note += ExactFloatText(angle.clamped);
  note +=
      ": rounding put the cosine past the end of [-1, 1], where the arc "
      "cosine has no value";
  return note;
}

// Near -1 and 1 the arc cosine is steep: a cosine one last digit away from
// an end, as rounded unit vectors give for parallel ones, moves the angle
// by about 0.0003.
std::string SteepNote(const AngleWork& angle, bool parallel) {
  const float cosine = angle.clamped;
  if (!(std::fabs(cosine) > 0.9999f && std::fabs(cosine) < 1.0f)) return {};
  const bool opposite = cosine < 0;
  std::string note =
      "\xC3\xA2\xC2\xB7"
      "b\xCC\x82 is " +
      ExactFloatText(cosine) + (opposite ? ", not -1" : ", not 1");
  note += parallel ? ": each unit vector was rounded to single precision, "
                     "and arccos is steep near "
                   : ": arccos is steep near ";
  note += opposite ? "-1" : "1";
  if (parallel) {
    std::string angleText;
    AppendFloat(angleText, angle.angle);
    note += ", so \xCE\xB8 is " + angleText +
            (opposite ? ", not \xCF\x80 (3.14159)" : ", not 0");
  } else {
    note += ", so a last digit of the cosine moves \xCE\xB8 by about 0.0003";
  }
  return note;
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
  const std::string clampNote = ClampNote(angle);
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
  // Parallel or opposite exactly: a·b is ±|a||b| for a pencil.
  const bool parallel =
      static_cast<double>(work.a.x) * static_cast<double>(work.b.y) ==
      static_cast<double>(work.a.y) * static_cast<double>(work.b.x);
  w.EndStep({angle.angle}, std::isnan(angle.angle)
                               ? "no angle: a zero vector has no direction"
                               : SteepNote(angle, parallel));
}
