#include "console/input_buffer.h"

InputBuffer::InputBuffer(RawInput& source) : source_(source) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

InputBuffer::int_type InputBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (ended_) return traits_type::eof();
  ReadResult result = source_.Read(buffer_.data(), buffer_.size());
  if (result.count == 0) {
    ended_ = true;
    failure_ = std::move(result.error);
    return traits_type::eof();
  }
  setg(buffer_.data(), buffer_.data(), buffer_.data() + result.count);
  return traits_type::to_int_type(*gptr());
}
