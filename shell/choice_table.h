// The tables by which the program chooses: a menu maps the line typed to a
// state code, and an activity's pass maps the state code to the screen it
// runs. Tables are searched in order; the first match wins.
#ifndef QUILLARY_SHELL_CHOICE_TABLE_H_
#define QUILLARY_SHELL_CHOICE_TABLE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One accepted menu line and the state code it stores.
struct MenuChoice {
  std::string_view line;
  std::int32_t code;
};

// When `line` equals the line of a choice (whole and case-sensitive),
// stores that choice's code in `state` and returns true; otherwise returns
// false and leaves `state` as it was.
bool StoreChoice(const std::string& line, std::span<const MenuChoice> choices,
                 std::int32_t& state);

// One screen of Owner and the state code that runs it.
template <typename Owner>
struct CodedScreen {
  std::int32_t code;
  void (Owner::*run)();
};

// Runs on `owner` the screen whose code is `code`; runs nothing when no
// screen has that code.
template <typename Owner, std::size_t N>
void RunScreenFor(std::int32_t code,
                  const std::array<CodedScreen<Owner>, N>& screens,
                  Owner& owner) {
  for (const CodedScreen<Owner>& screen : screens) {
    if (screen.code == code) {
      (owner.*screen.run)();
      return;
    }
  }
}

#endif  // QUILLARY_SHELL_CHOICE_TABLE_H_
