#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <system_error>
#include <thread>

int MillisecondsUntil(ChildClock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(
      deadline - ChildClock::now());
  if (left.count() <= 0) return 0;
  return left.count() > INT_MAX ? INT_MAX : static_cast<int>(left.count());
}

void ThrowSystemError(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

int KeepClearOfStandardStreams(int fd) {
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  if (moved < 0) ThrowSystemError("fcntl(F_DUPFD_CLOEXEC)");
  close(fd);
  return moved;
}

Pipe::Pipe() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) ThrowSystemError("pipe2");
  readEnd = KeepClearOfStandardStreams(ends[0]);
  writeEnd = KeepClearOfStandardStreams(ends[1]);
}

Pipe::~Pipe() {
  CloseRead();
  CloseWrite();
}

void Pipe::CloseRead() {
  if (readEnd >= 0) close(readEnd);
  readEnd = -1;
}

void Pipe::CloseWrite() {
  if (writeEnd >= 0) close(writeEnd);
  writeEnd = -1;
}

int MakeErrorFile() {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) ThrowSystemError("tmpfile");
  // The stream is only a way to get an unnamed file; the descriptor outlives
  // it once duplicated.
  const int fd = fcntl(fileno(file), F_DUPFD_CLOEXEC, 3);
  std::fclose(file);
  if (fd < 0) ThrowSystemError("fcntl(F_DUPFD_CLOEXEC)");
  return fd;
}

std::string ReadWholeFile(int fd) {
  std::string contents;
  char buffer[4096];
  off_t offset = 0;
  for (;;) {
    const ssize_t got = pread(fd, buffer, sizeof buffer, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ThrowSystemError("pread");
    if (got == 0) return contents;
    contents.append(buffer, static_cast<size_t>(got));
    offset += got;
  }
}

std::optional<int> ReapBy(pid_t pid, ChildClock::time_point deadline) {
  // Polled rather than woken by SIGCHLD so that the test process keeps its
  // signal dispositions as it found them; a few milliseconds of delay at
  // the end of a run do not matter.
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0 && errno != EINTR) ThrowSystemError("waitpid");
    if (ChildClock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  kill(pid, SIGKILL);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return std::nullopt;
}
