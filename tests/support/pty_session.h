// Runs the built program on a pseudo-terminal and plays the person at it:
// wait until the expected text is on the screen, then type.
#ifndef QUILLARY_TESTS_SUPPORT_PTY_SESSION_H_
#define QUILLARY_TESTS_SUPPORT_PTY_SESSION_H_

#include <sys/types.h>
#include <termios.h>

#include <optional>
#include <string>
#include <string_view>

#include "support/child_process.h"

// One run of a program whose standard input and output are a new
// pseudo-terminal; the session holds the terminal's master side, as a
// terminal emulator does, and sees every byte the screen would show.
//
// The terminal keeps the modes the kernel gives every new one (forkpty gets
// no termios), which are the modes a person's terminal has: canonical line
// editing with echo (ECHO, ECHOE, ICANON), ISIG, Enter ("\r") read as "\n"
// (ICRNL), and "\n" shown as "\r\n" (OPOST, ONLCR). So the screen holds the
// echo of every typed line right after the prompt it answers, and every
// line end as "\r\n".
//
// Standard error goes to a temporary file instead of the terminal, so that
// anything written there is caught rather than mixed into the screen.
class PtySession {
 public:
  // Starts `program` (a path; no arguments) on an 80x24 terminal with SIGINT
  // and the other signals at their defaults, as a shell starts a foreground
  // job, and TERM set to `term` (left out when null) whatever the test's
  // own environment says. The terminal's modes are read before the program
  // runs. Throws std::system_error when the terminal or the process cannot
  // be made.
  explicit PtySession(const std::string& program,
                      const char* term = "xterm-256color");
  // Kills the program if it still runs, and reaps it.
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  // Reads the screen until the bytes shown after everything taken before are
  // `expected`, takes them and returns them. Stops sooner when the bytes go
  // a different way, when the program closes the terminal or after
  // kChildTimeout (a prompt that was never flushed); it then takes and
  // returns all that arrived, for the caller to compare with `expected`.
  std::string WaitFor(std::string_view expected);

  // Sends `keys` as typed on the keyboard: "\r" is Enter, "\x03" Ctrl-C,
  // "\x04" Ctrl-D.
  void Type(std::string_view keys);

  // Waits until the program has ended, reading the screen meanwhile (a
  // program must never block on a full terminal), and returns its wait
  // status; nothing if it still ran after kChildTimeout (it is then killed)
  // or was already waited for.
  std::optional<int> Wait();

  // What the screen showed after everything taken before, up to now; after
  // Wait, up to the end of the run.
  std::string TakeRest();

  // The terminal's modes before the program ran, and now.
  const termios& StartModes() const { return startModes_; }
  termios Modes() const;

  // Everything the program wrote to its standard error.
  std::string ErrorOutput() const { return ReadWholeFile(errorFile_); }

 private:
  // Makes the terminal and starts the program; the constructor's work.
  void Start(const std::string& program, const char* term);
  // Appends what the terminal shows next to unread_; false once `deadline`
  // has passed or the terminal was closed (the program ended).
  bool ReadMore(ChildClock::time_point deadline);
  // Kills and reaps the program if it still runs; closes the descriptors.
  void Release();

  int master_ = -1;
  int errorFile_ = -1;
  pid_t pid_ = -1;
  termios startModes_{};
  std::string unread_;
  bool closed_ = false;
};

#endif  // QUILLARY_TESTS_SUPPORT_PTY_SESSION_H_
