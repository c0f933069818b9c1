// The character check and the conversion shared by ReadInteger and
// ReadFloat.
#ifndef QUILLARY_INPUT_NUMBER_LINE_H_
#define QUILLARY_INPUT_NUMBER_LINE_H_

#include <optional>
#include <string>

#include "shell/prompt.h"

// True when every character of line is a decimal digit "0" to "9", or "-" as
// the first character. Safe for every byte value: nothing above 127 is a
// digit. The empty line passes; the conversion rejects it.
bool PassesIntegerCheck(const std::string& line);

// As PassesIntegerCheck, and also allows one "." anywhere in the line.
bool PassesFloatCheck(const std::string& line);

// The whole line as a 32-bit int, or nothing when it holds no number or one
// outside -2147483648..2147483647. Leading zeros are decimal, not octal.
std::optional<int> ConvertToInteger(const std::string& line);

// The whole line as the nearest float, or nothing when it holds no number
// or one beyond the range of float. A value too small for float becomes the
// nearest float (zero or subnormal).
std::optional<float> ConvertToFloat(const std::string& line);

// Why ReadInteger would not take line, for a host that says so beside its
// answer field: the first character the check refuses (kPoint,
// kMisplacedSign, kCharacter), else kEmpty, kNoDigits (a lone "-") or
// kOutOfRange from the conversion; Refusal::kNone for a line it takes.
Refusal IntegerRefusal(const std::string& line);

// The same for ReadFloat: a second "." is kSecondPoint; ".", "-." and "-"
// are kNoDigits; a value beyond the range of float is kOutOfRange.
Refusal FloatRefusal(const std::string& line);

// The program's own sentence for a kOutOfRange refusal, for a host that
// says why a line was not taken: the range ConvertToInteger takes, "the
// number was outside -2147483648 to 2147483647", and that of
// ConvertToFloat, "the number was beyond a float's range, about -3.4e+38 to
// 3.4e+38".
std::string IntegerRangeReason();
std::string FloatRangeReason();

#endif  // QUILLARY_INPUT_NUMBER_LINE_H_
