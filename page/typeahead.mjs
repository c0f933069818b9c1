// The one way in to xterm-pty's line discipline: what is typed into the
// terminal, pasted into it or sent from the answer line reaches it through
// a Typeahead, in the order it came. A long paste goes on in slices, one a
// task, so that the page keeps drawing and the program keeps reading in
// between; keys typed meanwhile wait behind it, as typeahead does in a
// terminal. The interrupt does not wait: it drops what is still waiting, as
// a terminal drops its unread input on Ctrl-C.
import { kInterrupt } from './keys.mjs';
import { NextTask } from './next_task.mjs';

export const kSliceLength = 4096;

// The end of the next slice of `text` from `start`, at most `length` UTF-16
// units on, never between the two halves of a character outside the Basic
// Multilingual Plane.
export function SliceEnd(text, start, length = kSliceLength) {
  const end = Math.min(start + length, text.length);
  const code = text.charCodeAt(end - 1);
  return end < text.length && code >= 0xd800 && code <= 0xdbff ? end - 1 : end;
}

export class Typeahead {
  // Texts waiting for the line discipline, oldest first, and how much of the
  // oldest has gone on already.
  #waiting = [];
  #sent = 0;
  #sliceScheduled = false;
  #toLineDiscipline = () => {};

  // Hands `text` (keys' data: characters, Enter as CR, Ctrl-D as EOT) to the
  // line discipline, after everything still waiting.
  type(text) {
    if (text === kInterrupt) this.forget();
    if (text.length === 0) return;
    this.#waiting.push(text);
    if (this.#waiting.length === 1) this.#sendSlice();
  }

  // Drops whatever still waits: it was typed for a run that has ended.
  forget() {
    this.#waiting.length = 0;
    this.#sent = 0;
  }

  // Connects xterm-pty's master to the terminal with this in between: the
  // master writes to the terminal as it would, but what the terminal sends
  // goes through type(). (The master's own activate() would listen to the
  // terminal directly, and a paste would reach the line discipline in one
  // piece, holding the page until all of it was echoed and read.)
  connect(terminal, master) {
    master.activate({
      write: (bytes, done) => terminal.write(bytes, done),
      onData: (listener) => {
        this.#toLineDiscipline = listener;
        return { dispose() {} };
      },
      onBinary: () => ({ dispose() {} }),
      onResize: (listener) => terminal.onResize(listener),
    });
    terminal.onData((text) => this.type(text));
    terminal.onBinary((text) => this.type(text));
  }

  // Takes pastes into the terminal from xterm.js, which would hand each on
  // whole, and types them, with each line break as the Enter key's CR. Like
  // xterm.js's own, it empties the terminal's hidden textarea and leaves the
  // browser to put the text there, so that no paste is seen refused.
  slicePastes(terminal, element) {
    const Paste = (event) => {
      event.stopPropagation();
      terminal.textarea.value = '';
      const text = event.clipboardData?.getData('text/plain') ?? '';
      terminal.scrollToBottom();
      this.type(text.replace(/\r?\n/g, '\r'));
    };
    element.addEventListener('paste', Paste, { capture: true });
  }

  #sendSlice() {
    this.#sliceScheduled = false;
    if (this.#waiting.length === 0) return;
    const text = this.#waiting[0];
    const end = SliceEnd(text, this.#sent);
    const slice = text.slice(this.#sent, end);
    this.#sent = end;
    if (this.#sent === text.length) {
      this.#waiting.shift();
      this.#sent = 0;
    }
    this.#toLineDiscipline(slice);
    if (this.#waiting.length > 0 && !this.#sliceScheduled) {
      this.#sliceScheduled = true;
      NextTask(() => this.#sendSlice());
    }
  }
}
