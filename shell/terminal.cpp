#include "shell/terminal.h"

#include <unistd.h>

#include <iostream>

namespace {

bool outputIsTerminal = false;

constexpr char kCursorHomeAndClear[] = "\x1b[H\x1b[2J";

}  // namespace

void ClearScreen() {
  if (outputIsTerminal) std::cout << kCursorHomeAndClear;
}

void SetOutputIsTerminal(bool isTerminal) { outputIsTerminal = isTerminal; }

void DetectTerminal() { SetOutputIsTerminal(isatty(STDOUT_FILENO) == 1); }
