#include "maths/math_problems.h"

#include <iostream>

#include "shell/main_menu.h"
#include "shell/pause.h"

// Until the exercises exist, the activity says so and goes back to the main
// menu.
void MathProblems::RunMathProblems() {
  std::cout << "\nThe Math Problems are not available yet.\n";
  Pause();
  ShowMainMenu();
}

void ResetMathState() {}
