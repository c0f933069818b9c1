#include "console/standard_streams.h"

#include <iostream>
#include <string>

#include "console/input_buffer.h"
#include "console/never_destroyed.h"
#include "console/output_buffer.h"

namespace {

NeverDestroyed<InputBuffer> inputBuffer;
NeverDestroyed<OutputBuffer> outputBuffer;
InputBuffer* installedInput = nullptr;
RawOutput* installedOutput = nullptr;

// One line on standard error; returns the failure exit status.
int Report(std::string_view what, std::string_view cause = {}) {
  std::cerr << "quillary: " << what;
  if (!cause.empty()) std::cerr << ": " << cause;
  std::cerr << std::endl;
  return 1;
}

}  // namespace

void InstallStandardStreams(RawInput& input, RawOutput& output) {
  std::cin.tie(nullptr);
  installedInput = &inputBuffer.Make(input);
  std::cin.rdbuf(installedInput);
  std::cout.rdbuf(&outputBuffer.Make(output));
  installedOutput = &output;
}

int FinishStandardStreams(std::string_view failure) {
  std::cout.flush();
  // What was written is lost whatever else went wrong, so that comes first.
  if (!std::cout) {
    return Report("could not write to standard output",
                  installedOutput != nullptr ? installedOutput->Failure()
                                             : std::string());
  }
  if (!failure.empty()) return Report(failure);
  if (installedInput != nullptr && !installedInput->Failure().empty()) {
    return Report("cannot read standard input", installedInput->Failure());
  }
  return 0;
}
