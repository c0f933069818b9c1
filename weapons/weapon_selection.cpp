#include "weapons/weapon_selection.h"

#include <limits>

namespace {

constexpr std::size_t kLargestIndex =
    static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

// SelectedWeapon is 32 bits wide; an inventory with more entries than that
// can name is possible only in theory. Its last nameable entry is still a
// valid index, so the selection never points past the inventory.
std::int32_t LastEntry(std::size_t count) {
  const std::size_t last = count - 1;
  return static_cast<std::int32_t>(last < kLargestIndex ? last : kLargestIndex);
}

}  // namespace

bool IsInventoryIndex(std::int32_t index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count;
}

std::int32_t SelectionAfterRemoval(std::int32_t selected, std::int32_t removed,
                                   std::size_t remaining) {
  if (remaining == 0) return -1;
  // No selection counts as beyond every entry, so it becomes the last one.
  if (!IsInventoryIndex(selected, remaining)) return LastEntry(remaining);
  if (selected >= removed) return selected - 1;
  return selected;
}

std::int32_t SelectionAfterAdding(std::int32_t selected) {
  return selected == -1 ? 0 : selected;
}
