#include "app/program_state.h"

#include "maths/math_problems.h"
#include "shell/shell_state.h"
#include "weapons/weapon_manager.h"

void ResetProgramState() {
  ResetShellState();
  ResetWeaponState();
  ResetMathState();
}
