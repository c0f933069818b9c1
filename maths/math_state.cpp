#include "maths/math_state.h"

std::int32_t MathState = 0;

void ResetMathState() { MathState = 0; }
