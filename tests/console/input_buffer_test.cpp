#include "console/input_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <istream>
#include <string>
#include <vector>

namespace {

// Hands out its results one read at a time, then ends; counts the reads.
class ScriptedSource final : public RawInput {
 public:
  explicit ScriptedSource(std::vector<ReadResult> results)
      : results_(std::move(results)) {}

  ReadResult Read(char* data, std::size_t capacity) override {
    ++reads_;
    if (next_ == results_.size()) return {};
    ReadResult result = results_[next_++];
    // Each scripted result stands for bytes already in `data`, as the
    // platform's read leaves them.
    const std::string bytes(result.count, static_cast<char>('a' + next_ - 1));
    std::memcpy(data, bytes.data(), std::min(capacity, bytes.size()));
    return result;
  }
  int Reads() const { return reads_; }

 private:
  std::vector<ReadResult> results_;
  std::size_t next_ = 0;
  int reads_ = 0;
};

std::string ReadAll(std::streambuf& buffer) {
  std::string text;
  for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof();
       c = buffer.sbumpc()) {
    text.push_back(static_cast<char>(c));
  }
  return text;
}

TEST(InputBufferTest, ReadsOnlyWhenEverythingReadIsTaken) {
  ScriptedSource source({{2, {}}, {3, {}}});
  InputBuffer buffer(source);
  EXPECT_EQ(buffer.in_avail(), 0) << "nothing is read before it is asked for";
  EXPECT_EQ(buffer.sbumpc(), 'a');
  EXPECT_EQ(buffer.in_avail(), 1);
  EXPECT_EQ(buffer.sbumpc(), 'a');
  EXPECT_EQ(buffer.in_avail(), 0) << "the line reader flushes on this";
  EXPECT_EQ(source.Reads(), 1);
  EXPECT_EQ(ReadAll(buffer), "bbb");
  EXPECT_EQ(buffer.Failure(), "");
}

TEST(InputBufferTest, AFailedReadEndsTheInputAndKeepsItsCause) {
  ScriptedSource source({{4, {}}, {0, "Is a directory"}, {2, {}}});
  InputBuffer buffer(source);
  EXPECT_EQ(ReadAll(buffer), "aaaa");
  EXPECT_EQ(buffer.Failure(), "Is a directory");
  EXPECT_EQ(buffer.sgetc(), std::char_traits<char>::eof());
  EXPECT_EQ(source.Reads(), 2) << "a failed stream is not read again";
}

TEST(InputBufferTest, EndedInputIsNeverReadAgain) {
  ScriptedSource source({ReadResult{1, {}}});
  InputBuffer buffer(source);
  std::istream in(&buffer);
  std::string line;
  EXPECT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "a");
  EXPECT_EQ(buffer.sgetc(), std::char_traits<char>::eof());
  EXPECT_EQ(source.Reads(), 2) << "after Ctrl-D a terminal would wait again";
  EXPECT_EQ(buffer.Failure(), "");
}

}  // namespace
