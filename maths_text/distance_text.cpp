// Distance: the length of c = a − b.
#include <string>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const DistanceWork& work) {
  AppendNumber(line, "The distance between the two vectors is ",
               work.distance.length);
}

void AppendFigure(FigureWriter& figure, const DistanceWork& work) {
  static constexpr Symbol kC{"c"};
  figure.Begin("Distance");
  figure.Value("first", work.a);
  figure.Value("second", work.b);
  figure.Value("result", {work.distance.length});
  MathWriter& w = figure.Working();
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
  std::string note;
  NoteRounding(note, {work.a.x, work.a.y}, kMinus, {work.b.x, work.b.y},
               {work.difference.x, work.difference.y});
  w.EndStep({work.difference.x, work.difference.y}, note);
  LengthSteps(w, kC, work.difference, work.distance, {"d"}, false);
}
