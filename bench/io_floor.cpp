// The least any build of the program can do for a session: read its input
// lines and write as many output bytes, in pieces the size of its output
// lines, with the standard streams set up as the program sets them up.
// bench/run times it beside the program.
//
//   io_floor OUTPUT_BYTES OUTPUT_LINES INPUT_LINES < session
//
// OUTPUT_LINES pieces of OUTPUT_BYTES / OUTPUT_LINES bytes each (rounded
// down or up) are spread evenly over the input lines, written as each line
// is read, as a console program answers what it reads one line of text at a
// time.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

namespace {

bool ParseCount(std::string_view text, std::uint64_t& count) {
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), count);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t outputBytes = 0;
  std::uint64_t outputLines = 0;
  std::uint64_t inputLines = 0;
  if (argc != 4 || !ParseCount(argv[1], outputBytes) ||
      !ParseCount(argv[2], outputLines) || !ParseCount(argv[3], inputLines) ||
      outputLines == 0 || inputLines == 0) {
    std::cerr << "usage: io_floor OUTPUT_BYTES OUTPUT_LINES INPUT_LINES"
                 " < session\n";
    return 2;
  }
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);

  // Piece i ends at byte (i + 1) * OUTPUT_BYTES / OUTPUT_LINES, so the
  // pieces differ by at most one byte and add up to OUTPUT_BYTES exactly.
  const std::string longest(outputBytes / outputLines + 1, 'x');
  std::uint64_t linesRead = 0;
  std::uint64_t piecesWritten = 0;
  std::uint64_t bytesWritten = 0;
  for (std::string line; std::getline(std::cin, line);) {
    ++linesRead;
    const std::uint64_t due =
        std::min(linesRead * outputLines / inputLines, outputLines);
    for (; piecesWritten < due; ++piecesWritten) {
      const std::uint64_t end = (piecesWritten + 1) * outputBytes / outputLines;
      std::cout << std::string_view(longest.data(), end - bytesWritten);
      bytesWritten = end;
    }
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
