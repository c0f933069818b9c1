#include "input/number_line.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// Compares bytes directly: std::isdigit on a negative char (any byte above
// 127) would be undefined.
bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The check's verdict on the first character it refuses, or kNone when it
// refuses none.
Refusal CheckRefusal(const std::string& line, bool allowPoint) {
  bool seenPoint = false;
  for (std::string::size_type i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '.') {
      if (!allowPoint) return Refusal::kPoint;
      if (seenPoint) return Refusal::kSecondPoint;
      seenPoint = true;
    } else if (c == '-') {
      if (i != 0) return Refusal::kMisplacedSign;
    } else if (!IsDecimalDigit(c)) {
      return Refusal::kCharacter;
    }
  }
  return Refusal::kNone;
}

bool PassesCheck(const std::string& line, bool allowPoint) {
  return CheckRefusal(line, allowPoint) == Refusal::kNone;
}

// Why a line that passed the check does not convert.
Refusal ConversionRefusal(const std::string& line) {
  if (line.empty()) return Refusal::kEmpty;
  if (line.find_first_of("0123456789") == std::string::npos) {
    return Refusal::kNoDigits;
  }
  return Refusal::kOutOfRange;
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
// matter here; sameness does. The C library's strtof rounds correctly (ties
// to even) on every build, where the standard libraries' own conversions do
// not agree: std::from_chars and libc++'s stream extraction reject a value
// too small for float, libstdc++'s stream gives the nearest float. strtof
// gives the nearest float too, zero or subnormal with its sign, and reports
// the underflow as a range error, which is not a failure here; a range
// error with an infinite result is a value beyond the range of float. The
// program never calls setlocale, so strtof reads its point as the "C"
// locale's "." everywhere.
std::optional<float> ConvertToFloat(const std::string& line) {
  // strtof would skip leading blanks and read "inf", "nan" and hexadecimal;
  // only a sign, digits and one point may reach it.
  if (!PassesFloatCheck(line)) return std::nullopt;
  // Rounding to nearest is symmetric, so the magnitude is converted and the
  // sign put on after: Emscripten's C library rounds some negative values
  // just above half the smallest subnormal to zero, and their magnitudes
  // correctly.
  const bool negative = !line.empty() && line.front() == '-';
  const char* const begin = line.c_str() + (negative ? 1 : 0);
  const char* const end = line.c_str() + line.size();
  char* stop = nullptr;
  errno = 0;
  const float magnitude = std::strtof(begin, &stop);
  if (stop == begin || stop != end) return std::nullopt;
  if (errno == ERANGE && std::isinf(magnitude)) return std::nullopt;
  return negative ? -magnitude : magnitude;
}

Refusal IntegerRefusal(const std::string& line) {
  const Refusal refusal = CheckRefusal(line, false);
  if (refusal != Refusal::kNone || ConvertToInteger(line)) return refusal;
  return ConversionRefusal(line);
}

Refusal FloatRefusal(const std::string& line) {
  const Refusal refusal = CheckRefusal(line, true);
  if (refusal != Refusal::kNone || ConvertToFloat(line)) return refusal;
  return ConversionRefusal(line);
}

std::string IntegerRangeReason() {
  return "the number was outside " +
         std::to_string(std::numeric_limits<int>::min()) + " to " +
         std::to_string(std::numeric_limits<int>::max());
}

// A line is out of range when it rounds beyond the largest float,
// 3.40282347e+38; two digits say enough, written as the program prints a
// float.
std::string FloatRangeReason() {
  return "the number was beyond a float's range, about -3.4e+38 to 3.4e+38";
}
