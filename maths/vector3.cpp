#include "maths/vector3.h"

namespace {

// One rounded product minus another; the build forbids fusing them, so the
// sign of a zero difference (0 * 0 taken from -1 * 0 is -0) and the last
// digit of every component follow float arithmetic step by step.
float ProductDifference(float a, float b, float c, float d) {
  const float left = a * b;
  const float right = c * d;
  return left - right;
}

Vec3 Edge(Vec3 from, Vec3 to) {
  return {to.x - from.x, to.y - from.y, to.z - from.z};
}

}  // namespace

Vec3 CrossProduct(Vec3 a, Vec3 b) {
  return {ProductDifference(a.y, b.z, a.z, b.y),
          ProductDifference(a.z, b.x, a.x, b.z),
          ProductDifference(a.x, b.y, a.y, b.x)};
}

Vec3 TriangleNormal(Vec3 p1, Vec3 p2, Vec3 p3) {
  return CrossProduct(Edge(p1, p2), Edge(p1, p3));
}
