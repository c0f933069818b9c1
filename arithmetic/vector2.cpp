#include "arithmetic/vector2.h"

#include <algorithm>

#include "arithmetic/single_precision.h"

// Every product and sum below is a float expression of its own, and the
// build forbids fused multiply-adds, so each step is rounded to float
// before the next; products are always formed before they are added.

Vec2 Add(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }

Vec2 Subtract(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }

DotProductWork WorkOutDotProduct(Vec2 a, Vec2 b) {
  const float xx = a.x * b.x;
  const float yy = a.y * b.y;
  return {xx, yy, xx + yy};
}

float DotProduct(Vec2 a, Vec2 b) { return WorkOutDotProduct(a, b).sum; }

LengthWork WorkOutLength(Vec2 v) {
  const DotProductWork squares = WorkOutDotProduct(v, v);
  return {squares, SingleSqrt(squares.sum)};
}

float Length(Vec2 v) { return WorkOutLength(v).length; }

NormalizedWork WorkOutNormalized(Vec2 v) {
  const LengthWork length = WorkOutLength(v);
  return {length, {v.x / length.length, v.y / length.length}};
}

Vec2 Normalized(Vec2 v) { return WorkOutNormalized(v).unit; }

float TenthsParameter(float tenths) {
  // The one step of the exercises done in double: the product with the
  // double 0.1 is rounded to float once, not formed from a float tenth.
  return static_cast<float>(static_cast<double>(tenths) * 0.1);
}

InterpolationWork WorkOutInterpolation(Vec2 a, Vec2 b, float t) {
  const float s = 1.0f - t;
  const float x1 = s * a.x;
  const float x2 = t * b.x;
  const float y1 = s * a.y;
  const float y2 = t * b.y;
  return {s, x1, x2, y1, y2, {x1 + x2, y1 + y2}};
}

Vec2 Interpolate(Vec2 a, Vec2 b, float t) {
  return WorkOutInterpolation(a, b, t).point;
}

AngleWork WorkOutAngle(Vec2 a, Vec2 b) {
  const NormalizedWork unitA = WorkOutNormalized(a);
  const NormalizedWork unitB = WorkOutNormalized(b);
  const DotProductWork cosine = WorkOutDotProduct(unitA.unit, unitB.unit);
  // Unit vectors in single precision can give a cosine one unit past 1 or
  // -1 (12, 12 with itself does), where the arc cosine has no value.
  // std::clamp passes not-a-number through, so a zero vector still has no
  // angle.
  const float clamped = std::clamp(cosine.sum, -1.0f, 1.0f);
  return {unitA, unitB, cosine, clamped, SingleAcos(clamped)};
}

float AngleBetween(Vec2 a, Vec2 b) { return WorkOutAngle(a, b).angle; }
