// The figure of each vector exercise: what a host that can draw (the browser
// page) needs to picture the result line beside it, made from the same
// operands by the same single-precision arithmetic, and written as a small
// JSON text whose numbers are the float texts the terminal shows.
#ifndef QUILLARY_MATHS_FIGURES_H_
#define QUILLARY_MATHS_FIGURES_H_

#include <string>
#include <string_view>
#include <vector>

#include "maths/vector2.h"
#include "maths/vector3.h"

// One operand or result of a figure: a vector or point (two or three
// numbers) or a scalar (one), under the name the host draws it by: "first",
// "second", "third" for operands, "result" for what the line gives, and
// "parameter" for LinInter's t.
struct FigureValue {
  std::string_view role;
  std::vector<float> numbers;
};

// An exercise's figure: its name as the maths menu's routine ("Dot"), its
// result line exactly as printed, a caption where the line starts with a
// sentence of its own (Dot's direction), and its values in drawing order.
struct Figure {
  std::string_view exercise;
  std::string line;
  std::string_view caption;
  std::vector<FigureValue> values;
};

// first, second and the result of each exercise, as its result line computes
// it; Magniute and Normalize have only a first.
Figure VectorAdditionFigure(Vec2 a, Vec2 b);
Figure VectorSubFigure(Vec2 a, Vec2 b);
Figure DistanceFigure(Vec2 a, Vec2 b);  // result: the distance
Figure MagniuteFigure(Vec2 v);          // result: the length
// Also the parameter, TenthsParameter(tenths).
Figure LinInterFigure(Vec2 a, Vec2 b, float tenths);
// result: the angle in radians; caption: the direction sentence.
Figure DotFigure(Vec2 a, Vec2 b);
Figure NormalizeFigure(Vec2 v);
Figure CrossFigure(Vec3 a, Vec3 b);
// first, second, third: the triangle's corners; result: its normal.
Figure SurfaceNormalFigure(Vec3 p1, Vec3 p2, Vec3 p3);

// The figure as one line of JSON, for example
//   {"exercise":"VectorAddition","line":"The resulting vector is: (4, 6)",
//    "caption":"","first":["1","2"],"second":["3","4"],"result":["4","6"]}
// Each number is a string holding AppendFloat's text ("1e+06", "-0", "nan"),
// since JSON has no spelling for a not-a-number and the host must show the
// digits the terminal shows.
std::string FigureText(const Figure& figure);

#endif  // QUILLARY_MATHS_FIGURES_H_
