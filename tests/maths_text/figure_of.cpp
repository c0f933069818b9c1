#include "maths_text/figure_of.h"

#include <sstream>
#include <vector>

#include "arithmetic/exercises.h"
#include "arithmetic/single_precision.h"
#include "maths_text/exercise_text.h"

// The numbers are converted as the screens convert them.
std::string FigureOf(const std::string& operands) {
  std::istringstream in(operands);
  std::string exercise;
  in >> exercise;
  std::vector<float> n;
  for (int typed; in >> typed;) n.push_back(OperandValue(typed));
  n.resize(9);
  const Vec2 a{n[0], n[1]}, b{n[2], n[3]};
  const Vec3 p{n[0], n[1], n[2]}, q{n[3], n[4], n[5]}, r{n[6], n[7], n[8]};
  if (exercise == "VectorAddition")
    return FigureText(WorkOutVectorAddition(a, b));
  if (exercise == "VectorSub") return FigureText(WorkOutVectorSub(a, b));
  if (exercise == "Distance") return FigureText(WorkOutDistance(a, b));
  if (exercise == "Magniute") return FigureText(WorkOutMagniute(a));
  if (exercise == "LinInter") return FigureText(WorkOutLinInter(a, b, n[4]));
  if (exercise == "Dot") return FigureText(WorkOutDot(a, b));
  if (exercise == "Normalize") return FigureText(WorkOutNormalize(a));
  if (exercise == "Cross") return FigureText(WorkOutCross(p, q));
  if (exercise == "SurfaceNormal") {
    return FigureText(WorkOutSurfaceNormal(p, q, r));
  }
  return "no exercise " + exercise;
}
