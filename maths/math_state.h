// The maths activity's one piece of program-wide state: which maths screen
// the next pass of the main loop runs.
#ifndef QUILLARY_MATHS_MATH_STATE_H_
#define QUILLARY_MATHS_MATH_STATE_H_

#include <cstdint>

// 0 is the maths menu; 1 to 12 name the exercises, each the menu number less
// one. Only ShowMathMenu and ReturnToMathMenu write it, so it always holds
// 0 to 12. It keeps its value when the activity is left.
extern std::int32_t MathState;

// Puts MathState back to its start value, 0.
void ResetMathState();

#endif  // QUILLARY_MATHS_MATH_STATE_H_
