// The parts the exercises' result lines are made of: numbers as the
// terminal writes them, after the words that lead to them.
#ifndef QUILLARY_MATHS_TEXT_LINE_TEXT_H_
#define QUILLARY_MATHS_TEXT_LINE_TEXT_H_

#include <string>
#include <string_view>

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"

inline constexpr std::string_view kResultingVector =
    "The resulting vector is: ";

// lead, then the number.
void AppendNumber(std::string& line, std::string_view lead, float value);

// lead, then "(x, y)": two components with a comma and a blank between.
void AppendVector(std::string& line, std::string_view lead, Vec2 v);

// lead, then "(x,y,z)": three components with bare commas between.
void AppendVector(std::string& line, std::string_view lead, Vec3 v);

#endif  // QUILLARY_MATHS_TEXT_LINE_TEXT_H_
