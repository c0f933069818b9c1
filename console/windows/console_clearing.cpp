// Clearing the Windows console in front of standard output. Console calls
// made here:
//   GetStdHandle(STD_OUTPUT_HANDLE)    the handle of standard output
//   GetConsoleMode                     whether that handle is a console at all
//   SetConsoleMode                     (through TurnOnConsoleMode) turning on
//     ENABLE_VIRTUAL_TERMINAL_PROCESSING, so the console acts on the same
//     ESC "[H" ESC "[2J" as a POSIX terminal; put back when the run ends
//   GetConsoleScreenBufferInfo         the buffer's size and default colours,
//     for consoles that refuse that mode:
//   FillConsoleOutputCharacterW        every cell made a blank
//   FillConsoleOutputAttribute         every cell given the default colours
//   SetConsoleCursorPosition           the cursor to the top left corner
// No process is started. Output to a file or a pipe is never cleared.
#include <windows.h>

#include "console/console.h"
#include "console/windows/console_modes.h"
#include "console/windows/console_streams.h"

ClearMethod PrepareClearing() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (!IsConsole(output)) return ClearMethod::kNone;
  if (TurnOnConsoleMode(output, ENABLE_VIRTUAL_TERMINAL_PROCESSING)) {
    return ClearMethod::kEscapeSequence;
  }
  return ClearMethod::kConsoleApi;
}

void ClearWithConsoleApi() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO buffer;
  if (!GetConsoleScreenBufferInfo(output, &buffer)) return;
  const COORD topLeft = {0, 0};
  const DWORD cells =
      static_cast<DWORD>(buffer.dwSize.X) * static_cast<DWORD>(buffer.dwSize.Y);
  DWORD done = 0;
  FillConsoleOutputCharacterW(output, L' ', cells, topLeft, &done);
  FillConsoleOutputAttribute(output, buffer.wAttributes, cells, topLeft, &done);
  SetConsoleCursorPosition(output, topLeft);
}
