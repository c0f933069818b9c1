// The index question that the removal and the selection screens share: the
// numbered inventory under a prompt, asked until a valid index is typed.
#ifndef QUILLARY_WEAPONS_INDEX_PROMPT_H_
#define QUILLARY_WEAPONS_INDEX_PROMPT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Clears the console, writes the prompt, every entry of Inventory as
// "\n <index>) <name>", then listEnd, and reads a number with ReadInteger;
// repeats until the number is a valid index of a non-empty Inventory and
// returns it. After the first out-of-range number every redraw shows the
// apology prompt, and the host hears why (NoSuchIndexReason). Ends the
// session (SessionEnd) at end of input.
std::int32_t AskForInventoryIndex(std::string_view listEnd);

// Why `index` names none of `count` entries, in the list's own terms:
// "there is no weapon 5: the list runs 0 to 1", "... the list holds only
// weapon 0" for one entry, "... the list is empty" for none.
std::string NoSuchIndexReason(std::int32_t index, std::size_t count);

#endif  // QUILLARY_WEAPONS_INDEX_PROMPT_H_
