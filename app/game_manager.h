// The top-level object: the main loop and the shell's own screens.
#ifndef QUILLARY_APP_GAME_MANAGER_H_
#define QUILLARY_APP_GAME_MANAGER_H_

#include "maths/math_problems.h"
#include "weapons/weapon_manager.h"

class GameManager {
 public:
  // Runs one screen per pass, chosen by MainState, clearing the console
  // before each, until the quit is confirmed or the session ends (end of
  // input, or output that can no longer be written). Returns without
  // clearing the console, so the last output stays visible.
  void Run();

  // The greeting and name screen (MainState 0): asks what to call the user,
  // stores the line in UserName and shows the main menu.
  void EnterUserName();

  // The quit confirmation (MainState 4): "0" ends the run; any other line
  // goes back to the main menu.
  void ConfirmQuit();

  // The screen the menu lists as "Bit Shifting" (MainState 3): reads a
  // decimal fraction and prints it back.
  void FloatEcho();

 private:
  void RunOneScreen();
  void RunWeaponManager();
  void RunMathProblems();

  WeaponManager weaponManager_;
  MathProblems mathProblems_;
};

#endif  // QUILLARY_APP_GAME_MANAGER_H_
