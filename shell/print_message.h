// The output routine of the shell's prompts and menus.
#ifndef QUILLARY_SHELL_PRINT_MESSAGE_H_
#define QUILLARY_SHELL_PRINT_MESSAGE_H_

#include <string>

// Writes text unchanged to std::cout, then "\n\n" (an empty text writes just
// the two newlines).
void PrintMessage(std::string text);

#endif  // QUILLARY_SHELL_PRINT_MESSAGE_H_
