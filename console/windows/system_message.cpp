#include "console/windows/system_message.h"

#include <windows.h>

#include <array>

namespace {

// Windows' own UTF-16 text as UTF-8, the encoding of everything the program
// writes.
std::string ToUtf8(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0,
                                       nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

}  // namespace

std::string SystemMessage(unsigned long code) {
  std::array<wchar_t, 1024> text;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
      0, text.data(), static_cast<DWORD>(text.size()), nullptr);
  std::string message =
      TrimSystemMessage(ToUtf8(text.data(), static_cast<int>(length)));
  if (message.empty()) message = "error " + std::to_string(code);
  return message;
}

std::string TrimSystemMessage(std::string text) {
  std::string trimmed;
  bool blank = false;
  for (const char c : text) {
    const bool space = c == '\r' || c == '\n' || c == ' ' || c == '\t';
    if (!space && blank && !trimmed.empty()) trimmed.push_back(' ');
    if (!space) trimmed.push_back(c);
    blank = space;
  }
  if (!trimmed.empty() && trimmed.back() == '.') trimmed.pop_back();
  return trimmed;
}
