#include "maths/result_lines.h"

#include <initializer_list>
#include <string>

#include "shell/number_text.h"

namespace {

constexpr std::string_view kResultingVector = "The resulting vector is: ";

std::string Join(std::string_view lead, float value) {
  std::string line(lead);
  AppendFloat(line, value);
  return line;
}

// The components in parentheses, with separator between them.
std::string Join(std::string_view lead, std::initializer_list<float> parts,
                 std::string_view separator) {
  std::string line(lead);
  line += '(';
  for (const float* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) line += separator;
    AppendFloat(line, *part);
  }
  line += ')';
  return line;
}

// Two components with a comma and a blank between them.
std::string Join(std::string_view lead, Vec2 v) {
  return Join(lead, {v.x, v.y}, ", ");
}

// Three components with bare commas between them.
std::string Join(std::string_view lead, Vec3 v) {
  return Join(lead, {v.x, v.y, v.z}, ",");
}

}  // namespace

std::string VectorAdditionLine(Vec2 a, Vec2 b) {
  return Join(kResultingVector, Add(a, b));
}

std::string VectorSubLine(Vec2 a, Vec2 b) {
  return Join(kResultingVector, Subtract(a, b));
}

std::string DistanceLine(Vec2 a, Vec2 b) {
  return Join("The distance between the two vectors is ",
              Length(Subtract(a, b)));
}

std::string MagniuteLine(Vec2 v) {
  return Join(Join("The magnitude for the vector ", v) + " is: ", Length(v));
}

std::string LinInterLine(Vec2 a, Vec2 b, float tenths) {
  return Join(kResultingVector, Interpolate(a, b, TenthsParameter(tenths)));
}

std::string_view DirectionSentence(float dot) {
  // Tested in this order, so -0 counts as perpendicular; not-a-number
  // passes none of the tests and would leave the sentence empty.
  if (dot == 0.0f) return "The Vectors are perpendicular";
  if (dot < 0.0f) return "The Vectors are facing the opposite direction";
  if (dot > 0.0f) return "The Vectors are facing the same direction";
  return "";
}

std::string DotLine(Vec2 a, Vec2 b) {
  std::string lead(DirectionSentence(DotProduct(a, b)));
  lead += ", the angle between the vectors is: ";
  return Join(lead, AngleBetween(a, b));
}

std::string NormalizeLine(Vec2 v) {
  return Join("The normalized vector is: ", Normalized(v));
}

std::string CrossLine(Vec3 a, Vec3 b) {
  return Join("The cross product is: ", CrossProduct(a, b));
}

std::string SurfaceNormalLine(Vec3 p1, Vec3 p2, Vec3 p3) {
  return Join("The sureface normal is: ", TriangleNormal(p1, p2, p3));
}
