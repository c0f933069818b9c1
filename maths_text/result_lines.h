// The result line of each vector exercise, written from its computation
// (exercises.h) as the exercise prints it: numbers in the stream's default
// notation (six significant digits, "1e+06" from a million on, "-0" for a
// negative zero), no line break at the end.
#ifndef QUILLARY_MATHS_TEXT_RESULT_LINES_H_
#define QUILLARY_MATHS_TEXT_RESULT_LINES_H_

#include <string>
#include <string_view>

#include "arithmetic/exercises.h"
#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"

// Appends the exercise's result line to line:
//   VectorAddition, VectorSub  "The resulting vector is: (" result ")"
//   Distance   "The distance between the two vectors is " the length
//   Magniute   "The magnitude for the vector (" v ") is: " the length; the
//              operands are echoed as floats
//   LinInter   "The resulting vector is: (" the point ")"
//   Dot        the direction sentence of the dot product, then ", the angle
//              between the vectors is: " and the angle in radians
//   Normalize  "The normalized vector is: (" the unit vector ")"
//   Cross      "The cross product is: (" the product ")", three components
//              joined by bare commas
//   SurfaceNormal  "The sureface normal is: (" the normal ")", joined by
//              bare commas
// Two components are joined by ", ".
void AppendResultLine(std::string& line, const VectorSumWork& work);
void AppendResultLine(std::string& line, const DistanceWork& work);
void AppendResultLine(std::string& line, const MagniuteWork& work);
void AppendResultLine(std::string& line, const LinInterWork& work);
void AppendResultLine(std::string& line, const DotWork& work);
void AppendResultLine(std::string& line, const NormalizeWork& work);
void AppendResultLine(std::string& line, const CrossWork& work);
void AppendResultLine(std::string& line, const SurfaceNormalWork& work);

// The direction sentence for a dot product: "The Vectors are perpendicular"
// for 0 (either sign), "... facing the opposite direction" below 0, "...
// facing the same direction" above 0.
std::string_view DirectionSentence(float dot);

// Each exercise's line for its operands, as its screen prints it: the
// computation (WorkOut...) and then AppendResultLine.
std::string VectorAdditionLine(Vec2 a, Vec2 b);
std::string VectorSubLine(Vec2 a, Vec2 b);
std::string DistanceLine(Vec2 a, Vec2 b);
std::string MagniuteLine(Vec2 v);
// The parameter is made from tenths by TenthsParameter.
std::string LinInterLine(Vec2 a, Vec2 b, float tenths);
std::string DotLine(Vec2 a, Vec2 b);
std::string NormalizeLine(Vec2 v);
std::string CrossLine(Vec3 a, Vec3 b);
std::string SurfaceNormalLine(Vec3 p1, Vec3 p2, Vec3 p3);

#endif  // QUILLARY_MATHS_TEXT_RESULT_LINES_H_
