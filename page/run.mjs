// The runs of the program: each starts the program afresh with a console of
// its own over the page's transcript and read queue (the host object that
// console/web/web_console.cpp reads, writes and offers figures through),
// and ends when the program exits or is interrupted; then Enter starts the
// next. A run's start, its output and its end are announced on window as
// the events 'quillary-started', 'quillary-output' (whose detail is a copy
// of the bytes the program wrote) and 'quillary-ended' (at once, before the
// note is shown), its figures as 'quillary-figure' (whose
// detail is the figure's text) and what each line it reads should hold as
// 'quillary-prompt' (whose detail is { kind, refusal, reason }), so that
// whoever embeds or tests the page can follow exactly what the program did.
import { kNewline } from './keys.mjs';

const kEndedNote = '\n[Quillary has ended. Press Enter to start again.]\n';
const kInterruptedNote =
  '\n[Quillary was interrupted. Press Enter to start again.]\n';

// The program leaves by exit(), which Emscripten carries out by throwing an
// ExitStatus out of the program; it is the normal end of a run, not an error.
function IgnoreExit(reason) {
  if (reason?.name !== 'ExitStatus') throw reason;
}

function SwallowExitStatus(event) {
  const reason = event.reason ?? event.error;
  if (reason?.name === 'ExitStatus') event.preventDefault();
}

export class Runs {
  #createProgram;
  #reads;
  #transcript;
  // Each run's console checks these, so that an abandoned run reads and
  // shows nothing more.
  #current = 0;
  #running = false;

  // `createProgram` starts the program module with a Module object;
  // `reads` is the page's ReadQueue and `transcript` its Transcript.
  constructor({ createProgram, reads, transcript }) {
    this.#createProgram = createProgram;
    this.#reads = reads;
    this.#transcript = transcript;
    addEventListener('unhandledrejection', SwallowExitStatus);
    addEventListener('error', SwallowExitStatus);
  }

  start() {
    const run = ++this.#current;
    this.#running = true;
    dispatchEvent(new Event('quillary-started'));
    const { printErr, onExit, ...quillaryConsole } = this.#consoleOfRun(run);
    this.#createProgram({ quillaryConsole, printErr, onExit })
      .catch(IgnoreExit);
  }

  // Ends the run at once, as Ctrl-C does; nothing once it has ended.
  interrupt() {
    if (this.#running) this.#end(kInterruptedNote);
  }

  #consoleOfRun(run) {
    const isCurrent = () => run === this.#current && this.#running;
    return {
      isTerminal: true,
      read: (capacity) =>
        isCurrent() ? this.#reads.read(capacity) : new Promise(() => {}),
      write: (bytes) => {
        if (isCurrent()) this.#show(bytes);
        return true;
      },
      figure: (text) => isCurrent() &&
        dispatchEvent(new CustomEvent('quillary-figure', { detail: text })),
      prompt: (kind, refusal, reason) => isCurrent() && dispatchEvent(
        new CustomEvent('quillary-prompt',
          { detail: { kind, refusal, reason } })),
      printErr: (line) => isCurrent() && this.#transcript.note(`${line}\n`),
      onExit: () => isCurrent() && this.#end(kEndedNote),
    };
  }

  #show(bytes) {
    const copy = Uint8Array.from(bytes);
    this.#transcript.show(copy);
    dispatchEvent(new CustomEvent('quillary-output', { detail: copy }));
  }

  // Unread input belongs to the run that ended, and so does the rest of a
  // paste; the next run starts with none.
  async #end(note) {
    this.#running = false;
    this.#reads.forget();
    dispatchEvent(new Event('quillary-ended'));
    this.#transcript.note(note);
    while (!(await this.#reads.read(4096)).includes(kNewline));
    this.start();
  }
}
