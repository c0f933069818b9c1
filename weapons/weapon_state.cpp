#include "weapons/weapon_state.h"

std::vector<WeaponManager::WeaponItem> Inventory;
std::int32_t SelectedWeapon = -1;
std::int32_t WeaponState = 0;

void ResetWeaponState() {
  // Swapping with a fresh vector gives the memory back, which clear() would
  // keep; a test may have filled the inventory with many weapons.
  std::vector<WeaponManager::WeaponItem>().swap(Inventory);
  SelectedWeapon = -1;
  WeaponState = 0;
}
