// The two-dimensional vector exercises: each reads its operands in the order
// the user is asked for them, prints its result line and returns to the
// maths menu.
#include "maths/math_problems.h"
#include "maths/operand_input.h"

void MathProblems::VectorAddition() {
  const Vec2 first = ReadFirstVec2();
  const Vec2 second = ReadSecondVec2();
  ShowResult(VectorAdditionFigure(first, second));
  ReturnToMathMenu();
}

void MathProblems::VectorSub() {
  const Vec2 first = ReadFirstVec2();
  const Vec2 second = ReadSecondVec2();
  ShowResult(VectorSubFigure(first, second));
  ReturnToMathMenu();
}

void MathProblems::Distance() {
  const Vec2 first = ReadFirstVec2();
  const Vec2 second = ReadSecondVec2();
  ShowResult(DistanceFigure(first, second));
  ReturnToMathMenu();
}

void MathProblems::Magniute() {
  ShowResult(MagniuteFigure(ReadFirstVec2()));
  ReturnToMathMenu();
}

void MathProblems::LinInter() {
  const Vec2 first = ReadFirstVec2();
  const Vec2 second = ReadSecondVec2();
  // Typed in tenths: 5 means 0.5 and 10 means 1.
  const float tenths = ReadOperand("Please Enter a value for t (0 <= t <= 1): ",
                                   AnswerKind::kTenths);
  ShowResult(LinInterFigure(first, second, tenths));
  ReturnToMathMenu();
}

void MathProblems::Dot() {
  const Vec2 first = ReadFirstVec2();
  const Vec2 second = ReadSecondVec2();
  ShowResult(DotFigure(first, second));
  ReturnToMathMenu();
}

void MathProblems::Normalize() {
  ShowResult(NormalizeFigure(ReadFirstVec2()));
  ReturnToMathMenu();
}
