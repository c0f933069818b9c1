#include "weapons/index_prompt.h"

#include <cstddef>
#include <iostream>
#include <optional>
#include <string>

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
  std::optional<std::int32_t> refused;
  for (;;) {
    ClearScreen();
    std::cout << (refused ? kAskAgainForIndex : kAskForIndex);
    WriteNumberedInventory();
    std::cout << listEnd;
    // An index outside the inventory is a whole number all the same; the
    // host hears why the question came back, in terms only the question
    // knows.
    const std::int32_t index =
        refused
            ? ReadInteger(AnswerKind::kWholeNumber, Refusal::kOutOfRange,
                          [number = *refused] {
                            return NoSuchIndexReason(number, Inventory.size());
                          })
            : ReadInteger(AnswerKind::kWholeNumber);
    if (IsInventoryIndex(index, Inventory.size())) return index;
    refused = index;
  }
}

// The screens ask only while the inventory holds an entry; the empty list
// is worded all the same, so that the sentence is never false.
std::string NoSuchIndexReason(std::int32_t index, std::size_t count) {
  // Appended piece by piece: GCC's -Wrestrict at -O3 misjudges a number's
  // text added to a literal.
  std::string reason = "there is no weapon ";
  reason += std::to_string(index);
  if (count == 0) return reason += ": the list is empty";
  if (count == 1) return reason += ": the list holds only weapon 0";
  reason += ": the list runs 0 to ";
  return reason += std::to_string(count - 1);
}
