#include "console/output_buffer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kSize = OutputBuffer::kSize;

// Keeps what it is given; `Writes()` says how often and `Sizes()` how much
// each time. Once told to, it fails every write, or only the next few.
class MemorySink final : public RawOutput {
 public:
  bool Write(const char* data, std::size_t size) override {
    ++writes_;
    sizes_.push_back(size);
    if (failures_ > 0) {
      --failures_;
      return false;
    }
    text_.append(data, size);
    return true;
  }
  void StartFailing(int writes = 1 << 30) { failures_ = writes; }
  int Writes() const { return writes_; }
  const std::vector<std::size_t>& Sizes() const { return sizes_; }
  std::string Drain() { return std::exchange(text_, {}); }

 private:
  std::string text_;
  std::vector<std::size_t> sizes_;
  int writes_ = 0;
  int failures_ = 0;
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

// What goes into the buffer: a piece of `size` bytes put at once, or as
// many single characters, or a flush.
struct Put {
  enum Kind { kPiece, kCharacters, kFlush } kind;
  std::size_t size = 0;
};

// Each path of the buffer, byte for byte and write by write. The bytes count
// up modulo a prime, so a byte skipped, doubled or left stray shows.
TEST(OutputBufferTest, EveryPathWritesEachByteOnceInOrder) {
  using enum Put::Kind;
  const struct {
    const char* name;
    std::vector<Put> puts;
    std::vector<std::size_t> writes;
  } cases[] = {
      {"a piece that exactly fills what is left, then one character",
       {{kPiece, 100}, {kPiece, kSize - 100}, {kCharacters, 1}, {kFlush}},
       {kSize, 1}},
      {"single characters through a full buffer",
       {{kCharacters, 2 * kSize + 1}, {kFlush}},
       {kSize, kSize, 1}},
      {"a piece larger than the whole buffer",
       {{kPiece, 10}, {kPiece, kSize + 1}, {kPiece, 5}, {kFlush}},
       {10, kSize + 1, 5}},
      {"a piece one larger than what is left",
       {{kCharacters, 1}, {kPiece, kSize}, {kFlush}},
       {1, kSize}},
      {"a piece that fills the empty buffer",
       {{kPiece, kSize}, {kFlush}, {kPiece, 3}, {kFlush}},
       {kSize, 3}},
      {"flushes of an empty buffer",
       {{kFlush}, {kPiece, 3}, {kFlush}, {kFlush}},
       {3}},
  };
  for (const auto& c : cases) {
    MemorySink sink;
    OutputBuffer buffer(sink);
    std::string expected;
    for (const Put& put : c.puts) {
      std::string bytes;
      for (std::size_t i = 0; i < put.size; ++i) {
        bytes.push_back(static_cast<char>((expected.size() + i) % 251));
      }
      expected += bytes;
      if (put.kind == kPiece) {
        buffer.sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      } else if (put.kind == kCharacters) {
        for (const char byte : bytes) buffer.sputc(byte);
      } else {
        EXPECT_EQ(buffer.pubsync(), 0) << c.name;
      }
    }
    EXPECT_EQ(sink.Sizes(), c.writes) << c.name;
    EXPECT_TRUE(sink.Drain() == expected) << c.name << ": the bytes differ";
  }
}

// Output lost once is lost for good: writing later output after a failure
// would leave a gap in what the reader gets and hide the loss.
TEST(OutputBufferTest, AWriteThatFailsOnceIsNeverTriedAgain) {
  MemorySink sink;
  OutputBuffer buffer(sink);
  std::ostream out(&buffer);
  sink.StartFailing(1);
  out << "lost" << std::flush;
  EXPECT_TRUE(out.bad());
  out.clear();
  out << "later" << std::string(kSize, 'x') << 'y' << std::flush;
  EXPECT_EQ(buffer.pubsync(), -1);
  EXPECT_EQ(sink.Writes(), 1);
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
