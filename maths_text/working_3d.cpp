// The workings of the three-dimensional exercises.
#include <string>
#include <string_view>

#include "maths_text/math_writer.h"
#include "maths_text/working.h"
#include "maths_text/working_steps.h"

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
  CrossFormula(w, {}, kSymbolA, kSymbolB);
  Operand(w, kSymbolA, work.a);
  Operand(w, kSymbolB, work.b);
  CrossStep(w, {}, kSymbolA, kSymbolB, work.a, work.b, work.product);
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
