#include "shell/standard_streams.h"

#include <unistd.h>

#include <iostream>

#include "shell/output_buffer.h"
#include "shell/terminal.h"

void PrepareStandardStreams() {
  // Without the C stdio synchronisation, std::cin reads ahead into a buffer,
  // which lets ReadLine see whether the next line is already there.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  // std::cout collects output into large writes. The buffer is never
  // destroyed: the library flushes std::cout once more as the process ends,
  // after every object of ours is gone.
  static OutputBuffer* const output = new OutputBuffer(STDOUT_FILENO);
  std::cout.rdbuf(output);
  DetectTerminal();
}

int FinishStandardStreams() {
  std::cout.flush();
  if (std::cout) return 0;
  std::cerr << "quillary: could not write to standard output\n";
  return 1;
}
