#include "arithmetic/single_precision.h"

#include <cmath>

float OperandValue(int typed) { return static_cast<float>(typed); }

// Only the inside of the library call is wide; the caller sees one rounding
// to float, exactly as every other step of the exercises.
float SingleSqrt(float value) {
  return static_cast<float>(std::sqrt(static_cast<double>(value)));
}

float SingleAcos(float value) {
  return static_cast<float>(std::acos(static_cast<double>(value)));
}
