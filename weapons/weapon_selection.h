// The rules that keep SelectedWeapon pointing at the right weapon, as pure
// functions of the numbers involved.
#ifndef QUILLARY_WEAPONS_WEAPON_SELECTION_H_
#define QUILLARY_WEAPONS_WEAPON_SELECTION_H_

#include <cstddef>
#include <cstdint>

// True when index names one of `count` inventory entries (0 <= index <
// count). Safe for every index and every count.
bool IsInventoryIndex(std::int32_t index, std::size_t count);

// The selection after the entry at index `removed` was taken out, leaving
// `remaining` entries; the first rule that applies wins:
//   no entries left                             -> -1
//   nothing selected, or selected >= remaining  -> the last entry
//   selected >= removed                         -> selected - 1
//   otherwise                                   -> selected
// So a weapon behind the removed one stays selected as it moves down, and
// removing the selected weapon selects the one before it (none for entry 0).
std::int32_t SelectionAfterRemoval(std::int32_t selected, std::int32_t removed,
                                   std::size_t remaining);

// The selection after a weapon was appended: entry 0 when nothing was
// selected, otherwise unchanged.
std::int32_t SelectionAfterAdding(std::int32_t selected);

#endif  // QUILLARY_WEAPONS_WEAPON_SELECTION_H_
