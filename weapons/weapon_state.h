// The weapon manager's state, global for the whole run so that it survives
// leaving and re-entering the activity.
#ifndef QUILLARY_WEAPONS_WEAPON_STATE_H_
#define QUILLARY_WEAPONS_WEAPON_STATE_H_

#include <cstdint>
#include <vector>

#include "weapons/weapon_item.h"

// The weapons in the order they were added, numbered from 0. Removing an
// entry moves every later entry down by one place.
extern std::vector<WeaponManager::WeaponItem> Inventory;

// The index in Inventory of the selected weapon, or -1 for none. The screens
// keep it -1 while Inventory is empty and otherwise -1 or a valid index.
extern std::int32_t SelectedWeapon;

// The weapon screen the next pass of RunWeaponManager runs (codes 0 to 7,
// see WeaponManager::RunWeaponManager).
extern std::int32_t WeaponState;

#endif  // QUILLARY_WEAPONS_WEAPON_STATE_H_
