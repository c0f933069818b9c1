// The answer line under the transcript: the one field the learner types in
// on every device, and the buttons for the keys a phone lacks. The field is
// the browser's own, so input methods, Backspace and autocorrect edit in it
// as in any form. It keeps a terminal's keys: Enter (or Send) sends the
// line, and once a run has ended starts the next; Ctrl-D sends what the
// field holds without a newline, and in an empty field ends the input;
// Ctrl-C, with nothing selected, interrupts the run; Up and Down bring back
// the lines sent before. A paste of several lines sends each in order, all
// but the last, which stays in the field to be finished. Lines sent while
// the program is busy wait their turn in the read queue. Tab is the
// browser's: it moves on to the next control.
import { LineHistory } from './line_history.mjs';

const field = () => document.getElementById('answer');

// Where the pointer is a finger (a coarse pointer, not a mouse or a
// keyboard alone), the field keeps the focus, so that the on-screen keyboard
// stays open while the learner taps the page's buttons and the transcript.
export const TypesInField = () => matchMedia('(pointer: coarse)').matches;

// What each of the page's own keys does, by the key's name with Ctrl held.
const kControlKeys = {
  d: (answer) => answer.endInput(),
  c: (answer) => answer.interrupt(),
};

function IsPlainControl(event, letter) {
  return event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey &&
    event.key.toLowerCase() === letter;
}

export class AnswerLine {
  #send;
  #interrupt;
  #confirm;
  #history = new LineHistory();

  // `send(text)` passes text on to the program (Runs and ReadQueue);
  // `interrupt()` ends the run at once; `confirm(button)` resolves to
  // whether the End input or Interrupt button should act (the keys always
  // do, as in a terminal).
  constructor({ send, interrupt, confirm = async () => true }) {
    this.#send = send;
    this.#interrupt = interrupt;
    this.#confirm = confirm;
  }

  open(transcriptElement) {
    const answer = field();
    answer.addEventListener('paste', (event) => this.#paste(event));
    answer.addEventListener('keydown', (event) => this.#key(event));
    document.getElementById('answer-line').addEventListener('submit',
      (event) => {
        event.preventDefault();
        this.sendLine();
      });
    for (const [id, Act] of [['end-input', () => this.endInput()],
      ['interrupt', () => this.interrupt()]]) {
      const button = document.getElementById(id);
      button.addEventListener('click', async () => {
        if (await this.#confirm(button)) Act();
        else if (TypesInField()) field().focus();
      });
    }
    document.getElementById('start-again')
      .addEventListener('click', () => this.#sendKeepingFocus('\n'));
    KeepFocusInField(transcriptElement);
    FollowRuns();
    FocusForTyping();
  }

  sendLine() {
    const line = field().value;
    this.#history.add(line);
    this.#sendKeepingFocus(`${line}\n`);
  }

  // What the field holds, without a newline: in an empty field, the end of
  // the input.
  endInput() {
    this.#sendKeepingFocus(field().value);
  }

  // Ends the run; what the field holds stays there.
  interrupt() {
    this.#interrupt();
    if (TypesInField()) field().focus();
  }

  #sendKeepingFocus(text) {
    field().value = '';
    this.#send(text);
    if (TypesInField()) field().focus();
  }

  #key(event) {
    for (const [letter, act] of Object.entries(kControlKeys)) {
      if (!IsPlainControl(event, letter)) continue;
      const { selectionStart, selectionEnd } = field();
      if (letter === 'c' && selectionStart !== selectionEnd) return;
      event.preventDefault();
      act(this);
      return;
    }
    if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    event.preventDefault();
    const recalled = event.key === 'ArrowUp'
      ? this.#history.back(field().value) : this.#history.forward();
    if (recalled === null) return;
    field().value = recalled;
    field().setSelectionRange(recalled.length, recalled.length);
  }

  // A one-line field would drop a pasted text's line breaks: pasted lines go
  // to the program as sent lines instead, all but the last.
  #paste(event) {
    const text = event.clipboardData?.getData('text/plain') ?? '';
    if (!/[\r\n]/.test(text)) return;
    event.preventDefault();
    const { value, selectionStart, selectionEnd } = field();
    const whole = (value.slice(0, selectionStart) + text +
      value.slice(selectionEnd)).replace(/\r\n?/g, '\n');
    const last = whole.lastIndexOf('\n') + 1;
    field().value = whole.slice(last);
    this.#send(whole.slice(0, last));
  }
}

// Gives the focus to the field, where the learner types.
function FocusForTyping() {
  field().focus({ preventScroll: true });
}

// On a touch device a tap on the transcript, its figures' buttons or its
// Working would take the focus from the field and close the on-screen
// keyboard: the field keeps it. Dragging a figure is left as it is.
function KeepFocusInField(element) {
  element.addEventListener('mousedown', (event) => {
    if (TypesInField() && !event.target.closest?.('svg')) {
      event.preventDefault();
    }
  });
}

// While a run goes on, End input and Interrupt; once it has ended, Start
// again. A button that goes out of use hands the focus on to the one that
// comes into use, so that a keyboard or a finger finds it there.
function FollowRuns() {
  const startAgain = document.getElementById('start-again');
  const runButtons = ['end-input', 'interrupt']
    .map((id) => document.getElementById(id));
  const Show = (running) => {
    const leaving = running ? [startAgain] : runButtons;
    const hadFocus = leaving.includes(document.activeElement);
    for (const button of runButtons) button.disabled = !running;
    startAgain.disabled = running;
    if (hadFocus && running) FocusForTyping();
    else if (hadFocus) startAgain.focus();
  };
  addEventListener('quillary-started', () => Show(true));
  addEventListener('quillary-ended', () => Show(false));
}
