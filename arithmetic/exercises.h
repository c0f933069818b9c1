// The one computation of each vector exercise: its operands and every value
// it computes on the way to its result, kept so that everything written of
// the exercise (its result line, its figure and working) comes from the
// same floats. Plain values: making one allocates nothing, and nothing here
// writes text.
#ifndef QUILLARY_ARITHMETIC_EXERCISES_H_
#define QUILLARY_ARITHMETIC_EXERCISES_H_

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"

// VectorAddition (a + b) or VectorSub (a - b).
struct VectorSumWork {
  bool difference;  // true for VectorSub
  Vec2 a;
  Vec2 b;
  Vec2 result;
};
VectorSumWork WorkOutVectorAddition(Vec2 a, Vec2 b);
VectorSumWork WorkOutVectorSub(Vec2 a, Vec2 b);

// The length of a - b.
struct DistanceWork {
  Vec2 a;
  Vec2 b;
  Vec2 difference;
  LengthWork distance;
};
DistanceWork WorkOutDistance(Vec2 a, Vec2 b);

struct MagniuteWork {
  Vec2 v;
  LengthWork length;
};
MagniuteWork WorkOutMagniute(Vec2 v);

// a interpolated towards b by the parameter made from the typed tenths.
struct LinInterWork {
  Vec2 a;
  Vec2 b;
  float tenths;
  float t;  // TenthsParameter(tenths)
  InterpolationWork point;
};
LinInterWork WorkOutLinInter(Vec2 a, Vec2 b, float tenths);

// The dot product, whose sign chooses the direction sentence, and the angle.
struct DotWork {
  Vec2 a;
  Vec2 b;
  DotProductWork dot;
  AngleWork angle;
};
DotWork WorkOutDot(Vec2 a, Vec2 b);

struct NormalizeWork {
  Vec2 v;
  NormalizedWork unit;
};
NormalizeWork WorkOutNormalize(Vec2 v);

struct CrossWork {
  Vec3 a;
  Vec3 b;
  CrossProductWork product;
};
CrossWork WorkOutCross(Vec3 a, Vec3 b);

// The normal of the triangle p1, p2, p3.
struct SurfaceNormalWork {
  Vec3 p1;
  Vec3 p2;
  Vec3 p3;
  TriangleNormalWork normal;
};
SurfaceNormalWork WorkOutSurfaceNormal(Vec3 p1, Vec3 p2, Vec3 p3);

#endif  // QUILLARY_ARITHMETIC_EXERCISES_H_
