// The program's reads: what the learner sent, oldest first, waiting for the
// program's next read, as a terminal's line discipline passes it on. Each
// text sent is whole lines (a paste may hold thousands), a line cut short
// by Ctrl-D, or '' for Ctrl-D at the start of a line, the end of input. A
// read takes at most one line, as a terminal gives it, so that the echo of
// each line (onTaken) comes right after the question it answers; a line
// longer than the read takes the reads it needs. Lines are cut from a
// paste and encoded only as they are read, so sending one costs nothing
// however long it is. A read is answered at once unless the page has been
// busy for kBusyMilliseconds: then the program waits a task, so that the
// page keeps drawing and taking input and no task holds it for long.
import { NextTask } from './next_task.mjs';

export const kBusyMilliseconds = 20;

const encoder = new TextEncoder();

// Texts waiting to be read, from index `oldest` on, so that taking one
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

  // The oldest chunk, which stays until shift() takes it.
  get oldest() {
    return this.#chunks[this.#oldest];
  }

  shift() {
    this.#chunks[this.#oldest] = null;
    if (++this.#oldest === this.#chunks.length) this.clear();
  }
}

// The next line of `text` from `start`: up to and with its newline, or the
// rest of the text where none follows.
export function LineEnd(text, start) {
  const newline = text.indexOf('\n', start);
  return newline < 0 ? text.length : newline + 1;
}

export class ReadQueue {
  #sent = new Chunks();
  // How far into the oldest text the reads have taken it, and the bytes of
  // a line that the last read had no room for.
  #taken = 0;
  #rest = null;
  #pendingRead = null;
  #busySince = 0;
  #breakScheduled = false;
  #onTaken;
  #whenDrained = [];

  // `onTaken(text)` is told each line (or its part cut short by Ctrl-D) as
  // the program takes it.
  constructor(onTaken = () => {}) {
    this.#onTaken = onTaken;
  }

  // Text the learner sent, after everything sent before it.
  send(text) {
    this.#sent.push(text);
    this.#answerPendingRead();
  }

  get waiting() {
    return !this.#sent.empty || this.#rest !== null;
  }

  // The next line's bytes, at most `capacity` of them, once there is one.
  read(capacity) {
    return new Promise((resolve) => {
      this.#pendingRead = { resolve, capacity };
      this.#answerPendingRead();
      this.#tellIfDrained();
    });
  }

  // Resolves once the program waits for a line and none is waiting: all
  // that was sent before has been read.
  drained() {
    return new Promise((resolve) => {
      this.#whenDrained.push(resolve);
      this.#tellIfDrained();
    });
  }

  #tellIfDrained() {
    if (!this.#pendingRead || this.waiting) return;
    for (const resolve of this.#whenDrained.splice(0)) resolve();
  }

  // Drops what waits and the read waiting for it: both belong to a run that
  // has ended.
  forget() {
    this.#sent.clear();
    this.#taken = 0;
    this.#rest = null;
    this.#pendingRead = null;
  }

  // The bytes of the next line, telling onTaken of it.
  #nextLine() {
    const text = this.#sent.oldest;
    const end = LineEnd(text, this.#taken);
    const line = text.slice(this.#taken, end);
    this.#taken = end;
    if (end === text.length) {
      this.#sent.shift();
      this.#taken = 0;
    }
    this.#onTaken(line);
    return encoder.encode(line);
  }

  #take(capacity) {
    const bytes = this.#rest ?? this.#nextLine();
    this.#rest = bytes.length > capacity ? bytes.subarray(capacity) : null;
    return bytes.subarray(0, capacity);
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
    if (!this.#pendingRead || !this.waiting) return;
    if (performance.now() - this.#busySince > kBusyMilliseconds) {
      this.#takeBreak();
      return;
    }
    const { resolve, capacity } = this.#pendingRead;
    this.#pendingRead = null;
    resolve(this.#take(capacity));
  }
}
