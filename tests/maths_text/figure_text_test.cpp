// Each vector exercise's whole figure text, working included, against the
// texts in figure_texts.inc, which were checked by hand: a wrong formula, a
// swapped operand, a value out of order or a lost note changes a byte.
// After a change that is meant, run this test with QUILLARY_FIGURE_TEXTS
// naming a file, which it fills with the texts it made, in the same form,
// to be read through before it replaces figure_texts.inc.
#include "maths_text/figure_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "maths_text/figure_of.h"

namespace {

// The operands of each case, then its text: one string each, as a compiler
// need not take a longer one.
constexpr const char* kFigureTexts[] = {
#include "maths_text/figure_texts.inc"
};

// One case: an exercise and its operands as typed, then its figure's text.
struct FigureCase {
  std::string operands;
  std::string text;
};

void PrintTo(const FigureCase& figure, std::ostream* out) {
  *out << figure.operands;
}

std::vector<FigureCase> Cases() {
  std::vector<FigureCase> cases;
  for (std::size_t i = 0; i + 1 < std::size(kFigureTexts); i += 2) {
    cases.push_back({kFigureTexts[i], kFigureTexts[i + 1]});
  }
  return cases;
}

class FigureTextTest : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureTextTest, IsTheCheckedText) {
  EXPECT_EQ(FigureOf(GetParam().operands), GetParam().text);
}

// Writes every figure as it is made now, for a change that is meant.
TEST(FigureTextsTest, CanBeWrittenAfresh) {
  const char* const path = std::getenv("QUILLARY_FIGURE_TEXTS");
  if (path == nullptr) GTEST_SKIP() << "QUILLARY_FIGURE_TEXTS is not set";
  std::ofstream out(path);
  out << "// Each vector exercise's whole figure text, working included, for "
         "the\n// operands typed before it (figure_text_test.cpp reads "
         "them).\n";
  for (const FigureCase& figure : Cases()) {
    out << "R\"golden(" << figure.operands << ")golden\",\nR\"golden("
        << FigureOf(figure.operands) << ")golden\",\n";
  }
  EXPECT_TRUE(out.good()) << path;
}

std::string Name(const testing::TestParamInfo<FigureCase>& info) {
  std::string name;
  for (const char c : info.param.operands) {
    name += c == ' ' ? '_' : c == '-' ? 'm' : c;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(EveryExercise, FigureTextTest,
                         testing::ValuesIn(Cases()), Name);

}  // namespace
