#include "weapons/index_prompt.h"

#include <cstddef>
#include <iostream>

#include "input/read_integer.h"
#include "shell/prompt.h"
#include "shell/terminal.h"
#include "weapons/weapon_selection.h"
#include "weapons/weapon_state.h"

namespace {

// The selection screen asks with the same words as the removal screen.
constexpr std::string_view kAskForIndex =
    "\nWhat Index would you like to remove the in the list? \n";
constexpr std::string_view kAskAgainForIndex =
    "\nI'm sorry I didnt catch that... What Index would you like to remove "
    "the in the list? \n";

void WriteNumberedInventory() {
  for (std::size_t index = 0; index < Inventory.size(); ++index) {
    std::cout << "\n " << index << ") " << Inventory[index].weaponName;
  }
}

}  // namespace

std::int32_t AskForInventoryIndex(std::string_view listEnd) {
  // Once a number was out of range the apology stays for every later
  // redraw of this question.
  bool retry = false;
  for (;;) {
    ClearScreen();
    std::cout << (retry ? kAskAgainForIndex : kAskForIndex);
    WriteNumberedInventory();
    std::cout << listEnd;
    // An index outside the inventory is a whole number all the same; the
    // host hears why the question came back.
    const std::int32_t index =
        ReadInteger(AnswerKind::kWholeNumber,
                    retry ? Refusal::kOutOfRange : Refusal::kNone);
    if (IsInventoryIndex(index, Inventory.size())) return index;
    retry = true;
  }
}
