// The two screens that change what the inventory holds: adding a weapon and
// removing one by its index.
#include <cstdint>
#include <iostream>
#include <string>

#include "input/read_integer.h"
#include "shell/line_reader.h"
#include "shell/prompt.h"
#include "weapons/index_prompt.h"
#include "weapons/weapon_item.h"
#include "weapons/weapon_manager.h"
#include "weapons/weapon_selection.h"
#include "weapons/weapon_state.h"

void WeaponManager::AddingWeapon() {
  std::cout << "\nPlease Enter a weapon name: \n\n";
  OfferPrompt(AnswerKind::kName);
  const std::string _weaponName = ReadLine();
  std::cout << "\nPlease Enter a weapon Damage: ";
  const std::int32_t damage = ReadInteger();
  std::cout << "\nPlease Enter a Max Ammo: ";
  const std::int32_t maxAmmo = ReadInteger();
  const WeaponItem tempItem(_weaponName, damage, maxAmmo);
  Inventory.push_back(tempItem);
  // With earlier entries and no selection this selects entry 0, not the new
  // weapon.
  SelectedWeapon = SelectionAfterAdding(SelectedWeapon);
  std::cout << "\n\nAdded the weapon: " << Inventory.back().weaponName
            << ", to inventory \n";
  ReturnToWeaponMenu();
}

void WeaponManager::RemovingWeapon() {
  if (Inventory.empty()) {
    // No final newline here, unlike the selection screen's message.
    std::cout << "\nI'm sorry the current inventory is empty";
  } else {
    const std::int32_t removed = AskForInventoryIndex("\n");
    Inventory.erase(Inventory.begin() + removed);
    SelectedWeapon =
        SelectionAfterRemoval(SelectedWeapon, removed, Inventory.size());
  }
  ReturnToWeaponMenu();
}
