// Everything the program knows about terminals lives here. The screen is
// cleared with one ANSI sequence, and only when standard output is a
// terminal:
//   ESC "[H"   move the cursor to the top left corner
//   ESC "[2J"  erase the whole screen
// When output goes to a file or a pipe nothing is written, so the transcript
// of a scripted session holds only the program's own texts.
#ifndef QUILLARY_SHELL_TERMINAL_H_
#define QUILLARY_SHELL_TERMINAL_H_

// Clears the console before a new screen; does nothing when standard output
// is not a terminal. Never starts a process and cannot fail.
void ClearScreen();

// Records whether std::cout writes to a terminal. Starts false, so code that
// captures std::cout (the tests) sees no escape sequences unless it asks.
void SetOutputIsTerminal(bool isTerminal);

// Asks the system whether standard output is a terminal and records it.
void DetectTerminal();

#endif  // QUILLARY_SHELL_TERMINAL_H_
