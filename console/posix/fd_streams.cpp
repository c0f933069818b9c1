#include "console/posix/fd_streams.h"

#include <cerrno>
#include <cstring>

namespace {

bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

// Waits until fd is ready for `events`; returns 0, or the error that ended
// the wait. A wait that cannot wait must end the read or write that needed
// it: trying again at once would spin the processor for as long as the
// descriptor stays unready (poll fails with EINVAL, for one, once the
// process's open-file limit is below 1).
int WaitUntilReady(const FdCalls& calls, int fd, short events) {
  pollfd ready{fd, events, 0};
  while (calls.poll(&ready, 1, -1) < 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace

ReadResult FdInput::Read(char* data, std::size_t capacity) {
  for (;;) {
    const ssize_t got = calls_.read(fd_, data, capacity);
    if (got >= 0) return {static_cast<std::size_t>(got), {}};
    int error = errno;
    if (error == EINTR) continue;
    if (WouldBlock(error)) {
      error = WaitUntilReady(calls_, fd_, POLLIN);
      if (error == 0) continue;
    }
    return {0, std::strerror(error)};
  }
}

bool FdOutput::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = calls_.write(fd_, data, size);
    if (written > 0) {
      data += written;
      size -= static_cast<std::size_t>(written);
    } else if (written < 0 && WouldBlock(errno)) {
      error_ = WaitUntilReady(calls_, fd_, POLLOUT);
      if (error_ != 0) return false;
    } else if (written == 0 || errno != EINTR) {
      error_ = written == 0 ? 0 : errno;
      return false;
    }
  }
  return true;
}

std::string FdOutput::Failure() const {
  return error_ == 0 ? std::string() : std::strerror(error_);
}
