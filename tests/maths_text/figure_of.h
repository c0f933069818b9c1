// The figure of an exercise typed as a line: its name and its operands as
// whole numbers, "Cross 1 5 2 -3 6 -4", for the tests of figure texts.
#ifndef QUILLARY_TESTS_MATHS_TEXT_FIGURE_OF_H_
#define QUILLARY_TESTS_MATHS_TEXT_FIGURE_OF_H_

#include <string>

// The figure's whole text; "no exercise NAME" for a name no exercise has.
std::string FigureOf(const std::string& operands);

#endif  // QUILLARY_TESTS_MATHS_TEXT_FIGURE_OF_H_
