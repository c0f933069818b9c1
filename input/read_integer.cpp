#include "input/read_integer.h"

#include "input/number_line.h"
#include "input/read_number.h"

int ReadInteger(AnswerKind kind, Refusal before,
                const std::function<std::string()>& beforeReason) {
  static constexpr NumberRules<int> kRules{PassesIntegerCheck, ConvertToInteger,
                                           IntegerRefusal, IntegerRangeReason};
  return ReadNumber<int>("(Please input a Decimal Number: )", kind, before,
                         beforeReason, kRules);
}
