// The program-wide state of the console shell: whether the run goes on,
// which main screen comes next, the user's name and the last line typed at a
// pause or at the quit question.
#ifndef QUILLARY_SHELL_SHELL_STATE_H_
#define QUILLARY_SHELL_SHELL_STATE_H_

#include <cstdint>
#include <string>

// True until the user confirms the quit; never set again afterwards.
extern bool IsRunning;

// The main screen the next pass of the main loop runs: 0 the name screen,
// 1 the weapon manager, 2 the maths problems, 3 the float echo, 4 the quit
// confirmation. Only ShowMainMenu writes it.
extern std::int32_t MainState;

// The name the main menu greets the user by, exactly as typed.
extern std::string UserName;

// The line typed at the last pause or quit question.
extern std::string Response;

// Puts the four values above back to their start values.
void ResetShellState();

#endif  // QUILLARY_SHELL_SHELL_STATE_H_
