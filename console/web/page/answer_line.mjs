// The answer line under the terminal and the buttons for the keys a phone
// lacks. The field is the browser's own, so input methods, Backspace and
// autocorrect edit in it as in any form; Enter or Send then types the whole
// line into the terminal, where the line discipline echoes it and the
// program reads it as if it had been typed there. Each button types its key.
import { Type } from './typeahead.mjs';

const kEnter = '\r';
const kEndOfInput = '\x04';
const kInterrupt = '\x03';
// The buttons that are of use while a run goes on, and the key each types.
const kRunKeys = [
  ['end-input', kEndOfInput],
  ['interrupt', kInterrupt],
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

function SendLine(event) {
  event.preventDefault();
  Type(field().value + kEnter);
  field().value = '';
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

export function OpenAnswerLine(terminal, element) {
  document.getElementById('answer-line').addEventListener('submit', SendLine);
  for (const [id, key] of kRunKeys) {
    document.getElementById(id).addEventListener('click', () => Type(key));
  }
  document.getElementById('start-again')
    .addEventListener('click', () => Type(kEnter));
  KeepFocusInField(element);
  FollowRuns(terminal);
}
