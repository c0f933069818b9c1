// Runs code against typed input with the standard streams captured, from the
// program's start state.
#ifndef QUILLARY_TESTS_SUPPORT_CONSOLE_SESSION_H_
#define QUILLARY_TESTS_SUPPORT_CONSOLE_SESSION_H_

#include <iostream>
#include <sstream>
#include <string>

// While alive, std::cin reads `input` and std::cout writes into a string;
// every global is at its start value when it is made. The streams are given
// back when it is destroyed.
class ConsoleSession {
 public:
  explicit ConsoleSession(const std::string& input);
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // Everything written to std::cout so far.
  std::string Output() const { return output_.str(); }

  // Runs a whole session of the program from its start state.
  static std::string RunProgram(const std::string& input);

 private:
  std::istringstream input_;
  std::ostringstream output_;
  std::streambuf* savedIn_;
  std::streambuf* savedOut_;
};

#endif  // QUILLARY_TESTS_SUPPORT_CONSOLE_SESSION_H_
