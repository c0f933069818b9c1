// The output routine of the shell's prompts and menus.
#ifndef QUILLARY_SHELL_PRINT_MESSAGE_H_
#define QUILLARY_SHELL_PRINT_MESSAGE_H_

#include <string_view>

// Writes text unchanged to the console, then "\n\n" (an empty text writes just
// the two newlines). A view rather than a copy: most callers pass a literal,
// which would otherwise be copied into a fresh string on every call.
void PrintMessage(std::string_view text);

#endif  // QUILLARY_SHELL_PRINT_MESSAGE_H_
