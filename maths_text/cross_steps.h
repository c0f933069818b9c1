// The steps of a cross product, which Cross and SurfaceNormal share.
#ifndef QUILLARY_MATHS_TEXT_CROSS_STEPS_H_
#define QUILLARY_MATHS_TEXT_CROSS_STEPS_H_

#include <string_view>

#include "arithmetic/vector3.h"
#include "maths_text/math_writer.h"

// The formula [name =] a × b = (a_y·b_z − a_z·b_y, a_z·b_x − a_x·b_z,
// a_x·b_y − a_y·b_x); no name when `name` is empty.
void CrossFormula(MathWriter& w, std::string_view name, Symbol a, Symbol b);

// [name =] a × b with u and v, a's and b's numbers, put in: the six
// products, then the three differences, then the product.
void CrossStep(MathWriter& w, std::string_view name, Symbol a, Symbol b, Vec3 u,
               Vec3 v, const CrossProductWork& work);

#endif  // QUILLARY_MATHS_TEXT_CROSS_STEPS_H_
