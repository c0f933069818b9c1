// The working of a vector exercise: its formula in symbols, the operands
// the user typed, then every value the exercise computed, in the order it
// computed them, ending in the result it printed. Written into the figure's
// JSON text (FigureText) as its "working" member, for a host that typesets
// it (the browser page, as MathML) without computing anything itself.
//
// "working" is an array of steps. Each step is an object:
//   "kind"    "formula": the exercise's formula in symbols, no numbers;
//             "operands": one operand as typed, as the program holds it;
//             "step": one stage of the computation with the numbers put in.
//   "math"    the step as one line of mathematics: an array of nodes.
//   "values"  the floats the step brings in ("operands") or computes
//             ("step"), in the order the program computes them, as the
//             texts of the numbers in "math"; empty for a "formula". The
//             last one (the last two or three, for a vector) is the step's
//             value, and the last step's value is the printed result.
//   "note"    optional: a sentence in plain words, such as why a step has
//             no value or what the clamp changed.
//
// A node is an array whose first member names it:
//   ["mi", name]             an identifier: a vector or number ("a", "b",
//                            "c", "d", "n", "p", "t", "u", "v", "θ"), an
//                            axis ("x", "y", "z") or a function ("arccos",
//                            "clamp"), followed by "(" ... ")" nodes
//   ["mn", text]             a number: a float as the terminal writes it
//                            (AppendFloat: "0.6", "-3", "1e+06", "-0",
//                            "nan", "inf"), or a constant of a formula ("1",
//                            "-1", "0.1"); a leading "-" is a minus sign
//   ["mo", text]             an operator or fence: "=", "+", "−" (U+2212),
//                            "·" (U+00B7), "×" (U+00D7), "(", ")", ","
//   ["sub", base, script]    base with a subscript: a_x, p_1
//   ["hat", base]            base with a circumflex over it: â
//   ["norm", body]           body between bars: |a|
//   ["frac", top, bottom]    a fraction
//   ["sqrt", body]           a square root over body
//   ["tuple", [c1, c2, ...]] a vector: its components in parentheses,
//                            separated by commas
// where base, script, body, top, bottom and each component are arrays of
// nodes. A negative number that follows "+", "−", "·" or "×" comes already
// between "(" and ")" nodes, so nothing needs adding.
//
// Magniute of (3, 4), complete:
//   "working":[
//    {"kind":"formula","math":[["norm",[["mi","a"]]],["mo","="],
//      ["sqrt",[["sub",[["mi","a"]],[["mi","x"]]],["mo","·"],
//               ["sub",[["mi","a"]],[["mi","x"]]],["mo","+"],
//               ["sub",[["mi","a"]],[["mi","y"]]],["mo","·"],
//               ["sub",[["mi","a"]],[["mi","y"]]]]]],"values":[]},
//    {"kind":"operands","math":[["mi","a"],["mo","="],
//      ["tuple",[[["mn","3"]],[["mn","4"]]]]],"values":["3","4"]},
//    {"kind":"step","math":[["sub",[["mi","a"]],[["mi","x"]]],["mo","·"],
//      ["sub",[["mi","a"]],[["mi","x"]]],["mo","+"],
//      ["sub",[["mi","a"]],[["mi","y"]]],["mo","·"],
//      ["sub",[["mi","a"]],[["mi","y"]]],["mo","="],
//      ["mn","3"],["mo","·"],["mn","3"],["mo","+"],["mn","4"],["mo","·"],
//      ["mn","4"],["mo","="],["mn","9"],["mo","+"],["mn","16"],["mo","="],
//      ["mn","25"]],"values":["9","16","25"]},
//    {"kind":"step","math":[["norm",[["mi","a"]]],["mo","="],
//      ["sqrt",[["mn","25"]]],["mo","="],["mn","5"]],"values":["5"]}]
// (line breaks added here; the text is one line).
//
// The steps of each exercise follow its code:
//   VectorAddition, VectorSub  a ± b componentwise.
//   Distance      c = a − b; c_x·c_x + c_y·c_y; d = √ of that.
//   Magniute      a_x·a_x + a_y·a_y; |a| = √ of that.
//   Normalize     as Magniute, then â = (a_x / |a|, a_y / |a|).
//   LinInter      t = n · 0.1 from the typed tenths n (in double, rounded
//                 once), 1 − t, then (1 − t)·a + t·b: the four products,
//                 then the two sums.
//   Dot           a·b, whose sign chooses the sentence; |a| and â, |b| and
//                 b̂ as Normalize does; â·b̂; clamp(â·b̂, −1, 1), with a note
//                 when the clamp changed the value; θ = arccos of that.
//   Cross         a × b: the six products, then the three differences.
//   SurfaceNormal e_1 = p_2 − p_1, e_2 = p_3 − p_1, then e_1 × e_2 as Cross.
#ifndef QUILLARY_MATHS_TEXT_WORKING_H_
#define QUILLARY_MATHS_TEXT_WORKING_H_

#include <string>

#include "arithmetic/exercises.h"

// Appends `,"working":[...]` for the exercise's computation to text.
void AppendWorking(std::string& text, const VectorSumWork& work);
void AppendWorking(std::string& text, const DistanceWork& work);
void AppendWorking(std::string& text, const MagniuteWork& work);
void AppendWorking(std::string& text, const LinInterWork& work);
void AppendWorking(std::string& text, const DotWork& work);
void AppendWorking(std::string& text, const NormalizeWork& work);
void AppendWorking(std::string& text, const CrossWork& work);
void AppendWorking(std::string& text, const SurfaceNormalWork& work);

#endif  // QUILLARY_MATHS_TEXT_WORKING_H_
