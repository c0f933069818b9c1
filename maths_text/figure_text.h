// The figure of each vector exercise: what a host that can draw (the browser
// page) needs to picture the result line beside it and to show its working,
// written from the exercise's one computation (exercises.h) as a small JSON
// text whose numbers are the float texts the terminal shows.
#ifndef QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_
#define QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_

#include <string>
#include <variant>

#include "arithmetic/exercises.h"

// One vector exercise's computation: what its screen prints the result line
// from (AppendResultLine) and offers the figure of (FigureText).
using Figure =
    std::variant<VectorSumWork, DistanceWork, MagniuteWork, LinInterWork,
                 DotWork, NormalizeWork, CrossWork, SurfaceNormalWork>;

// Each exercise's computation for its operands (WorkOut...).
Figure VectorAdditionFigure(Vec2 a, Vec2 b);
Figure VectorSubFigure(Vec2 a, Vec2 b);
Figure DistanceFigure(Vec2 a, Vec2 b);
Figure MagniuteFigure(Vec2 v);
Figure LinInterFigure(Vec2 a, Vec2 b, float tenths);
Figure DotFigure(Vec2 a, Vec2 b);
Figure NormalizeFigure(Vec2 v);
Figure CrossFigure(Vec3 a, Vec3 b);
Figure SurfaceNormalFigure(Vec3 p1, Vec3 p2, Vec3 p3);

// Appends the exercise's result line, exactly as printed (result_lines.h).
void AppendResultLine(std::string& line, const Figure& figure);

// The figure as one line of JSON, for example
//   {"exercise":"VectorAddition","line":"The resulting vector is: (4, 6)",
//    "caption":"","first":["1","2"],"second":["3","4"],"result":["4","6"],
//    "working":[...]}
// "exercise" is the maths menu's name of the routine ("Dot"), "line" the
// result line as printed, "caption" the sentence the line starts with where
// it has one (Dot's direction) and "" otherwise. Then the values in drawing
// order: "first", "second", "third" for the operands (the vectors, or the
// triangle's corners), "parameter" for LinInter's t, and "result" for what
// the line gives (a vector, or a scalar: the distance, the length, the
// angle in radians). Magniute and Normalize have only a first. Last comes
// "working", which working.h describes. Each number is a string holding
// AppendFloat's text ("1e+06", "-0", "nan"), since JSON has no spelling for
// a not-a-number and the host must show the digits the terminal shows.
std::string FigureText(const Figure& figure);

#endif  // QUILLARY_MATHS_TEXT_FIGURE_TEXT_H_
