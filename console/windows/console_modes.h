// The console modes the program changes for its run, and putting them back.
// A console is shared with the shell that started the program, so every
// mode changed here is restored as the run ends, however it ends: through
// CloseStandardStreams, or through Ctrl-C, Ctrl-Break or the console window
// closing, which end the process without returning to main.
#ifndef QUILLARY_CONSOLE_WINDOWS_CONSOLE_MODES_H_
#define QUILLARY_CONSOLE_WINDOWS_CONSOLE_MODES_H_

#include <windows.h>

// Turns on `flags` in the mode of the console behind `handle`, remembering
// the mode it had for RestoreConsoleModes. Returns false, changing nothing,
// when the console refuses them (an older console host refuses
// ENABLE_VIRTUAL_TERMINAL_PROCESSING). The first change also installs the
// control handler that restores the modes when the console ends the run.
bool TurnOnConsoleMode(HANDLE handle, DWORD flags);

// Puts back every mode changed by TurnOnConsoleMode, as it was found. Safe
// to call more than once, and from the control handler's own thread.
void RestoreConsoleModes();

#endif  // QUILLARY_CONSOLE_WINDOWS_CONSOLE_MODES_H_
