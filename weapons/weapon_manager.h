// The weapon manager activity, behind main menu choice "1": an inventory of
// weapons, the selected one, and the screens that work on them. Each call of
// RunWeaponManager runs one screen, chosen by WeaponState.
#ifndef QUILLARY_WEAPONS_WEAPON_MANAGER_H_
#define QUILLARY_WEAPONS_WEAPON_MANAGER_H_

class WeaponManager {
 public:
  // One weapon of the inventory; defined in weapons/weapon_item.h.
  struct WeaponItem;

  // One pass of the activity, run by the main loop while MainState is 1:
  // clears the console and runs the screen WeaponState names (0 the menu,
  // 1 adding, 2 removing, 3 listing, 4 selecting, 5 firing, 6 reloading,
  // 7 leaving). Any other code runs nothing.
  void RunWeaponManager();

  // The weapon menu (code 0). Reads lines until one is "1" to "6", "Q" or
  // "q", whole and exact, and stores that choice's code in WeaponState;
  // every other line redraws the menu under an apology.
  void ShowWeaponMenu();

  // The common end of every weapon screen: an empty line, a pause, and
  // WeaponState back to 0 so that the next pass shows the menu.
  void ReturnToWeaponMenu();

  // Leaves the activity (code 7): WeaponState back to 0, a pause, then the
  // main menu, which stores the next MainState. Inventory and selection
  // stay as they are for the next visit.
  void LeaveWeaponManager();

  // Asks for a name, a damage and a capacity, appends a full weapon to
  // Inventory and selects entry 0 if nothing was selected. Rejects nothing.
  void AddingWeapon();

  // Asks for an index until one names an entry, removes that entry and moves
  // SelectedWeapon by SelectionAfterRemoval. With an empty inventory it only
  // says so.
  void RemovingWeapon();

  // Asks for an index until one names an entry and selects it. With an empty
  // inventory it only says so.
  void ChangingWeapon();

  // Fires the selected weapon, then again after every answer other than
  // "0" to the fire-again question. Says so when nothing is selected.
  void FiringCurrentWeapon();

  // Refills the selected weapon to its capacity. Says so when nothing is
  // selected.
  void Reloading();

  // Prints every weapon of the inventory, in order, one line each.
  void PrintingWeaponList();
};

// Puts the weapon manager's state back to its start values: Inventory
// empty, SelectedWeapon -1, WeaponState 0.
void ResetWeaponState();

#endif  // QUILLARY_WEAPONS_WEAPON_MANAGER_H_
