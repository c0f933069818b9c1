// The screens that use the inventory without changing what it holds:
// selecting a weapon, firing and reloading the selected one, and listing.
#include <cstddef>
#include <cstdint>
#include <iostream>

#include "shell/line_reader.h"
#include "shell/prompt.h"
#include "shell/terminal.h"
#include "weapons/index_prompt.h"
#include "weapons/weapon_item.h"
#include "weapons/weapon_manager.h"
#include "weapons/weapon_selection.h"
#include "weapons/weapon_state.h"

namespace {

// The screens keep SelectedWeapon -1 or valid; checking the whole range
// rather than just -1 means a broken selection can never index past the
// inventory.
WeaponManager::WeaponItem* SelectedItem() {
  if (!IsInventoryIndex(SelectedWeapon, Inventory.size())) return nullptr;
  return &Inventory[static_cast<std::size_t>(SelectedWeapon)];
}

// Only the exact answer "0" stops. An empty weapon merely reports that it
// cannot fire, so the question follows every attempt alike.
void FireUntilToldToStop(WeaponManager::WeaponItem& weapon) {
  for (;;) {
    weapon.Fire();
    std::cout << "\n\nWould you like to Fire Again? (0 = No, anything else "
                 "for yes)\n";
    OfferPrompt(AnswerKind::kFireAgain);
    if (ReadLine() == "0") return;
    ClearScreen();
  }
}

}  // namespace

void WeaponManager::ChangingWeapon() {
  if (Inventory.empty()) {
    std::cout << "\nI'm sorry the current inventory is empty\n";
  } else {
    SelectedWeapon = AskForInventoryIndex("\n\n");
    std::cout << "\nThe current selected weapon is: "
              << Inventory[static_cast<std::size_t>(SelectedWeapon)].weaponName
              << "\n";
  }
  ReturnToWeaponMenu();
}

void WeaponManager::FiringCurrentWeapon() {
  if (WeaponItem* weapon = SelectedItem()) {
    FireUntilToldToStop(*weapon);
  } else {
    std::cout << "\nNo weapon is currently selected, please select a weapon\n";
  }
  ReturnToWeaponMenu();
}

void WeaponManager::Reloading() {
  if (WeaponItem* weapon = SelectedItem()) {
    weapon->Reload();
  } else {
    // No final newline here, unlike the firing screen's message.
    std::cout << "\nNo weapon is currently selected, please select a weapon";
  }
  ReturnToWeaponMenu();
}

void WeaponManager::PrintingWeaponList() {
  std::cout << "\nPrinting the Inventory: \n";
  for (const WeaponItem& weapon : Inventory) weapon.Print();
  ReturnToWeaponMenu();
}
