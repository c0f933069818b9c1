#include "terminal/session_script.h"

namespace {

constexpr std::string_view kMainChoices =
    "\n\n  0) Enter User Name \n  1) Weapon Manager \n  2) Math Problems "
    "\n  3) Bit Shifting \n  Q) Quit\n\n";

constexpr std::string_view kWeaponChoices =
    "\n\n1) AddingWeapon \n2) ChangingWeapon \n3) FiringCurrentWeapon "
    "\n4) PrintingWeaponList \n5) RemovingWeapon \n6) Reloading \nQ) Exit "
    "\n\n";

constexpr std::string_view kMathChoices =
    "\n1) ChangingState \n2) VectorAddition \n3) VectorSub \n4) Distance "
    "\n5) Magniute \n6) LinInter \n7) Dot \n8) Cross \n9) Normalize "
    "\n10) SurfaceNormal \n11) Is Prime Number \n12) MatrixRotation "
    "\n13)  MatrixInvert \nQ) Quit \n\n";

std::string Joined(std::string_view head, std::string_view tail) {
  return std::string(head) + std::string(tail);
}

}  // namespace

std::string AfterClears(int count, std::string_view text) {
  std::string shown;
  for (int i = 0; i < count; ++i) shown += kClear;
  shown += text;
  return shown;
}

std::string Opening() {
  return AfterClears(
      1, "Hello, my name is Quillary. What would you like me to call you?\n\n");
}

std::string MainMenu(const std::string& name) {
  return "Hello " + name +
         Joined(", Please Select a Option to continue: ", kMainChoices);
}

std::string MainMenuApology(const std::string& name) {
  return "I'm sorry I didnt catch that " + name +
         Joined(", please try again ", kMainChoices);
}

std::string WeaponMenu() {
  return Joined("Please Select a Option to continue: ", kWeaponChoices);
}

std::string WeaponMenuApology() {
  return Joined("I'm sorry I didnt catch that , please try again ",
                kWeaponChoices);
}

std::string MathMenu() {
  return Joined("Please select a option: \n", kMathChoices);
}

std::string MathMenuApology() {
  return Joined("I'm sorry I didnt catch that, please select a option: \n",
                kMathChoices);
}

std::string NumberPrompt(std::string_view question) {
  return Joined(question, "(Please input a Decimal Number: )\n\n");
}

std::string Pause() { return "Press Any Key to continue...\n\n"; }

std::string QuitQuestion() {
  return "Are you sure you want to quit? (Press 0 to exit, anything else to "
         "cancel)\n\n";
}

const std::vector<Step>& EveryScreen() {
  static const std::vector<Step> steps = {
      {"Ada", AfterClears(1, MainMenu("Ada"))},
      {"x", AfterClears(1, MainMenuApology("Ada"))},
      {"1", AfterClears(3, WeaponMenu())},
      {"9", AfterClears(1, WeaponMenuApology())},
      {"1", AfterClears(2, "\nPlease Enter a weapon name: \n\n")},
      {"Bow", NumberPrompt("\nPlease Enter a weapon Damage: ")},
      {"7", NumberPrompt("\nPlease Enter a Max Ammo: ")},
      {"3", "\n\nAdded the weapon: Bow, to inventory \n\n" + Pause()},
      {"", AfterClears(3, WeaponMenu())},
      {"q", AfterClears(2, Pause())},
      {"", AfterClears(1, MainMenu("Ada"))},
      {"2", AfterClears(3, MathMenu())},
      {"x", AfterClears(1, MathMenuApology())},
      {"1", AfterClears(3, MathMenu())},
      {"2", AfterClears(2, NumberPrompt("Please Enter a value for X1 "))},
      {"1", NumberPrompt("Please Enter a value for y1 ")},
      {"2", NumberPrompt("Please Enter a value for X2 ")},
      {"3", NumberPrompt("Please Enter a value for y2 ")},
      {"4", "The resulting vector is: (4, 6)\nPress Any Key to continue...\n"},
      {"", AfterClears(3, MathMenu())},
      {"Q", Pause()},
      {"", AfterClears(1, MainMenu("Ada"))},
      {"3", AfterClears(1,
                        "\n Please enter a float: \n"
                        "(Please input a Float Number: )\n\n")},
      {"2.5", "\n\nThe  float value is: 2.5\n" + Pause()},
      {"", AfterClears(1, MainMenu("Ada"))},
      {"Q", AfterClears(1, QuitQuestion())},
      {"", AfterClears(1, MainMenu("Ada"))},
      {"q", AfterClears(1, QuitQuestion())},
      {"0", "\n\n"},
  };
  return steps;
}
