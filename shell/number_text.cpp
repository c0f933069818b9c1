#include "shell/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// A stream's default precision, which std::to_chars's general format
// applies exactly as printf's "%g" does.
constexpr int kStreamPrecision = 6;

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
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    std::chars_format::general, kStreamPrecision)
          .ptr;
  text.append(buffer.data(), end);
}
