// The common body of the vector exercises' screens: the computation, the
// result line and the figure, from the operands the screen asked for.
#ifndef QUILLARY_MATHS_VECTOR_EXERCISE_H_
#define QUILLARY_MATHS_VECTOR_EXERCISE_H_

#include <iostream>
#include <string>
#include <tuple>

#include "console/console.h"
#include "maths/math_problems.h"
#include "maths_text/exercise_text.h"

// One line's buffer for the whole run, emptied: after the first exercise,
// printing a result allocates nothing.
std::string& EmptyResultLine();

template <typename Work, typename... Operand>
void MathProblems::SolveExercise(Work (*workOut)(Operand...),
                                 std::tuple<Operand...> operands) {
  const Work work = std::apply(workOut, operands);
  std::string& line = EmptyResultLine();
  AppendResultLine(line, work);
  std::cout << line;
  OfferFigure([&work] { return FigureText(work); });
  ReturnToMathMenu();
}

#endif  // QUILLARY_MATHS_VECTOR_EXERCISE_H_
