// The output path: the program's bytes, and the page's own notes, go
// through xterm-pty's line discipline (which turns each newline into CR LF)
// to the terminal, paced by the terminal. Of what waits, this much at most
// goes to the line discipline before the terminal has caught up; the rest
// waits its turn. (xterm-pty's master cuts what it has not yet handed to the
// terminal from the front of one array, 4 KiB at a time, which takes longer
// the more is waiting, and its line discipline handles each byte on its
// own.) The read queue holds the program's next read back until the
// terminal has caught up, so a program that writes fast waits for it.
export const kUnshownBytes = 16 * 1024;

// `output` (bytes in a Uint8Array, or text) cut into pieces of at most
// `size`, as views of it where it is bytes.
export function Pieces(output, size = kUnshownBytes) {
  const pieces = [];
  for (let at = 0; at < output.length; at += size) {
    const end = at + size;
    pieces.push(output.subarray?.(at, end) ?? output.slice(at, end));
  }
  return pieces;
}

export class OutputPacer {
  #slave;
  // Output for the line discipline, oldest first, and how many bytes it has
  // been given since the terminal last caught up.
  #toShow = [];
  #unshown = 0;
  #caughtUpListeners = [];

  constructor(slave) {
    this.#slave = slave;
    slave.onWritable(() => {
      this.#unshown = 0;
      this.#showWaiting();
      for (const listener of this.#caughtUpListeners) listener();
    });
  }

  // Bytes (a Uint8Array of its own) or text for the terminal, after all
  // output before it; long output goes on in pieces as the terminal takes
  // it.
  show(output) {
    this.#toShow.push(...Pieces(output));
    this.#showWaiting();
  }

  // Whether everything handed to show() has gone to the line discipline and
  // the terminal is not far behind it.
  get caughtUp() {
    return this.#toShow.length === 0 && this.#unshown <= kUnshownBytes;
  }

  // Calls `listener` each time the terminal has taken what it was given.
  onCaughtUp(listener) {
    this.#caughtUpListeners.push(listener);
  }

  #showWaiting() {
    while (this.#toShow.length > 0 && this.#unshown <= kUnshownBytes) {
      const output = this.#toShow.shift();
      this.#unshown += output.length;
      this.#slave.write(
        typeof output === 'string' ? output : Array.from(output));
    }
  }
}
