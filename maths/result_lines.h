// The result line of each vector exercise, computed from its operands and
// written as the exercise prints it: numbers in the stream's default
// notation (six significant digits, "1e+06" from a million on, "-0" for a
// negative zero), no line break at the end.
#ifndef QUILLARY_MATHS_RESULT_LINES_H_
#define QUILLARY_MATHS_RESULT_LINES_H_

#include <string>
#include <string_view>

#include "maths/vector2.h"
#include "maths/vector3.h"

// "The resulting vector is: (" a + b ")".
std::string VectorAdditionLine(Vec2 a, Vec2 b);

// "The resulting vector is: (" a - b ")".
std::string VectorSubLine(Vec2 a, Vec2 b);

// "The distance between the two vectors is " Length(a - b).
std::string DistanceLine(Vec2 a, Vec2 b);

// "The magnitude for the vector (" v ") is: " Length(v); the operands are
// echoed as floats.
std::string MagniuteLine(Vec2 v);

// "The resulting vector is: (" a interpolated towards b ")", with the
// parameter made from tenths by TenthsParameter.
std::string LinInterLine(Vec2 a, Vec2 b, float tenths);

// The direction sentence for a dot product: "The Vectors are perpendicular"
// for 0 (either sign), "... facing the opposite direction" below 0, "...
// facing the same direction" above 0.
std::string_view DirectionSentence(float dot);

// The direction sentence of DotProduct(a, b), then ", the angle between the
// vectors is: " and AngleBetween(a, b) in radians.
std::string DotLine(Vec2 a, Vec2 b);

// "The normalized vector is: (" Normalized(v) ")".
std::string NormalizeLine(Vec2 v);

// "The cross product is: (" a cross b ")", three components joined by bare
// commas.
std::string CrossLine(Vec3 a, Vec3 b);

// "The sureface normal is: (" TriangleNormal(p1, p2, p3) ")", joined by
// bare commas.
std::string SurfaceNormalLine(Vec3 p1, Vec3 p2, Vec3 p3);

#endif  // QUILLARY_MATHS_RESULT_LINES_H_
