// The workings of the two-dimensional exercises but Dot.
#include <string>
#include <string_view>

#include "maths_text/math_writer.h"
#include "maths_text/working.h"
#include "maths_text/working_steps.h"

void AppendWorking(std::string& text, const VectorSumWork& work) {
  const std::string_view op = work.difference ? kMinus : "+";
  MathWriter w(text);
  w.BeginStep("formula");
  WriteSum(w, op);
  w.Mo("=");
  ComponentwiseSymbols(w, kSymbolA, op, kSymbolB, 2);
  w.EndStep({}, {});
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  w.BeginStep("step");
  WriteSum(w, op);
  w.Mo("=");
  ComponentwiseNumbers(w, {work.a.x, work.a.y}, op, {work.b.x, work.b.y});
  w.Mo("=");
  Tuple(w, work.result);
  w.EndStep({work.result.x, work.result.y}, {});
  w.EndWorking();
}

void AppendWorking(std::string& text, const DistanceWork& work) {
  static constexpr Symbol kC{"c"};
  MathWriter w(text);
  w.BeginStep("formula");
  Write(w, kC);
  w.Mo("=");
  WriteSum(w, kMinus);
  w.Mo("=");
  ComponentwiseSymbols(w, kSymbolA, kMinus, kSymbolB, 2);
  w.EndStep({}, {});
  w.BeginStep("formula");
  w.Mi("d");
  w.Mo("=");
  Norm(w, kC);
  w.Mo("=");
  w.Open("sqrt");
  SquaresSymbols(w, kC);
  w.Close("sqrt");
  w.EndStep({}, {});
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  w.BeginStep("step");
  Write(w, kC);
  w.Mo("=");
  ComponentwiseNumbers(w, {work.a.x, work.a.y}, kMinus, {work.b.x, work.b.y});
  w.Mo("=");
  Tuple(w, work.difference);
  w.EndStep({work.difference.x, work.difference.y}, {});
  LengthSteps(w, kC, work.difference, work.distance, {"d"}, false);
  w.EndWorking();
}

void AppendWorking(std::string& text, const MagniuteWork& work) {
  MathWriter w(text);
  LengthFormula(w, kSymbolA);
  Operand(w, kSymbolA, work.v);
  LengthSteps(w, kSymbolA, work.v, work.length, kSymbolA, true);
  w.EndWorking();
}

void AppendWorking(std::string& text, const NormalizeWork& work) {
  MathWriter w(text);
  UnitFormula(w, kSymbolA);
  LengthFormula(w, kSymbolA);
  Operand(w, kSymbolA, work.v);
  UnitSteps(w, kSymbolA, work.v, work.unit,
            "|a| is 0, and 0 / 0 has no value (nan): the zero vector has no "
            "direction");
  w.EndWorking();
}

// t = n·0.1, then (1 − t)·a + t·b componentwise.
void AppendWorking(std::string& text, const LinInterWork& work) {
  static constexpr Symbol kT{"t"};
  MathWriter w(text);
  w.BeginStep("formula");
  Write(w, kT);
  w.Mo("=");
  w.Mi("n");
  w.Mo(kDot);
  w.Constant("0.1");
  w.EndStep({}, {});
  // (1 − t)·a + t·b = ((1 − t)·a_x + t·b_x, (1 − t)·a_y + t·b_y)
  const auto weighted = [&w](std::string_view x) {
    w.Mo("(");
    w.Constant("1");
    w.Mo(kMinus);
    Write(w, kT);
    w.Mo(")");
    w.Mo(kDot);
    Write(w, x.empty() ? kSymbolA : Component(kSymbolA, x));
    w.Mo("+");
    Write(w, kT);
    w.Mo(kDot);
    Write(w, x.empty() ? kSymbolB : Component(kSymbolB, x));
  };
  w.BeginStep("formula");
  weighted({});
  w.Mo("=");
  w.Open("tuple");
  weighted("x");
  w.Next();
  weighted("y");
  w.Close("tuple");
  w.EndStep({}, {});
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  w.BeginStep("operands");
  w.Mi("n");
  w.Mo("=");
  w.Mn(work.tenths);
  w.EndStep({work.tenths}, "t is typed in tenths: n = 5 means t = 0.5");
  w.BeginStep("step");
  Write(w, kT);
  w.Mo("=");
  w.Mn(work.tenths);
  w.Mo(kDot);
  w.Constant("0.1");
  w.Mo("=");
  w.Mn(work.t);
  w.EndStep({work.t}, "worked in double precision and rounded once to float");
  const InterpolationWork& p = work.point;
  w.BeginStep("step");
  w.Constant("1");
  w.Mo(kMinus);
  Write(w, kT);
  w.Mo("=");
  w.Constant("1");
  w.Mo(kMinus);
  w.Mn(work.t);
  w.Mo("=");
  w.Mn(p.s);
  w.EndStep({p.s}, {});
  w.BeginStep("step");
  weighted({});
  w.Mo("=");
  w.Open("tuple");
  w.Mn(p.s);
  w.Mo(kDot);
  w.Mn(work.a.x);
  w.Mo("+");
  w.Mn(work.t);
  w.Mo(kDot);
  w.Mn(work.b.x);
  w.Next();
  w.Mn(p.s);
  w.Mo(kDot);
  w.Mn(work.a.y);
  w.Mo("+");
  w.Mn(work.t);
  w.Mo(kDot);
  w.Mn(work.b.y);
  w.Close("tuple");
  w.Mo("=");
  ComponentwiseNumbers(w, {p.x1, p.y1}, "+", {p.x2, p.y2});
  w.Mo("=");
  Tuple(w, p.point);
  w.EndStep({p.x1, p.x2, p.y1, p.y2, p.point.x, p.point.y}, {});
  w.EndWorking();
}
