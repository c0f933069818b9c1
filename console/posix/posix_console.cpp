// The console on Linux and other POSIX systems: a terminal, if standard
// output is one. The only bytes ever sent to it beyond the program's texts
// are the clear sequence, written by ClearScreen:
//   ESC "[H"   move the cursor to the top left corner
//   ESC "[2J"  erase the whole screen
// No terminal mode is changed, so there is nothing to put back.
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/never_destroyed.h"
#include "console/posix/fd_streams.h"
#include "console/standard_streams.h"

namespace {

// They live until the process ends, like the buffers over them (see
// NeverDestroyed).
NeverDestroyed<FdInput> input;
NeverDestroyed<FdOutput> output;

}  // namespace

void OpenStandardStreams() {
  InstallStandardStreams(input.Make(STDIN_FILENO), output.Make(STDOUT_FILENO));
}

ClearMethod PrepareClearing() {
  if (isatty(STDOUT_FILENO) != 1) return ClearMethod::kNone;
  // A terminal that declares itself dumb (an Emacs shell buffer, some CI
  // pseudo-terminals), or declares nothing, would show the escape bytes as
  // garbage instead of acting on them.
  const char* const term = std::getenv("TERM");
  if (term == nullptr || *term == '\0' || std::string_view(term) == "dumb") {
    return ClearMethod::kNone;
  }
  return ClearMethod::kEscapeSequence;
}

// A POSIX terminal is always cleared by the escape sequence.
void ClearWithConsoleApi() {}

// A terminal has nowhere to draw a figure.
void OfferFigure(const std::function<std::string()>&) {}

// Its only answer field is the terminal's own line.
void OfferQuestion(std::string_view, std::string_view,
                   const std::function<std::string()>&) {}

int CloseStandardStreams(std::string_view failure) {
  return FinishStandardStreams(failure);
}
