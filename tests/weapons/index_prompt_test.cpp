#include "weapons/index_prompt.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct ReasonCase {
  const char* label;
  std::int32_t index;
  std::size_t count;
  const char* reason;
};

std::string CaseLabel(const testing::TestParamInfo<ReasonCase>& param) {
  return param.param.label;
}

class NoSuchIndexReasonTest : public testing::TestWithParam<ReasonCase> {};

TEST_P(NoSuchIndexReasonTest, NamesTheNumberAndTheIndexesThereAre) {
  EXPECT_EQ(NoSuchIndexReason(GetParam().index, GetParam().count),
            GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NoSuchIndexReasonTest,
    testing::Values(
        ReasonCase{"OneBeyondTheLast", 2, 2,
                   "there is no weapon 2: the list runs 0 to 1"},
        ReasonCase{"Negative", -1, 3,
                   "there is no weapon -1: the list runs 0 to 2"},
        ReasonCase{"SmallestInt", -2147483647 - 1, 2,
                   "there is no weapon -2147483648: the list runs 0 to 1"},
        ReasonCase{"OneWeapon", 1, 1,
                   "there is no weapon 1: the list holds only weapon 0"},
        ReasonCase{"NoWeapon", 0, 0,
                   "there is no weapon 0: the list is empty"}),
    CaseLabel);

}  // namespace
