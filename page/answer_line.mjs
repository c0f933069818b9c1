// The answer line under the terminal and the buttons for the keys a phone
// lacks. The field is the browser's own, so input methods, Backspace and
// autocorrect edit in it as in any form; Enter or Send then types the whole
// line into the terminal, where the line discipline echoes it and the
// program reads it as if it had been typed there. Each button types its key
// after what the field holds, as the key would end the line being typed:
// Ctrl-D passes it on without a newline (at an empty prompt it ends the
// input), Ctrl-C drops it.
import { kEndOfInput, kEnter, kInterrupt } from './keys.mjs';

// The buttons that are of use while a run goes on, and what each types
// given what the field holds.
const kRunKeys = [
  ['end-input', (line) => line + kEndOfInput],
  ['interrupt', () => kInterrupt],
];

const field = () => document.getElementById('answer');

// Where the pointer is a finger (a coarse pointer, not a mouse or a
// keyboard alone), typing goes to the field alone: xterm.js's own hidden
// textarea, whose handling of input methods garbles what they send, never
// takes the focus.
const TypesInField = () => matchMedia('(pointer: coarse)').matches;

// Gives the focus to where the person types: the field on a touch device,
// the terminal elsewhere.
export function FocusForTyping(terminal) {
  if (TypesInField()) field().focus();
  else terminal.focus();
}

// Types what the field holds as `keys` make of it, and empties the field.
// On a touch device the field keeps the focus, and so the on-screen
// keyboard stays open.
function TypeLine(typeahead, keys) {
  typeahead.type(keys(field().value));
  field().value = '';
  if (TypesInField()) field().focus();
}

// A one-line field would drop a pasted text's line breaks: pasted lines go
// to the terminal as typed lines instead, all but the last, which stays in
// the field to be finished.
function PasteLines(typeahead, event) {
  const text = event.clipboardData?.getData('text/plain') ?? '';
  if (!/[\r\n]/.test(text)) return;
  event.preventDefault();
  const { value, selectionStart, selectionEnd } = field();
  const lines = (value.slice(0, selectionStart) + text +
    value.slice(selectionEnd)).split(/\r?\n|\r/);
  field().value = lines.pop();
  typeahead.type(lines.map((line) => line + kEnter).join(''));
}

// A tap on the terminal would focus xterm.js's textarea (on mouse-down, or
// on any focus inside the terminal): on a touch device the field takes the
// focus instead. Touch scrolling of the terminal is left as it is.
function KeepFocusInField(element) {
  const ToField = (event) => {
    if (!TypesInField()) return;
    event.preventDefault();
    event.stopPropagation();
    field().focus();
  };
  element.addEventListener('mousedown', ToField, { capture: true });
  element.addEventListener('focusin', ToField, { capture: true });
}

// While a run goes on, End input and Interrupt; once it has ended, Start
// again. A button that goes out of use hands the focus on to the one that
// comes into use, so that a keyboard or a finger finds it there.
function FollowRuns(terminal) {
  const startAgain = document.getElementById('start-again');
  const runButtons = kRunKeys.map(([id]) => document.getElementById(id));
  const Show = (running) => {
    const leaving = running ? [startAgain] : runButtons;
    const hadFocus = leaving.includes(document.activeElement);
    for (const button of runButtons) button.disabled = !running;
    startAgain.disabled = running;
    if (hadFocus && running) FocusForTyping(terminal);
    else if (hadFocus) startAgain.focus();
  };
  addEventListener('quillary-started', () => Show(true));
  addEventListener('quillary-ended', () => Show(false));
}

// Opens the field and the buttons under the terminal of `terminal`, shown
// in `element`; what they type goes through `typeahead`.
export function OpenAnswerLine(terminal, element, typeahead) {
  field().addEventListener('paste', (event) => PasteLines(typeahead, event));
  document.getElementById('answer-line').addEventListener('submit', (event) => {
    event.preventDefault();
    TypeLine(typeahead, (line) => line + kEnter);
  });
  for (const [id, keys] of kRunKeys) {
    document.getElementById(id)
      .addEventListener('click', () => TypeLine(typeahead, keys));
  }
  document.getElementById('start-again')
    .addEventListener('click', () => TypeLine(typeahead, () => kEnter));
  KeepFocusInField(element);
  FollowRuns(terminal);
}
