#include "weapons/weapon_manager.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/main_menu.h"
#include "shell/pause.h"
#include "shell/prompt.h"
#include "shell/terminal.h"
#include "weapons/weapon_state.h"

namespace {

// The codes do not follow the menu's numbering (see kMenuChoices).
constexpr std::array<CodedScreen<WeaponManager>, 8> kWeaponScreens{{
    {0, &WeaponManager::ShowWeaponMenu},
    {1, &WeaponManager::AddingWeapon},
    {2, &WeaponManager::RemovingWeapon},
    {3, &WeaponManager::PrintingWeaponList},
    {4, &WeaponManager::ChangingWeapon},
    {5, &WeaponManager::FiringCurrentWeapon},
    {6, &WeaponManager::Reloading},
    {7, &WeaponManager::LeaveWeaponManager},
}};

// Compared in this order; the first equal line wins.
constexpr std::array<MenuChoice, 8> kMenuChoices{{
    {"1", 1},
    {"2", 4},
    {"3", 5},
    {"4", 3},
    {"5", 2},
    {"6", 6},
    {"Q", 7},
    {"q", 7},
}};

constexpr std::string_view kMenuPrompt = "Please Select a Option to continue: ";
constexpr std::string_view kMenuApology =
    "I'm sorry I didnt catch that , please try again ";
constexpr std::string_view kMenuOptions =
    "\n\n1) AddingWeapon \n2) ChangingWeapon \n3) FiringCurrentWeapon \n4) "
    "PrintingWeaponList \n5) RemovingWeapon \n6) Reloading \nQ) Exit \n\n";

}  // namespace

void WeaponManager::RunWeaponManager() {
  ClearScreen();
  RunScreenFor(WeaponState, kWeaponScreens, *this);
}

void WeaponManager::ShowWeaponMenu() {
  // The apology answers only the line just rejected; the next visit to the
  // menu starts with the plain prompt again.
  bool retry = false;
  for (;;) {
    ClearScreen();
    std::cout << (retry ? kMenuApology : kMenuPrompt) << kMenuOptions;
    OfferPrompt(AnswerKind::kMenuChoice,
                retry ? Refusal::kNotAChoice : Refusal::kNone);
    if (StoreChoice(ReadLine(), kMenuChoices, WeaponState)) return;
    retry = true;
  }
}

void WeaponManager::ReturnToWeaponMenu() {
  std::cout << "\n";
  Pause();
  WeaponState = 0;
}

void WeaponManager::LeaveWeaponManager() {
  // Reset first, so the next visit starts at the menu even though the main
  // menu below decides where the run goes next.
  WeaponState = 0;
  Pause();
  ShowMainMenu();
}
