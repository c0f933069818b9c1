// Three-dimensional vector arithmetic for the maths exercises, in single
// precision with one rounding per operation, in the order each function
// names.
#ifndef QUILLARY_MATHS_VECTOR3_H_
#define QUILLARY_MATHS_VECTOR3_H_

struct Vec3 {
  float x;
  float y;
  float z;
};

// a cross b; each component is one product minus another:
// ((a.y * b.z) - (a.z * b.y), (a.z * b.x) - (a.x * b.z),
//  (a.x * b.y) - (a.y * b.x)). Parallel vectors give the zero vector, whose
// components may be negative zeros.
struct CrossProductWork {
  Vec3 left;     // (a.y * b.z, a.z * b.x, a.x * b.y)
  Vec3 right;    // (a.z * b.y, a.x * b.z, a.y * b.x)
  Vec3 product;  // left - right, componentwise
};
CrossProductWork WorkOutCrossProduct(Vec3 a, Vec3 b);
Vec3 CrossProduct(Vec3 a, Vec3 b);  // WorkOutCrossProduct(a, b).product

// The normal of the triangle p1, p2, p3: (p2 - p1) cross (p3 - p1), each
// edge taken componentwise. Not normalised: its length is twice the
// triangle's area, and three points on one line give the zero vector.
struct TriangleNormalWork {
  Vec3 edge1;  // p2 - p1
  Vec3 edge2;  // p3 - p1
  CrossProductWork normal;
};
TriangleNormalWork WorkOutTriangleNormal(Vec3 p1, Vec3 p2, Vec3 p3);
Vec3 TriangleNormal(Vec3 p1, Vec3 p2, Vec3 p3);  // ...normal.product

#endif  // QUILLARY_MATHS_VECTOR3_H_
