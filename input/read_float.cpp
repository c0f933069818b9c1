#include "input/read_float.h"

#include "input/number_line.h"
#include "input/read_number.h"

float ReadFloat() {
  return ReadNumber<float>("(Please input a Float Number: )", PassesFloatCheck,
                           ConvertToFloat);
}
