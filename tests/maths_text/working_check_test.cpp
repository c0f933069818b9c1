// A learner's check of the Working, over exercises of every kind: each step,
// recomputed in single precision from the numbers it shows, gives the number
// it shows next; and a step where single precision acts where a pencil would
// not (a term lost from a sum, whole numbers rounded, a clamp, arccos near
// its ends, -0, nan) says so in its note.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "maths_text/figure_of.h"

namespace {

// Just enough JSON for a figure: strings, arrays and objects.
struct Json {
  std::string text;               // a string's characters
  std::vector<Json> items;        // an array's, or an object's values
  std::vector<std::string> keys;  // an object's, one for each value

  const Json* Find(const std::string& key) const {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) return &items[i];
    }
    return nullptr;
  }
};

Json Parse(const std::string& s, std::size_t& at) {
  Json value;
  const char open = s[at++];
  if (open == '"') {
    for (; s[at] != '"'; ++at) value.text += s[at] == '\\' ? s[++at] : s[at];
    ++at;
    return value;
  }
  while (s[at] != ']' && s[at] != '}') {
    if (s[at] == ',') ++at;
    if (open == '{') {
      value.keys.push_back(Parse(s, at).text);
      ++at;  // the colon
    }
    value.items.push_back(Parse(s, at));
  }
  ++at;
  return value;
}

// What a step's numbers come to, and what single precision did on the way.
struct Evaluation {
  std::vector<float> value;  // a number, or a vector's components
  bool numeric = true;       // false where a symbol stands
  bool actsUnseen = false;   // a lost term, rounded whole numbers, ...
};

bool IsWhole(float x) { return std::isfinite(x) && x == std::trunc(x); }

class Evaluator {
 public:
  Evaluator(const std::vector<Json>& nodes, bool tenthsInDouble)
      : nodes_(nodes), tenthsInDouble_(tenthsInDouble) {}

  Evaluation Run() {
    Evaluation result = Sum();
    result.actsUnseen = result.actsUnseen || actsUnseen_;
    result.numeric = result.numeric && numeric_ && at_ == nodes_.size();
    return result;
  }

 private:
  const std::string& Tag() const { return nodes_[at_].items[0].text; }
  bool IsOperator(const char* op) const {
    return at_ < nodes_.size() && Tag() == "mo" &&
           nodes_[at_].items[1].text == op;
  }

  Evaluation Sum() {
    Evaluation left = Product();
    while (IsOperator("+") || IsOperator("\xE2\x88\x92")) {
      const bool plus = IsOperator("+");
      ++at_;
      const Evaluation right = Product();
      Combine(left, right, [&](float x, float y) {
        const float sum = plus ? x + y : x - y;
        const double exact =
            plus ? static_cast<double>(x) + static_cast<double>(y)
                 : static_cast<double>(x) - static_cast<double>(y);
        const bool lost =
            (y != 0 && sum == x) || (x != 0 && sum == (plus ? y : -y));
        if (lost ||
            (IsWhole(x) && IsWhole(y) && exact != static_cast<double>(sum))) {
          actsUnseen_ = true;
        }
        return sum;
      });
    }
    return left;
  }

  Evaluation Product() {
    Evaluation left = Factor();
    while (IsOperator("\xC2\xB7") || IsOperator("\xC3\x97")) {
      ++at_;
      const bool byTenth = tenthsInDouble_ && at_ < nodes_.size() &&
                           Tag() == "mn" && nodes_[at_].items[1].text == "0.1";
      const Evaluation right = Factor();
      Combine(left, right, [&](float x, float y) {
        // t = n·0.1 is worked in double and rounded once.
        if (byTenth) return static_cast<float>(static_cast<double>(x) * 0.1);
        const float product = x * y;
        if (IsWhole(x) && IsWhole(y) &&
            static_cast<double>(x) * static_cast<double>(y) !=
                static_cast<double>(product)) {
          actsUnseen_ = true;
        }
        return product;
      });
    }
    return left;
  }

  Evaluation Factor() {
    if (at_ >= nodes_.size()) return Symbolic();
    const Json& node = nodes_[at_++];
    const std::string& tag = node.items[0].text;
    if (tag == "mn") {
      const std::string& text = node.items[1].text;
      if (text == "-0" || text == "nan") actsUnseen_ = true;
      return {{std::strtof(text.c_str(), nullptr)}};
    }
    if (tag == "mo" && node.items[1].text == "(") {
      Evaluation inner = Sum();
      ++at_;  // ")"
      return inner;
    }
    if (tag == "sqrt") {
      Evaluation inner = Inner(node.items[1]);
      for (float& x : inner.value)
        x = static_cast<float>(std::sqrt(static_cast<double>(x)));
      return inner;
    }
    if (tag == "frac") {
      Evaluation top = Inner(node.items[1]);
      Combine(top, Inner(node.items[2]),
              [](float x, float y) { return x / y; });
      return top;
    }
    if (tag == "tuple") {
      Evaluation tuple;
      for (const Json& component : node.items[1].items) {
        const Evaluation part = Inner(component);
        if (!part.numeric || part.value.size() != 1) return Symbolic();
        tuple.value.push_back(part.value[0]);
      }
      return tuple;
    }
    if (tag == "mi" && node.items[1].text == "arccos") {
      Evaluation inner = Factor();
      for (float& x : inner.value) {
        if (std::fabs(x) > 0.9999f && std::fabs(x) < 1.0f) actsUnseen_ = true;
        x = static_cast<float>(std::acos(static_cast<double>(x)));
      }
      return inner;
    }
    if (tag == "mi" && node.items[1].text == "clamp") {
      ++at_;  // "("
      Evaluation inner = Sum();
      at_ += 5;  // , -1 , 1 )
      for (float& x : inner.value) x = std::clamp(x, -1.0f, 1.0f);
      actsUnseen_ = true;  // whether it changed the value or not
      return inner;
    }
    return Symbolic();
  }

  Evaluation Inner(const Json& nodes) {
    Evaluator inner(nodes.items, tenthsInDouble_);
    Evaluation result = inner.Run();
    numeric_ = numeric_ && result.numeric;
    actsUnseen_ = actsUnseen_ || result.actsUnseen;
    return result;
  }

  Evaluation Symbolic() {
    numeric_ = false;
    at_ = nodes_.size();
    return {{}, false};
  }

  template <typename Operation>
  void Combine(Evaluation& left, const Evaluation& right, Operation op) {
    if (!left.numeric || !right.numeric ||
        (left.value.size() != right.value.size() && right.value.size() != 1)) {
      left = Symbolic();
      return;
    }
    for (std::size_t i = 0; i < left.value.size(); ++i) {
      left.value[i] =
          op(left.value[i], right.value[std::min(i, right.value.size() - 1)]);
    }
  }

  const std::vector<Json>& nodes_;
  bool tenthsInDouble_;
  std::size_t at_ = 0;
  bool numeric_ = true;
  bool actsUnseen_ = false;
};

bool SameFloats(const std::vector<float>& a, const std::vector<float>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i])))) return false;
  }
  return true;
}

// The steps of one figure that do not follow from what they show, and those
// where single precision acts without a note, each named for the report.
void CheckWorking(const std::string& operands, std::size_t& compared,
                  std::vector<std::string>& unfollowed,
                  std::vector<std::string>& unexplained) {
  const std::string text = FigureOf(operands);
  std::size_t at = 0;
  const Json figure = Parse(text, at);
  const std::vector<Json>& steps = figure.Find("working")->items;
  for (std::size_t index = 0; index < steps.size(); ++index) {
    const Json& step = steps[index];
    if (step.Find("kind")->text != "step") continue;
    const Json* note = step.Find("note");
    const bool inDouble =
        note != nullptr && note->text.find("double") != std::string::npos;
    // The sides between the "=" signs.
    std::vector<std::vector<Json>> sides(1);
    for (const Json& node : step.Find("math")->items) {
      if (node.items[0].text == "mo" && node.items[1].text == "=") {
        sides.emplace_back();
      } else {
        sides.back().push_back(node);
      }
    }
    bool actsUnseen = false;
    std::vector<Evaluation> values;
    for (const std::vector<Json>& side : sides) {
      Evaluation value = Evaluator(side, inDouble).Run();
      actsUnseen = actsUnseen || value.actsUnseen;
      if (value.numeric) values.push_back(value);
    }
    std::string where = operands;
    where += ", step ";
    where += std::to_string(index);
    for (std::size_t i = 1; i < values.size(); ++i) {
      ++compared;
      if (!SameFloats(values[i - 1].value, values[i].value)) {
        unfollowed.push_back(where);
        break;
      }
    }
    if (actsUnseen && note == nullptr) unexplained.push_back(where);
  }
}

// Exercises of every kind from a fixed seed: ordinary, negative, large,
// mixed magnitudes (1 to 2,000,000), parallel, opposite and zero vectors,
// and t outside 0 to 1.
std::vector<std::string> GeneratedExercises(int perKind) {
  static const char* const kPlane[] = {
      "VectorAddition", "VectorSub", "Distance", "Magniute",
      "LinInter",       "Dot",       "Normalize"};
  std::uint32_t seed = 20261210;
  const auto next = [&seed](int low, int high) {
    seed = seed * 1664525u + 1013904223u;
    return low + static_cast<int>((seed >> 8) %
                                  static_cast<std::uint32_t>(high - low + 1));
  };
  const auto number = [&](int shape) {
    switch (shape) {
      case 0:
        return next(-20, 20);
      case 1:
        return next(-2000000, 2000000);
      default:
        return next(0, 1) ? next(1, 20) : next(1000, 2000000);
    }
  };
  std::vector<std::string> exercises;
  for (int i = 0; i < perKind; ++i) {
    const int shape = i % 6;
    std::vector<int> a, b;
    for (int c = 0; c < 3; ++c) a.push_back(number(shape % 3));
    const int k = next(2, 9);
    for (std::size_t c = 0; c < 3; ++c) {
      b.push_back(shape == 3                  ? k * a[c] % 20000000
                  : shape == 4                ? -k * a[c] % 20000000
                  : shape == 5 && i % 12 == 5 ? 0
                                              : number(shape % 3));
    }
    // Joined by appending: GCC's -Wrestrict at -O3 misjudges a number's
    // text added to a literal.
    const auto add = [](std::string& line, int n) {
      line += ' ';
      line += std::to_string(n);
    };
    for (const char* name : kPlane) {
      std::string line = name;
      for (const int n : {a[0], a[1], b[0], b[1]}) add(line, n);
      if (line.starts_with("LinInter")) add(line, next(-20, 30));
      exercises.push_back(line);
    }
    std::string space = "Cross";
    for (const int n : a) add(space, n);
    for (const int n : b) add(space, n);
    exercises.push_back(space);
    space.replace(0, 5, "SurfaceNormal");
    for (int c = 0; c < 3; ++c) add(space, number(shape % 3));
    exercises.push_back(space);
  }
  return exercises;
}

TEST(WorkingCheckTest, EveryStepFollowsFromWhatItShowsAndSaysWhereFloatsAct) {
  const std::vector<std::string> exercises = GeneratedExercises(240);
  ASSERT_GE(exercises.size(), 2000u);
  std::size_t compared = 0;
  std::vector<std::string> unfollowed, unexplained;
  for (const std::string& operands : exercises) {
    CheckWorking(operands, compared, unfollowed, unexplained);
  }
  // About four recomputed sides a figure: a checker that reads none fails.
  EXPECT_GT(compared, 3 * exercises.size());
  std::string firstFew;
  for (std::size_t i = 0; i < std::min<std::size_t>(unfollowed.size(), 5);
       ++i) {
    firstFew += "\n  does not follow: " + unfollowed[i];
  }
  for (std::size_t i = 0; i < std::min<std::size_t>(unexplained.size(), 5);
       ++i) {
    firstFew += "\n  no note: " + unexplained[i];
  }
  EXPECT_TRUE(unfollowed.empty() && unexplained.empty())
      << exercises.size() << " exercises: " << unfollowed.size()
      << " steps do not follow, " << unexplained.size()
      << " steps where single precision acts have no note" << firstFew;
}

}  // namespace
