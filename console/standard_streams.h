// The part of setting up and finishing the standard streams that is the
// same on every platform; each platform's OpenStandardStreams and
// CloseStandardStreams (console/console.h) call these with its own raw
// streams.
#ifndef QUILLARY_CONSOLE_STANDARD_STREAMS_H_
#define QUILLARY_CONSOLE_STANDARD_STREAMS_H_

#include <string_view>

#include "console/raw_streams.h"

// Unties std::cin from std::cout and gives them buffers over `input` and
// `output`, which must live until the process ends. Takes nothing from the
// heap, so it cannot fail for want of memory: the buffers are static, and
// the synchronisation with C stdio is kept, as dropping it would allocate
// the library's own file buffers, which the program never uses. Call once.
void InstallStandardStreams(RawInput& input, RawOutput& output);

// Flushes std::cout and returns 0 when it was all written and no read
// failed and `failure` is empty; otherwise writes one line on standard
// error, "quillary: " and the first cause found, and returns 1.
int FinishStandardStreams(std::string_view failure);

#endif  // QUILLARY_CONSOLE_STANDARD_STREAMS_H_
