#include "input/read_integer.h"

#include "input/number_line.h"
#include "input/read_number.h"

int ReadInteger(AnswerKind kind, Refusal before) {
  static constexpr NumberRules<int> kRules{PassesIntegerCheck, ConvertToInteger,
                                           IntegerRefusal};
  return ReadNumber<int>("(Please input a Decimal Number: )", kind, before,
                         kRules);
}
