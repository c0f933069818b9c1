// The steps that several workings share: an operand, a sum of two
// products, a length and a unit vector, each written as one step of
// figure_text.h with the values the program computed.
#ifndef QUILLARY_MATHS_TEXT_WORKING_STEPS_H_
#define QUILLARY_MATHS_TEXT_WORKING_STEPS_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"
#include "maths_text/math_writer.h"

// "name = (x, y)": an operand as the program holds it.
void Operand(MathWriter& w, Symbol s, Vec2 v);
void Operand(MathWriter& w, Symbol s, Vec3 v);

// left op right for each of the first `axes` axes, as a tuple of symbols:
// (a_x + b_x, a_y + b_y).
void ComponentwiseSymbols(MathWriter& w, Symbol left, std::string_view op,
                          Symbol right, int axes);

// (l.x op r.x, l.y op r.y[, l.z op r.z]) with numbers.
void ComponentwiseNumbers(MathWriter& w, std::initializer_list<float> left,
                          std::string_view op,
                          std::initializer_list<float> right);

// s_x·s_x + s_y·s_y, the square of a length in symbols.
void SquaresSymbols(MathWriter& w, Symbol s);

// The formula |s| = √(s_x·s_x + s_y·s_y).
void LengthFormula(MathWriter& w, Symbol s);

// a·b = a_x·b_x + a_y·b_y = u.x·v.x + u.y·v.y = xx + yy = sum, where u and v
// are a's and b's numbers; for a with itself (the square of a length) the
// step starts at a_x·a_x.
void ProductSumStep(MathWriter& w, Symbol a, Symbol b, Vec2 u, Vec2 v,
                    const DotProductWork& work, std::string_view note);

// The length of v under the name `length` (|s| when lengthIsNorm, else the
// name alone): the sum of the squares, then its square root.
void LengthSteps(MathWriter& w, Symbol s, Vec2 v, const LengthWork& work,
                 Symbol length, bool lengthIsNorm);

// The formula ŝ = (s_x / |s|, s_y / |s|).
void UnitFormula(MathWriter& w, Symbol s);

// |s|, then ŝ = (x / |s|, y / |s|); zeroNote goes on the last step when
// |s| is 0.
void UnitSteps(MathWriter& w, Symbol s, Vec2 v, const NormalizedWork& work,
               std::string_view zeroNote);

// a op b in symbols.
void WriteSum(MathWriter& w, std::string_view op);

// Adds to note, in plain words, what single precision did to
// `x op y = result` that a pencil would not: a term lost from a sum or a
// difference, or whole numbers whose exact sum, difference or product it
// rounded. op is "+", kMinus or kDot. Adds nothing where the result is
// exact or neither number is whole.
void NoteRounding(std::string& note, float x, std::string_view op, float y,
                  float result);

// NoteRounding for each component of left op right = results.
void NoteRounding(std::string& note, std::initializer_list<float> left,
                  std::string_view op, std::initializer_list<float> right,
                  std::initializer_list<float> results);

#endif  // QUILLARY_MATHS_TEXT_WORKING_STEPS_H_
