// The prompt, read, check and convert loop that ReadInteger and ReadFloat
// share.
#ifndef QUILLARY_INPUT_READ_NUMBER_H_
#define QUILLARY_INPUT_READ_NUMBER_H_

#include <optional>
#include <string>

#include "shell/line_reader.h"
#include "shell/print_message.h"

inline constexpr char kNumberApology[] =
    "\n(I'm sorry I didnt understand that, please Enter a number)";

// Prints firstPrompt, then reads lines until one passes the check and
// converts; every rejected line is answered by the apology prompt alone.
// Ends the session (SessionEnd) when input ends, so it never spins.
template <typename Number>
Number ReadNumber(const char* firstPrompt,
                  bool (*passesCheck)(const std::string&),
                  std::optional<Number> (*convert)(const std::string&)) {
  PrintMessage(firstPrompt);
  for (;;) {
    const std::string input = ReadLine();
    if (passesCheck(input)) {
      if (const std::optional<Number> val = convert(input)) return *val;
    }
    PrintMessage(kNumberApology);
  }
}

#endif  // QUILLARY_INPUT_READ_NUMBER_H_
