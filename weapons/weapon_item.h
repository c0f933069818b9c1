// A weapon of the inventory: a name, the damage of one shot, the ammo left
// and the capacity, with the three things a weapon can do.
#ifndef QUILLARY_WEAPONS_WEAPON_ITEM_H_
#define QUILLARY_WEAPONS_WEAPON_ITEM_H_

#include <cstdint>
#include <string>

#include "weapons/weapon_manager.h"

// A plain record held by value in Inventory. Nothing is validated: empty or
// repeated names and zero or negative numbers are kept as given.
struct WeaponManager::WeaponItem {
  // A full weapon: currentAmmo starts equal to maxAmmo.
  WeaponItem(std::string name, std::int32_t shotDamage, std::int32_t capacity);

  // With ammo left (currentAmmo > 0), spends one round and reports the shot
  // with the ammo remaining after it; otherwise changes nothing and reports
  // that the weapon cannot fire. Writes to std::cout, with no final newline.
  void Fire();

  // Writes the weapon as one line that starts with its own newline, with no
  // final newline. Changes nothing.
  void Print() const;

  // Sets currentAmmo to maxAmmo, whatever both are, and reports the reload
  // without a final newline.
  void Reload();

  std::string weaponName;
  std::int32_t damage;
  std::int32_t currentAmmo;
  std::int32_t maxAmmo;
};

#endif  // QUILLARY_WEAPONS_WEAPON_ITEM_H_
