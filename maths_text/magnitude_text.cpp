// Magniute: |a|, the square root of the sum of the squares.
#include <string>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const MagniuteWork& work) {
  AppendVector(line, "The magnitude for the vector ", work.v);
  AppendNumber(line, " is: ", work.length.length);
}

void AppendFigure(FigureWriter& figure, const MagniuteWork& work) {
  figure.Begin("Magniute");
  figure.Value("first", work.v);
  figure.Value("result", {work.length.length});
  MathWriter& w = figure.Working();
  LengthFormula(w, kSymbolA);
  Operand(w, kSymbolA, work.v);
  LengthSteps(w, kSymbolA, work.v, work.length, kSymbolA, true);
}
