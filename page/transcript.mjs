// The transcript: every screen of the runs, in order, in one element of
// role "log" that flows like a document. The program's output is text and
// one clear sequence; each clear starts a new screen below the ones before,
// which stay, dimmed. The lines the learner typed are echoed where the
// program took them, right after the question they answer, and a vector
// exercise's figure and working go in after its result line (place()). So
// that a long session keeps the page light, screens far behind the newest
// that hold no figure are folded, in order, into a closed "Earlier screens"
// block as plain text: every character of them is kept, in a handful of
// elements however many screens there were.
import { kClear } from './keys.mjs';

// How many screens without a figure stay as screens of their own.
export const kOpenScreens = 40;
// How long a screen's text grows before it goes on in a block of its own.
export const kBlockLength = 32 * 1024;

// How much of `text`'s end could be the start of a clear sequence that the
// next output completes.
export function UnfinishedClear(text) {
  for (let held = Math.min(text.length, kClear.length - 1); held > 0; --held) {
    if (kClear.startsWith(text.slice(text.length - held))) return held;
  }
  return 0;
}

export class Transcript {
  #log;
  #decoder = new TextDecoder();
  #held = '';
  #screen = null;
  // Screens without a figure, oldest first, still open.
  #plain = [];

  // `log` is the element of role "log" the screens go in.
  constructor(log) {
    this.#log = log;
  }

  // The program's output bytes; a clear sequence starts a new screen.
  show(bytes) {
    const text = this.#held + this.#decoder.decode(bytes, { stream: true });
    const held = UnfinishedClear(text);
    this.#held = text.slice(text.length - held);
    text.slice(0, text.length - held).split(kClear).forEach((part, index) => {
      if (index > 0) this.#startScreen();
      this.#append(part);
    });
  }

  // A line the program took, as the learner typed it, after what it asked.
  echo(text) {
    this.#append(text, 'typed');
  }

  // The page's own words, such as that a run has ended.
  note(text) {
    this.#append(text, 'note');
  }

  // Puts `element` (an exercise's figure and working) after the output so
  // far, in the screen that showed its result; that screen is never folded.
  place(element) {
    const screen = this.#currentScreen();
    screen.classList.add('has-figure');
    this.#plain = this.#plain.filter((plain) => plain !== screen);
    screen.append(element);
  }

  #currentScreen() {
    if (!this.#screen) this.#startScreen();
    return this.#screen;
  }

  // A screen cleared before anything was written in it is used again.
  #startScreen() {
    if (this.#screen && !this.#screen.hasChildNodes()) return;
    this.#screen?.classList.add('past');
    this.#screen = document.createElement('div');
    this.#screen.className = 'screen';
    this.#log.append(this.#screen);
    this.#plain.push(this.#screen);
    while (this.#plain.length > kOpenScreens) this.#fold(this.#plain.shift());
  }

  // The program's text goes into the screen's last text node, so that a
  // screen is as few nodes as its echoes and notes make it. A long screen
  // (the list of thousands of weapons) goes on, from a line's start, in
  // blocks of about kBlockLength characters: the browser lays out only the
  // block that grew, not the whole screen again at each write.
  #append(text, kind) {
    if (text === '') return;
    const screen = this.#currentScreen();
    const last = screen.lastChild;
    if (kind) {
      const span = document.createElement('span');
      span.className = kind;
      span.textContent = text;
      screen.append(span);
    } else if (last?.nodeType !== Node.TEXT_NODE &&
        !last?.classList?.contains('block')) {
      screen.append(text);
    } else {
      this.#appendToBlock(screen, last, text);
    }
  }

  #appendToBlock(screen, last, text) {
    const node = last.nodeType === Node.TEXT_NODE ? last : last.lastChild;
    const lineEnd = text.lastIndexOf('\n') + 1;
    if (node.length + text.length <= kBlockLength || lineEnd === 0) {
      node.appendData(text);
      return;
    }
    node.appendData(text.slice(0, lineEnd));
    const block = document.createElement('div');
    block.className = 'block';
    block.append(text.slice(lineEnd));
    screen.append(block);
  }

  // Moves `screen`'s text into the folded block just before it, or makes
  // it one: the block is a closed <details>, whose text the browser does
  // not lay out until it is opened.
  #fold(screen) {
    const before = screen.previousElementSibling;
    const folded = before?.classList.contains('earlier') ? before
      : this.#FoldedBlock(screen);
    const lines = folded.lastElementChild;
    lines.append(`${screen.textContent}\n`);
    const count = Number(folded.dataset.screens) + 1;
    folded.dataset.screens = count;
    folded.firstElementChild.textContent =
      `${count} earlier screen${count === 1 ? '' : 's'}`;
    screen.remove();
  }

  #FoldedBlock(screen) {
    const folded = document.createElement('details');
    folded.className = 'earlier';
    folded.dataset.screens = 0;
    const summary = document.createElement('summary');
    const lines = document.createElement('div');
    lines.className = 'earlier-lines';
    folded.append(summary, lines);
    screen.before(folded);
    return folded;
  }
}
