// The weapon manager activity, behind main menu choice "1".
#ifndef QUILLARY_WEAPONS_WEAPON_MANAGER_H_
#define QUILLARY_WEAPONS_WEAPON_MANAGER_H_

class WeaponManager {
 public:
  // One pass of the activity, run by the main loop while MainState is 1.
  void RunWeaponManager();
};

// Puts the weapon manager's state back to its start values.
void ResetWeaponState();

#endif  // QUILLARY_WEAPONS_WEAPON_MANAGER_H_
