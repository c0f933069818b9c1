#include "shell/line_reader.h"

#include <iostream>

namespace {

// Called only when the next character is not yet buffered, so that a piped
// session does not cost one write per input line.
void FlushBeforeWaiting() {
  std::cout.flush();
  if (!std::cout) throw SessionEnd{};
}

// Takes characters up to the next "\n" (dropped) or the end of input.
// Returns false when the input ended before any character was read.
bool TakeLine(std::streambuf& in, std::string& line) {
  bool tookAny = false;
  for (;;) {
    if (in.in_avail() <= 0) FlushBeforeWaiting();
    const int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) {
      // End of input is kept on the stream, so later reads end the session
      // at once instead of waiting again (a terminal would otherwise block).
      std::cin.setstate(std::ios::eofbit);
      return tookAny;
    }
    tookAny = true;
    if (c == '\n') return true;
    line.push_back(static_cast<char>(c));
  }
}

}  // namespace

std::string ReadLine() {
  if (!std::cin.good() || !std::cout) throw SessionEnd{};
  std::streambuf* in = std::cin.rdbuf();
  if (in == nullptr) throw SessionEnd{};
  std::string line;
  if (!TakeLine(*in, line)) throw SessionEnd{};
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}
