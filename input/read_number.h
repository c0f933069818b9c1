// The prompt, read, check and convert loop that ReadInteger and ReadFloat
// share.
#ifndef QUILLARY_INPUT_READ_NUMBER_H_
#define QUILLARY_INPUT_READ_NUMBER_H_

#include <functional>
#include <optional>
#include <string>

#include "shell/line_reader.h"
#include "shell/print_message.h"
#include "shell/prompt.h"

inline constexpr char kNumberApology[] =
    "\n(I'm sorry I didnt understand that, please Enter a number)";

// What a number prompt takes and how it judges a line.
template <typename Number>
struct NumberRules {
  bool (*passesCheck)(const std::string&);
  std::optional<Number> (*convert)(const std::string&);
  Refusal (*refusal)(const std::string&);  // why a rejected line was
  std::string (*rangeReason)();            // the words for Refusal::kOutOfRange
};

// Prints firstPrompt, then reads lines until one passes the check and
// converts; every rejected line is answered by the apology prompt alone.
// Offers the host the kind of line asked for (after `before`, why an
// earlier question was not answered, in the words of `beforeReason`), and
// after each rejected line why it was refused, with the rules' words for a
// number out of range. Ends the session (SessionEnd) when input ends, so it
// never spins.
template <typename Number>
Number ReadNumber(const char* firstPrompt, AnswerKind kind, Refusal before,
                  const std::function<std::string()>& beforeReason,
                  const NumberRules<Number>& rules) {
  PrintMessage(firstPrompt);
  OfferPrompt(kind, before, beforeReason);
  for (;;) {
    const std::string input = ReadLine();
    if (rules.passesCheck(input)) {
      if (const std::optional<Number> val = rules.convert(input)) return *val;
    }
    PrintMessage(kNumberApology);
    // Only the range depends on the kind of number; the host has words of
    // its own for what the check refuses.
    const Refusal refusal = rules.refusal(input);
    OfferPrompt(kind, refusal,
                refusal == Refusal::kOutOfRange ? rules.rangeReason : nullptr);
  }
}

#endif  // QUILLARY_INPUT_READ_NUMBER_H_
