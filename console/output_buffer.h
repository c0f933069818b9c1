// A write buffer over a raw output stream, for std::cout.
//
// The library's own buffer for std::cout holds 8 KiB and cannot be resized
// once the stream is open. Piped sessions answer each input line with about
// 130 bytes, so that size costs a write call for every 60 lines; this buffer
// holds 64 KiB. It is written out only when full or on flush (ReadLine
// flushes just before it would wait for input).
#ifndef QUILLARY_CONSOLE_OUTPUT_BUFFER_H_
#define QUILLARY_CONSOLE_OUTPUT_BUFFER_H_

#include <array>
#include <cstddef>
#include <streambuf>

#include "console/raw_streams.h"

class OutputBuffer final : public std::streambuf {
 public:
  static constexpr std::size_t kSize = 64 * 1024;

  // `sink` must outlive the buffer.
  explicit OutputBuffer(RawOutput& sink);
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  // Writes out what the buffer holds and empties it; false once any write
  // has failed, after which nothing more is written.
  bool Drain();
  bool WriteAll(const char* data, std::size_t size);

  RawOutput& sink_;
  bool failed_ = false;
  std::array<char, kSize> buffer_;
};

#endif  // QUILLARY_CONSOLE_OUTPUT_BUFFER_H_
