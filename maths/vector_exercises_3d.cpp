// The three-dimensional vector exercises: the cross product and the normal
// of a triangle.
#include "maths/math_problems.h"
#include "maths/operand_input.h"

void MathProblems::Cross() {
  const Vec3 first = ReadFirstVec3();
  const Vec3 second = ReadSecondVec3();
  ShowResult(CrossFigure(first, second));
  ReturnToMathMenu();
}

void MathProblems::SurfaceNormal() {
  const Vec3 p1 = ReadFirstVec3();
  const Vec3 p2 = ReadSecondVec3();
  const Vec3 p3 = ReadThirdVec3();
  ShowResult(SurfaceNormalFigure(p1, p2, p3));
  ReturnToMathMenu();
}
