// Set-up and final check of the standard streams for a real run of the
// program (the tests swap the streams' buffers instead).
#ifndef QUILLARY_SHELL_STANDARD_STREAMS_H_
#define QUILLARY_SHELL_STANDARD_STREAMS_H_

// Gives std::cin and std::cout buffers of their own, unties them (ReadLine
// flushes when it must) and records whether output goes to a terminal.
// Call once, before anything is read or written.
void PrepareStandardStreams();

// Flushes std::cout and returns the process exit status: 0 when everything
// written reached standard output; otherwise 1, after naming the failure in
// one line on standard error, so that a lost transcript is never reported as
// success.
int FinishStandardStreams();

#endif  // QUILLARY_SHELL_STANDARD_STREAMS_H_
