// Console calls: GetConsoleMode, SetConsoleMode, SetConsoleCtrlHandler.
#include "console/windows/console_modes.h"

#include <array>
#include <atomic>
#include <cstddef>

namespace {

struct SavedMode {
  HANDLE handle;
  DWORD mode;
};

// Standard input, output and error are the most consoles there can be.
std::array<SavedMode, 3> saved;
// How many entries of `saved` are complete. The control handler runs on a
// thread of its own, so an entry is counted only once it is written.
std::atomic<std::size_t> savedCount{0};

// Runs on its own thread when Ctrl-C, Ctrl-Break, closing the console,
// logging off or shutting down ends the run. Returning FALSE hands the event
// on to the system's default handler, which ends the process at once, as
// Ctrl-C does on POSIX.
BOOL WINAPI RestoreOnControlEvent(DWORD /*event*/) {
  RestoreConsoleModes();
  return FALSE;
}

}  // namespace

bool TurnOnConsoleMode(HANDLE handle, DWORD flags) {
  DWORD mode = 0;
  if (!GetConsoleMode(handle, &mode)) return false;
  if ((mode & flags) == flags) return true;
  const std::size_t count = savedCount.load();
  if (count == saved.size()) return false;
  if (count == 0) SetConsoleCtrlHandler(RestoreOnControlEvent, TRUE);
  saved[count] = {handle, mode};
  savedCount.store(count + 1);
  if (SetConsoleMode(handle, mode | flags)) return true;
  // Refused: nothing was changed, so there is nothing to put back.
  savedCount.store(count);
  return false;
}

void RestoreConsoleModes() {
  const std::size_t count = savedCount.load();
  for (std::size_t i = 0; i < count; ++i) {
    SetConsoleMode(saved[i].handle, saved[i].mode);
  }
}
