// The program's reads: what the line discipline has passed on, oldest
// first (whole lines, a line cut short by Ctrl-D, or an empty chunk for
// Ctrl-D at the start of a line, the end of input), waiting for the
// program's next read. Typed-ahead and pasted lines wait here in order.
// A read is answered at once unless the page has been busy for
// kBusyMilliseconds, or the terminal has yet to take part of what the
// program wrote: then the program waits, so that the page keeps drawing and
// no task holds it for long.
import { NextTask } from './next_task.mjs';

export const kBusyMilliseconds = 20;

// Chunks waiting to be read, from index `oldest` on, so that taking one
// costs the same however many wait.
export class Chunks {
  #chunks = [];
  #oldest = 0;

  get empty() {
    return this.#oldest === this.#chunks.length;
  }

  push(chunk) {
    this.#chunks.push(chunk);
  }

  clear() {
    this.#chunks = [];
    this.#oldest = 0;
  }

  // The oldest chunk, or its first `capacity` bytes, leaving the rest to
  // the next take. Call only when not empty.
  take(capacity) {
    const chunk = this.#chunks[this.#oldest];
    if (chunk.length > capacity) {
      this.#chunks[this.#oldest] = chunk.subarray(capacity);
      return chunk.subarray(0, capacity);
    }
    this.#chunks[this.#oldest] = null;
    if (++this.#oldest === this.#chunks.length) this.clear();
    return chunk;
  }
}

export class ReadQueue {
  #typed = new Chunks();
  #output;
  #pendingRead = null;
  #busySince = 0;
  #breakScheduled = false;

  // `output` is the OutputPacer whose terminal the reads wait for.
  constructor(output) {
    this.#output = output;
    output.onCaughtUp(() => this.#answerPendingRead());
  }

  // A chunk the line discipline passed on.
  push(chunk) {
    this.#typed.push(chunk);
    this.#answerPendingRead();
  }

  // The next chunk, at most `capacity` bytes, once there is one.
  read(capacity) {
    return new Promise((resolve) => {
      this.#pendingRead = { resolve, capacity };
      this.#answerPendingRead();
    });
  }

  // Drops what waits and the read waiting for it: both belong to a run that
  // has ended.
  forget() {
    this.#typed.clear();
    this.#pendingRead = null;
  }

  // Lets the browser draw and take input before the program reads on.
  #takeBreak() {
    if (this.#breakScheduled) return;
    this.#breakScheduled = true;
    NextTask(() => {
      this.#breakScheduled = false;
      this.#busySince = performance.now();
      this.#answerPendingRead();
    });
  }

  #answerPendingRead() {
    if (!this.#pendingRead || this.#typed.empty) return;
    if (!this.#output.caughtUp) return;
    if (performance.now() - this.#busySince > kBusyMilliseconds) {
      this.#takeBreak();
      return;
    }
    const { resolve, capacity } = this.#pendingRead;
    this.#pendingRead = null;
    resolve(this.#typed.take(capacity));
  }
}
