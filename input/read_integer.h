// Reading a whole number from the user.
#ifndef QUILLARY_INPUT_READ_INTEGER_H_
#define QUILLARY_INPUT_READ_INTEGER_H_

// Prints "(Please input a Decimal Number: )" and an empty line, then reads
// lines until one is a whole number: decimal digits, optionally led by "-",
// nothing else, within -2147483648..2147483647. Each other line (the empty
// line and a lone "-" included) is answered by "\n(I'm sorry I didnt
// understand that, please Enter a number)" and an empty line. Returns the
// number typed and prints nothing after it. At end of input it throws
// SessionEnd rather than return.
int ReadInteger();

#endif  // QUILLARY_INPUT_READ_INTEGER_H_
