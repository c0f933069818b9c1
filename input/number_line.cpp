#include "input/number_line.h"

#include <sstream>

namespace {

// Compares bytes directly: std::isdigit on a negative char (any byte above
// 127) would be undefined.
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool PassesCheck(const std::string& line, bool allowPoint) {
  bool seenPoint = false;
  for (std::string::size_type i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (allowPoint && c == '.') {
      if (seenPoint) return false;
      seenPoint = true;
    } else if (!IsDecimalDigit(c) && !(c == '-' && i == 0)) {
      return false;
    }
  }
  return true;
}

// The standard formatted extraction fails, rather than giving a value, for
// an empty line, a lone sign or point, and a number out of the type's range.
template <typename Number>
std::optional<Number> Convert(const std::string& line) {
  std::istringstream stream(line);
  Number val;
  if (!(stream >> val)) return std::nullopt;
  return val;
}

}  // namespace

bool PassesIntegerCheck(const std::string& line) {
  return PassesCheck(line, false);
}

bool PassesFloatCheck(const std::string& line) {
  return PassesCheck(line, true);
}

std::optional<int> ConvertToInteger(const std::string& line) {
  return Convert<int>(line);
}

std::optional<float> ConvertToFloat(const std::string& line) {
  return Convert<float>(line);
}
