// Normalize: â, a divided by its length.
#include <string>

#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const NormalizeWork& work) {
  AppendVector(line, "The normalized vector is: ", work.unit.unit);
}

void AppendFigure(FigureWriter& figure, const NormalizeWork& work) {
  figure.Begin("Normalize");
  figure.Value("first", work.v);
  figure.Value("result", work.unit.unit);
  MathWriter& w = figure.Working();
  UnitFormula(w, kSymbolA);
  LengthFormula(w, kSymbolA);
  Operand(w, kSymbolA, work.v);
  UnitSteps(w, kSymbolA, work.v, work.unit,
            "|a| is 0, and 0 / 0 has no value (nan): the zero vector has no "
            "direction");
}
