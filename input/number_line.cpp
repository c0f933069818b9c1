#include "input/number_line.h"

#include <charconv>
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

}  // namespace

bool PassesIntegerCheck(const std::string& line) {
  return PassesCheck(line, false);
}

bool PassesFloatCheck(const std::string& line) {
  return PassesCheck(line, true);
}

// Every whole number typed goes through here, so it uses the allocation-free
// std::from_chars rather than a string stream. It fails, as the stream's
// extraction does, for an empty line, a lone sign and a number out of range.
std::optional<int> ConvertToInteger(const std::string& line) {
  const char* const end = line.data() + line.size();
  int val = 0;
  const auto [stop, error] = std::from_chars(line.data(), end, val);
  if (error != std::errc() || stop != end) return std::nullopt;
  return val;
}

// Decimal fractions are typed only at the float echo, so speed does not
// matter here. The stream's extraction is kept because it turns a value too
// small for float into the nearest float, where std::from_chars reports it
// as out of range; it fails for an empty line, a lone sign or point, and a
// number beyond the range of float.
std::optional<float> ConvertToFloat(const std::string& line) {
  std::istringstream stream(line);
  float val = 0.0f;
  if (!(stream >> val)) return std::nullopt;
  return val;
}
