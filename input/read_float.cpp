#include "input/read_float.h"

#include "input/number_line.h"
#include "input/read_number.h"

float ReadFloat() {
  static constexpr NumberRules<float> kRules{PassesFloatCheck, ConvertToFloat,
                                             FloatRefusal, FloatRangeReason};
  return ReadNumber<float>("(Please input a Float Number: )",
                           AnswerKind::kDecimalFraction, Refusal::kNone, {},
                           kRules);
}
