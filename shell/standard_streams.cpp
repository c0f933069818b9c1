#include "shell/standard_streams.h"

#include <iostream>

#include "shell/terminal.h"

void PrepareStandardStreams() {
  // Without the C stdio synchronisation, std::cin reads ahead into a buffer
  // (which lets ReadLine see whether the next line is already there) and
  // std::cout collects output into large writes.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  DetectTerminal();
}

int FinishStandardStreams() {
  std::cout.flush();
  if (std::cout) return 0;
  std::cerr << "quillary: could not write to standard output\n";
  return 1;
}
