// The index question that the removal and the selection screens share: the
// numbered inventory under a prompt, asked until a valid index is typed.
#ifndef QUILLARY_WEAPONS_INDEX_PROMPT_H_
#define QUILLARY_WEAPONS_INDEX_PROMPT_H_

#include <cstdint>
#include <string_view>

// Clears the console, writes the prompt, every entry of Inventory as
// "\n <index>) <name>", then listEnd, and reads a number with ReadInteger;
// repeats until the number is a valid index of a non-empty Inventory and
// returns it. After the first out-of-range number every redraw shows the
// apology prompt. Ends the session (SessionEnd) at end of input.
std::int32_t AskForInventoryIndex(std::string_view listEnd);

#endif  // QUILLARY_WEAPONS_INDEX_PROMPT_H_
