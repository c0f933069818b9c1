#include "console/windows/handle_streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

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

// One scripted answer of ReadFile or WriteFile: at most `count` bytes, or
// a failure with `error`.
struct Step {
  DWORD count;
  DWORD error = 0;
};

// The calls of one test, each taking the next step of its list; a list used
// up fails with ERROR_GEN_FAILURE, so a loop that should have ended does.
struct Script {
  std::vector<Step> steps;
  std::size_t next = 0;
  std::string input, written;
};
Script script;

BOOL Take(DWORD size, LPDWORD done) {
  const Step step = script.next < script.steps.size()
                        ? script.steps[script.next]
                        : Step{0, ERROR_GEN_FAILURE};
  ++script.next;
  *done = std::min(step.count, size);
  if (step.error != 0) SetLastError(step.error);
  return step.error == 0;
}

BOOL WINAPI ScriptedReadFile(HANDLE, LPVOID data, DWORD size, LPDWORD got,
                             LPOVERLAPPED) {
  if (!Take(
          static_cast<DWORD>(std::min<std::size_t>(size, script.input.size())),
          got)) {
    return FALSE;
  }
  std::memcpy(data, script.input.data(), *got);
  script.input.erase(0, *got);
  return TRUE;
}

BOOL WINAPI ScriptedWriteFile(HANDLE, LPCVOID data, DWORD size, LPDWORD written,
                              LPOVERLAPPED) {
  if (!Take(size, written)) return FALSE;
  script.written.append(static_cast<const char*>(data), *written);
  return TRUE;
}

constexpr HandleCalls kScripted{ScriptedReadFile, ScriptedWriteFile};

TEST(HandleStreamsTest, ScriptedReadsEndFailOrGiveBytes) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    std::string text;
    DWORD error;
  } cases[] = {
      {"a broken pipe", {{2}, {0, ERROR_BROKEN_PIPE}}, "Ad", 0},
      {"the end of a file", {{3}, {0, ERROR_HANDLE_EOF}}, "Ada", 0},
      {"a read of nothing", {{1}, {0}}, "A", 0},
      {"a failed read", {{2}, {0, ERROR_NOT_READY}}, "Ad", ERROR_NOT_READY},
  };
  for (const auto& c : cases) {
    script = {c.steps, 0, "Ada", {}};
    HandleInput input(nullptr, kScripted);
    std::string text;
    char data[8];
    ReadResult result;
    while ((result = input.Read(data, sizeof data)).count > 0) {
      text.append(data, result.count);
    }
    EXPECT_EQ(text, c.text) << c.name;
    EXPECT_EQ(result.error, c.error == 0 ? "" : SystemMessage(c.error))
        << c.name;
    EXPECT_EQ(script.next, c.steps.size()) << c.name;
  }
}

TEST(HandleStreamsTest, ScriptedWritesPassEveryByteOnceOrFail) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    bool written;
    std::string text;
  } cases[] = {
      {"short writes", {{2}, {1}, {9}}, true, "Hello\n"},
      {"a write of nothing", {{4}, {0}}, false, "Hell"},
      {"a failed write", {{2}, {0, ERROR_NO_DATA}}, false, "He"},
  };
  for (const auto& c : cases) {
    script = {c.steps, 0, {}, {}};
    HandleOutput output(nullptr, kScripted);
    EXPECT_EQ(output.Write("Hello\n", 6), c.written) << c.name;
    EXPECT_EQ(script.written, c.text) << c.name;
    EXPECT_EQ(script.next, c.steps.size()) << c.name;
  }
}

}  // namespace
