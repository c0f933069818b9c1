// libFuzzer target: types arbitrary bytes into a whole session of the
// program, in process, and checks that the run ends with its state intact.
// Crashes, sanitizer reports, leaks and time-outs are what libFuzzer looks
// for; the checks below add the program's own invariants.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "app/game_manager.h"
#include "app/program_state.h"
#include "maths/math_state.h"
#include "shell/shell_state.h"
#include "weapons/weapon_state.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckStateAfterRun() {
  Require(MainState >= 0 && MainState <= 4);
  Require(WeaponState >= 0 && WeaponState <= 7);
  Require(MathState >= 0 && MathState <= 12);
  Require(SelectedWeapon >= -1);
  Require(SelectedWeapon < static_cast<std::int64_t>(Inventory.size()));
  Require(!Inventory.empty() || SelectedWeapon == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  std::istringstream input(
      std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream output;
  std::streambuf* savedIn = std::cin.rdbuf(input.rdbuf());
  std::streambuf* savedOut = std::cout.rdbuf(output.rdbuf());
  ResetProgramState();
  {
    GameManager game;
    game.Run();
  }
  CheckStateAfterRun();
  // A session that did not confirm the quit must have read all its input.
  Require(!IsRunning || input.rdbuf()->in_avail() <= 0);
  std::cin.rdbuf(savedIn);
  std::cout.rdbuf(savedOut);
  return 0;
}
