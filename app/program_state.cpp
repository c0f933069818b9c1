#include "app/program_state.h"

#include "console/console.h"
#include "maths/math_problems.h"
#include "shell/shell_state.h"
#include "shell/terminal.h"
#include "weapons/weapon_manager.h"

void ResetProgramState() {
  ResetShellState();
  ResetWeaponState();
  ResetMathState();
  // Found again by DetectTerminal when the next session starts.
  SetClearMethod(ClearMethod::kNone);
}
