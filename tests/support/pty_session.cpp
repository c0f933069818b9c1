#include "support/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>
#include <vector>

extern char** environ;

namespace {

// Runs in the forked child, between forkpty and exec, so it uses only
// async-signal-safe calls. Returns only if the program cannot be started.
void BecomeProgram(const char* program, char* const* environment, int errorFile,
                   int startGate) {
  // Ignored signals stay ignored across exec; a test run from a script may
  // ignore SIGINT, which would keep Ctrl-C from working. A shell resets them
  // for a foreground job, and so does this.
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal) {
    sigaction(signal, &byDefault, nullptr);
  }
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);

  if (dup2(errorFile, STDERR_FILENO) < 0) return;
  // The parent reads the terminal's modes before it lets the program run.
  char go = 0;
  if (read(startGate, &go, 1) != 1) return;
  char* const argv[] = {const_cast<char*>(program), nullptr};
  execve(program, argv, environment);
}

// This process's environment with TERM replaced by `term`, or left out when
// `term` is null.
std::vector<std::string> EnvironmentWithTerm(const char* term) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!std::string_view(*entry).starts_with("TERM=")) {
      entries.emplace_back(*entry);
    }
  }
  if (term != nullptr) entries.push_back(std::string("TERM=") + term);
  return entries;
}

}  // namespace

PtySession::PtySession(const std::string& program, const char* term) {
  try {
    Start(program, term);
  } catch (...) {
    Release();
    throw;
  }
}

void PtySession::Start(const std::string& program, const char* term) {
  // Made before the fork: the child may only make async-signal-safe calls.
  std::vector<std::string> entries = EnvironmentWithTerm(term);
  std::vector<char*> environment;
  for (std::string& entry : entries) environment.push_back(entry.data());
  environment.push_back(nullptr);
  errorFile_ = MakeErrorFile();
  Pipe gate;
  winsize size{};
  size.ws_row = 24;
  size.ws_col = 80;
  pid_ = forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) ThrowSystemError("forkpty");
  if (pid_ == 0) {
    BecomeProgram(program.c_str(), environment.data(), errorFile_,
                  gate.readEnd);
    static constexpr char kCannotStart[] =
        "pty session: cannot start program\n";
    (void)!write(STDERR_FILENO, kCannotStart, sizeof kCannotStart - 1);
    _exit(127);
  }
  gate.CloseRead();
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  // Should anything here fail, the gate closes unopened and the child ends
  // without running the program.
  if (tcgetattr(master_, &startModes_) != 0) ThrowSystemError("tcgetattr");
  const char go = 1;
  if (write(gate.writeEnd, &go, 1) != 1) ThrowSystemError("write");
}

PtySession::~PtySession() { Release(); }

void PtySession::Release() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }
  if (master_ >= 0) close(master_);
  if (errorFile_ >= 0) close(errorFile_);
  master_ = errorFile_ = -1;
}

bool PtySession::ReadMore(ChildClock::time_point deadline) {
  if (closed_) return false;
  pollfd screen{master_, POLLIN, 0};
  const int ready = poll(&screen, 1, MillisecondsUntil(deadline));
  if (ready < 0 && errno == EINTR) return true;
  if (ready < 0) ThrowSystemError("poll");
  if (ready == 0) return false;
  char buffer[4096];
  const ssize_t got = read(master_, buffer, sizeof buffer);
  if (got > 0) {
    unread_.append(buffer, static_cast<size_t>(got));
    return true;
  }
  if (got < 0 && (errno == EINTR || errno == EAGAIN)) return true;
  // Linux answers EIO once no process holds the terminal's slave side.
  closed_ = true;
  return false;
}

std::string PtySession::WaitFor(std::string_view expected) {
  const auto deadline = ChildClock::now() + kChildTimeout;
  while (!unread_.starts_with(expected) && expected.starts_with(unread_)) {
    if (!ReadMore(deadline)) break;
  }
  const size_t taken =
      unread_.starts_with(expected) ? expected.size() : unread_.size();
  std::string shown = unread_.substr(0, taken);
  unread_.erase(0, taken);
  return shown;
}

void PtySession::Type(std::string_view keys) {
  while (!keys.empty()) {
    const ssize_t put = write(master_, keys.data(), keys.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) ThrowSystemError("write to terminal");
    keys.remove_prefix(static_cast<size_t>(put));
  }
}

std::optional<int> PtySession::Wait() {
  if (pid_ <= 0) return std::nullopt;
  const auto deadline = ChildClock::now() + kChildTimeout;
  // The program's end closes the terminal, so the screen is read up to then.
  while (ReadMore(deadline)) {
  }
  const std::optional<int> status = ReapBy(pid_, deadline);
  pid_ = -1;
  return status;
}

std::string PtySession::TakeRest() {
  while (ReadMore(ChildClock::now())) {
  }
  return std::exchange(unread_, {});
}

termios PtySession::Modes() const {
  // On Linux the master side reports the modes of the slave side, which are
  // the ones the program could have changed.
  termios modes{};
  if (tcgetattr(master_, &modes) != 0) ThrowSystemError("tcgetattr");
  return modes;
}
