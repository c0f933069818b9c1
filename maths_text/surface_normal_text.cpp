// SurfaceNormal: the normal of the triangle p1, p2, p3, the cross product
// of the edges from its first corner.
#include <string>

#include "maths_text/cross_steps.h"
#include "maths_text/exercise_text.h"
#include "maths_text/line_text.h"
#include "maths_text/working_steps.h"

void AppendResultLine(std::string& line, const SurfaceNormalWork& work) {
  AppendVector(line, "The sureface normal is: ", work.normal.normal.product);
}

// The two edges from the first corner, then their cross product.
void AppendFigure(FigureWriter& figure, const SurfaceNormalWork& work) {
  static constexpr Symbol kU{"u"};
  static constexpr Symbol kV{"v"};
  static constexpr Symbol kCorners[] = {{"p", "1"}, {"p", "2"}, {"p", "3"}};
  const Vec3 corners[] = {work.p1, work.p2, work.p3};
  const TriangleNormalWork& normal = work.normal;
  figure.Begin("SurfaceNormal");
  figure.Value("first", work.p1);
  figure.Value("second", work.p2);
  figure.Value("third", work.p3);
  figure.Value("result", normal.normal.product);
  MathWriter& w = figure.Working();
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
    std::string note;
    NoteRounding(note, {to.x, to.y, to.z}, kMinus,
                 {work.p1.x, work.p1.y, work.p1.z},
                 {edges[i].x, edges[i].y, edges[i].z});
    w.EndStep({edges[i].x, edges[i].y, edges[i].z}, note);
  }
  CrossStep(w, "n", kU, kV, normal.edge1, normal.edge2, normal.normal);
}
