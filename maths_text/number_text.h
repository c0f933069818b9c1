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

#endif  // QUILLARY_SHELL_NUMBER_TEXT_H_
