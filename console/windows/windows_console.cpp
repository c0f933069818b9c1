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
#include "console/output_buffer.h"
#include "console/standard_streams.h"
#include "console/windows/console_modes.h"
#include "console/windows/console_streams.h"
#include "console/windows/handle_streams.h"

namespace {

// Each stream lives until the process ends, like the buffers over it.
RawInput& InputFor(HANDLE handle) {
  if (IsConsole(handle)) return *new ConsoleInput(handle);
  return *new HandleInput(handle);
}

// Standard output and error may be two consoles, or a console and a file:
// each handle gets a stream of its own kind.
RawOutput& OutputFor(HANDLE handle) {
  if (IsConsole(handle)) return *new ConsoleOutput(handle);
  return *new HandleOutput(handle);
}

}  // namespace

void OpenStandardStreams() {
  InstallStandardStreams(InputFor(GetStdHandle(STD_INPUT_HANDLE)),
                         OutputFor(GetStdHandle(STD_OUTPUT_HANDLE)));
  // The C runtime writes std::cerr in text mode, turning "\n" into "\r\n",
  // and hands UTF-8 to a console as if it were the console's code page. The
  // one line the program may write there goes through the same raw streams
  // as standard output instead; std::cerr flushes after every write, so a
  // buffer costs nothing. Never destroyed, like std::cout's.
  std::cerr.rdbuf(new OutputBuffer(OutputFor(GetStdHandle(STD_ERROR_HANDLE))));
}

// A console has nowhere to draw a figure.
void OfferFigure(const std::function<std::string()>&) {}

// Its only answer field is the console's own line.
void OfferPrompt(AnswerKind, Refusal) {}

int CloseStandardStreams(std::string_view failure) {
  const int status = FinishStandardStreams(failure);
  RestoreConsoleModes();
  return status;
}
