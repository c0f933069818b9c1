// The unbuffered byte streams beneath std::cin and std::cout. Each platform
// implements them over its own handles (console/posix/, console/windows/);
// InputBuffer and OutputBuffer put the same buffering on top everywhere.
#ifndef QUILLARY_CONSOLE_RAW_STREAMS_H_
#define QUILLARY_CONSOLE_RAW_STREAMS_H_

#include <cstddef>
#include <string>

// What one read gave: bytes, the end of input, or a failure and its cause.
struct ReadResult {
  // Bytes placed at the start of the caller's buffer; 0 without an error
  // is the end of input.
  std::size_t count = 0;
  // Empty unless the read failed; then the system's words for the cause
  // ("Is a directory").
  std::string error;
};

// A source of bytes, such as standard input.
class RawInput {
 public:
  virtual ~RawInput() = default;

  // Blocks until at least one byte has arrived, the input has ended or the
  // read has failed. Never returns an empty result that is not the end: a
  // stream left non-blocking is waited on and an interrupted read is
  // retried.
  virtual ReadResult Read(char* data, std::size_t capacity) = 0;
};

// A sink of bytes, such as standard output.
class RawOutput {
 public:
  virtual ~RawOutput() = default;

  // Writes all of data, waiting where the sink is not ready yet. Returns
  // false when the bytes could not all be written.
  virtual bool Write(const char* data, std::size_t size) = 0;

  // After a failed Write, the system's words for its cause ("No space left
  // on device"); empty where it gave none, as for a write of nothing.
  virtual std::string Failure() const { return {}; }
};

#endif  // QUILLARY_CONSOLE_RAW_STREAMS_H_
