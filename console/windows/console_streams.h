// Raw streams over a Windows console. The console's own text is UTF-16; the
// program reads and writes UTF-8, so these read with ReadConsoleW and write
// with WriteConsoleW and convert at the edge (console_text.h). The console's
// code pages are never consulted or changed: any name typed at the console
// reaches the program intact, and any text the program writes shows as it
// is.
#ifndef QUILLARY_CONSOLE_WINDOWS_CONSOLE_STREAMS_H_
#define QUILLARY_CONSOLE_WINDOWS_CONSOLE_STREAMS_H_

#include <windows.h>

#include <cstddef>
#include <string>

#include "console/raw_streams.h"
#include "console/windows/console_text.h"

// The console calls the streams make: Windows' own, unless a test hands in
// others that answer as a console seldom does on demand (a read cut short
// by Ctrl-C, a short write).
struct ConsoleCalls {
  decltype(&ReadConsoleW) readConsoleW = ReadConsoleW;
  decltype(&WriteConsoleW) writeConsoleW = WriteConsoleW;
};

// True when `handle` is a console, not a file, pipe or device.
bool IsConsole(HANDLE handle);

// Reads lines typed at a console. A line that starts with Ctrl-Z ends the
// input, as Ctrl-D does on a POSIX terminal; the console is not read again
// after that.
class ConsoleInput final : public RawInput {
 public:
  explicit ConsoleInput(HANDLE handle, ConsoleCalls calls = {})
      : handle_(handle), calls_(calls) {}
  ReadResult Read(char* data, std::size_t capacity) override;

 private:
  // Reads the console until some bytes are converted or the input ends.
  // Returns a failure's cause, or an empty string.
  std::string ReadMore();

  HANDLE handle_;
  ConsoleCalls calls_;
  ConsoleInputText text_;
  // Converted bytes not yet handed out, from `next_` on.
  std::string bytes_;
  std::size_t next_ = 0;
};

// Writes UTF-8 text to a console.
class ConsoleOutput final : public RawOutput {
 public:
  explicit ConsoleOutput(HANDLE handle, ConsoleCalls calls = {})
      : handle_(handle), calls_(calls) {}
  bool Write(const char* data, std::size_t size) override;

 private:
  HANDLE handle_;
  ConsoleCalls calls_;
  ConsoleOutputText text_;
  std::u16string units_;
};

#endif  // QUILLARY_CONSOLE_WINDOWS_CONSOLE_STREAMS_H_
