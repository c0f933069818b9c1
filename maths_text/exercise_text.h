// The texts written of each vector exercise, from its computation record
// (arithmetic/exercises.h): its result line, exactly as its screen prints
// it, and its figure for a host that draws (figure_text.h). One writer per
// exercise, each in a file of its own, declares its two functions here.
#ifndef QUILLARY_MATHS_TEXT_EXERCISE_TEXT_H_
#define QUILLARY_MATHS_TEXT_EXERCISE_TEXT_H_

#include <string>
#include <string_view>

#include "arithmetic/exercises.h"
#include "maths_text/figure_text.h"

// AppendResultLine appends the exercise's result line, with no line break,
// its numbers in the stream's default notation (six significant digits,
// "1e+06" from a million on, "-0" for a negative zero):
//   VectorAddition, VectorSub  "The resulting vector is: (" result ")"
//   Distance   "The distance between the two vectors is " the length
//   Magniute   "The magnitude for the vector (" v ") is: " the length; the
//              operands are echoed as floats
//   LinInter   "The resulting vector is: (" the point ")"
//   Dot        the direction sentence of the dot product, then ", the angle
//              between the vectors is: " and the angle in radians
//   Normalize  "The normalized vector is: (" the unit vector ")"
//   Cross      "The cross product is: (" the product ")", three components
//              joined by bare commas
//   SurfaceNormal  "The sureface normal is: (" the normal ")", joined by
//              bare commas
// Two components are joined by ", ".
//
// AppendFigure writes the figure's members after the result line: the
// exercise's name and caption, its values and its working, whose steps
// follow the exercise's code:
//   VectorAddition, VectorSub  a ± b componentwise.
//   Distance      c = a − b; c_x·c_x + c_y·c_y; d = √ of that.
//   Magniute      a_x·a_x + a_y·a_y; |a| = √ of that.
//   Normalize     as Magniute, then â = (a_x / |a|, a_y / |a|).
//   LinInter      t = n · 0.1 from the typed tenths n (in double, rounded
//                 once), 1 − t, then (1 − t)·a + t·b: the four products,
//                 then the two sums.
//   Dot           a·b, whose sign chooses the sentence; |a| and â, |b| and
//                 b̂ as Normalize does; â·b̂; clamp(â·b̂, −1, 1), with a note
//                 when the clamp changed the value; θ = arccos of that.
//   Cross         a × b: the six products, then the three differences.
//   SurfaceNormal u = p_2 − p_1, v = p_3 − p_1, then n = u × v as Cross.
void AppendResultLine(std::string& line, const VectorSumWork& work);
void AppendFigure(FigureWriter& figure, const VectorSumWork& work);

void AppendResultLine(std::string& line, const DistanceWork& work);
void AppendFigure(FigureWriter& figure, const DistanceWork& work);

void AppendResultLine(std::string& line, const MagniuteWork& work);
void AppendFigure(FigureWriter& figure, const MagniuteWork& work);

void AppendResultLine(std::string& line, const LinInterWork& work);
void AppendFigure(FigureWriter& figure, const LinInterWork& work);

void AppendResultLine(std::string& line, const DotWork& work);
void AppendFigure(FigureWriter& figure, const DotWork& work);

void AppendResultLine(std::string& line, const NormalizeWork& work);
void AppendFigure(FigureWriter& figure, const NormalizeWork& work);

void AppendResultLine(std::string& line, const CrossWork& work);
void AppendFigure(FigureWriter& figure, const CrossWork& work);

void AppendResultLine(std::string& line, const SurfaceNormalWork& work);
void AppendFigure(FigureWriter& figure, const SurfaceNormalWork& work);

// The direction sentence for a dot product: "The Vectors are perpendicular"
// for 0 (either sign), "... facing the opposite direction" below 0, "...
// facing the same direction" above 0.
std::string_view DirectionSentence(float dot);

// The exercise's whole figure, as one line of JSON (figure_text.h).
template <typename Work>
std::string FigureText(const Work& work) {
  std::string line;
  AppendResultLine(line, work);
  std::string text;
  FigureWriter figure(text, line);
  AppendFigure(figure, work);
  figure.Finish();
  return text;
}

#endif  // QUILLARY_MATHS_TEXT_EXERCISE_TEXT_H_
