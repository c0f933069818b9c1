// The pause that holds a screen's output until the user presses Enter.
#ifndef QUILLARY_SHELL_PAUSE_H_
#define QUILLARY_SHELL_PAUSE_H_

// Writes "Press Any Key to continue..." and an empty line, then waits for one
// whole line, which it stores in Response and otherwise ignores. Clears
// nothing and calls nothing afterwards.
void Pause();

#endif  // QUILLARY_SHELL_PAUSE_H_
