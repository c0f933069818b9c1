#include "maths_text/math_writer.h"

#include <cmath>

namespace {

constexpr std::string_view kNegativeZero =
    "-0 is zero with a sign, as a product such as -1·0 gives: it equals 0";
constexpr std::string_view kNotANumber =
    "nan (not a number) is what 0 / 0 gives, and every step after it";
constexpr std::string_view kSixDigits =
    "the terminal prints each number with six significant digits, as the "
    "result line shows";

// Adds sentence to note, after a semicolon where note has words already.
void AddSentence(std::string& note, std::string_view sentence) {
  if (!note.empty()) note += "; ";
  note += sentence;
}

}  // namespace

void MathWriter::Mn(float value) {
  std::string number;
  longerThanTerminal_ = AppendExactFloat(number, value) || longerThanTerminal_;
  showsNan_ = showsNan_ || std::isnan(value);
  showsNegativeZero_ = showsNegativeZero_ || number == "-0";
  const bool fenced = afterOperator_ && number.front() == '-';
  if (fenced) Leaf("mo", "(", false);
  Leaf("mn", number, false);
  if (fenced) Leaf("mo", ")", false);
}

void MathWriter::EndStep(std::initializer_list<float> values,
                         std::string_view note) {
  text_ += "],\"values\":[";
  for (const float* value = values.begin(); value != values.end(); ++value) {
    if (value != values.begin()) text_ += ',';
    text_ += '"';
    longerThanTerminal_ =
        AppendExactFloat(text_, *value) || longerThanTerminal_;
    text_ += '"';
  }
  text_ += ']';
  std::string said(note);
  if (showsNegativeZero_ && note.find("-0") == std::string_view::npos) {
    AddSentence(said, kNegativeZero);
  }
  if (showsNan_ && note.find("nan") == std::string_view::npos) {
    AddSentence(said, kNotANumber);
  }
  lastStepHasNote_ = !said.empty();
  if (lastStepHasNote_) {
    text_ += ",\"note\":\"";
    text_ += said;  // the program's own words: nothing to escape
    lastStepNoteEnd_ = text_.size();
    text_ += '"';
  } else {
    lastStepNoteEnd_ = text_.size();
  }
  text_ += '}';
  lastStepLonger_ = longerThanTerminal_;
}

void MathWriter::EndWorking() {
  if (firstStep_) return;
  if (lastStepLonger_) {
    std::string added = lastStepHasNote_ ? "; " : ",\"note\":\"";
    added += kSixDigits;
    if (!lastStepHasNote_) added += '"';
    text_.insert(lastStepNoteEnd_, added);
  }
  text_ += ']';
}

void Write(MathWriter& w, Symbol s) {
  if (!s.script.empty()) w.Open("sub");
  if (s.hat) w.Open("hat");
  w.Mi(s.name);
  if (s.hat) w.Close("hat");
  if (!s.script.empty()) {
    w.Next();
    if (s.script[0] >= '0' && s.script[0] <= '9') {
      w.Constant(s.script);
    } else {
      w.Mi(s.script);
    }
    w.Close("sub");
  }
}

Symbol Component(Symbol s, std::string_view script) {
  return {s.name, script, s.hat};
}

void Norm(MathWriter& w, Symbol s) {
  w.Open("norm");
  Write(w, s);
  w.Close("norm");
}

void Tuple(MathWriter& w, std::initializer_list<float> parts) {
  w.Open("tuple");
  for (const float* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) w.Next();
    w.Mn(*part);
  }
  w.Close("tuple");
}

void Tuple(MathWriter& w, Vec2 v) { Tuple(w, {v.x, v.y}); }
void Tuple(MathWriter& w, Vec3 v) { Tuple(w, {v.x, v.y, v.z}); }
