#include "shell/main_menu.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/print_message.h"
#include "shell/prompt.h"
#include "shell/shell_state.h"
#include "shell/terminal.h"

namespace {

constexpr std::string_view kChoiceLines =
    "\n\n  0) Enter User Name \n  1) Weapon Manager \n  2) Math Problems "
    "\n  3) Bit Shifting \n  Q) Quit";

constexpr std::string_view kGreetingHead = "Hello ";
constexpr std::string_view kGreetingTail =
    ", Please Select a Option to continue: ";
constexpr std::string_view kApologyHead = "I'm sorry I didnt catch that ";
constexpr std::string_view kApologyTail = ", please try again ";

// Compared in this order; the first equal line wins.
constexpr std::array<MenuChoice, 6> kMainChoices{{
    {"0", 0},
    {"1", 1},
    {"2", 2},
    {"3", 3},
    {"Q", 4},
    {"q", 4},
}};

std::string MenuText(bool apologise) {
  std::string text(apologise ? kApologyHead : kGreetingHead);
  text += UserName;
  text += apologise ? kApologyTail : kGreetingTail;
  text += kChoiceLines;
  return text;
}

}  // namespace

void ShowMainMenu() {
  bool apologise = false;
  for (;;) {
    ClearScreen();
    PrintMessage(MenuText(apologise));
    OfferPrompt(AnswerKind::kMenuChoice,
                apologise ? Refusal::kNotAChoice : Refusal::kNone);
    if (StoreChoice(ReadLine(), kMainChoices, MainState)) return;
    apologise = true;
  }
}
