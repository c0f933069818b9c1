#include "console/posix/fd_streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

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
