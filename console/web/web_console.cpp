// The console of the WebAssembly build: whatever JavaScript embeds the
// program (console/web/node_console.js under Node, the page's terminal in a
// browser) hands it an object, Module.quillaryConsole, with three members
// and two optional ones:
//   read(capacity)  a promise of up to `capacity` bytes (a Uint8Array); an
//                   empty array is the end of input, a rejection with an
//                   errno-style `code` ("EISDIR") a failed read
//   write(bytes)    takes the bytes, which it must copy; returns false when
//                   they could not be written
//   isTerminal      true when the output is a terminal that acts on the
//                   clear sequence
//   figure(text)    optional: takes a figure's JSON text (OfferFigure),
//                   after the output written before it
//   prompt(kind, refusal, reason)
//                   optional: what the next line read should hold
//                   (OfferQuestion), three strings: kind is one of "name",
//                   "menu-choice", "whole-number", "tenths", "continue",
//                   "quit-confirmation", "fire-again", "decimal-fraction";
//                   refusal is "" when the question is asked afresh, else
//                   why the line before was not taken: "empty", "no-digits",
//                   "point", "second-point", "misplaced-sign", "character",
//                   "out-of-range", "not-a-choice" (shell/prompt.h says
//                   what each means); reason is the program's own sentence
//                   for the refusal where it has one, else "". Not ordered
//                   with the output: it may come before the screen it
//                   belongs to is written.
// The only bytes ever sent beyond the program's texts are the clear
// sequence, written by ClearScreen:
//   ESC "[H"   move the cursor to the top left corner
//   ESC "[2J"  erase the whole screen
// A read waits without blocking the browser's one thread: Asyncify unwinds
// the program's stack while the promise is pending and rewinds it after.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/never_destroyed.h"
#include "console/raw_streams.h"
#include "console/standard_streams.h"

namespace {

// Bytes read into data (at most capacity), 0 at the end of input, or a
// negative errno when the read failed.
EM_ASYNC_JS(int, ReadFromEmbedder, (char* data, int capacity), {
  try {
    const bytes = await Module.quillaryConsole.read(capacity);
    HEAPU8.set(bytes.subarray(0, capacity), data);
    return Math.min(bytes.length, capacity);
  } catch (error) {
    return -(ERRNO_CODES[error && error.code] || ERRNO_CODES.EIO);
  }
});

EM_JS(int, WriteToEmbedder, (const char* data, int size), {
  return Module.quillaryConsole.write(HEAPU8.subarray(data, data + size)) ? 1
                                                                          : 0;
});

EM_JS(int, EmbedderIsTerminal, (),
      { return Module.quillaryConsole.isTerminal ? 1 : 0; });

// Only a host with a figure member takes figures; Node's (node_console.js)
// has none.
EM_JS(int, EmbedderTakesFigures, (),
      { return Module.quillaryConsole.figure ? 1 : 0; });

EM_JS(void, FigureToEmbedder, (const char* data, int size), {
  Module.quillaryConsole.figure(
      new TextDecoder().decode(HEAPU8.slice(data, data + size)));
});

// Only a host with a prompt member takes prompts; asked once, as a prompt
// comes before every read.
EM_JS(int, EmbedderTakesPrompts, (),
      { return Module.quillaryConsole.prompt ? 1 : 0; });

EM_JS(void, PromptToEmbedder,
      (const char* kind, int kindSize, const char* refusal, int refusalSize,
       const char* reason, int reasonSize),
      {
        const decoder = new TextDecoder();
        Module.quillaryConsole.prompt(
            decoder.decode(HEAPU8.slice(kind, kind + kindSize)),
            decoder.decode(HEAPU8.slice(refusal, refusal + refusalSize)),
            decoder.decode(HEAPU8.slice(reason, reason + reasonSize)));
      });

// InputBuffer and OutputBuffer above these keep the crossings into
// JavaScript few: one write a screen, one read a typed line or 64 KiB piped.
class EmbedderInput final : public RawInput {
 public:
  ReadResult Read(char* data, std::size_t capacity) override {
    const int result = ReadFromEmbedder(data, static_cast<int>(capacity));
    if (result >= 0) return {static_cast<std::size_t>(result), {}};
    return {0, std::strerror(-result)};
  }
};

class EmbedderOutput final : public RawOutput {
 public:
  bool Write(const char* data, std::size_t size) override {
    return WriteToEmbedder(data, static_cast<int>(size)) != 0;
  }
};

// They live until the process ends, like the buffers over them (see
// NeverDestroyed).
NeverDestroyed<EmbedderInput> input;
NeverDestroyed<EmbedderOutput> output;

}  // namespace

void OpenStandardStreams() {
  InstallStandardStreams(input.Make(), output.Make());
}

ClearMethod PrepareClearing() {
  return EmbedderIsTerminal() != 0 ? ClearMethod::kEscapeSequence
                                   : ClearMethod::kNone;
}

// The embedder's terminal is always cleared by the escape sequence.
void ClearWithConsoleApi() {}

// The page draws a figure on receipt, so the result line it pictures is
// handed over first. Without a taker nothing is made or flushed: Node's
// output keeps its one write a screen.
void OfferFigure(const std::function<std::string()>& figure) {
  if (EmbedderTakesFigures() == 0) return;
  const std::string text = figure();
  std::cout.flush();
  FigureToEmbedder(text.data(), static_cast<int>(text.size()));
}

void OfferQuestion(std::string_view kind, std::string_view refusal,
                   const std::function<std::string()>& reason) {
  static const bool takesPrompts = EmbedderTakesPrompts() != 0;
  if (!takesPrompts) return;
  const std::string because = reason ? reason() : std::string();
  PromptToEmbedder(kind.data(), static_cast<int>(kind.size()), refusal.data(),
                   static_cast<int>(refusal.size()), because.data(),
                   static_cast<int>(because.size()));
}

// Once a read has waited, main runs on from a rewound stack and what it
// returns reaches nobody, so the status is handed to exit() here, which
// gives it to the embedder (Node's process exit status, the page's quit).
int CloseStandardStreams(std::string_view failure) {
  std::exit(FinishStandardStreams(failure));
}
