#include "maths_text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// A stream's default precision, which std::to_chars's general format
// applies exactly as printf's "%g" does.
constexpr int kStreamPrecision = 6;

// Writes value as "%g" with the stream's precision into [first, last) and
// returns the end of the text. std::to_chars is the fast way, where the
// standard library has it for floating point; Emscripten's libc++ does not,
// and there printf's "%g", which rounds the same decimal digits correctly
// (the float widens to double exactly), writes the same text.
template <typename Float>
char* WriteGeneral(char* first, char* last, Float value) {
  if constexpr (requires {
                  std::to_chars(first, last, value, std::chars_format::general,
                                kStreamPrecision);
                }) {
    return std::to_chars(first, last, value, std::chars_format::general,
                         kStreamPrecision)
        .ptr;
  } else {
    const int length =
        std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g",
                      kStreamPrecision, static_cast<double>(value));
    return first + length;
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
  char* const end =
      WriteGeneral(buffer.data(), buffer.data() + buffer.size(), value);
  text.append(buffer.data(), end);
}
