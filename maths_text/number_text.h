// Floats as text, exactly as std::cout writes them with its default format,
// without a stream.
#ifndef QUILLARY_SHELL_NUMBER_TEXT_H_
#define QUILLARY_SHELL_NUMBER_TEXT_H_

#include <string>

// Appends value with six significant digits in the shorter of fixed and
// scientific notation, as printf's "%g" and a default-formatted stream give
// them: "1.41421", "1e+06", "-0", "inf". Every not-a-number is "nan",
// whatever its sign bit and on every platform. Cheaper than a string
// stream, whose construction alone costs more than the conversion.
void AppendFloat(std::string& text, float value);

// Appends value as AppendFloat does where those six digits read back as the
// same float, and otherwise with the fewest more digits that do (at most
// nine): "0.6", "-0.99999994", "16000004", "1539413", "4.2949673e+09". So a
// step recomputed from such texts gives exactly the program's floats.
// Returns true when the text is longer than the terminal's.
bool AppendExactFloat(std::string& text, float value);

// AppendExactFloat's text alone, for a note's sentence.
std::string ExactFloatText(float value);

#endif  // QUILLARY_SHELL_NUMBER_TEXT_H_
