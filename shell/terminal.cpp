#include "shell/terminal.h"

#include <iostream>

namespace {

ClearMethod clearMethod = ClearMethod::kNone;

constexpr char kCursorHomeAndClear[] = "\x1b[H\x1b[2J";

}  // namespace

void ClearScreen() {
  switch (clearMethod) {
    case ClearMethod::kNone:
      return;
    case ClearMethod::kEscapeSequence:
      std::cout << kCursorHomeAndClear;
      return;
    case ClearMethod::kConsoleApi:
      // The console API acts at once, so the old screen's text must reach
      // the console before it is blanked, not after.
      std::cout.flush();
      ClearWithConsoleApi();
      return;
  }
}

void SetClearMethod(ClearMethod method) { clearMethod = method; }

void DetectTerminal() { SetClearMethod(PrepareClearing()); }
