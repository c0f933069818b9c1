#include "maths_text/working_steps.h"

#include <cmath>
#include <cstddef>
#include <string>

// "name = (x, y)": an operand as the program holds it.
void Operand(MathWriter& w, Symbol s, Vec2 v) {
  w.BeginStep("operands");
  Write(w, s);
  w.Mo("=");
  Tuple(w, v);
  w.EndStep({v.x, v.y}, {});
}

void Operand(MathWriter& w, Symbol s, Vec3 v) {
  w.BeginStep("operands");
  Write(w, s);
  w.Mo("=");
  Tuple(w, v);
  w.EndStep({v.x, v.y, v.z}, {});
}

// left op right for each axis, as a tuple of symbols: (a_x + b_x, a_y +
// b_y).
void ComponentwiseSymbols(MathWriter& w, Symbol left, std::string_view op,
                          Symbol right, int axes) {
  w.Open("tuple");
  for (int i = 0; i < axes; ++i) {
    if (i != 0) w.Next();
    Write(w, Component(left, kAxes[i]));
    w.Mo(op);
    Write(w, Component(right, kAxes[i]));
  }
  w.Close("tuple");
}

// (l.x op r.x, l.y op r.y[, l.z op r.z]) with numbers.
void ComponentwiseNumbers(MathWriter& w, std::initializer_list<float> left,
                          std::string_view op,
                          std::initializer_list<float> right) {
  w.Open("tuple");
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (i != 0) w.Next();
    w.Mn(left.begin()[i]);
    w.Mo(op);
    w.Mn(right.begin()[i]);
  }
  w.Close("tuple");
}

// a_x·b_x + a_y·b_y, a dot product in symbols.
void ProductSymbols(MathWriter& w, Symbol a, Symbol b) {
  Write(w, Component(a, "x"));
  w.Mo(kDot);
  Write(w, Component(b, "x"));
  w.Mo("+");
  Write(w, Component(a, "y"));
  w.Mo(kDot);
  Write(w, Component(b, "y"));
}

// s_x·s_x + s_y·s_y, the square of a length in symbols.
void SquaresSymbols(MathWriter& w, Symbol s) { ProductSymbols(w, s, s); }

// |s| = √(s_x·s_x + s_y·s_y)
void LengthFormula(MathWriter& w, Symbol s) {
  w.BeginStep("formula");
  Norm(w, s);
  w.Mo("=");
  w.Open("sqrt");
  SquaresSymbols(w, s);
  w.Close("sqrt");
  w.EndStep({}, {});
}

// a·b = a_x·b_x + a_y·b_y = ax·bx + ay·by = xx + yy = sum; the dot product
// of a vector with itself is the square of its length.
void ProductSumStep(MathWriter& w, Symbol a, Symbol b, Vec2 u, Vec2 v,
                    const DotProductWork& work, std::string_view note) {
  std::string said(note);
  NoteRounding(said, u.x, kDot, v.x, work.xx);
  NoteRounding(said, u.y, kDot, v.y, work.yy);
  NoteRounding(said, work.xx, "+", work.yy, work.sum);
  w.BeginStep("step");
  if (a.name != b.name || a.hat != b.hat) {
    Write(w, a);
    w.Mo(kDot);
    Write(w, b);
    w.Mo("=");
  }
  ProductSymbols(w, a, b);
  w.Mo("=");
  w.Mn(u.x);
  w.Mo(kDot);
  w.Mn(v.x);
  w.Mo("+");
  w.Mn(u.y);
  w.Mo(kDot);
  w.Mn(v.y);
  w.Mo("=");
  w.Mn(work.xx);
  w.Mo("+");
  w.Mn(work.yy);
  w.Mo("=");
  w.Mn(work.sum);
  w.EndStep({work.xx, work.yy, work.sum}, said);
}

// The length of v under the name `length` (|a|, or d): first the sum of
// the squares, then its square root.
void LengthSteps(MathWriter& w, Symbol s, Vec2 v, const LengthWork& work,
                 Symbol length, bool lengthIsNorm) {
  ProductSumStep(w, s, s, v, v, work.squares, {});
  w.BeginStep("step");
  if (lengthIsNorm) {
    Norm(w, length);
  } else {
    Write(w, length);
  }
  w.Mo("=");
  w.Open("sqrt");
  w.Mn(work.squares.sum);
  w.Close("sqrt");
  w.Mo("=");
  w.Mn(work.length);
  w.EndStep({work.length}, {});
}

// ŝ = (s_x / |s|, s_y / |s|)
void UnitFormula(MathWriter& w, Symbol s) {
  w.BeginStep("formula");
  Write(w, {s.name, {}, true});
  w.Mo("=");
  w.Open("tuple");
  for (int i = 0; i < 2; ++i) {
    if (i != 0) w.Next();
    w.Open("frac");
    Write(w, Component(s, kAxes[i]));
    w.Next();
    Norm(w, s);
    w.Close("frac");
  }
  w.Close("tuple");
  w.EndStep({}, {});
}

// |s|, then ŝ = (x / |s|, y / |s|), with what the zero vector gives.
void UnitSteps(MathWriter& w, Symbol s, Vec2 v, const NormalizedWork& work,
               std::string_view zeroNote) {
  LengthSteps(w, s, v, work.length, s, true);
  w.BeginStep("step");
  Write(w, {s.name, {}, true});
  w.Mo("=");
  w.Open("tuple");
  for (int i = 0; i < 2; ++i) {
    if (i != 0) w.Next();
    w.Open("frac");
    w.Mn(i == 0 ? v.x : v.y);
    w.Next();
    w.Mn(work.length.length);
    w.Close("frac");
  }
  w.Close("tuple");
  w.Mo("=");
  Tuple(w, work.unit);
  w.EndStep({work.unit.x, work.unit.y},
            work.length.length == 0.0f ? zeroNote : std::string_view{});
}

void WriteSum(MathWriter& w, std::string_view op) {
  Write(w, kSymbolA);
  w.Mo(op);
  Write(w, kSymbolB);
}

namespace {

bool IsWhole(float x) { return std::isfinite(x) && x == std::trunc(x); }

// A whole number held in a double exactly, all its digits: the exact sum or
// product of two whole floats stays far below 2^63.
std::string WholeText(double exact) {
  return std::to_string(static_cast<long long>(exact));
}

// The gap between value and the next float away from zero.
std::string Spacing(float value) {
  const float size = std::fabs(value);
  return ExactFloatText(std::nextafter(size, INFINITY) - size);
}

}  // namespace

void NoteRounding(std::string& note, float x, std::string_view op, float y,
                  float result) {
  if (!std::isfinite(result)) return;
  const bool product = op == kDot;
  const bool sum = op == "+";
  const double wideX = static_cast<double>(x);
  const double wideY = static_cast<double>(y);
  const double exact = product ? wideX * wideY
                       : sum   ? wideX + wideY
                               : wideX - wideY;
  // Which number was lost, next to which, or whether whole numbers were
  // rounded; nothing where a pencil gets what single precision gets.
  float lost = 0;
  float kept = 0;
  if (!product && y != 0 && result == x) {
    lost = y;
    kept = x;
  } else if (!product && x != 0 && result == (sum ? y : -y)) {
    lost = x;
    kept = y;
  } else if (!IsWhole(x) || !IsWhole(y) ||
             exact == static_cast<double>(result)) {
    return;
  }
  // Appended piece by piece: GCC's -Wrestrict misjudges `"(" + text`.
  std::string said;
  if (lost != 0) {
    said += ExactFloatText(lost);
    said += " is lost in ";
  }
  said += ExactFloatText(x);
  said += ' ';
  said += op;
  said += ' ';
  said += y < 0 ? "(" : "";
  said += ExactFloatText(y);
  said += y < 0 ? ")" : "";
  if (lost != 0) {
    said += ": near ";
    said += ExactFloatText(kept);
    said += " single-precision numbers are ";
    said += Spacing(kept);
  } else {
    said += " is ";
    said += WholeText(exact);
    said += ", which single precision rounds to ";
    said += ExactFloatText(result);
    said += ": near it numbers are ";
    said += Spacing(result);
  }
  said += " apart";
  if (!note.empty()) note += "; ";
  note += said;
}

void NoteRounding(std::string& note, std::initializer_list<float> left,
                  std::string_view op, std::initializer_list<float> right,
                  std::initializer_list<float> results) {
  for (std::size_t i = 0; i < results.size(); ++i) {
    NoteRounding(note, left.begin()[i], op, right.begin()[i],
                 results.begin()[i]);
  }
}
