#include "weapons/weapon_manager.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/line_reader.h"
#include "support/console_session.h"
#include "weapons/weapon_state.h"

namespace {

const std::string kOptions =
    "\n\n1) AddingWeapon \n2) ChangingWeapon \n3) FiringCurrentWeapon \n"
    "4) PrintingWeaponList \n5) RemovingWeapon \n6) Reloading \nQ) Exit \n\n";
const std::string kMenu = "Please Select a Option to continue: " + kOptions;
const std::string kRetry =
    "I'm sorry I didnt catch that , please try again " + kOptions;
const std::string kPause = "Press Any Key to continue...\n\n";

struct ChoiceCase {
  const char* line;
  std::int32_t code;
};

class WeaponMenuChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(WeaponMenuChoiceTest, StoresTheCodeOfTheScreen) {
  ConsoleSession session(std::string(GetParam().line) + "\n");
  WeaponManager().ShowWeaponMenu();
  EXPECT_EQ(WeaponState, GetParam().code);
  EXPECT_EQ(session.Output(), kMenu);
}

INSTANTIATE_TEST_SUITE_P(AcceptedLines, WeaponMenuChoiceTest,
                         testing::Values(ChoiceCase{"1", 1}, ChoiceCase{"2", 4},
                                         ChoiceCase{"3", 5}, ChoiceCase{"4", 3},
                                         ChoiceCase{"5", 2}, ChoiceCase{"6", 6},
                                         ChoiceCase{"Q", 7},
                                         ChoiceCase{"q", 7}));

class WeaponMenuRejectTest : public testing::TestWithParam<const char*> {};

TEST_P(WeaponMenuRejectTest, RedrawsUnderTheApologyEachTime) {
  const std::string bad = GetParam();
  ConsoleSession session(bad + "\n" + bad + "\n5\n");
  WeaponManager().ShowWeaponMenu();
  EXPECT_EQ(WeaponState, 2);
  EXPECT_EQ(session.Output(), kMenu + kRetry + kRetry);
}

INSTANTIATE_TEST_SUITE_P(Lines, WeaponMenuRejectTest,
                         testing::Values("Q ", " 1", "01", "1.", "", "0", "7",
                                         "QQ", "\t1"));

// Each code runs its own screen; with an empty inventory every screen but
// the menu, adding and leaving ends at once with its pause.
struct ScreenCase {
  std::int32_t code;
  std::string input;
  std::string output;
  std::int32_t codeAfter;
};

class RunWeaponManagerTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(RunWeaponManagerTest, RunsTheScreenTheCodeNames) {
  const ScreenCase& c = GetParam();
  ConsoleSession session(c.input);
  WeaponState = c.code;
  WeaponManager().RunWeaponManager();
  EXPECT_EQ(session.Output(), c.output);
  EXPECT_EQ(WeaponState, c.codeAfter);
  EXPECT_THROW(ReadLine(), SessionEnd) << "the screen left input unread";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RunWeaponManagerTest,
    testing::Values(
        ScreenCase{0, "6\n", kMenu, 6},
        ScreenCase{1, "Bow\n7\n3\n\n",
                   "\nPlease Enter a weapon name: \n\n\nPlease Enter a weapon "
                   "Damage: (Please input a Decimal Number: )\n\n\nPlease "
                   "Enter a Max Ammo: (Please input a Decimal Number: "
                   ")\n\n\n\nAdded the weapon: Bow, to inventory \n\n" +
                       kPause,
                   0},
        ScreenCase{2, "\n",
                   "\nI'm sorry the current inventory is empty\n" + kPause, 0},
        ScreenCase{3, "\n", "\nPrinting the Inventory: \n\n" + kPause, 0},
        ScreenCase{4, "\n",
                   "\nI'm sorry the current inventory is empty\n\n" + kPause,
                   0},
        ScreenCase{5, "\n",
                   "\nNo weapon is currently selected, please select a "
                   "weapon\n\n" +
                       kPause,
                   0},
        ScreenCase{6, "\n",
                   "\nNo weapon is currently selected, please select a "
                   "weapon\n" +
                       kPause,
                   0},
        ScreenCase{8, "", "", 8}, ScreenCase{-1, "", "", -1}));

TEST(LeaveWeaponManagerTest, PausesThenStoresTheMainMenuChoice) {
  ConsoleSession session("\n3\n");
  WeaponState = 7;
  WeaponManager().RunWeaponManager();
  EXPECT_EQ(WeaponState, 0);
  EXPECT_TRUE(session.Output().starts_with(kPause + "Hello , Please Select"));
}

}  // namespace
