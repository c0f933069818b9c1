// The console on Windows: standard input, output and error are each a
// console, or a file, pipe or device read and written as raw bytes. The
// environment (TERM included) is not read: a console tells by itself
// whether and how it can be cleared (console_clearing.cpp).
#include <windows.h>

#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/never_destroyed.h"
#include "console/output_buffer.h"
#include "console/standard_streams.h"
#include "console/windows/console_modes.h"
#include "console/windows/console_streams.h"
#include "console/windows/handle_streams.h"

namespace {

// Each stream lives until the process ends, like the buffers over it, and
// none is taken from the heap (see NeverDestroyed). Standard output and
// error may be two consoles, or a console and a file: each handle gets a
// stream of its own kind.
NeverDestroyed<ConsoleInput> consoleInput;
NeverDestroyed<HandleInput> handleInput;
NeverDestroyed<ConsoleOutput> consoleOutputs[2];
NeverDestroyed<HandleOutput> handleOutputs[2];
NeverDestroyed<OutputBuffer> errorBuffer;

RawInput& InputFor(HANDLE handle) {
  if (IsConsole(handle)) return consoleInput.Make(handle);
  return handleInput.Make(handle);
}

// `slot` is 0 for standard output, 1 for standard error.
RawOutput& OutputFor(HANDLE handle, int slot) {
  if (IsConsole(handle)) return consoleOutputs[slot].Make(handle);
  return handleOutputs[slot].Make(handle);
}

}  // namespace

void OpenStandardStreams() {
  InstallStandardStreams(InputFor(GetStdHandle(STD_INPUT_HANDLE)),
                         OutputFor(GetStdHandle(STD_OUTPUT_HANDLE), 0));
  // The C runtime writes std::cerr in text mode, turning "\n" into "\r\n",
  // and hands UTF-8 to a console as if it were the console's code page. The
  // one line the program may write there goes through the same raw streams
  // as standard output instead; std::cerr flushes after every write, so a
  // buffer costs nothing. Never destroyed, like std::cout's.
  std::cerr.rdbuf(
      &errorBuffer.Make(OutputFor(GetStdHandle(STD_ERROR_HANDLE), 1)));
}

// A console has nowhere to draw a figure.
void OfferFigure(const std::function<std::string()>&) {}

// Its only answer field is the console's own line.
void OfferQuestion(std::string_view, std::string_view,
                   const std::function<std::string()>&) {}

int CloseStandardStreams(std::string_view failure) {
  const int status = FinishStandardStreams(failure);
  RestoreConsoleModes();
  return status;
}
