// What the program asks of the operating system, or of the JavaScript host
// it runs under: its standard streams and the console they may be attached
// to. One implementation per platform (console/posix/, console/windows/,
// console/web/), chosen by the build; nothing outside this folder includes
// a system header.
#ifndef QUILLARY_CONSOLE_CONSOLE_H_
#define QUILLARY_CONSOLE_CONSOLE_H_

#include <functional>
#include <string>
#include <string_view>

// How the console in front of standard output can be cleared.
enum class ClearMethod {
  kNone,            // a file, a pipe, or a terminal that cannot clear
  kEscapeSequence,  // ESC "[H" ESC "[2J" written into the output
  kConsoleApi,      // the Windows console API, on an old console host
};

// Gives std::cin and std::cout buffers of their own over standard input and
// output, unties them (ReadLine flushes when it must) and puts a console, if
// there is one, into the modes the run needs (UTF-8 in and out). Call once,
// before anything is read or written.
void OpenStandardStreams();

// Works out how the console in front of standard output is cleared, turning
// on whatever that needs; CloseStandardStreams puts it back. kNone when
// standard output is no console or the console cannot clear.
ClearMethod PrepareClearing();

// Blanks the console window and puts the cursor at its top left through the
// console API; only ever called for ClearMethod::kConsoleApi, after what
// std::cout holds has been flushed.
void ClearWithConsoleApi();

// Offers the host a figure of what the program just computed (a vector
// exercise's operands and result, as maths_text/figure_text.h writes them). The
// host gets it after everything written to std::cout before the call. A host
// that can draw (the browser page) shows it beside the output; every other
// host, and the native consoles, ignore it. `figure` makes the figure's text
// and is called only for a host that takes figures, so the others spend
// nothing on it. Never writes to the standard streams' bytes.
void OfferFigure(const std::function<std::string()>& figure);

// Tells the host what the next line read should hold (`kind`) and, when the
// question is asked again, why the line before was refused (`refusal`, ""
// when it is asked afresh): short ASCII names from the asker's vocabulary,
// which the console passes on without knowing them. `reason`, when given,
// makes the asker's own sentence for the refusal and is called only for a
// host that takes questions. A host with an answer field (the browser page)
// shows them there; the native consoles and Node ignore them without
// formatting or allocating anything. Unordered with the output: nothing is
// flushed, and a host keeps the last question it was given until the
// program reads. Never writes to the standard streams' bytes.
void OfferQuestion(std::string_view kind, std::string_view refusal,
                   const std::function<std::string()>& reason);

// Flushes std::cout, puts every console mode and code page back as they
// were found, and returns the exit status: 0 when everything written reached
// standard output and input ended cleanly; otherwise 1, after one line on
// standard error naming the cause. A non-empty `failure` (what ended the run
// early, such as "out of memory") is such a cause too.
int CloseStandardStreams(std::string_view failure = {});

#endif  // QUILLARY_CONSOLE_CONSOLE_H_
