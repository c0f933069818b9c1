#include "maths/math_problems.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "maths/math_entries.h"
#include "maths/vector_exercise.h"
#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/prompt.h"
#include "shell/terminal.h"

namespace {

// Each entry's screen under its code.
constexpr auto kScreens = [] {
  std::array<CodedScreen<MathProblems>, kMathEntries.size()> screens{};
  for (std::size_t code = 0; code < screens.size(); ++code) {
    screens[code] = {static_cast<std::int32_t>(code),
                     kMathEntries[code].screen};
  }
  return screens;
}();

}  // namespace

void MathProblems::RunMathProblems() {
  ClearScreen();
  RunScreenFor(MathState, kScreens, *this);
}

std::string& EmptyResultLine() {
  static std::string line;
  line.clear();
  return line;
}

void MathProblems::ReturnToMathMenu() {
  // Written directly rather than through PrintMessage: the leading line
  // break ends the exercise's result line and no empty line follows.
  std::cout << "\nPress Any Key to continue...\n";
  OfferPrompt(AnswerKind::kContinue);
  // Any line continues; what was typed is not looked at.
  const std::string blankAnswer = ReadLine();
  MathState = 0;
}
