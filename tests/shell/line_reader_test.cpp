#include "shell/line_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/console_session.h"

namespace {

struct LineCase {
  const char* name;
  std::string input;
  std::vector<std::string> lines;  // read before the session ends
};

class LineReaderTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineReaderTest, ReadsEachLineThenEndsTheSession) {
  const LineCase& c = GetParam();
  ConsoleSession session(c.input);
  for (const std::string& expected : c.lines) EXPECT_EQ(ReadLine(), expected);
  EXPECT_THROW(ReadLine(), SessionEnd);
  EXPECT_THROW(ReadLine(), SessionEnd) << "end of input must stay ended";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineReaderTest,
    testing::Values(
        LineCase{"EmptyInput", "", {}},
        LineCase{"PlainLines", "Ada\n\nQ\n", {"Ada", "", "Q"}},
        LineCase{"CrlfLineEnds", "Ada\r\n\r\n0\r\n", {"Ada", "", "0"}},
        LineCase{"OnlyOneCarriageReturnDropped", "a\r\r\n", {"a\r"}},
        LineCase{"LoneCarriageReturnLine", "\r", {""}},
        LineCase{"CarriageReturnInsideKept", "a\rb\n", {"a\rb"}},
        LineCase{"LastLineWithoutNewline", "1\n0", {"1", "0"}},
        LineCase{"BlanksKept", "  Bob \t\n", {"  Bob \t"}},
        LineCase{"NulAndHighBytesKept",
                 std::string("a\0b\xff\n", 5),
                 {std::string("a\0b\xff", 4)}}),
    [](const testing::TestParamInfo<LineCase>& param) {
      return param.param.name;
    });

// Hands out its text in fixed chunks and, like a pipe, reports nothing
// available between them.
class ChunkedInput : public std::streambuf {
 public:
  explicit ChunkedInput(std::vector<std::string> chunks)
      : chunks_(std::move(chunks)) {}

 protected:
  int_type underflow() override {
    if (next_ == chunks_.size()) return traits_type::eof();
    std::string& chunk = chunks_[next_++];
    setg(chunk.data(), chunk.data(), chunk.data() + chunk.size());
    return traits_type::to_int_type(chunk[0]);
  }

 private:
  std::vector<std::string> chunks_;
  std::size_t next_ = 0;
};

class CountingOutput : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return 0;
  }
};

TEST(LineReaderFlushTest, FlushesOnlyBeforeWaitingForInput) {
  ConsoleSession session("");
  ChunkedInput input({"a\nb\nc", "\nd\n"});
  CountingOutput output;
  std::streambuf* savedIn = std::cin.rdbuf(&input);
  std::streambuf* savedOut = std::cout.rdbuf(&output);

  const std::string a = ReadLine();  // waits for the first chunk
  const int flushesAfterFirstLine = output.flushes;
  const std::string b = ReadLine();  // already buffered
  const int flushesAfterSecondLine = output.flushes;
  const std::string c = ReadLine();  // waits in the middle of the line
  const std::string d = ReadLine();  // already buffered
  const int flushesAfterLastLine = output.flushes;

  std::cin.rdbuf(savedIn);
  std::cout.rdbuf(savedOut);
  EXPECT_EQ(a + b + c + d, "abcd");
  EXPECT_EQ(flushesAfterFirstLine, 1);
  EXPECT_EQ(flushesAfterSecondLine, 1);
  EXPECT_EQ(flushesAfterLastLine, 2);
}

// Output that can no longer be written ends the session at the next read.
class FailingOutput : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(LineReaderFlushTest, UnwritableOutputEndsTheSession) {
  ConsoleSession session("more input\n");
  FailingOutput output;
  std::streambuf* savedOut = std::cout.rdbuf(&output);
  std::cout << "lost";
  EXPECT_THROW(ReadLine(), SessionEnd);
  std::cout.rdbuf(savedOut);
}

}  // namespace
