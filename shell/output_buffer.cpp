#include "shell/output_buffer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

OutputBuffer::OutputBuffer(int fd) : fd_(fd) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

OutputBuffer::int_type OutputBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) {
    return traits_type::not_eof(c);
  }
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize OutputBuffer::xsputn(const char* s, std::streamsize n) {
  // Nearly every piece of text fits in what is left of the buffer.
  if (n > epptr() - pptr()) {
    if (!Drain()) return 0;
    // Larger than the whole buffer: copying it first would only add work.
    if (n >= epptr() - pptr()) {
      return WriteAll(s, static_cast<std::size_t>(n)) ? n : 0;
    }
  }
  std::memcpy(pptr(), s, static_cast<std::size_t>(n));
  pbump(static_cast<int>(n));
  return n;
}

int OutputBuffer::sync() { return Drain() ? 0 : -1; }

bool OutputBuffer::Drain() {
  const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return WriteAll(buffer_.data(), size);
}

bool OutputBuffer::WriteAll(const char* data, std::size_t size) {
  while (size > 0 && !failed_) {
    const ssize_t written = write(fd_, data, size);
    if (written > 0) {
      data += written;
      size -= static_cast<std::size_t>(written);
    } else if (written < 0 && errno == EAGAIN) {
      // Standard output was left non-blocking by whoever set it up: wait
      // until it takes more rather than dropping text.
      pollfd ready{fd_, POLLOUT, 0};
      poll(&ready, 1, -1);
    } else if (written == 0 || errno != EINTR) {
      failed_ = true;
    }
  }
  return !failed_;
}
