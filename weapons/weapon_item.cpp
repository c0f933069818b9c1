#include "weapons/weapon_item.h"

#include <iostream>
#include <utility>

WeaponManager::WeaponItem::WeaponItem(std::string name, std::int32_t shotDamage,
                                      std::int32_t capacity)
    : weaponName(std::move(name)),
      damage(shotDamage),
      currentAmmo(capacity),
      maxAmmo(capacity) {}

void WeaponManager::WeaponItem::Fire() {
  // A capacity of zero or below never gets past this test, so such a weapon
  // keeps its starting ammo for good.
  if (currentAmmo > 0) {
    --currentAmmo;
    std::cout << "\nFired the Weapon: " << weaponName << ", did " << damage
              << " damage, " << currentAmmo << " ammo remaining";
    return;
  }
  std::cout << "The Weapon: " << weaponName
            << ", Does not have enough ammo to fire.";
}

void WeaponManager::WeaponItem::Print() const {
  // The label before the current ammo has two blanks after its comma.
  std::cout << "\n Weapon Name: " << weaponName << ", Damage: " << damage
            << ",  Current Ammo: " << currentAmmo << ", Max Ammo: " << maxAmmo;
}

void WeaponManager::WeaponItem::Reload() {
  currentAmmo = maxAmmo;
  std::cout << "You have reloaded the weapon " << weaponName;
}
