// The vocabulary of the program's questions: what kind of line each read
// waits for and why the line before was refused, told to the console's host
// (OfferQuestion) under the short names the host knows.
#ifndef QUILLARY_SHELL_PROMPT_H_
#define QUILLARY_SHELL_PROMPT_H_

#include <functional>
#include <string>
#include <string_view>

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

// The host's names, plain ASCII: "name", "menu-choice", "whole-number",
// "tenths", "continue", "quit-confirmation", "fire-again",
// "decimal-fraction"; and "" for Refusal::kNone, then "empty",
// "no-digits", "point", "second-point", "misplaced-sign", "character",
// "out-of-range", "not-a-choice".
std::string_view AnswerKindName(AnswerKind kind);
std::string_view RefusalName(Refusal refusal);

// Tells the host what the next line read should hold and, when the question
// is asked again, why the line before was refused. `reason`, when given,
// makes the program's own sentence for that refusal where only the question
// knows its terms ("there is no weapon 5: the list runs 0 to 1"); it is
// called only for a host that takes questions, so a native run formats
// nothing. Never writes to the standard streams' bytes.
void OfferPrompt(AnswerKind kind, Refusal refusal = Refusal::kNone,
                 const std::function<std::string()>& reason = {});

#endif  // QUILLARY_SHELL_PROMPT_H_
