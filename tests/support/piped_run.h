// Runs the built program the way a script does: standard input, output and
// error are not a terminal.
#ifndef QUILLARY_TESTS_SUPPORT_PIPED_RUN_H_
#define QUILLARY_TESTS_SUPPORT_PIPED_RUN_H_

#include <optional>
#include <string>
#include <string_view>

struct PipedRun {
  // The wait status; nothing if the program still ran after kChildTimeout.
  std::optional<int> status;
  std::string output;
  std::string errorOutput;
};

// Runs `program` (a path; no arguments) with `input` waiting in a pipe on its
// standard input, which then ends; standard output is a pipe, standard error
// a temporary file. `input` must fit in a pipe's buffer (64 KiB on Linux);
// throws std::length_error otherwise and std::system_error when the process
// cannot be started.
PipedRun RunPiped(const std::string& program, std::string_view input);

#endif  // QUILLARY_TESTS_SUPPORT_PIPED_RUN_H_
