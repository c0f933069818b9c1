// The bytes the page and the program agree on: the newline that ends a line
// of the program's input, and the sequence the program writes to clear the
// screen before each of its screens.
export const kNewline = 10;
export const kClear = '\x1b[H\x1b[2J';
