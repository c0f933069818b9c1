// Plumbing shared by the tests that run the built program as a process of
// its own: deadlines, descriptors, a file for its standard error, reaping.
#ifndef QUILLARY_TESTS_SUPPORT_CHILD_PROCESS_H_
#define QUILLARY_TESTS_SUPPORT_CHILD_PROCESS_H_

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

using ChildClock = std::chrono::steady_clock;

// Every wait for the program gives up after this long: far more than a
// sanitizer build on a busy machine needs, so reaching it means a fault.
inline constexpr std::chrono::seconds kChildTimeout{10};

// Milliseconds left until `deadline`, as poll() takes them; 0 once passed.
int MillisecondsUntil(ChildClock::time_point deadline);

// Throws std::system_error naming `what` and errno.
[[noreturn]] void ThrowSystemError(const char* what);

// Returns a close-on-exec descriptor for the same file numbered 3 or above,
// closing `fd`. The test process may run with standard input closed, so a
// new descriptor can come out as 0, 1 or 2, which the child's own standard
// streams would then replace.
int KeepClearOfStandardStreams(int fd);

// A pipe whose two ends are close-on-exec and clear of the standard
// streams; each end still open is closed when the object goes. Throws
// std::system_error when no pipe can be made.
struct Pipe {
  Pipe();
  ~Pipe();
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  void CloseRead();
  void CloseWrite();

  int readEnd = -1;
  int writeEnd = -1;
};

// An unnamed temporary file, open for reading and writing, that a child
// takes as its standard error so that the test can read it afterwards.
// Throws std::system_error when no file can be made.
int MakeErrorFile();

// Everything in the file open as `fd`, read from its start.
std::string ReadWholeFile(int fd);

// Waits until the child `pid` ends or `deadline` passes, and returns its
// wait status; after the deadline it kills the child, reaps it and returns
// nothing. Throws std::system_error when the child cannot be waited for.
std::optional<int> ReapBy(pid_t pid, ChildClock::time_point deadline);

#endif  // QUILLARY_TESTS_SUPPORT_CHILD_PROCESS_H_
