#include "weapons/weapon_selection.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/console_session.h"
#include "weapons/weapon_manager.h"
#include "weapons/weapon_state.h"

namespace {

// Names each instantiated case after its label.
template <typename Case>
std::string CaseLabel(const testing::TestParamInfo<Case>& param) {
  return param.param.label;
}

constexpr std::int32_t kMax = 2147483647;
constexpr std::size_t kBeyondInt32 = static_cast<std::size_t>(kMax) + 2;

struct RemovalCase {
  const char* label;
  std::int32_t selected;
  std::int32_t removed;
  std::size_t remaining;
  std::int32_t expected;
};

class SelectionAfterRemovalTest : public testing::TestWithParam<RemovalCase> {};

TEST_P(SelectionAfterRemovalTest, FollowsTheFirstRuleThatApplies) {
  const RemovalCase& c = GetParam();
  EXPECT_EQ(SelectionAfterRemoval(c.selected, c.removed, c.remaining),
            c.expected);
}

// Most cases start from three weapons (Sword, Bow, Axe), so two remain.
INSTANTIATE_TEST_SUITE_P(
    Rules, SelectionAfterRemovalTest,
    testing::Values(
        RemovalCase{"BehindRemovedMovesDown", 2, 0, 2, 1},
        RemovalCase{"SelectedRemovedSelectsOneBefore", 1, 1, 2, 0},
        RemovalCase{"SelectedEntryZeroRemovedLeavesNone", 0, 0, 2, -1},
        RemovalCase{"InFrontOfRemovedStays", 0, 2, 2, 0},
        RemovalCase{"SelectedLastRemovedSelectsNewLast", 2, 2, 2, 1},
        RemovalCase{"NoneSelectedBecomesLast", -1, 1, 2, 1},
        RemovalCase{"OnlyWeaponRemovedLeavesNone", 0, 0, 0, -1},
        RemovalCase{"NoneSelectedAndNoneLeftStaysNone", -1, 0, 0, -1},
        RemovalCase{"NoneSelectedInHugeInventoryStaysNameable", -1, 0,
                    kBeyondInt32, kMax}),
    CaseLabel<RemovalCase>);

struct AddingCase {
  const char* label;
  std::size_t entriesBefore;
  std::int32_t selected;
  std::int32_t expected;
};

class AddingWeaponTest : public testing::TestWithParam<AddingCase> {};

TEST_P(AddingWeaponTest, AppendsAFullWeaponAndSelectsEntryZeroIfNone) {
  const AddingCase& c = GetParam();
  ConsoleSession session("Mace\n9\n-2\n\n");
  Inventory.assign(c.entriesBefore, {"Sword", 10, 5});
  SelectedWeapon = c.selected;
  WeaponManager().AddingWeapon();
  ASSERT_EQ(Inventory.size(), c.entriesBefore + 1);
  EXPECT_EQ(Inventory.back().weaponName, "Mace");
  EXPECT_EQ(Inventory.back().damage, 9);
  EXPECT_EQ(Inventory.back().currentAmmo, -2);
  EXPECT_EQ(Inventory.back().maxAmmo, -2);
  EXPECT_EQ(SelectedWeapon, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, AddingWeaponTest,
    testing::Values(AddingCase{"FirstWeaponIsSelected", 0, -1, 0},
                    AddingCase{"NoneSelectedSelectsEntryZero", 2, -1, 0},
                    AddingCase{"SelectionKept", 2, 1, 1}),
    CaseLabel<AddingCase>);

}  // namespace
