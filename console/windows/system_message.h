// The system's words for a Windows error code, for the one line the program
// writes on standard error when standard input fails.
#ifndef QUILLARY_CONSOLE_WINDOWS_SYSTEM_MESSAGE_H_
#define QUILLARY_CONSOLE_WINDOWS_SYSTEM_MESSAGE_H_

#include <string>

// FormatMessage's text for `code`, in UTF-8 and trimmed by
// TrimSystemMessage: "The pipe has been ended". "error <code>" when the
// system has no text for it.
std::string SystemMessage(unsigned long code);

// FormatMessage ends its texts with a period and "\r\n", and a few texts run
// over several lines. The program's message names the cause after a colon on
// one line, as strerror's words do on POSIX, so line ends inside become
// blanks and the trailing blanks and period go.
std::string TrimSystemMessage(std::string text);

#endif  // QUILLARY_CONSOLE_WINDOWS_SYSTEM_MESSAGE_H_
