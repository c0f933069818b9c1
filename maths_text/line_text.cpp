#include "maths_text/line_text.h"

#include <initializer_list>

#include "maths_text/number_text.h"

namespace {

void AppendComponents(std::string& line, std::string_view lead,
                      std::initializer_list<float> parts,
                      std::string_view separator) {
  line += lead;
  line += '(';
  for (const float* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) line += separator;
    AppendFloat(line, *part);
  }
  line += ')';
}

}  // namespace

void AppendNumber(std::string& line, std::string_view lead, float value) {
  line += lead;
  AppendFloat(line, value);
}

void AppendVector(std::string& line, std::string_view lead, Vec2 v) {
  AppendComponents(line, lead, {v.x, v.y}, ", ");
}

void AppendVector(std::string& line, std::string_view lead, Vec3 v) {
  AppendComponents(line, lead, {v.x, v.y, v.z}, ",");
}
