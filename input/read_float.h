// Reading a decimal fraction from the user.
#ifndef QUILLARY_INPUT_READ_FLOAT_H_
#define QUILLARY_INPUT_READ_FLOAT_H_

// As ReadInteger, with the first prompt "(Please input a Float Number: )",
// one "." allowed anywhere in the line, and the result converted to the
// nearest float. Lines that hold no number ("", "-", ".", "-.") or a value
// beyond the range of float are rejected with the apology prompt. Offers
// the host AnswerKind::kDecimalFraction, and FloatRefusal's reason after
// each rejected line (with FloatRangeReason's words for a value out of
// range).
float ReadFloat();

#endif  // QUILLARY_INPUT_READ_FLOAT_H_
