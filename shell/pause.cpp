#include "shell/pause.h"

#include "shell/line_reader.h"
#include "shell/print_message.h"
#include "shell/prompt.h"
#include "shell/shell_state.h"

void Pause() {
  PrintMessage("Press Any Key to continue...");
  OfferPrompt(AnswerKind::kContinue);
  Response = ReadLine();
}
