#include "app/game_manager.h"

#include <array>
#include <cstdint>

#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/shell_state.h"
#include "shell/terminal.h"

void GameManager::Run() {
  // End of input (or of writable output) unwinds from whichever read found
  // it straight to here: nothing more is written and the run ends.
  try {
    while (IsRunning) {
      ClearScreen();
      RunOneScreen();
    }
  } catch (const SessionEnd&) {
  }
}

void GameManager::RunOneScreen() {
  static constexpr std::array<CodedScreen<GameManager>, 5> kScreens{{
      {0, &GameManager::EnterUserName},
      {1, &GameManager::RunWeaponManager},
      {2, &GameManager::RunMathProblems},
      {3, &GameManager::FloatEcho},
      {4, &GameManager::ConfirmQuit},
  }};
  RunScreenFor(MainState, kScreens, *this);
}

void GameManager::RunWeaponManager() { weaponManager_.RunWeaponManager(); }

void GameManager::RunMathProblems() { mathProblems_.RunMathProblems(); }
