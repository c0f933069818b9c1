#include "arithmetic/exercises.h"

VectorSumWork WorkOutVectorAddition(Vec2 a, Vec2 b) {
  return {false, a, b, Add(a, b)};
}

VectorSumWork WorkOutVectorSub(Vec2 a, Vec2 b) {
  return {true, a, b, Subtract(a, b)};
}

DistanceWork WorkOutDistance(Vec2 a, Vec2 b) {
  const Vec2 difference = Subtract(a, b);
  return {a, b, difference, WorkOutLength(difference)};
}

MagniuteWork WorkOutMagniute(Vec2 v) { return {v, WorkOutLength(v)}; }

LinInterWork WorkOutLinInter(Vec2 a, Vec2 b, float tenths) {
  const float t = TenthsParameter(tenths);
  return {a, b, tenths, t, WorkOutInterpolation(a, b, t)};
}

DotWork WorkOutDot(Vec2 a, Vec2 b) {
  return {a, b, WorkOutDotProduct(a, b), WorkOutAngle(a, b)};
}

NormalizeWork WorkOutNormalize(Vec2 v) { return {v, WorkOutNormalized(v)}; }

CrossWork WorkOutCross(Vec3 a, Vec3 b) {
  return {a, b, WorkOutCrossProduct(a, b)};
}

SurfaceNormalWork WorkOutSurfaceNormal(Vec3 p1, Vec3 p2, Vec3 p3) {
  return {p1, p2, p3, WorkOutTriangleNormal(p1, p2, p3)};
}
