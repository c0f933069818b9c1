// Raw streams over POSIX file descriptors.
#ifndef QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_
#define QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_

#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <string>

#include "console/raw_streams.h"

// The system calls the streams make: the system's own, unless a test hands
// in others that fail as the system seldom does on demand (EINTR, EAGAIN,
// short writes, a failed poll).
struct FdCalls {
  ssize_t (*read)(int fd, void* data, std::size_t capacity) = ::read;
  ssize_t (*write)(int fd, const void* data, std::size_t size) = ::write;
  int (*poll)(pollfd* fds, nfds_t count, int timeout) = ::poll;
};

// Reads a descriptor with read(2). A descriptor left non-blocking by whoever
// set it up is waited on with poll(2) rather than taken for failed; EINTR is
// retried, in the read and in the wait; any other error of either is a
// failure named by strerror.
class FdInput final : public RawInput {
 public:
  explicit FdInput(int fd, FdCalls calls = {}) : fd_(fd), calls_(calls) {}
  ReadResult Read(char* data, std::size_t capacity) override;

 private:
  int fd_;
  FdCalls calls_;
};

// Writes a descriptor with write(2), through partial writes, EINTR and
// EAGAIN (waited on with poll(2), itself retried on EINTR). Any other error
// of either, or a write of nothing, is a failure; Failure() names the error
// by strerror.
class FdOutput final : public RawOutput {
 public:
  explicit FdOutput(int fd, FdCalls calls = {}) : fd_(fd), calls_(calls) {}
  bool Write(const char* data, std::size_t size) override;
  std::string Failure() const override;

 private:
  int fd_;
  FdCalls calls_;
  int error_ = 0;
};

#endif  // QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_
