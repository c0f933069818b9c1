// The maths menu, one row per entry: the menu's text, the lines it takes and
// the screen each code runs are all made from this table, so that an entry
// is added or changed in one place.
#ifndef QUILLARY_MATHS_MATH_ENTRIES_H_
#define QUILLARY_MATHS_MATH_ENTRIES_H_

#include <array>
#include <string_view>

#include "maths/math_problems.h"

// One entry: the line that chooses it, its name as the menu lists it after
// "<number>) " (the menu ends every entry with a blank), and its screen.
struct MathEntry {
  std::string_view number;
  std::string_view name;
  void (MathProblems::*screen)();
};

// In menu order. An entry's code, what MathState holds while its screen
// runs, is its place here: the menu number less one. "1", ChangingState,
// has the menu's own code, so choosing it shows a fresh menu.
inline constexpr std::array<MathEntry, 13> kMathEntries{{
    {"1", "ChangingState", &MathProblems::ShowMathMenu},
    {"2", "VectorAddition", &MathProblems::VectorAddition},
    {"3", "VectorSub", &MathProblems::VectorSub},
    {"4", "Distance", &MathProblems::Distance},
    {"5", "Magniute", &MathProblems::Magniute},
    {"6", "LinInter", &MathProblems::LinInter},
    {"7", "Dot", &MathProblems::Dot},
    {"8", "Cross", &MathProblems::Cross},
    {"9", "Normalize", &MathProblems::Normalize},
    {"10", "SurfaceNormal", &MathProblems::SurfaceNormal},
    {"11", "Is Prime Number", &MathProblems::IsPrimeNumber},
    {"12", "MatrixRotation", &MathProblems::MatrixRotation},
    // The menu lists this one with two blanks after its number.
    {"13", " MatrixInvert", &MathProblems::MatrixInvert},
}};

#endif  // QUILLARY_MATHS_MATH_ENTRIES_H_
