// How a maths exercise asks for its operands: a prompt without a line break,
// then a whole number through ReadInteger, held as a float.
#ifndef QUILLARY_MATHS_OPERAND_INPUT_H_
#define QUILLARY_MATHS_OPERAND_INPUT_H_

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"
#include "shell/prompt.h"

// Writes prompt, reads a whole number with ReadInteger (which asks again
// after every line that is not one) and returns it through OperandValue.
// Ends the session at end of input, like every read. `kind` tells the host
// what the number means (LinInter's t is typed in tenths).
float ReadOperand(const char* prompt,
                  AnswerKind kind = AnswerKind::kWholeNumber);

// LinInter's parameter, typed in tenths: 5 means 0.5 and 10 means 1.
float ReadTenths();

// The operands of the two-dimensional exercises, x first: "X1", "y1" for
// the first vector and "X2", "y2" for the second.
Vec2 ReadFirstVec2();
Vec2 ReadSecondVec2();

// The operands of the three-dimensional exercises, x, y, z in turn: "X1",
// "y1", "z1" for the first (the capital X stays), then "x2", "y2", "z2" and
// "x3", "y3", "z3".
Vec3 ReadFirstVec3();
Vec3 ReadSecondVec3();
Vec3 ReadThirdVec3();

#endif  // QUILLARY_MATHS_OPERAND_INPUT_H_
