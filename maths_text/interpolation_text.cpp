// LinInter: a interpolated towards b by t, typed in tenths.
#include <string>
#include <string_view>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const LinInterWork& work) {
  AppendVector(line, kResultingVector, work.point.point);
}

// t = n·0.1, then (1 − t)·a + t·b componentwise.
void AppendFigure(FigureWriter& figure, const LinInterWork& work) {
  static constexpr Symbol kT{"t"};
  figure.Begin("LinInter");
  figure.Value("first", work.a);
  figure.Value("second", work.b);
  figure.Value("parameter", {work.t});
  figure.Value("result", work.point.point);
  MathWriter& w = figure.Working();
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
  std::string rounded;
  NoteRounding(rounded, 1.0f, kMinus, work.t, p.s);
  w.EndStep({p.s}, rounded);
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
  std::string note;
  NoteRounding(note, {p.s, work.t, p.s, work.t}, kDot,
               {work.a.x, work.b.x, work.a.y, work.b.y},
               {p.x1, p.x2, p.y1, p.y2});
  NoteRounding(note, {p.x1, p.y1}, "+", {p.x2, p.y2}, {p.point.x, p.point.y});
  w.EndStep({p.x1, p.x2, p.y1, p.y2, p.point.x, p.point.y}, note);
}
