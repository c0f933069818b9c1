#include "maths/vector2.h"

#include <algorithm>

#include "maths/single_precision.h"

// Every product and sum below is a float expression of its own, and the
// build forbids fused multiply-adds, so each step is rounded to float
// before the next; products are always formed before they are added.

Vec2 Add(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }

Vec2 Subtract(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }

float DotProduct(Vec2 a, Vec2 b) {
  const float xx = a.x * b.x;
  const float yy = a.y * b.y;
  return xx + yy;
}

float Length(Vec2 v) { return SingleSqrt(DotProduct(v, v)); }

Vec2 Normalized(Vec2 v) {
  const float length = Length(v);
  return {v.x / length, v.y / length};
}

float TenthsParameter(float tenths) {
  // The one step of the exercises done in double: the product with the
  // double 0.1 is rounded to float once, not formed from a float tenth.
  return static_cast<float>(static_cast<double>(tenths) * 0.1);
}

Vec2 Interpolate(Vec2 a, Vec2 b, float t) {
  const float s = 1.0f - t;
  const float x1 = s * a.x;
  const float x2 = t * b.x;
  const float y1 = s * a.y;
  const float y2 = t * b.y;
  return {x1 + x2, y1 + y2};
}

float AngleBetween(Vec2 a, Vec2 b) {
  const float cosine = DotProduct(Normalized(a), Normalized(b));
  // Unit vectors in single precision can give a cosine one unit past 1 or
  // -1 (12, 12 with itself does), where the arc cosine has no value.
  // std::clamp passes not-a-number through, so a zero vector still has no
  // angle.
  return SingleAcos(std::clamp(cosine, -1.0f, 1.0f));
}
