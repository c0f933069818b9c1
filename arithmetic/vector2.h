// Two-dimensional vector arithmetic for the maths exercises, in single
// precision with one rounding per operation, in the order each function
// names. These orders decide the printed digits, so they are part of the
// contract.
#ifndef QUILLARY_MATHS_VECTOR2_H_
#define QUILLARY_MATHS_VECTOR2_H_

struct Vec2 {
  float x;
  float y;
};

// (a.x + b.x, a.y + b.y).
Vec2 Add(Vec2 a, Vec2 b);

// (a.x - b.x, a.y - b.y): b taken from a.
Vec2 Subtract(Vec2 a, Vec2 b);

// (a.x * b.x) + (a.y * b.y): both products, then their sum.
struct DotProductWork {
  float xx;  // a.x * b.x
  float yy;  // a.y * b.y
  float sum;
};
DotProductWork WorkOutDotProduct(Vec2 a, Vec2 b);
float DotProduct(Vec2 a, Vec2 b);  // WorkOutDotProduct(a, b).sum

// SingleSqrt((v.x * v.x) + (v.y * v.y)).
struct LengthWork {
  DotProductWork squares;  // v with itself
  float length;
};
LengthWork WorkOutLength(Vec2 v);
float Length(Vec2 v);  // WorkOutLength(v).length

// v with each component divided by Length(v); not-a-number components for
// the zero vector.
struct NormalizedWork {
  LengthWork length;
  Vec2 unit;
};
NormalizedWork WorkOutNormalized(Vec2 v);
Vec2 Normalized(Vec2 v);  // WorkOutNormalized(v).unit

// The interpolation parameter for a number typed in tenths: the operand
// widened to double, times the double nearest to 0.1, rounded to float.
// Neither checked nor clamped: 5 gives 0.5, 20 gives 2.
float TenthsParameter(float tenths);

// ((1 - t) * a) + (t * b), componentwise; any t, so values outside [0, 1]
// extrapolate. 1 - t first, then the four products, then the two sums.
struct InterpolationWork {
  float s;   // 1 - t
  float x1;  // s * a.x
  float x2;  // t * b.x
  float y1;  // s * a.y
  float y2;  // t * b.y
  Vec2 point;
};
InterpolationWork WorkOutInterpolation(Vec2 a, Vec2 b, float t);
Vec2 Interpolate(Vec2 a, Vec2 b, float t);  // ...(a, b, t).point

// The angle in radians between a and b: the arc cosine of the dot product
// of Normalized(a) and Normalized(b). That cosine is clamped to [-1, 1],
// because rounding can push it one unit past either end for parallel
// vectors; so identical directions give 0 and opposite ones pi (as a float).
// Not-a-number when either vector is zero.
struct AngleWork {
  NormalizedWork unitA;
  NormalizedWork unitB;
  DotProductWork cosine;  // of the two unit vectors
  float clamped;          // cosine.sum clamped to [-1, 1]
  float angle;
};
AngleWork WorkOutAngle(Vec2 a, Vec2 b);
float AngleBetween(Vec2 a, Vec2 b);  // WorkOutAngle(a, b).angle

#endif  // QUILLARY_MATHS_VECTOR2_H_
