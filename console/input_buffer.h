// A read buffer over a raw input stream, for std::cin.
//
// Reading through a buffer of our own, rather than the library's file
// buffer, keeps what happens when standard input fails in the program's
// hands on every platform: a failed read ends the input like its end does,
// and the cause is kept for the exit status instead of escaping as an
// exception.
#ifndef QUILLARY_CONSOLE_INPUT_BUFFER_H_
#define QUILLARY_CONSOLE_INPUT_BUFFER_H_

#include <array>
#include <cstddef>
#include <streambuf>
#include <string>

#include "console/raw_streams.h"

class InputBuffer final : public std::streambuf {
 public:
  static constexpr std::size_t kSize = 64 * 1024;

  // `source` must outlive the buffer.
  explicit InputBuffer(RawInput& source);
  InputBuffer(const InputBuffer&) = delete;
  InputBuffer& operator=(const InputBuffer&) = delete;

  // Empty while every read has succeeded; after a failed read, the system's
  // words for its cause.
  const std::string& Failure() const { return failure_; }

 protected:
  // Reads once more only when everything read so far has been taken, so
  // in_avail() tells the line reader whether the next byte would wait. Once
  // the input has ended or failed it is never read again: a terminal would
  // otherwise wait for more after Ctrl-D.
  int_type underflow() override;

 private:
  RawInput& source_;
  bool ended_ = false;
  std::string failure_;
  std::array<char, kSize> buffer_;
};

#endif  // QUILLARY_CONSOLE_INPUT_BUFFER_H_
