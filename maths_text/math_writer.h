// Writes the mathematics of a working (figure_text.h) as its JSON nodes: the
// MathWriter that appends them to a figure's text, and the symbols of the
// exercises (a, b, a_x, â) written through it.
#ifndef QUILLARY_MATHS_TEXT_MATH_WRITER_H_
#define QUILLARY_MATHS_TEXT_MATH_WRITER_H_

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "arithmetic/vector2.h"
#include "arithmetic/vector3.h"
#include "maths_text/number_text.h"

// The operators in UTF-8, as MathML shows them.
inline constexpr std::string_view kMinus = "\xE2\x88\x92";  // U+2212
inline constexpr std::string_view kDot = "\xC2\xB7";        // U+00B7
inline constexpr std::string_view kCross = "\xC3\x97";      // U+00D7
inline constexpr std::string_view kTheta = "\xCE\xB8";      // U+03B8

inline constexpr std::string_view kAxes[] = {"x", "y", "z"};

// Writes the working's nodes (figure_text.h) into a figure's text. Nodes are
// appended in reading order; Open, Next and Close bracket the node lists of a
// node with parts.
class MathWriter {
 public:
  explicit MathWriter(std::string& text) : text_(text) {}

  // {"kind":kind,"math":[ ... ],"values":[values],"note":note}
  void BeginStep(std::string_view kind) {
    text_ += firstStep_ ? ",\"working\":[" : ",";
    firstStep_ = false;
    text_ += "{\"kind\":\"";
    text_ += kind;
    text_ += "\",\"math\":[";
    Reset();
    showsNan_ = showsNegativeZero_ = longerThanTerminal_ = false;
  }
  // Ends the step with its values (AppendExactFloat's texts) and its note.
  // A step that shows a nan or a -0 says what it is in its note, unless the
  // note given speaks of it.
  void EndStep(std::initializer_list<float> values, std::string_view note);
  // Closes the working. Where its last step shows more digits than the
  // terminal, its note says that the terminal prints six.
  void EndWorking();

  void Mi(std::string_view name) { Leaf("mi", name, false); }
  // A float as AppendExactFloat writes it, between parentheses when it is
  // negative and follows an operator.
  void Mn(float value);
  void Constant(std::string_view text) { Leaf("mn", text, false); }
  void Mo(std::string_view op) {
    Leaf("mo", op, op == "+" || op == kMinus || op == kDot || op == kCross);
  }

  void Open(std::string_view tag) {
    Separate();
    text_ += "[\"";
    text_ += tag;
    text_ += tag == "tuple" ? "\",[[" : "\",[";
    Reset();
  }
  void Next() {
    text_ += "],[";
    Reset();
  }
  void Close(std::string_view tag) {
    text_ += tag == "tuple" ? "]]]" : "]]";
    needComma_ = true;
    afterOperator_ = false;
  }

 private:
  void Separate() {
    if (needComma_) text_ += ',';
  }
  void Reset() {
    needComma_ = false;
    afterOperator_ = false;
  }
  void Leaf(std::string_view tag, std::string_view value, bool isOperator) {
    Separate();
    text_ += "[\"";
    text_ += tag;
    text_ += "\",\"";
    text_ += value;
    text_ += "\"]";
    needComma_ = true;
    afterOperator_ = isOperator;
  }

  std::string& text_;
  bool firstStep_ = true;
  bool needComma_ = false;
  bool afterOperator_ = false;
  // What the step being written shows.
  bool showsNan_ = false;
  bool showsNegativeZero_ = false;
  bool longerThanTerminal_ = false;
  // Where the last step ended, for the note EndWorking may add to it: the
  // place of its note's closing quote, or of its closing brace when it has
  // no note.
  std::size_t lastStepNoteEnd_ = 0;
  bool lastStepHasNote_ = false;
  bool lastStepLonger_ = false;
};

// A symbol: a name alone, or a name with a component ("a", "x" is a_x), a
// hat, or both (â_x).
struct Symbol {
  std::string_view name;
  std::string_view script = {};
  bool hat = false;
};

inline constexpr Symbol kSymbolA{"a"};
inline constexpr Symbol kSymbolB{"b"};

void Write(MathWriter& w, Symbol s);

// s with the component script: a_x from a, â_x from â.
Symbol Component(Symbol s, std::string_view script);

// |s|
void Norm(MathWriter& w, Symbol s);

// The numbers as a vector: (x, y) or (x, y, z).
void Tuple(MathWriter& w, std::initializer_list<float> parts);
void Tuple(MathWriter& w, Vec2 v);
void Tuple(MathWriter& w, Vec3 v);

#endif  // QUILLARY_MATHS_TEXT_MATH_WRITER_H_
