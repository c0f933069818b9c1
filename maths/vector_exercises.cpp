// The vector exercises' screens: each names the operands it asks for, in
// the order the user is asked for them, and the computation they go to.
#include "arithmetic/exercises.h"
#include "maths/math_problems.h"
#include "maths/operand_input.h"
#include "maths/vector_exercise.h"

void MathProblems::VectorAddition() {
  SolveExercise(WorkOutVectorAddition, {ReadFirstVec2(), ReadSecondVec2()});
}

void MathProblems::VectorSub() {
  SolveExercise(WorkOutVectorSub, {ReadFirstVec2(), ReadSecondVec2()});
}

void MathProblems::Distance() {
  SolveExercise(WorkOutDistance, {ReadFirstVec2(), ReadSecondVec2()});
}

void MathProblems::Magniute() {
  SolveExercise(WorkOutMagniute, {ReadFirstVec2()});
}

void MathProblems::LinInter() {
  SolveExercise(WorkOutLinInter,
                {ReadFirstVec2(), ReadSecondVec2(), ReadTenths()});
}

void MathProblems::Dot() {
  SolveExercise(WorkOutDot, {ReadFirstVec2(), ReadSecondVec2()});
}

void MathProblems::Normalize() {
  SolveExercise(WorkOutNormalize, {ReadFirstVec2()});
}

void MathProblems::Cross() {
  SolveExercise(WorkOutCross, {ReadFirstVec3(), ReadSecondVec3()});
}

void MathProblems::SurfaceNormal() {
  SolveExercise(WorkOutSurfaceNormal,
                {ReadFirstVec3(), ReadSecondVec3(), ReadThirdVec3()});
}
