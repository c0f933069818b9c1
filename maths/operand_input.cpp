#include "maths/operand_input.h"

#include <iostream>

#include "arithmetic/single_precision.h"
#include "input/read_integer.h"

namespace {

// Each component is read in its own statement, so the prompts appear in
// x, y, z order whatever order the compiler evaluates arguments in.
Vec2 ReadVec2(const char* xPrompt, const char* yPrompt) {
  const float x = ReadOperand(xPrompt);
  const float y = ReadOperand(yPrompt);
  return {x, y};
}

Vec3 ReadVec3(const char* xPrompt, const char* yPrompt, const char* zPrompt) {
  const float x = ReadOperand(xPrompt);
  const float y = ReadOperand(yPrompt);
  const float z = ReadOperand(zPrompt);
  return {x, y, z};
}

}  // namespace

float ReadOperand(const char* prompt, AnswerKind kind) {
  std::cout << prompt;
  return OperandValue(ReadInteger(kind));
}

float ReadTenths() {
  return ReadOperand("Please Enter a value for t (0 <= t <= 1): ",
                     AnswerKind::kTenths);
}

Vec2 ReadFirstVec2() {
  return ReadVec2("Please Enter a value for X1 ",
                  "Please Enter a value for y1 ");
}

Vec2 ReadSecondVec2() {
  return ReadVec2("Please Enter a value for X2 ",
                  "Please Enter a value for y2 ");
}

Vec3 ReadFirstVec3() {
  return ReadVec3("Please Enter a value for X1 ",
                  "Please Enter a value for y1 ",
                  "Please Enter a value for z1 ");
}

Vec3 ReadSecondVec3() {
  return ReadVec3("Please Enter a value for x2 ",
                  "Please Enter a value for y2 ",
                  "Please Enter a value for z2 ");
}

Vec3 ReadThirdVec3() {
  return ReadVec3("Please Enter a value for x3 ",
                  "Please Enter a value for y3 ",
                  "Please Enter a value for z3 ");
}
