#include "weapons/weapon_manager.h"

#include <iostream>

#include "shell/main_menu.h"
#include "shell/pause.h"

// Until the inventory screens exist, the activity says so and goes back to
// the main menu.
void WeaponManager::RunWeaponManager() {
  std::cout << "\nThe Weapon Manager is not available yet.\n";
  Pause();
  ShowMainMenu();
}

void ResetWeaponState() {}
