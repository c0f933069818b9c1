#include "arithmetic/vector3.h"

namespace {

Vec3 Edge(Vec3 from, Vec3 to) {
  return {to.x - from.x, to.y - from.y, to.z - from.z};
}

}  // namespace

// Each component is one rounded product minus another; the build forbids
// fusing them, so the sign of a zero difference (0 * 0 taken from -1 * 0 is
// -0) and the last digit of every component follow float arithmetic step
// by step.
CrossProductWork WorkOutCrossProduct(Vec3 a, Vec3 b) {
  const Vec3 left{a.y * b.z, a.z * b.x, a.x * b.y};
  const Vec3 right{a.z * b.y, a.x * b.z, a.y * b.x};
  return {left, right, {left.x - right.x, left.y - right.y, left.z - right.z}};
}

Vec3 CrossProduct(Vec3 a, Vec3 b) { return WorkOutCrossProduct(a, b).product; }

TriangleNormalWork WorkOutTriangleNormal(Vec3 p1, Vec3 p2, Vec3 p3) {
  const Vec3 edge1 = Edge(p1, p2);
  const Vec3 edge2 = Edge(p1, p3);
  return {edge1, edge2, WorkOutCrossProduct(edge1, edge2)};
}

Vec3 TriangleNormal(Vec3 p1, Vec3 p2, Vec3 p3) {
  return WorkOutTriangleNormal(p1, p2, p3).normal.product;
}
