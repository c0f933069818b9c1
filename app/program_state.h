// Puts the whole program back to the state it starts a run in.
#ifndef QUILLARY_APP_PROGRAM_STATE_H_
#define QUILLARY_APP_PROGRAM_STATE_H_

// Resets every global of the shell, the weapon manager and the maths
// activity to its start value, and the way the console is cleared to none,
// so that a test or a fuzz run can begin a fresh session in the same
// process.
void ResetProgramState();

#endif  // QUILLARY_APP_PROGRAM_STATE_H_
