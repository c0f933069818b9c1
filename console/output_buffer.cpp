#include "console/output_buffer.h"

#include <cstring>

OutputBuffer::OutputBuffer(RawOutput& sink) : sink_(sink) {
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
  if (size > 0 && !failed_) failed_ = !sink_.Write(data, size);
  return !failed_;
}
