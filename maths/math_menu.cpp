// The maths menu: the one place that stores which exercise comes next.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "maths/math_entries.h"
#include "maths/math_problems.h"
#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/main_menu.h"
#include "shell/pause.h"
#include "shell/prompt.h"
#include "shell/terminal.h"

namespace {

constexpr std::string_view kPlainPrompt = "Please select a option: \n";
constexpr std::string_view kApologyPrompt =
    "I'm sorry I didnt catch that, please select a option: \n";

// "\n<number>) <name> " for every entry, then the quit choice.
std::string MenuText() {
  std::string text;
  for (const MathEntry& entry : kMathEntries) {
    text += '\n';
    text += entry.number;
    text += ") ";
    text += entry.name;
    text += ' ';
  }
  text += "\nQ) Quit \n\n";
  return text;
}

// Each entry's number chooses its code.
constexpr auto kExerciseChoices = [] {
  std::array<MenuChoice, kMathEntries.size()> choices{};
  for (std::size_t code = 0; code < choices.size(); ++code) {
    choices[code] = {kMathEntries[code].number,
                     static_cast<std::int32_t>(code)};
  }
  return choices;
}();

// The code is stored before the pause, so the activity opens on its menu
// whenever the user comes back.
void LeaveMathProblems() {
  MathState = 0;
  Pause();
  ShowMainMenu();
}

}  // namespace

void MathProblems::ShowMathMenu() {
  // Made once, on the first visit.
  static const std::string options = MenuText();
  bool apologise = false;
  for (;;) {
    ClearScreen();
    std::cout << (apologise ? kApologyPrompt : kPlainPrompt) << options;
    OfferPrompt(AnswerKind::kMenuChoice,
                apologise ? Refusal::kNotAChoice : Refusal::kNone);
    const std::string input = ReadLine();
    if (StoreChoice(input, kExerciseChoices, MathState)) return;
    if (input == "Q" || input == "q") {
      LeaveMathProblems();
      return;
    }
    apologise = true;
  }
}
