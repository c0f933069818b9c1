// The single-precision building blocks of the maths exercises: how a typed
// whole number becomes an operand, and the square root and arc cosine.
#ifndef QUILLARY_MATHS_SINGLE_PRECISION_H_
#define QUILLARY_MATHS_SINGLE_PRECISION_H_

// The nearest float to a typed whole number (ties to even), so a number
// beyond 16777216 in magnitude may lose its last digits: 16777217 becomes
// 16777216.
float OperandValue(int typed);

// The square root, computed in double and rounded once to float.
float SingleSqrt(float value);

// The arc cosine in radians (0 to pi), computed in double and rounded once
// to float. Not clamped: outside [-1, 1], and for not-a-number, the result
// is not-a-number.
float SingleAcos(float value);

#endif  // QUILLARY_MATHS_SINGLE_PRECISION_H_
