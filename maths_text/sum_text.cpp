// VectorAddition and VectorSub: a ± b, componentwise.
#include <string>
#include <string_view>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const VectorSumWork& work) {
  AppendVector(line, kResultingVector, work.result);
}

void AppendFigure(FigureWriter& figure, const VectorSumWork& work) {
  figure.Begin(work.difference ? "VectorSub" : "VectorAddition");
  figure.Value("first", work.a);
  figure.Value("second", work.b);
  figure.Value("result", work.result);
  const std::string_view op = work.difference ? kMinus : "+";
  MathWriter& w = figure.Working();
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
  std::string note;
  NoteRounding(note, {work.a.x, work.a.y}, op, {work.b.x, work.b.y},
               {work.result.x, work.result.y});
  w.EndStep({work.result.x, work.result.y}, note);
}
