#include "support/piped_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "support/child_process.h"

extern char** environ;

namespace {

// The whole input is put into the pipe before the program starts, so the
// test never writes to a pipe whose reader has gone (no SIGPIPE) and never
// waits for the program to read.
void FillInput(Pipe& in, std::string_view input) {
  fcntl(in.writeEnd, F_SETFL, O_NONBLOCK);
  while (!input.empty()) {
    const ssize_t put = write(in.writeEnd, input.data(), input.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno == EAGAIN) {
      throw std::length_error("input does not fit in a pipe");
    }
    if (put < 0) ThrowSystemError("write to pipe");
    input.remove_prefix(static_cast<size_t>(put));
  }
  in.CloseWrite();
}

pid_t Spawn(const std::string& program, int in, int out, int error) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, error, STDERR_FILENO);
  // Signals at their defaults and none blocked, as a shell starts a command.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t all;
  sigset_t none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = -1;
  const int failed =
      posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    errno = failed;
    ThrowSystemError("posix_spawn");
  }
  return pid;
}

// Reads `fd` until its end or `deadline`.
std::string ReadUntilEnd(int fd, ChildClock::time_point deadline) {
  std::string text;
  char buffer[4096];
  for (;;) {
    pollfd source{fd, POLLIN, 0};
    const int ready = poll(&source, 1, MillisecondsUntil(deadline));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return text;
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return text;
    text.append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

PipedRun RunPiped(const std::string& program, std::string_view input) {
  Pipe in;
  Pipe out;
  FillInput(in, input);
  const int errorFile = MakeErrorFile();
  PipedRun run;
  try {
    const pid_t pid = Spawn(program, in.readEnd, out.writeEnd, errorFile);
    // Only the program may hold the write end, so that its end is seen.
    out.CloseWrite();
    const auto deadline = ChildClock::now() + kChildTimeout;
    run.output = ReadUntilEnd(out.readEnd, deadline);
    run.status = ReapBy(pid, deadline);
    run.errorOutput = ReadWholeFile(errorFile);
  } catch (...) {
    close(errorFile);
    throw;
  }
  close(errorFile);
  return run;
}
