#include "app/game_manager.h"

#include <array>
#include <cstdint>

#include "shell/line_reader.h"
#include "shell/shell_state.h"
#include "shell/terminal.h"

namespace {

struct MainScreen {
  std::int32_t code;
  void (GameManager::*run)();
};

}  // namespace

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
  static constexpr std::array<MainScreen, 5> kScreens{{
      {0, &GameManager::EnterUserName},
      {1, &GameManager::RunWeaponManager},
      {2, &GameManager::RunMathProblems},
      {3, &GameManager::FloatEcho},
      {4, &GameManager::ConfirmQuit},
  }};
  for (const MainScreen& screen : kScreens) {
    if (MainState == screen.code) {
      (this->*screen.run)();
      return;
    }
  }
}

void GameManager::RunWeaponManager() { weaponManager_.RunWeaponManager(); }

void GameManager::RunMathProblems() { mathProblems_.RunMathProblems(); }
