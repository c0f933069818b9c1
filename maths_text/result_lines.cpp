#include "maths_text/result_lines.h"

#include <initializer_list>
#include <string>

#include "maths_text/number_text.h"

namespace {

constexpr std::string_view kResultingVector = "The resulting vector is: ";

void Append(std::string& line, std::string_view lead, float value) {
  line += lead;
  AppendFloat(line, value);
}

// The components in parentheses, with separator between them.
void Append(std::string& line, std::string_view lead,
            std::initializer_list<float> parts, std::string_view separator) {
  line += lead;
  line += '(';
  for (const float* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) line += separator;
    AppendFloat(line, *part);
  }
  line += ')';
}

// Two components with a comma and a blank between them.
void Append(std::string& line, std::string_view lead, Vec2 v) {
  Append(line, lead, {v.x, v.y}, ", ");
}

// Three components with bare commas between them.
void Append(std::string& line, std::string_view lead, Vec3 v) {
  Append(line, lead, {v.x, v.y, v.z}, ",");
}

template <typename Work>
std::string Line(const Work& work) {
  std::string line;
  AppendResultLine(line, work);
  return line;
}

}  // namespace

void AppendResultLine(std::string& line, const VectorSumWork& work) {
  Append(line, kResultingVector, work.result);
}

void AppendResultLine(std::string& line, const DistanceWork& work) {
  Append(line, "The distance between the two vectors is ",
         work.distance.length);
}

void AppendResultLine(std::string& line, const MagniuteWork& work) {
  Append(line, "The magnitude for the vector ", work.v);
  Append(line, " is: ", work.length.length);
}

void AppendResultLine(std::string& line, const LinInterWork& work) {
  Append(line, kResultingVector, work.point.point);
}

std::string_view DirectionSentence(float dot) {
  // Tested in this order, so -0 counts as perpendicular; not-a-number
  // passes none of the tests and would leave the sentence empty.
  if (dot == 0.0f) return "The Vectors are perpendicular";
  if (dot < 0.0f) return "The Vectors are facing the opposite direction";
  if (dot > 0.0f) return "The Vectors are facing the same direction";
  return "";
}

void AppendResultLine(std::string& line, const DotWork& work) {
  line += DirectionSentence(work.dot.sum);
  Append(line, ", the angle between the vectors is: ", work.angle.angle);
}

void AppendResultLine(std::string& line, const NormalizeWork& work) {
  Append(line, "The normalized vector is: ", work.unit.unit);
}

void AppendResultLine(std::string& line, const CrossWork& work) {
  Append(line, "The cross product is: ", work.product.product);
}

void AppendResultLine(std::string& line, const SurfaceNormalWork& work) {
  Append(line, "The sureface normal is: ", work.normal.normal.product);
}

std::string VectorAdditionLine(Vec2 a, Vec2 b) {
  return Line(WorkOutVectorAddition(a, b));
}

std::string VectorSubLine(Vec2 a, Vec2 b) {
  return Line(WorkOutVectorSub(a, b));
}

std::string DistanceLine(Vec2 a, Vec2 b) { return Line(WorkOutDistance(a, b)); }

std::string MagniuteLine(Vec2 v) { return Line(WorkOutMagniute(v)); }

std::string LinInterLine(Vec2 a, Vec2 b, float tenths) {
  return Line(WorkOutLinInter(a, b, tenths));
}

std::string DotLine(Vec2 a, Vec2 b) { return Line(WorkOutDot(a, b)); }

std::string NormalizeLine(Vec2 v) { return Line(WorkOutNormalize(v)); }

std::string CrossLine(Vec3 a, Vec3 b) { return Line(WorkOutCross(a, b)); }

std::string SurfaceNormalLine(Vec3 p1, Vec3 p2, Vec3 p3) {
  return Line(WorkOutSurfaceNormal(p1, p2, p3));
}
