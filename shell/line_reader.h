// The one way the program reads a line of standard input. Every screen, menu,
// pause and number routine reads through ReadLine, so end of input, CRLF line
// ends and the flushing of prompts are handled here and nowhere else.
#ifndef QUILLARY_SHELL_LINE_READER_H_
#define QUILLARY_SHELL_LINE_READER_H_

#include <string>

// Thrown by ReadLine when the session cannot go on: standard input has ended
// (or failed) before a line could be read, or standard output can no longer
// be written. The main loop catches it and returns, so the run ends at once
// wherever the user was, like a shell at Ctrl-D.
struct SessionEnd {};

// Reads one whole line from std::cin and returns it without its line end:
// the "\n" is dropped, then one "\r" before it if present. A last line that
// has no "\n" still counts as a line. Before it would have to wait for input
// it flushes std::cout, so every prompt is visible; while the next line is
// already buffered it does not flush, so a scripted session is written in
// large blocks. Throws SessionEnd instead of returning when no further line
// can be read, and from then on for every later call.
std::string ReadLine();

#endif  // QUILLARY_SHELL_LINE_READER_H_
