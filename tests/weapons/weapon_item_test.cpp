#include "weapons/weapon_item.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/console_session.h"

namespace {

// Names each instantiated case after its label.
template <typename Case>
std::string CaseLabel(const testing::TestParamInfo<Case>& param) {
  return param.param.label;
}

using WeaponItem = WeaponManager::WeaponItem;

constexpr std::int32_t kMax = 2147483647;

std::string Shot(const std::string& name, std::int32_t damage,
                 std::int32_t left) {
  return "\nFired the Weapon: " + name + ", did " + std::to_string(damage) +
         " damage, " + std::to_string(left) + " ammo remaining";
}

std::string Refusal(const std::string& name) {
  return "The Weapon: " + name + ", Does not have enough ammo to fire.";
}

struct FireCase {
  const char* label;
  std::int32_t damage;
  std::int32_t maxAmmo;
  int shots;
  std::string output;
  std::int32_t ammoLeft;
};

class WeaponFireTest : public testing::TestWithParam<FireCase> {};

TEST_P(WeaponFireTest, SpendsOneRoundPerShotAndRefusesWhenEmpty) {
  const FireCase& c = GetParam();
  ConsoleSession session("");
  WeaponItem weapon("Bow", c.damage, c.maxAmmo);
  for (int shot = 0; shot < c.shots; ++shot) weapon.Fire();
  EXPECT_EQ(session.Output(), c.output);
  EXPECT_EQ(weapon.currentAmmo, c.ammoLeft);
  EXPECT_EQ(weapon.maxAmmo, c.maxAmmo);
  EXPECT_EQ(weapon.damage, c.damage);
}

INSTANTIATE_TEST_SUITE_P(
    Shots, WeaponFireTest,
    testing::Values(
        FireCase{"DownToZeroThenRefused", 7, 3, 5,
                 Shot("Bow", 7, 2) + Shot("Bow", 7, 1) + Shot("Bow", 7, 0) +
                     Refusal("Bow") + Refusal("Bow"),
                 0},
        FireCase{"ZeroCapacityNeverFires", 7, 0, 2,
                 Refusal("Bow") + Refusal("Bow"), 0},
        FireCase{"NegativeCapacityNeverFires", 7, -2, 1, Refusal("Bow"), -2},
        FireCase{"NegativeDamageReportedAsIs", -5, 1, 1, Shot("Bow", -5, 0), 0},
        FireCase{"LargestValues", kMax, kMax, 1, Shot("Bow", kMax, kMax - 1),
                 kMax - 1}),
    CaseLabel<FireCase>);

struct ReloadCase {
  const char* label;
  std::int32_t maxAmmo;
  int shotsBefore;
};

class WeaponReloadTest : public testing::TestWithParam<ReloadCase> {};

TEST_P(WeaponReloadTest, RestoresCapacityAndAlwaysReports) {
  const ReloadCase& c = GetParam();
  ConsoleSession session("");
  WeaponItem weapon("Bow", 7, c.maxAmmo);
  for (int shot = 0; shot < c.shotsBefore; ++shot) weapon.Fire();
  const std::string beforeReload = session.Output();
  weapon.Reload();
  EXPECT_EQ(session.Output(),
            beforeReload + "You have reloaded the weapon Bow");
  EXPECT_EQ(weapon.currentAmmo, c.maxAmmo);
}

INSTANTIATE_TEST_SUITE_P(Capacities, WeaponReloadTest,
                         testing::Values(ReloadCase{"Full", 3, 0},
                                         ReloadCase{"PartlyUsed", 3, 1},
                                         ReloadCase{"Emptied", 3, 4},
                                         ReloadCase{"ZeroCapacity", 0, 1},
                                         ReloadCase{"NegativeCapacity", -2, 1}),
                         CaseLabel<ReloadCase>);

struct PrintCase {
  const char* label;
  std::string name;
  std::int32_t damage;
  std::int32_t maxAmmo;
  int shotsBefore;
  std::string line;
};

class WeaponPrintTest : public testing::TestWithParam<PrintCase> {};

TEST_P(WeaponPrintTest, WritesOneLineLedByANewline) {
  const PrintCase& c = GetParam();
  WeaponItem weapon(c.name, c.damage, c.maxAmmo);
  {
    ConsoleSession quiet("");
    for (int shot = 0; shot < c.shotsBefore; ++shot) weapon.Fire();
  }
  ConsoleSession session("");
  weapon.Print();
  EXPECT_EQ(session.Output(), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Weapons, WeaponPrintTest,
    testing::Values(
        PrintCase{"NewBow", "Bow", 7, 3, 0,
                  "\n Weapon Name: Bow, Damage: 7,  Current Ammo: 3, Max "
                  "Ammo: 3"},
        PrintCase{"FiredOnce", "Sword", 10, 5, 1,
                  "\n Weapon Name: Sword, Damage: 10,  Current Ammo: 4, Max "
                  "Ammo: 5"},
        PrintCase{"EmptyName", "", 0, 0, 0,
                  "\n Weapon Name: , Damage: 0,  Current Ammo: 0, Max Ammo: 0"},
        PrintCase{"BlanksKept", " Twin  Blade ", -1, -2, 0,
                  "\n Weapon Name:  Twin  Blade , Damage: -1,  Current Ammo: "
                  "-2, Max Ammo: -2"},
        PrintCase{"LargestValues", "Bow", kMax, kMax, 0,
                  "\n Weapon Name: Bow, Damage: 2147483647,  Current Ammo: "
                  "2147483647, Max Ammo: 2147483647"},
        PrintCase{"SmallestDamage", "Bow", -2147483647 - 1, 1, 0,
                  "\n Weapon Name: Bow, Damage: -2147483648,  Current Ammo: "
                  "1, Max Ammo: 1"}),
    CaseLabel<PrintCase>);

}  // namespace
