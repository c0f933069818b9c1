#include "shell/output_buffer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = OutputBuffer::kSize;

// A pipe whose read end never blocks, to see exactly what has been written
// so far.
class Pipe {
 public:
  Pipe() {
    EXPECT_EQ(pipe2(ends_, O_NONBLOCK), 0);
    // Room for every test's text, so that writing never has to wait.
    fcntl(ends_[1], F_SETPIPE_SZ, 1 << 20);
  }
  ~Pipe() {
    close(ends_[0]);
    close(ends_[1]);
  }
  int WriteEnd() const { return ends_[1]; }

  std::string Drain() {
    std::string text;
    char chunk[4096];
    for (;;) {
      const ssize_t got = read(ends_[0], chunk, sizeof chunk);
      if (got <= 0) return text;
      text.append(chunk, static_cast<std::size_t>(got));
    }
  }

 private:
  int ends_[2] = {-1, -1};
};

// Text of the given length that shows where each piece starts and ends.
std::string Piece(std::size_t length, char mark) {
  std::string text(length, mark);
  if (length > 0) text.front() = '<';
  if (length > 1) text.back() = '>';
  return text;
}

TEST(OutputBufferTest, EveryPieceArrivesInOrderWhateverItsSize) {
  const std::vector<std::size_t> lengths = {
      0, 1, 100, kSize - 101, 1, kSize - 1, kSize, kSize + 1, 3 * kSize + 7, 5};
  Pipe pipe;
  OutputBuffer buffer(pipe.WriteEnd());
  std::ostream out(&buffer);
  std::string expected;
  char mark = 'a';
  for (const std::size_t length : lengths) {
    const std::string piece = Piece(length, mark++);
    out << piece << mark;
    expected += piece;
    expected += mark;
  }
  out.flush();
  EXPECT_TRUE(out.good());
  const std::string written = pipe.Drain();
  EXPECT_EQ(written.size(), expected.size());
  EXPECT_TRUE(written == expected);
}

// ReadLine relies on this: nothing reaches the console until a piece no
// longer fits or the buffer is flushed, so a piped session costs few write
// calls.
TEST(OutputBufferTest, WritesOnlyWhenAPieceNoLongerFitsOrOnFlush) {
  Pipe pipe;
  OutputBuffer buffer(pipe.WriteEnd());
  std::ostream out(&buffer);
  out << std::string(kSize - 1, 'x');
  EXPECT_EQ(pipe.Drain().size(), 0u);
  out << "yz";
  EXPECT_EQ(pipe.Drain(), std::string(kSize - 1, 'x'));
  out.flush();
  EXPECT_EQ(pipe.Drain(), "yz");
  out.flush();
  EXPECT_EQ(pipe.Drain(), "");
}

TEST(OutputBufferTest, FailuresMarkTheStreamBad) {
  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  const struct {
    const char* name;
    int fd;
  } cases[] = {{"/dev/full", full}, {"closed descriptor", 9999}};
  for (const auto& c : cases) {
    OutputBuffer buffer(c.fd);
    std::ostream out(&buffer);
    out << "lost";
    EXPECT_TRUE(out.good()) << c.name << ": nothing is written before flush";
    out.flush();
    EXPECT_TRUE(out.bad()) << c.name;
  }
  close(full);
}

TEST(OutputBufferTest, FailureOfAFullBufferIsReportedAtOnce) {
  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  OutputBuffer buffer(full);
  std::ostream out(&buffer);
  out << std::string(kSize + 1, 'x');
  EXPECT_TRUE(out.bad());
  close(full);
}

}  // namespace
