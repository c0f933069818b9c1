// Raw streams over Windows file handles: a file, a pipe or a device, but not
// a console (console_streams.h). Bytes pass exactly as they are, with none of
// the C runtime's text-mode translation: "\n" is not turned into "\r\n", and
// Ctrl-Z (0x1A) is an ordinary byte, so a piped session gives the same bytes
// as on POSIX.
#ifndef QUILLARY_CONSOLE_WINDOWS_HANDLE_STREAMS_H_
#define QUILLARY_CONSOLE_WINDOWS_HANDLE_STREAMS_H_

#include <windows.h>

#include "console/raw_streams.h"

// The system calls the streams make: Windows' own, unless a test hands in
// others that answer as Windows seldom does on demand (a short write, a
// write of nothing).
struct HandleCalls {
  decltype(&ReadFile) readFile = ReadFile;
  decltype(&WriteFile) writeFile = WriteFile;
};

// Reads a handle with ReadFile. A read of nothing, a broken pipe (the
// writer has closed its end) and the end of a file are the end of input;
// any other error is a failure named by the system.
class HandleInput final : public RawInput {
 public:
  explicit HandleInput(HANDLE handle, HandleCalls calls = {})
      : handle_(handle), calls_(calls) {}
  ReadResult Read(char* data, std::size_t capacity) override;

 private:
  HANDLE handle_;
  HandleCalls calls_;
};

// Writes a handle with WriteFile, through partial writes. A failed write, or
// one that writes nothing, is a failure.
class HandleOutput final : public RawOutput {
 public:
  explicit HandleOutput(HANDLE handle, HandleCalls calls = {})
      : handle_(handle), calls_(calls) {}
  bool Write(const char* data, std::size_t size) override;

 private:
  HANDLE handle_;
  HandleCalls calls_;
};

#endif  // QUILLARY_CONSOLE_WINDOWS_HANDLE_STREAMS_H_
