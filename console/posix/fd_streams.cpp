#include "console/posix/fd_streams.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

// Waits until fd is ready for `events`. A failed poll returns at once; the
// read or write that follows then reports the real error.
void WaitUntilReady(int fd, short events) {
  pollfd ready{fd, events, 0};
  while (poll(&ready, 1, -1) < 0 && errno == EINTR) {
  }
}

}  // namespace

ReadResult FdInput::Read(char* data, std::size_t capacity) {
  for (;;) {
    const ssize_t got = read(fd_, data, capacity);
    if (got >= 0) return {static_cast<std::size_t>(got), {}};
    if (errno == EINTR) continue;
    if (WouldBlock(errno)) {
      WaitUntilReady(fd_, POLLIN);
      continue;
    }
    return {0, std::strerror(errno)};
  }
}

bool FdOutput::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd_, data, size);
    if (written > 0) {
      data += written;
      size -= static_cast<std::size_t>(written);
    } else if (written < 0 && WouldBlock(errno)) {
      WaitUntilReady(fd_, POLLOUT);
    } else if (written == 0 || errno != EINTR) {
      return false;
    }
  }
  return true;
}
