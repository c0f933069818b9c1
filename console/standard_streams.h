// The part of setting up and finishing the standard streams that is the
// same on every platform; each platform's OpenStandardStreams and
// CloseStandardStreams (console/console.h) call these with its own raw
// streams.
#ifndef QUILLARY_CONSOLE_STANDARD_STREAMS_H_
#define QUILLARY_CONSOLE_STANDARD_STREAMS_H_

#include <string_view>

#include "console/raw_streams.h"

// Unties std::cin from std::cout and gives them buffers over `input` and
// `output`, which must live until the process ends. Also drops the
// synchronisation with C stdio, which the program does not use.
void InstallStandardStreams(RawInput& input, RawOutput& output);

// Flushes std::cout and returns 0 when it was all written and no read
// failed and `failure` is empty; otherwise writes one line on standard
// error, "quillary: " and the first cause found, and returns 1.
int FinishStandardStreams(std::string_view failure);

#endif  // QUILLARY_CONSOLE_STANDARD_STREAMS_H_
