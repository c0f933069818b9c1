#include "console/output_buffer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kSize = OutputBuffer::kSize;

// Keeps what it is given; `Writes()` says how often, and it fails every
// write once told to.
class MemorySink final : public RawOutput {
 public:
  bool Write(const char* data, std::size_t size) override {
    ++writes_;
    if (failing_) return false;
    text_.append(data, size);
    return true;
  }
  void StartFailing() { failing_ = true; }
  int Writes() const { return writes_; }
  std::string Drain() { return std::exchange(text_, {}); }

 private:
  std::string text_;
  int writes_ = 0;
  bool failing_ = false;
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
  MemorySink sink;
  OutputBuffer buffer(sink);
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
  const std::string written = sink.Drain();
  EXPECT_EQ(written.size(), expected.size());
  EXPECT_TRUE(written == expected);
}

// ReadLine relies on this: nothing reaches the console until a piece no
// longer fits or the buffer is flushed, so a piped session costs few write
// calls.
TEST(OutputBufferTest, WritesOnlyWhenAPieceNoLongerFitsOrOnFlush) {
  MemorySink sink;
  OutputBuffer buffer(sink);
  std::ostream out(&buffer);
  out << std::string(kSize - 1, 'x');
  EXPECT_EQ(sink.Drain().size(), 0u);
  out << "yz";
  EXPECT_EQ(sink.Drain(), std::string(kSize - 1, 'x'));
  out.flush();
  EXPECT_EQ(sink.Drain(), "yz");
  out.flush();
  EXPECT_EQ(sink.Drain(), "");
}

TEST(OutputBufferTest, AFailedWriteMarksTheStreamBadAndEndsWriting) {
  MemorySink sink;
  OutputBuffer buffer(sink);
  std::ostream out(&buffer);
  sink.StartFailing();
  out << "lost";
  EXPECT_TRUE(out.good()) << "nothing is written before flush";
  out.flush();
  EXPECT_TRUE(out.bad());
  const int writesAfterFailure = sink.Writes();
  buffer.pubsync();
  EXPECT_EQ(sink.Writes(), writesAfterFailure);
}

TEST(OutputBufferTest, FailureOfAFullBufferIsReportedAtOnce) {
  MemorySink sink;
  sink.StartFailing();
  OutputBuffer buffer(sink);
  std::ostream out(&buffer);
  out << std::string(kSize + 1, 'x');
  EXPECT_TRUE(out.bad());
}

}  // namespace
