// Clearing the console before each screen. How it is cleared is the
// console's business (console/console.h): an ANSI sequence written with the
// output, the Windows console API, or nothing at all when standard output is
// a file, a pipe or a terminal that cannot clear, so the transcript of a
// scripted session holds only the program's own texts.
#ifndef QUILLARY_SHELL_TERMINAL_H_
#define QUILLARY_SHELL_TERMINAL_H_

#include "console/console.h"

// Clears the console before a new screen, by the method in force. Never
// starts a process and cannot fail.
void ClearScreen();

// Sets the method ClearScreen uses. Starts as ClearMethod::kNone, so code
// that captures std::cout (the tests) sees no escape sequences unless it
// asks.
void SetClearMethod(ClearMethod method);

// Asks the console how it can be cleared and uses that from now on.
void DetectTerminal();

#endif  // QUILLARY_SHELL_TERMINAL_H_
