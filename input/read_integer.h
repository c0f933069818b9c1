// Reading a whole number from the user.
#ifndef QUILLARY_INPUT_READ_INTEGER_H_
#define QUILLARY_INPUT_READ_INTEGER_H_

#include <functional>
#include <string>

#include "shell/prompt.h"

// Prints "(Please input a Decimal Number: )" and an empty line, then reads
// lines until one is a whole number: decimal digits, optionally led by "-",
// nothing else, within -2147483648..2147483647. Each other line (the empty
// line and a lone "-" included) is answered by "\n(I'm sorry I didnt
// understand that, please Enter a number)" and an empty line. Returns the
// number typed and prints nothing after it. At end of input it throws
// SessionEnd rather than return. Offers the host `kind` as what the line
// should hold and, with it, `before`: why an earlier answer to the same
// question was not taken (an index outside the inventory), in the words
// `beforeReason` makes, if any; then, after each rejected line, why that
// line was refused (IntegerRefusal, with IntegerRangeReason's words for a
// number out of range).
int ReadInteger(AnswerKind kind = AnswerKind::kWholeNumber,
                Refusal before = Refusal::kNone,
                const std::function<std::string()>& beforeReason = {});

#endif  // QUILLARY_INPUT_READ_INTEGER_H_
