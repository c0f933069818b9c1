// The maths problems activity, behind main menu choice "2": a menu of vector
// exercises, a prime test and two matrix entries. Each call of
// RunMathProblems runs one screen, chosen by MathState.
#ifndef QUILLARY_MATHS_MATH_PROBLEMS_H_
#define QUILLARY_MATHS_MATH_PROBLEMS_H_

#include "maths/math_state.h"
#include "maths_text/figure_text.h"

class MathProblems {
 public:
  // One pass of the activity, run by the main loop while MainState is 2:
  // clears the console and runs the screen MathState names (0 the menu,
  // 1 to 12 the exercises in menu order). Any other code runs nothing.
  void RunMathProblems();

  // The maths menu (code 0). Shows "Please select a option: " above the
  // list and reads lines until one is "1" to "13", "Q" or "q", whole and
  // exact. "1" to "13" store the menu number less one in MathState ("1"
  // stores 0, so the next pass shows a fresh menu). "Q" and "q" store 0,
  // pause and hand over to the main menu, which stores the next MainState.
  // Every other line redraws the menu under an apology that stays for the
  // rest of the call.
  void ShowMathMenu();

  // The common end of every exercise: ends the result line, asks the user
  // to continue, waits for any line and sets MathState back to 0.
  void ReturnToMathMenu();

  // What every vector exercise does once its operands are typed (they are
  // read in order, as the braces of the call list them): works the exercise
  // out once with workOut, prints its result line, offers its figure to the
  // console's host, which may draw it beside the output (the figure's text
  // is made only for a host that takes it), and ends with
  // ReturnToMathMenu. Defined in vector_exercise.h.
  template <typename Work, typename... Operand>
  void SolveExercise(Work (*workOut)(Operand...),
                     std::tuple<Operand...> operands);

  // The two-dimensional exercises (codes 1 to 6 and 8). Each asks for its
  // operands and solves them (SolveExercise).
  void VectorAddition();
  void VectorSub();
  void Distance();
  void Magniute();
  void LinInter();
  void Dot();
  void Normalize();

  // The three-dimensional exercises (codes 7 and 9): the cross product of
  // two vectors and the normal of the triangle through three points.
  void Cross();
  void SurfaceNormal();

  // Asks for a whole number and says whether it is prime (code 10).
  void IsPrimeNumber();

  // Placeholders (codes 11 and 12): no matrix work, only ReturnToMathMenu.
  void MatrixRotation();
  void MatrixInvert();
};

#endif  // QUILLARY_MATHS_MATH_PROBLEMS_H_
