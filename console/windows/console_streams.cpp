#include "console/windows/console_streams.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

#include "console/windows/system_message.h"

namespace {

// Units asked of the console at once: more than a typed line. A longer line
// comes over several reads, which the conversion joins.
constexpr DWORD kReadUnits = 4096;

// Units given to the console at once, well below the size older consoles
// refuse in one call.
constexpr std::size_t kWriteUnits = 8192;

// Writes `units` in calls of at most kWriteUnits, never splitting a
// surrogate pair between two calls.
bool WriteUnits(const ConsoleCalls& calls, HANDLE handle,
                std::u16string_view units) {
  std::array<wchar_t, kWriteUnits> chunk;
  while (!units.empty()) {
    std::size_t size = std::min(units.size(), chunk.size());
    if (size < units.size() && IsHighSurrogate(units[size - 1])) --size;
    std::transform(units.begin(),
                   units.begin() + static_cast<std::ptrdiff_t>(size),
                   chunk.begin(),
                   [](char16_t unit) { return static_cast<wchar_t>(unit); });
    DWORD written = 0;
    if (!calls.writeConsoleW(handle, chunk.data(), static_cast<DWORD>(size),
                             &written, nullptr) ||
        written == 0) {
      return false;
    }
    units.remove_prefix(std::min<std::size_t>(written, size));
  }
  return true;
}

}  // namespace

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

ReadResult ConsoleInput::Read(char* data, std::size_t capacity) {
  if (next_ == bytes_.size()) {
    std::string failure = ReadMore();
    if (!failure.empty()) return {0, std::move(failure)};
    if (next_ == bytes_.size()) return {};
  }
  const std::size_t count = std::min(capacity, bytes_.size() - next_);
  std::memcpy(data, bytes_.data() + next_, count);
  next_ += count;
  return {count, {}};
}

std::string ConsoleInput::ReadMore() {
  bytes_.clear();
  next_ = 0;
  std::array<wchar_t, kReadUnits> units;
  std::u16string text;
  while (bytes_.empty() && !text_.Ended()) {
    DWORD got = 0;
    if (!calls_.readConsoleW(handle_, units.data(), kReadUnits, &got,
                             nullptr)) {
      const DWORD error = GetLastError();
      // Ctrl-C cuts a read short; the control handler is ending the run.
      if (error == ERROR_OPERATION_ABORTED) continue;
      return SystemMessage(error);
    }
    // Nothing read (Ctrl-C again, the handler on its way) ends nothing.
    text.assign(units.begin(),
                units.begin() + static_cast<std::ptrdiff_t>(got));
    text_.Append(text, bytes_);
  }
  return {};
}

bool ConsoleOutput::Write(const char* data, std::size_t size) {
  units_.clear();
  text_.Append(std::string_view(data, size), units_);
  return WriteUnits(calls_, handle_, units_);
}
