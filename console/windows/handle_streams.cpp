#include "console/windows/handle_streams.h"

#include <algorithm>

#include "console/windows/system_message.h"

namespace {

// ReadFile and WriteFile count in DWORDs; larger requests are split.
constexpr std::size_t kLargestTransfer = 1u << 30;

DWORD TransferSize(std::size_t size) {
  return static_cast<DWORD>(std::min(size, kLargestTransfer));
}

}  // namespace

ReadResult HandleInput::Read(char* data, std::size_t capacity) {
  DWORD got = 0;
  // Nothing read is the end of input, as the C runtime's own read takes it:
  // the end of a file, and the end of a pipe under Wine.
  if (calls_.readFile(handle_, data, TransferSize(capacity), &got, nullptr)) {
    return {got, {}};
  }
  const DWORD error = GetLastError();
  if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return {};
  return {0, SystemMessage(error)};
}

bool HandleOutput::Write(const char* data, std::size_t size) {
  while (size > 0) {
    DWORD written = 0;
    if (!calls_.writeFile(handle_, data, TransferSize(size), &written,
                          nullptr) ||
        written == 0) {
      return false;
    }
    data += written;
    size -= written;
  }
  return true;
}
