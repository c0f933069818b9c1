#include "maths_text/cross_steps.h"

#include <string>

#include "maths_text/working_steps.h"

// [name =] a × b = (a_y·b_z − a_z·b_y, a_z·b_x − a_x·b_z,
// a_x·b_y − a_y·b_x)
namespace {

void NameAndProduct(MathWriter& w, std::string_view name, Symbol a, Symbol b) {
  if (!name.empty()) {
    w.Mi(name);
    w.Mo("=");
  }
  Write(w, a);
  w.Mo(kCross);
  Write(w, b);
}

}  // namespace

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
  std::string note;
  const float* const left[] = {&l.x, &l.y, &l.z};
  const float* const right[] = {&r.x, &r.y, &r.z};
  for (int i = 0; i < 3; ++i) {
    NoteRounding(note, products[i][0], kDot, products[i][1], *left[i]);
    NoteRounding(note, products[i][2], kDot, products[i][3], *right[i]);
  }
  NoteRounding(note, {l.x, l.y, l.z}, kMinus, {r.x, r.y, r.z}, {p.x, p.y, p.z});
  w.EndStep({l.x, l.y, l.z, r.x, r.y, r.z, p.x, p.y, p.z}, note);
}
