#include "console/posix/fd_streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// One scripted answer of a system call: a count of bytes (read hands out
// the next ones of the script's input; write takes at most that many), 1
// for a poll that finds the descriptor ready, or -1 and an errno.
struct Step {
  ssize_t result;
  int error = 0;
};

// The calls of one test, each taking the next step of its own list. A list
// used up fails with EIO, so a loop that should have ended does end, and
// the test sees a cause or a count it did not expect.
struct Script {
  std::vector<Step> reads, writes, polls;
  std::string input;
  std::string written;
  std::size_t nextRead = 0, nextWrite = 0, nextPoll = 0;
};
Script script;

ssize_t Take(const std::vector<Step>& steps, std::size_t& next) {
  const Step step = next < steps.size() ? steps[next] : Step{-1, EIO};
  ++next;
  if (step.result < 0) errno = step.error;
  return step.result;
}

ssize_t ScriptedRead(int, void* data, std::size_t capacity) {
  const ssize_t result = Take(script.reads, script.nextRead);
  if (result <= 0) return result;
  const std::size_t count =
      std::min(static_cast<std::size_t>(result), capacity);
  std::memcpy(data, script.input.data(), count);
  script.input.erase(0, count);
  return static_cast<ssize_t>(count);
}

ssize_t ScriptedWrite(int, const void* data, std::size_t size) {
  const ssize_t result = Take(script.writes, script.nextWrite);
  if (result <= 0) return result;
  const std::size_t count = std::min(static_cast<std::size_t>(result), size);
  script.written.append(static_cast<const char*>(data), count);
  return static_cast<ssize_t>(count);
}

int ScriptedPoll(pollfd* fds, nfds_t, int) {
  const ssize_t result = Take(script.polls, script.nextPoll);
  if (result > 0) fds->revents = fds->events;
  return static_cast<int>(result);
}

constexpr FdCalls kScripted{ScriptedRead, ScriptedWrite, ScriptedPoll};

// Every step scripted was taken, and no more: a retry turned into a
// failure leaves steps over, a failure turned into a retry runs out.
void ExpectEveryStepTaken(const char* name) {
  EXPECT_EQ(script.nextRead, script.reads.size()) << name << ": reads";
  EXPECT_EQ(script.nextWrite, script.writes.size()) << name << ": writes";
  EXPECT_EQ(script.nextPoll, script.polls.size()) << name << ": polls";
}

TEST(FdInputTest, RetriesWhatWasInterruptedWaitsAndFailsAFailedWait) {
  const struct {
    const char* name;
    std::vector<Step> reads, polls;
    std::string text, cause;
  } cases[] = {
      {"an interrupted read", {{-1, EINTR}, {3}, {0}}, {}, "Ada", ""},
      {"a read that would block",
       {{2}, {-1, EAGAIN}, {1}, {0}},
       {{1}},
       "Ada",
       ""},
      {"an interrupted wait",
       {{-1, EWOULDBLOCK}, {3}, {0}},
       {{-1, EINTR}, {-1, EINTR}, {1}},
       "Ada",
       ""},
      {"a failed wait",
       {{2}, {-1, EAGAIN}},
       {{-1, EINVAL}},
       "Ad",
       "Invalid argument"},
      {"a wait failed after an interrupted one",
       {{-1, EAGAIN}},
       {{-1, EINTR}, {-1, ENOMEM}},
       "",
       "Cannot allocate memory"},
  };
  for (const auto& c : cases) {
    script = {c.reads, {}, c.polls, "Ada", {}};
    FdInput input(0, kScripted);
    std::string text;
    char data[8];
    ReadResult result;
    while ((result = input.Read(data, sizeof data)).count > 0) {
      text.append(data, result.count);
    }
    EXPECT_EQ(text, c.text) << c.name;
    EXPECT_EQ(result.error, c.cause) << c.name;
    ExpectEveryStepTaken(c.name);
  }
}

TEST(FdOutputTest, WritesEveryByteOnceThroughRetriesAndFailsAFailedWait) {
  const struct {
    const char* name;
    std::vector<Step> writes, polls;
    bool written;
    std::string text, cause;
  } cases[] = {
      {"an interrupted write", {{-1, EINTR}, {6}}, {}, true, "Hello\n", ""},
      {"short writes", {{2}, {1}, {3}}, {}, true, "Hello\n", ""},
      {"a write that would block",
       {{2}, {-1, EAGAIN}, {9}},
       {{1}},
       true,
       "Hello\n",
       ""},
      {"an interrupted wait",
       {{-1, EWOULDBLOCK}, {6}},
       {{-1, EINTR}, {1}},
       true,
       "Hello\n",
       ""},
      {"a failed wait",
       {{2}, {-1, EAGAIN}},
       {{-1, EINVAL}},
       false,
       "He",
       "Invalid argument"},
      {"a write of nothing", {{4}, {0}}, {}, false, "Hell", ""},
      {"a failed write", {{-1, EPIPE}}, {}, false, "", "Broken pipe"},
  };
  for (const auto& c : cases) {
    script = {{}, c.writes, c.polls, {}, {}};
    FdOutput output(1, kScripted);
    EXPECT_EQ(output.Write("Hello\n", 6), c.written) << c.name;
    EXPECT_EQ(script.written, c.text) << c.name;
    EXPECT_EQ(output.Failure(), c.cause) << c.name;
    ExpectEveryStepTaken(c.name);
  }
}

TEST(FdInputTest, ANonBlockingPipeIsWaitedOnNotFailed) {
  int ends[2];
  ASSERT_EQ(pipe2(ends, O_NONBLOCK), 0);
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(write(ends[1], "Ada\n", 4), 4);
    close(ends[1]);
  });
  FdInput input(ends[0]);
  char data[16];
  const ReadResult first = input.Read(data, sizeof data);
  writer.join();
  EXPECT_EQ(first.error, "");
  EXPECT_EQ(std::string(data, first.count), "Ada\n");
  const ReadResult end = input.Read(data, sizeof data);
  EXPECT_EQ(end.count, 0u);
  EXPECT_EQ(end.error, "") << "the writer's close is the end of input";
  close(ends[0]);
}

TEST(FdInputTest, ReadErrorsAreFailuresNamedBySystem) {
  const int directory = open("/", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(directory, 0);
  const struct {
    int fd;
    const char* cause;
  } cases[] = {{directory, "Is a directory"}, {9999, "Bad file descriptor"}};
  for (const auto& c : cases) {
    FdInput input(c.fd);
    char data[16];
    const ReadResult result = input.Read(data, sizeof data);
    EXPECT_EQ(result.count, 0u) << c.cause;
    EXPECT_EQ(result.error, c.cause);
  }
  close(directory);
}

TEST(FdOutputTest, WriteErrorsAreFailures) {
  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  for (const int fd : {full, 9999}) {
    FdOutput output(fd);
    EXPECT_FALSE(output.Write("lost", 4)) << "descriptor " << fd;
  }
  close(full);
}

}  // namespace
