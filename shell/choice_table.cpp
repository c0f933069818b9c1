#include "shell/choice_table.h"

bool StoreChoice(const std::string& line, std::span<const MenuChoice> choices,
                 std::int32_t& state) {
  for (const MenuChoice& choice : choices) {
    if (line == choice.line) {
      state = choice.code;
      return true;
    }
  }
  return false;
}
