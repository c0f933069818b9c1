#include "console/windows/handle_streams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "console/windows/system_message.h"

namespace {

// An anonymous pipe, both ends closed when it goes.
struct Pipe {
  Pipe() { EXPECT_TRUE(CreatePipe(&read, &write, nullptr, 0)); }
  ~Pipe() {
    CloseEnd(read);
    CloseEnd(write);
  }
  static void CloseEnd(HANDLE& end) {
    if (end != nullptr) CloseHandle(end);
    end = nullptr;
  }
  HANDLE read = nullptr;
  HANDLE write = nullptr;
};

// A handle value no handle has.
HANDLE NoHandle() { return reinterpret_cast<HANDLE>(std::uintptr_t{0x7FF0}); }

TEST(HandleStreamsTest, BytesPassUnchangedAndTheClosedPipeEndsTheInput) {
  const std::string bytes("Ada\nZo\xC3\xAB\r\n\x1A\nlast", 17);
  Pipe pipe;
  HandleOutput output(pipe.write);
  ASSERT_TRUE(output.Write(bytes.data(), bytes.size()));
  Pipe::CloseEnd(pipe.write);
  HandleInput input(pipe.read);
  std::string got;
  char data[8];
  for (ReadResult result = input.Read(data, sizeof data); result.count > 0;
       result = input.Read(data, sizeof data)) {
    got.append(data, result.count);
  }
  EXPECT_EQ(got, bytes) << "no CRLF translation, Ctrl-Z an ordinary byte";
  const ReadResult end = input.Read(data, sizeof data);
  EXPECT_EQ(end.count, 0u);
  EXPECT_EQ(end.error, "") << "the writer's close is the end of input";
}

TEST(HandleStreamsTest, ReadErrorsAreFailuresNamedBySystem) {
  Pipe pipe;
  const struct {
    HANDLE handle;
    DWORD error;
  } cases[] = {{pipe.write, ERROR_ACCESS_DENIED},
               {NoHandle(), ERROR_INVALID_HANDLE}};
  for (const auto& c : cases) {
    HandleInput input(c.handle);
    char data[16];
    const ReadResult result = input.Read(data, sizeof data);
    EXPECT_EQ(result.count, 0u) << c.error;
    EXPECT_EQ(result.error, SystemMessage(c.error));
  }
}

TEST(HandleStreamsTest, WriteErrorsAreFailures) {
  Pipe readerGone;
  Pipe::CloseEnd(readerGone.read);
  Pipe pipe;
  for (const HANDLE handle : {readerGone.write, pipe.read, NoHandle()}) {
    HandleOutput output(handle);
    EXPECT_FALSE(output.Write("lost", 4)) << handle;
  }
}

}  // namespace
