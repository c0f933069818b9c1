// The keys the page types into the line discipline on the learner's behalf,
// as a terminal's keyboard sends them, and the byte that ends a line of the
// program's input. Every module that types or reads a key takes it from here.
export const kEnter = '\r';
export const kEndOfInput = '\x04';
export const kInterrupt = '\x03';
export const kNewline = 10;
