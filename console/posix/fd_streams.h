// Raw streams over POSIX file descriptors.
#ifndef QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_
#define QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_

#include "console/raw_streams.h"

// Reads a descriptor with read(2). A descriptor left non-blocking by whoever
// set it up is waited on with poll(2) rather than taken for failed; EINTR is
// retried; any other error is a failure named by strerror.
class FdInput final : public RawInput {
 public:
  explicit FdInput(int fd) : fd_(fd) {}
  ReadResult Read(char* data, std::size_t capacity) override;

 private:
  int fd_;
};

// Writes a descriptor with write(2), through partial writes, EINTR and
// EAGAIN (waited on with poll(2)). Any other error, or a write of nothing,
// is a failure.
class FdOutput final : public RawOutput {
 public:
  explicit FdOutput(int fd) : fd_(fd) {}
  bool Write(const char* data, std::size_t size) override;

 private:
  int fd_;
};

#endif  // QUILLARY_CONSOLE_POSIX_FD_STREAMS_H_
