#include "maths_text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A stream's default precision, which std::to_chars's general format
// applies exactly as printf's "%g" does.
constexpr int kStreamPrecision = 6;

// Writes value as "%g" with `precision` digits into [first, last) and
// returns the end of the text. std::to_chars is the fast way, where the
// standard library has it for floating point; Emscripten's libc++ does not,
// and there printf's "%g", which rounds the same decimal digits correctly
// (the float widens to double exactly), writes the same text.
template <typename Float>
char* WriteGeneral(char* first, char* last, Float value, int precision) {
  if constexpr (requires {
                  std::to_chars(first, last, value, std::chars_format::general,
                                precision);
                }) {
    return std::to_chars(first, last, value, std::chars_format::general,
                         precision)
        .ptr;
  } else {
    const int length =
        std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g",
                      precision, static_cast<double>(value));
    return first + length;
  }
}

// Nine significant digits tell every float apart.
constexpr int kExactPrecision = 9;

// Appends value with the fewest digits, from the stream's six up, whose
// text reads back (strtof, as typed fractions are read) as value itself.
void AppendDigitsThatReadBack(std::string& text, float value) {
  std::array<char, 32> buffer;
  for (int precision = kStreamPrecision;; ++precision) {
    char* const end = WriteGeneral(
        buffer.data(), buffer.data() + buffer.size() - 1, value, precision);
    *end = '\0';
    if (precision == kExactPrecision ||
        std::strtof(buffer.data(), nullptr) == value) {
      text.append(buffer.data(), end);
      return;
    }
  }
}

}  // namespace

void AppendFloat(std::string& text, float value) {
  // 0/0 has its sign bit set on x86-64 and clear on ARM, and the sign of a
  // not-a-number means nothing; one spelling keeps a session's output the
  // same on every machine.
  if (std::isnan(value)) {
    text += "nan";
    return;
  }
  // Far more room than the longest such text, "-1.17549e-38".
  std::array<char, 32> buffer;
  char* const end = WriteGeneral(buffer.data(), buffer.data() + buffer.size(),
                                 value, kStreamPrecision);
  text.append(buffer.data(), end);
}

bool AppendExactFloat(std::string& text, float value) {
  if (std::isnan(value) || std::isinf(value)) {
    AppendFloat(text, value);
    return false;
  }
  const std::size_t start = text.size();
  AppendDigitsThatReadBack(text, value);
  std::string shown;
  AppendFloat(shown, value);
  return text.compare(start, std::string::npos, shown) != 0;
}

std::string ExactFloatText(float value) {
  std::string text;
  AppendExactFloat(text, value);
  return text;
}
