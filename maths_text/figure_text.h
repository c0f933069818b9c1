// The figure of a vector exercise: what a host that can draw (the browser
// page) needs to picture the result line beside it and to show its working,
// as one line of JSON whose numbers are the float texts the terminal shows.
// FigureWriter writes it; each exercise's writer (exercise_text.h) fills it.
//
//   {"exercise":"VectorAddition","line":"The resulting vector is: (4, 6)",
//    "caption":"","first":["1","2"],"second":["3","4"],"result":["4","6"],
//    "working":[...]}
//
// "exercise" is the maths menu's name of the routine ("Dot"), "line" the
// result line as printed, "caption" the sentence the line starts with where
// it has one (Dot's direction) and "" otherwise. Then the values in drawing
// order: "first", "second", "third" for the operands (the vectors, or the
// triangle's corners), "parameter" for LinInter's t, and "result" for what
// the line gives (a vector, or a scalar: the distance, the length, the
// angle in radians). Magniute and Normalize have only a first. Each number
// is a string holding AppendFloat's text ("1e+06", "-0", "nan"), since JSON
// has no spelling for a not-a-number and the host must show the digits the
// terminal shows.
//
// Last comes "working": its formula in symbols, the operands the user
// typed, then every value the exercise computed, in the order it computed
// them, ending in the result it printed, for a host that typesets it (the
// page, as MathML) without computing anything itself. It is an array of
// steps, each an object:
//   "kind"    "formula": the exercise's formula in symbols, no numbers;
//             "operands": one operand as typed, as the program holds it;
//             "step": one stage of the computation with the numbers put in.
//   "math"    the step as one line of mathematics: an array of nodes.
//   "values"  the floats the step brings in ("operands") or computes
//             ("step"), in the order the program computes them, as the
//             texts of the numbers in "math"; empty for a "formula". The
//             last one (the last two or three, for a vector) is the step's
//             value, and the last step's value is the printed result.
//   "note"    optional: sentences in plain words, joined by "; ", on what
//             single precision did where a pencil would not (a term lost
//             from a sum, whole numbers rounded, the clamp, arccos near -1
//             or 1, -0, nan), why a step has no value, and, on the last
//             step where it shows more digits than the terminal, that the
//             terminal prints six.
//
// A node is an array whose first member names it:
//   ["mi", name]             an identifier: a vector or number ("a", "b",
//                            "c", "d", "n", "p", "t", "u", "v", "θ"), an
//                            axis ("x", "y", "z") or a function ("arccos",
//                            "clamp"), followed by "(" ... ")" nodes
//   ["mn", text]             a number: a float as the terminal writes it
//                            where those six digits are the float itself,
//                            else with the fewest more digits that are
//                            (AppendExactFloat: "0.6", "-3", "1e+06", "-0",
//                            "nan", "inf", "-0.99999994", "16000004"), or a
//                            constant of a formula ("1", "-1", "0.1"); a
//                            leading "-" is a minus sign
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
// Magniute of (3, 4), its working complete:
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
#ifndef QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_
#define QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"
#include "maths_text/math_writer.h"

// Writes one figure into `text`, member by member in the order above:
// Begin first, then the values, then the working's steps through Working(),
// then Finish. `text` must outlive the writer.
class FigureWriter {
 public:
  FigureWriter(std::string& text, std::string_view line)
      : text_(text), line_(line), working_(text) {}

  // {"exercise":exercise,"line":line,"caption":caption
  void Begin(std::string_view exercise, std::string_view caption = {});

  // ,"role":["x","y"] and the like.
  void Value(std::string_view role, std::initializer_list<float> numbers);
  void Value(std::string_view role, Vec2 v) { Value(role, {v.x, v.y}); }
  void Value(std::string_view role, Vec3 v) { Value(role, {v.x, v.y, v.z}); }

  // The working's steps are written through this, after the values.
  MathWriter& Working() { return working_; }

  // Closes the working and the figure.
  void Finish();

 private:
  std::string& text_;
  std::string_view line_;
  MathWriter working_;
};

#endif  // QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_
