#include "maths/working.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "maths/result_lines.h"
#include "shell/number_text.h"

namespace {

// The operators in UTF-8, as MathML shows them.
constexpr std::string_view kMinus = "\xE2\x88\x92";  // U+2212
constexpr std::string_view kDot = "\xC2\xB7";        // U+00B7
constexpr std::string_view kCross = "\xC3\x97";      // U+00D7
constexpr std::string_view kTheta = "\xCE\xB8";      // U+03B8

// Writes the nodes of working.h into a figure's text. Nodes are appended in
// reading order; Open, Next and Close bracket the node lists of a node with
// parts.
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
  }
  void EndStep(std::initializer_list<float> values, std::string_view note) {
    text_ += "],\"values\":[";
    for (const float* value = values.begin(); value != values.end(); ++value) {
      if (value != values.begin()) text_ += ',';
      text_ += '"';
      AppendFloat(text_, *value);
      text_ += '"';
    }
    text_ += ']';
    if (!note.empty()) {
      text_ += ",\"note\":\"";
      text_ += note;  // the program's own words: nothing to escape
      text_ += '"';
    }
    text_ += '}';
  }
  void EndWorking() {
    if (!firstStep_) text_ += ']';
  }

  void Mi(std::string_view name) { Leaf("mi", name, false); }
  // A float as the terminal writes it, between parentheses when it is
  // negative and follows an operator.
  void Mn(float value) {
    std::string number;
    AppendFloat(number, value);
    const bool fenced = afterOperator_ && number.front() == '-';
    if (fenced) Leaf("mo", "(", false);
    Leaf("mn", number, false);
    if (fenced) Leaf("mo", ")", false);
  }
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
};

// A symbol: a name alone, or a name with a component ("a", "x" is a_x), a
// hat, or both (â_x).
struct Symbol {
  std::string_view name;
  std::string_view script = {};
  bool hat = false;
};

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

// "name = (x, y)": an operand as the program holds it.
void Operand(MathWriter& w, Symbol s, Vec2 v) {
  w.BeginStep("operands");
  Write(w, s);
  w.Mo("=");
  Tuple(w, v);
  w.EndStep({v.x, v.y}, {});
}

void Operand(MathWriter& w, Symbol s, Vec3 v) {
  w.BeginStep("operands");
  Write(w, s);
  w.Mo("=");
  Tuple(w, v);
  w.EndStep({v.x, v.y, v.z}, {});
}

constexpr std::string_view kAxes[] = {"x", "y", "z"};

// left op right for each axis, as a tuple of symbols: (a_x + b_x, a_y +
// b_y).
void ComponentwiseSymbols(MathWriter& w, Symbol left, std::string_view op,
                          Symbol right, int axes) {
  w.Open("tuple");
  for (int i = 0; i < axes; ++i) {
    if (i != 0) w.Next();
    Write(w, Component(left, kAxes[i]));
    w.Mo(op);
    Write(w, Component(right, kAxes[i]));
  }
  w.Close("tuple");
}

// (l.x op r.x, l.y op r.y[, l.z op r.z]) with numbers.
void ComponentwiseNumbers(MathWriter& w, std::initializer_list<float> left,
                          std::string_view op,
                          std::initializer_list<float> right) {
  w.Open("tuple");
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (i != 0) w.Next();
    w.Mn(left.begin()[i]);
    w.Mo(op);
    w.Mn(right.begin()[i]);
  }
  w.Close("tuple");
}

// s_x·s_x + s_y·s_y, the square of a length in symbols.
void SquaresSymbols(MathWriter& w, Symbol s) {
  Write(w, Component(s, "x"));
  w.Mo(kDot);
  Write(w, Component(s, "x"));
  w.Mo("+");
  Write(w, Component(s, "y"));
  w.Mo(kDot);
  Write(w, Component(s, "y"));
}

// |s| = √(s_x·s_x + s_y·s_y)
void LengthFormula(MathWriter& w, Symbol s) {
  w.BeginStep("formula");
  Norm(w, s);
  w.Mo("=");
  w.Open("sqrt");
  SquaresSymbols(w, s);
  w.Close("sqrt");
  w.EndStep({}, {});
}

// a·b = a_x·b_x + a_y·b_y = ax·bx + ay·by = xx + yy = sum; the dot product
// of a vector with itself is the square of its length.
void ProductSumStep(MathWriter& w, Symbol a, Symbol b, Vec2 u, Vec2 v,
                    const DotProductWork& work, std::string_view note) {
  w.BeginStep("step");
  if (a.name != b.name || a.hat != b.hat) {
    Write(w, a);
    w.Mo(kDot);
    Write(w, b);
    w.Mo("=");
  }
  Write(w, Component(a, "x"));
  w.Mo(kDot);
  Write(w, Component(b, "x"));
  w.Mo("+");
  Write(w, Component(a, "y"));
  w.Mo(kDot);
  Write(w, Component(b, "y"));
  w.Mo("=");
  w.Mn(u.x);
  w.Mo(kDot);
  w.Mn(v.x);
  w.Mo("+");
  w.Mn(u.y);
  w.Mo(kDot);
  w.Mn(v.y);
  w.Mo("=");
  w.Mn(work.xx);
  w.Mo("+");
  w.Mn(work.yy);
  w.Mo("=");
  w.Mn(work.sum);
  w.EndStep({work.xx, work.yy, work.sum}, note);
}

// The length of v under the name `length` (|a|, or d): first the sum of
// the squares, then its square root.
void LengthSteps(MathWriter& w, Symbol s, Vec2 v, const LengthWork& work,
                 Symbol length, bool lengthIsNorm) {
  ProductSumStep(w, s, s, v, v, work.squares, {});
  w.BeginStep("step");
  if (lengthIsNorm) {
    Norm(w, length);
  } else {
    Write(w, length);
  }
  w.Mo("=");
  w.Open("sqrt");
  w.Mn(work.squares.sum);
  w.Close("sqrt");
  w.Mo("=");
  w.Mn(work.length);
  w.EndStep({work.length}, {});
}

// ŝ = (s_x / |s|, s_y / |s|)
void UnitFormula(MathWriter& w, Symbol s) {
  w.BeginStep("formula");
  Write(w, {s.name, {}, true});
  w.Mo("=");
  w.Open("tuple");
  for (int i = 0; i < 2; ++i) {
    if (i != 0) w.Next();
    w.Open("frac");
    Write(w, Component(s, kAxes[i]));
    w.Next();
    Norm(w, s);
    w.Close("frac");
  }
  w.Close("tuple");
  w.EndStep({}, {});
}

// |s|, then ŝ = (x / |s|, y / |s|), with what the zero vector gives.
void UnitSteps(MathWriter& w, Symbol s, Vec2 v, const NormalizedWork& work,
               std::string_view zeroNote) {
  LengthSteps(w, s, v, work.length, s, true);
  w.BeginStep("step");
  Write(w, {s.name, {}, true});
  w.Mo("=");
  w.Open("tuple");
  for (int i = 0; i < 2; ++i) {
    if (i != 0) w.Next();
    w.Open("frac");
    w.Mn(i == 0 ? v.x : v.y);
    w.Next();
    w.Mn(work.length.length);
    w.Close("frac");
  }
  w.Close("tuple");
  w.Mo("=");
  Tuple(w, work.unit);
  w.EndStep({work.unit.x, work.unit.y},
            work.length.length == 0.0f ? zeroNote : std::string_view{});
}

constexpr Symbol kA{"a"};
constexpr Symbol kB{"b"};

void WriteSum(MathWriter& w, std::string_view op) {
  Write(w, kA);
  w.Mo(op);
  Write(w, kB);
}

// The float's shortest text that reads back as the same float ("1.0000001"
// where AppendFloat's six digits show "1"), for a note on what the clamp
// changed.
std::string ExactText(float value) {
  char buffer[32];
  for (int precision = 6;; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision,
                  static_cast<double>(value));
    if (precision == 9 || std::strtof(buffer, nullptr) == value) break;
  }
  return buffer;
}

}  // namespace

void AppendWorking(std::string& text, const VectorSumWork& work) {
  const std::string_view op = work.difference ? kMinus : "+";
  MathWriter w(text);
  w.BeginStep("formula");
  WriteSum(w, op);
  w.Mo("=");
  ComponentwiseSymbols(w, kA, op, kB, 2);
  w.EndStep({}, {});
  Operand(w, kA, work.a);
  Operand(w, kB, work.b);
  w.BeginStep("step");
  WriteSum(w, op);
  w.Mo("=");
  ComponentwiseNumbers(w, {work.a.x, work.a.y}, op, {work.b.x, work.b.y});
  w.Mo("=");
  Tuple(w, work.result);
  w.EndStep({work.result.x, work.result.y}, {});
  w.EndWorking();
}

void AppendWorking(std::string& text, const DistanceWork& work) {
  static constexpr Symbol kC{"c"};
  MathWriter w(text);
  w.BeginStep("formula");
  Write(w, kC);
  w.Mo("=");
  WriteSum(w, kMinus);
  w.Mo("=");
  ComponentwiseSymbols(w, kA, kMinus, kB, 2);
  w.EndStep({}, {});
  w.BeginStep("formula");
  w.Mi("d");
  w.Mo("=");
  Norm(w, kC);
  w.Mo("=");
  w.Open("sqrt");
  SquaresSymbols(w, kC);
  w.Close("sqrt");
  w.EndStep({}, {});
  Operand(w, kA, work.a);
  Operand(w, kB, work.b);
  w.BeginStep("step");
  Write(w, kC);
  w.Mo("=");
  ComponentwiseNumbers(w, {work.a.x, work.a.y}, kMinus, {work.b.x, work.b.y});
  w.Mo("=");
  Tuple(w, work.difference);
  w.EndStep({work.difference.x, work.difference.y}, {});
  LengthSteps(w, kC, work.difference, work.distance, {"d"}, false);
  w.EndWorking();
}

void AppendWorking(std::string& text, const MagniuteWork& work) {
  MathWriter w(text);
  LengthFormula(w, kA);
  Operand(w, kA, work.v);
  LengthSteps(w, kA, work.v, work.length, kA, true);
  w.EndWorking();
}

void AppendWorking(std::string& text, const NormalizeWork& work) {
  MathWriter w(text);
  UnitFormula(w, kA);
  LengthFormula(w, kA);
  Operand(w, kA, work.v);
  UnitSteps(w, kA, work.v, work.unit,
            "|a| is 0, and 0 / 0 has no value (nan): the zero vector has no "
            "direction");
  w.EndWorking();
}

// t = n·0.1, then (1 − t)·a + t·b componentwise.
void AppendWorking(std::string& text, const LinInterWork& work) {
  static constexpr Symbol kT{"t"};
  MathWriter w(text);
  w.BeginStep("formula");
  Write(w, kT);
  w.Mo("=");
  w.Mi("n");
  w.Mo(kDot);
  w.Constant("0.1");
  w.EndStep({}, {});
  // (1 − t)·a + t·b = ((1 − t)·a_x + t·b_x, (1 − t)·a_y + t·b_y)
  const auto weighted = [&w](std::string_view x) {
    w.Mo("(");
    w.Constant("1");
    w.Mo(kMinus);
    Write(w, kT);
    w.Mo(")");
    w.Mo(kDot);
    Write(w, x.empty() ? kA : Component(kA, x));
    w.Mo("+");
    Write(w, kT);
    w.Mo(kDot);
    Write(w, x.empty() ? kB : Component(kB, x));
  };
  w.BeginStep("formula");
  weighted({});
  w.Mo("=");
  w.Open("tuple");
  weighted("x");
  w.Next();
  weighted("y");
  w.Close("tuple");
  w.EndStep({}, {});
  Operand(w, kA, work.a);
  Operand(w, kB, work.b);
  w.BeginStep("operands");
  w.Mi("n");
  w.Mo("=");
  w.Mn(work.tenths);
  w.EndStep({work.tenths}, "t is typed in tenths: n = 5 means t = 0.5");
  w.BeginStep("step");
  Write(w, kT);
  w.Mo("=");
  w.Mn(work.tenths);
  w.Mo(kDot);
  w.Constant("0.1");
  w.Mo("=");
  w.Mn(work.t);
  w.EndStep({work.t}, "worked in double precision and rounded once to float");
  const InterpolationWork& p = work.point;
  w.BeginStep("step");
  w.Constant("1");
  w.Mo(kMinus);
  Write(w, kT);
  w.Mo("=");
  w.Constant("1");
  w.Mo(kMinus);
  w.Mn(work.t);
  w.Mo("=");
  w.Mn(p.s);
  w.EndStep({p.s}, {});
  w.BeginStep("step");
  weighted({});
  w.Mo("=");
  w.Open("tuple");
  w.Mn(p.s);
  w.Mo(kDot);
  w.Mn(work.a.x);
  w.Mo("+");
  w.Mn(work.t);
  w.Mo(kDot);
  w.Mn(work.b.x);
  w.Next();
  w.Mn(p.s);
  w.Mo(kDot);
  w.Mn(work.a.y);
  w.Mo("+");
  w.Mn(work.t);
  w.Mo(kDot);
  w.Mn(work.b.y);
  w.Close("tuple");
  w.Mo("=");
  ComponentwiseNumbers(w, {p.x1, p.y1}, "+", {p.x2, p.y2});
  w.Mo("=");
  Tuple(w, p.point);
  w.EndStep({p.x1, p.x2, p.y1, p.y2, p.point.x, p.point.y}, {});
  w.EndWorking();
}

// The sign of a·b chooses the sentence; the angle comes from the unit
// vectors, their dot product and the clamp.
void AppendWorking(std::string& text, const DotWork& work) {
  static constexpr Symbol kUnitA{"a", {}, true};
  static constexpr Symbol kUnitB{"b", {}, true};
  const AngleWork& angle = work.angle;
  MathWriter w(text);
  w.BeginStep("formula");
  WriteSum(w, kDot);
  w.Mo("=");
  Write(w, Component(kA, "x"));
  w.Mo(kDot);
  Write(w, Component(kB, "x"));
  w.Mo("+");
  Write(w, Component(kA, "y"));
  w.Mo(kDot);
  Write(w, Component(kB, "y"));
  w.EndStep({}, {});
  UnitFormula(w, kA);
  UnitFormula(w, kB);
  const auto clampOf = [&w](auto inner) {
    w.Mi("clamp");
    w.Mo("(");
    inner();
    w.Mo(",");
    w.Constant("-1");
    w.Mo(",");
    w.Constant("1");
    w.Mo(")");
  };
  const auto unitProduct = [&w] {
    Write(w, kUnitA);
    w.Mo(kDot);
    Write(w, kUnitB);
  };
  w.BeginStep("formula");
  w.Mi(kTheta);
  w.Mo("=");
  w.Mi("arccos");
  w.Mo("(");
  clampOf(unitProduct);
  w.Mo(")");
  w.EndStep({}, {});
  Operand(w, kA, work.a);
  Operand(w, kB, work.b);
  std::string direction = "its sign gives the sentence: ";
  direction += DirectionSentence(work.dot.sum);
  ProductSumStep(w, kA, kB, work.a, work.b, work.dot, direction);
  constexpr std::string_view kNoDirection =
      " is 0, and 0 / 0 has no value (nan): the zero vector has no "
      "direction, so there is no angle";
  UnitSteps(w, kA, work.a, angle.unitA, std::string("|a|") += kNoDirection);
  UnitSteps(w, kB, work.b, angle.unitB, std::string("|b|") += kNoDirection);
  ProductSumStep(w, kUnitA, kUnitB, angle.unitA.unit, angle.unitB.unit,
                 angle.cosine, {});
  std::string clampNote;
  if (angle.clamped != angle.cosine.sum && !std::isnan(angle.cosine.sum)) {
    clampNote = "the clamp changed " + ExactText(angle.cosine.sum) + " to " +
                ExactText(angle.clamped) +
                ": rounding put the cosine past the end of [-1, 1], where "
                "the arc cosine has no value";
  }
  w.BeginStep("step");
  clampOf(unitProduct);
  w.Mo("=");
  clampOf([&w, &angle] { w.Mn(angle.cosine.sum); });
  w.Mo("=");
  w.Mn(angle.clamped);
  w.EndStep({angle.clamped}, clampNote);
  w.BeginStep("step");
  w.Mi(kTheta);
  w.Mo("=");
  w.Mi("arccos");
  w.Mo("(");
  w.Mn(angle.clamped);
  w.Mo(")");
  w.Mo("=");
  w.Mn(angle.angle);
  w.EndStep({angle.angle}, std::isnan(angle.angle)
                               ? "no angle: a zero vector has no direction"
                               : std::string_view{});
  w.EndWorking();
}

namespace {

// [name =] a × b = (a_y·b_z − a_z·b_y, a_z·b_x − a_x·b_z,
// a_x·b_y − a_y·b_x)
void NameAndProduct(MathWriter& w, std::string_view name, Symbol a, Symbol b) {
  if (!name.empty()) {
    w.Mi(name);
    w.Mo("=");
  }
  Write(w, a);
  w.Mo(kCross);
  Write(w, b);
}

void CrossFormula(MathWriter& w, std::string_view name, Symbol a, Symbol b) {
  w.BeginStep("formula");
  NameAndProduct(w, name, a, b);
  w.Mo("=");
  w.Open("tuple");
  constexpr int kPairs[3][2] = {{1, 2}, {2, 0}, {0, 1}};
  for (int i = 0; i < 3; ++i) {
    if (i != 0) w.Next();
    const std::string_view first = kAxes[kPairs[i][0]];
    const std::string_view second = kAxes[kPairs[i][1]];
    Write(w, Component(a, first));
    w.Mo(kDot);
    Write(w, Component(b, second));
    w.Mo(kMinus);
    Write(w, Component(a, second));
    w.Mo(kDot);
    Write(w, Component(b, first));
  }
  w.Close("tuple");
  w.EndStep({}, {});
}

// The six products, then the three differences.
void CrossStep(MathWriter& w, std::string_view name, Symbol a, Symbol b, Vec3 u,
               Vec3 v, const CrossProductWork& work) {
  w.BeginStep("step");
  NameAndProduct(w, name, a, b);
  w.Mo("=");
  w.Open("tuple");
  const float products[3][4] = {
      {u.y, v.z, u.z, v.y}, {u.z, v.x, u.x, v.z}, {u.x, v.y, u.y, v.x}};
  for (int i = 0; i < 3; ++i) {
    if (i != 0) w.Next();
    w.Mn(products[i][0]);
    w.Mo(kDot);
    w.Mn(products[i][1]);
    w.Mo(kMinus);
    w.Mn(products[i][2]);
    w.Mo(kDot);
    w.Mn(products[i][3]);
  }
  w.Close("tuple");
  w.Mo("=");
  const Vec3 l = work.left;
  const Vec3 r = work.right;
  ComponentwiseNumbers(w, {l.x, l.y, l.z}, kMinus, {r.x, r.y, r.z});
  w.Mo("=");
  Tuple(w, work.product);
  const Vec3 p = work.product;
  w.EndStep({l.x, l.y, l.z, r.x, r.y, r.z, p.x, p.y, p.z}, {});
}

}  // namespace

void AppendWorking(std::string& text, const CrossWork& work) {
  MathWriter w(text);
  CrossFormula(w, {}, kA, kB);
  Operand(w, kA, work.a);
  Operand(w, kB, work.b);
  CrossStep(w, {}, kA, kB, work.a, work.b, work.product);
  w.EndWorking();
}

// The two edges from the first corner, then their cross product.
void AppendWorking(std::string& text, const SurfaceNormalWork& work) {
  static constexpr Symbol kU{"u"};
  static constexpr Symbol kV{"v"};
  static constexpr Symbol kCorners[] = {{"p", "1"}, {"p", "2"}, {"p", "3"}};
  const Vec3 corners[] = {work.p1, work.p2, work.p3};
  const TriangleNormalWork& normal = work.normal;
  MathWriter w(text);
  const auto edge = [&w](Symbol name, int to) {
    Write(w, name);
    w.Mo("=");
    Write(w, kCorners[to]);
    w.Mo(kMinus);
    Write(w, kCorners[0]);
  };
  w.BeginStep("formula");
  edge(kU, 1);
  w.EndStep({}, {});
  w.BeginStep("formula");
  edge(kV, 2);
  w.EndStep({}, {});
  CrossFormula(w, "n", kU, kV);
  for (int i = 0; i < 3; ++i) Operand(w, kCorners[i], corners[i]);
  const Vec3 edges[] = {normal.edge1, normal.edge2};
  const Symbol names[] = {kU, kV};
  for (int i = 0; i < 2; ++i) {
    w.BeginStep("step");
    edge(names[i], i + 1);
    w.Mo("=");
    const Vec3 to = corners[i + 1];
    ComponentwiseNumbers(w, {to.x, to.y, to.z}, kMinus,
                         {work.p1.x, work.p1.y, work.p1.z});
    w.Mo("=");
    Tuple(w, edges[i]);
    w.EndStep({edges[i].x, edges[i].y, edges[i].z}, {});
  }
  CrossStep(w, "n", kU, kV, normal.edge1, normal.edge2, normal.normal);
  w.EndWorking();
}
