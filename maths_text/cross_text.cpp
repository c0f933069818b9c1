// Cross: a × b, six products and three differences.
#include <string>

#include "maths_text/cross_steps.h"
#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const CrossWork& work) {
  AppendVector(line, "The cross product is: ", work.product.product);
}

void AppendFigure(FigureWriter& figure, const CrossWork& work) {
  figure.Begin("Cross");
  figure.Value("first", work.a);
  figure.Value("second", work.b);
  figure.Value("result", work.product.product);
  MathWriter& w = figure.Working();
  CrossFormula(w, {}, kSymbolA, kSymbolB);
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  CrossStep(w, {}, kSymbolA, kSymbolB, work.a, work.b, work.product);
}
