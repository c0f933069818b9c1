// The maths menu: the one place that stores which exercise comes next.
#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "maths/math_problems.h"
#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/main_menu.h"
#include "shell/pause.h"
#include "shell/prompt.h"
#include "shell/terminal.h"

namespace {

// Every entry ends in a blank; entry 13 has two blanks after its number.
constexpr std::string_view kOptions =
    "\n1) ChangingState \n2) VectorAddition \n3) VectorSub \n4) Distance "
    "\n5) Magniute \n6) LinInter \n7) Dot \n8) Cross \n9) Normalize "
    "\n10) SurfaceNormal \n11) Is Prime Number \n12) MatrixRotation "
    "\n13)  MatrixInvert \nQ) Quit \n\n";

constexpr std::string_view kPlainPrompt = "Please select a option: \n";
constexpr std::string_view kApologyPrompt =
    "I'm sorry I didnt catch that, please select a option: \n";

// The code is the menu number less one; "1" (ChangingState) stores the
// menu's own code, so the next pass starts a fresh menu.
constexpr std::array<MenuChoice, 13> kExerciseChoices{{
    {"1", 0},
    {"2", 1},
    {"3", 2},
    {"4", 3},
    {"5", 4},
    {"6", 5},
    {"7", 6},
    {"8", 7},
    {"9", 8},
    {"10", 9},
    {"11", 10},
    {"12", 11},
    {"13", 12},
}};

// The code is stored before the pause, so the activity opens on its menu
// whenever the user comes back.
void LeaveMathProblems() {
  MathState = 0;
  Pause();
  ShowMainMenu();
}

}  // namespace

void MathProblems::ShowMathMenu() {
  bool apologise = false;
  for (;;) {
    ClearScreen();
    std::cout << (apologise ? kApologyPrompt : kPlainPrompt) << kOptions;
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
