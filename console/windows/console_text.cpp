#include "console/windows/console_text.h"

#include <utility>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char Byte(char32_t bits) { return static_cast<char>(bits & 0xFF); }

void AppendUtf8(char32_t codePoint, std::string& bytes) {
  if (codePoint < 0x80) {
    bytes.push_back(Byte(codePoint));
  } else if (codePoint < 0x800) {
    bytes.push_back(Byte(0xC0 | (codePoint >> 6)));
    bytes.push_back(Byte(0x80 | (codePoint & 0x3F)));
  } else if (codePoint < 0x10000) {
    bytes.push_back(Byte(0xE0 | (codePoint >> 12)));
    bytes.push_back(Byte(0x80 | ((codePoint >> 6) & 0x3F)));
    bytes.push_back(Byte(0x80 | (codePoint & 0x3F)));
  } else {
    bytes.push_back(Byte(0xF0 | (codePoint >> 18)));
    bytes.push_back(Byte(0x80 | ((codePoint >> 12) & 0x3F)));
    bytes.push_back(Byte(0x80 | ((codePoint >> 6) & 0x3F)));
    bytes.push_back(Byte(0x80 | (codePoint & 0x3F)));
  }
}

void AppendUtf16(char32_t codePoint, std::u16string& units) {
  if (codePoint < 0x10000) {
    units.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  const char32_t offset = codePoint - 0x10000;
  units.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
  units.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
}

}  // namespace

void ConsoleInputText::Append(std::u16string_view units, std::string& bytes) {
  for (const char16_t unit : units) {
    if (ended_) return;
    if (heldCarriageReturn_) {
      heldCarriageReturn_ = false;
      if (unit == u'\n') {
        bytes.push_back('\n');
        atLineStart_ = true;
        continue;
      }
      bytes.push_back('\r');
      atLineStart_ = false;
    }
    if (unit == u'\r') {
      // A surrogate cannot be completed across a line end.
      ReplaceHeldSurrogate(bytes);
      heldCarriageReturn_ = true;
      continue;
    }
    if (atLineStart_ && unit == kEndOfInputUnit) {
      ended_ = true;
      return;
    }
    AppendUnit(unit, bytes);
  }
}

// Appends one unit that is neither a "\r" nor the end-of-input key. A high
// surrogate waits for the low one that must follow it.
void ConsoleInputText::AppendUnit(char16_t unit, std::string& bytes) {
  atLineStart_ = false;
  if (heldHighSurrogate_ != 0 && IsLowSurrogate(unit)) {
    const char32_t high = std::exchange(heldHighSurrogate_, char16_t{0});
    AppendUtf8(0x10000 + ((high - 0xD800) << 10) + (char32_t{unit} - 0xDC00),
               bytes);
    return;
  }
  ReplaceHeldSurrogate(bytes);
  if (IsHighSurrogate(unit)) {
    heldHighSurrogate_ = unit;
    return;
  }
  AppendUtf8(IsLowSurrogate(unit) ? kReplacement : char32_t{unit}, bytes);
  atLineStart_ = unit == u'\n';
}

void ConsoleInputText::ReplaceHeldSurrogate(std::string& bytes) {
  if (heldHighSurrogate_ == 0) return;
  heldHighSurrogate_ = 0;
  AppendUtf8(kReplacement, bytes);
}

void ConsoleOutputText::Append(std::string_view bytes, std::u16string& units) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (bytesNeeded_ > 0 && Continue(byte, units)) continue;
    Start(byte, units);
  }
}

bool ConsoleOutputText::Continue(unsigned char byte, std::u16string& units) {
  const bool fits = byte >= lowest_ && byte <= highest_;
  lowest_ = 0x80;
  highest_ = 0xBF;
  if (!fits) {
    bytesNeeded_ = 0;
    units.push_back(static_cast<char16_t>(kReplacement));
    return false;
  }
  codePoint_ = (codePoint_ << 6) | (byte & 0x3Fu);
  if (--bytesNeeded_ == 0) AppendUtf16(codePoint_, units);
  return true;
}

// The first byte of a character decides how many follow and, to refuse
// overlong forms, surrogates and values beyond U+10FFFF, the range the
// second one must lie in.
void ConsoleOutputText::Start(unsigned char byte, std::u16string& units) {
  if (byte < 0x80) {
    units.push_back(byte);
  } else if (byte >= 0xC2 && byte <= 0xDF) {
    bytesNeeded_ = 1;
    codePoint_ = byte & 0x1Fu;
  } else if (byte >= 0xE0 && byte <= 0xEF) {
    if (byte == 0xE0) lowest_ = 0xA0;
    if (byte == 0xED) highest_ = 0x9F;
    bytesNeeded_ = 2;
    codePoint_ = byte & 0x0Fu;
  } else if (byte >= 0xF0 && byte <= 0xF4) {
    if (byte == 0xF0) lowest_ = 0x90;
    if (byte == 0xF4) highest_ = 0x8F;
    bytesNeeded_ = 3;
    codePoint_ = byte & 0x07u;
  } else {
    units.push_back(static_cast<char16_t>(kReplacement));
  }
}
