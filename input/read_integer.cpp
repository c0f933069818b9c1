#include "input/read_integer.h"

#include "input/number_line.h"
#include "input/read_number.h"

int ReadInteger() {
  return ReadNumber<int>("(Please input a Decimal Number: )",
                         PassesIntegerCheck, ConvertToInteger);
}
