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
// exercise's operands and result, as maths/figures.h writes them). The host
// gets it after everything written to std::cout before the call. A host
// that can draw (the browser page) shows it beside the output; every other
// host, and the native consoles, ignore it. `figure` makes the figure's text
// and is called only for a host that takes figures, so the others spend
// nothing on it. Never writes to the standard streams' bytes.
void OfferFigure(const std::function<std::string()>& figure);

// What the line the program is about to read should hold, so that a host
// with an answer field can say so beside it.
enum class AnswerKind : unsigned char {
  kName,              // any line: what to call the user, a weapon's name
  kMenuChoice,        // one of the menu on the screen, typed exactly
  kWholeNumber,       // digits led by an optional "-", -2147483648 to
                      // 2147483647
  kTenths,            // a whole number of tenths: 5 means 0.5
  kContinue,          // any line: Enter goes on
  kQuitConfirmation,  // "0" quits, any other line goes back to the menu
  kFireAgain,         // "0" stops firing, any other line fires again
  kDecimalFraction,   // digits with at most one ".", led by an optional "-"
};

// Why the line just read was not taken, found by the check that refused it.
enum class Refusal : unsigned char {
  kNone,           // nothing refused: the question is asked afresh
  kEmpty,          // the line was empty
  kNoDigits,       // a sign or a point without a digit: "-", ".", "-."
  kPoint,          // a "." where only a whole number is taken: "0.5"
  kSecondPoint,    // a second "." in a decimal fraction
  kMisplacedSign,  // a "-" after the first character: "5-"
  kCharacter,      // a character that is no digit, "-" or ".": "1e6", " 5"
  kOutOfRange,     // a number beyond what the prompt takes
  kNotAChoice,     // a line that is none of the menu's choices
};

// Tells the host what the next line read should hold (kind), and, when the
// question is asked again, why the line before was refused. A host with an
// answer field (the browser page) shows it there; the native consoles and
// Node ignore it without formatting or allocating anything. Unordered with
// the output: nothing is flushed, and a host keeps the last one it was
// given until the program reads. Never writes to the standard streams'
// bytes.
void OfferPrompt(AnswerKind kind, Refusal refusal = Refusal::kNone);

// Flushes std::cout, puts every console mode and code page back as they
// were found, and returns the exit status: 0 when everything written reached
// standard output and input ended cleanly; otherwise 1, after one line on
// standard error naming the cause. A non-empty `failure` (what ended the run
// early, such as "out of memory") is such a cause too.
int CloseStandardStreams(std::string_view failure = {});

#endif  // QUILLARY_CONSOLE_CONSOLE_H_
