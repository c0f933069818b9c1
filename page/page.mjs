// The browser page: an xterm.js terminal, xterm-pty's line discipline (echo,
// erase, Ctrl-U, Ctrl-D, Ctrl-C) and the program, started afresh for each
// run. The program does all the work; this only wires the three together.
import { Terminal } from '@xterm/xterm';
import { FitAddon } from '@xterm/addon-fit';
import { openpty } from 'xterm-pty';
import createQuillary from 'quillary-program';
import { FocusForTyping, OpenAnswerLine } from './answer_line.mjs';
import { OpenHelp } from './help.mjs';
import {
  ConnectLineDiscipline,
  ForgetWaiting,
  NextTask,
  SlicePastes,
} from './typeahead.mjs';
import '@xterm/xterm/css/xterm.css';
import './page.css';
import './figure_panel.mjs';

const kNewline = 10;
const kEndedNote = '\n[Quillary has ended. Press Enter to start again.]\n';
const kInterruptedNote =
  '\n[Quillary was interrupted. Press Enter to start again.]\n';
// A read is answered at once unless the page has been busy this long, or
// the terminal has yet to take part of what the program wrote: then the
// program waits, so that the page keeps drawing and no task holds it for
// long. Of the program's output, this much at most goes to the line
// discipline before the terminal has caught up; the rest waits its turn.
// (xterm-pty's master cuts what it has not yet handed to the terminal from
// the front of one array, 4 KiB at a time, which takes longer the more is
// waiting, and its line discipline handles each byte on its own.)
const kBusyMilliseconds = 20;
const kUnshownBytes = 16 * 1024;

// On a phone's narrow screen a smaller font keeps each menu line (up to
// about 50 characters) on one row; the longer number prompts wrap.
const terminal = new Terminal({
  scrollback: 1000,
  fontSize: matchMedia('(max-width: 30rem)').matches ? 12 : 15,
});
const fit = new FitAddon();
const { master, slave } = openpty();

// What the line discipline has passed on, oldest first: whole lines, a line
// cut short by Ctrl-D, or an empty chunk for Ctrl-D at the start of a line
// (the end of input). Typed-ahead and pasted lines wait here in order,
// from index `oldest` on, so that taking one costs the same however many
// wait.
let typed = [];
let oldest = 0;
let pendingRead = null;
let busySince = 0;
let breakScheduled = false;
// Output for the line discipline, oldest first, and how many bytes it has
// been given since the terminal last caught up.
const toShow = [];
let unshown = 0;
// Each run's console checks this, so that an abandoned run reads and shows
// nothing more.
let currentRun = 0;
let running = false;

slave.onReadable(() => {
  typed.push(Uint8Array.from(slave.read()));
  AnswerPendingRead();
});

slave.onWritable(() => {
  unshown = 0;
  ShowWaiting();
  AnswerPendingRead();
});

function ShowWaiting() {
  while (toShow.length > 0 && unshown <= kUnshownBytes) {
    const output = toShow.shift();
    unshown += output.length;
    slave.write(typeof output === 'string' ? output : Array.from(output));
  }
}

// Bytes (a Uint8Array of its own) or text for the terminal, after all
// output before it; long output goes on in pieces as the terminal takes it.
function ToTerminal(output) {
  for (let at = 0; at < output.length; at += kUnshownBytes) {
    const end = at + kUnshownBytes;
    toShow.push(output.subarray?.(at, end) ?? output.slice(at, end));
  }
  ShowWaiting();
}

function ForgetTyped() {
  typed = [];
  oldest = 0;
}

function TakeTyped(capacity) {
  const chunk = typed[oldest];
  if (chunk.length > capacity) {
    typed[oldest] = chunk.subarray(capacity);
    return chunk.subarray(0, capacity);
  }
  typed[oldest] = null;
  if (++oldest === typed.length) ForgetTyped();
  return chunk;
}

// Lets the browser draw and take input before the program reads on.
function TakeBreak() {
  if (breakScheduled) return;
  breakScheduled = true;
  NextTask(() => {
    breakScheduled = false;
    busySince = performance.now();
    AnswerPendingRead();
  });
}

function AnswerPendingRead() {
  if (!pendingRead || oldest === typed.length) return;
  if (toShow.length > 0 || unshown > kUnshownBytes) return;
  if (performance.now() - busySince > kBusyMilliseconds) {
    TakeBreak();
    return;
  }
  const { resolve, capacity } = pendingRead;
  pendingRead = null;
  resolve(TakeTyped(capacity));
}

function ReadTyped(capacity) {
  return new Promise((resolve) => {
    pendingRead = { resolve, capacity };
    AnswerPendingRead();
  });
}

// The program's bytes go through the line discipline (which turns each
// newline into CR LF) to the terminal, and are announced on window as a
// 'quillary-output' event whose detail is a copy of them, so that whoever
// embeds or tests the page can follow exactly what the program wrote.
function Show(bytes) {
  const copy = Uint8Array.from(bytes);
  ToTerminal(copy);
  dispatchEvent(new CustomEvent('quillary-output', { detail: copy }));
}

function ConsoleOfRun(run) {
  const isCurrent = () => run === currentRun && running;
  return {
    isTerminal: true,
    read: (capacity) =>
      isCurrent() ? ReadTyped(capacity) : new Promise(() => {}),
    write: (bytes) => {
      if (isCurrent()) Show(bytes);
      return true;
    },
    figure: (text) => isCurrent() &&
      dispatchEvent(new CustomEvent('quillary-figure', { detail: text })),
    printErr: (line) => isCurrent() && ToTerminal(`${line}\n`),
    onExit: () => isCurrent() && EndRun(kEndedNote),
  };
}

// A run's start is announced on window as a 'quillary-started' event.
function StartRun() {
  const run = ++currentRun;
  running = true;
  dispatchEvent(new Event('quillary-started'));
  const { printErr, onExit, ...quillaryConsole } = ConsoleOfRun(run);
  createQuillary({ quillaryConsole, printErr, onExit }).catch(IgnoreExit);
}

// Unread input belongs to the run that ended, and so does the rest of a
// paste still being typed; the next run starts with none.
// The end is announced on window as a 'quillary-ended' event, at once,
// before the note reaches the screen.
async function EndRun(note) {
  running = false;
  ForgetTyped();
  ForgetWaiting();
  pendingRead = null;
  dispatchEvent(new Event('quillary-ended'));
  ToTerminal(note);
  while (!(await ReadTyped(4096)).includes(kNewline));
  StartRun();
}

// The program leaves by exit(), which Emscripten carries out by throwing an
// ExitStatus out of the program; it is the normal end of a run, not an error.
function IgnoreExit(reason) {
  if (reason?.name !== 'ExitStatus') throw reason;
}

function SwallowExitStatus(event) {
  const reason = event.reason ?? event.error;
  if (reason?.name === 'ExitStatus') event.preventDefault();
}

slave.onSignal((signal) => {
  if (signal === 'SIGINT' && running) EndRun(kInterruptedNote);
});

// With text selected Ctrl-C copies it, as in a desktop terminal; without, it
// reaches the line discipline as the interrupt. Ctrl-V is left to the
// browser, whose paste xterm.js types in.
function KeepBrowserShortcuts(event) {
  if (event.type !== 'keydown' || !event.ctrlKey) return true;
  if (event.altKey || event.metaKey || event.shiftKey) return true;
  if (event.code === 'KeyC') return !terminal.hasSelection();
  return event.code !== 'KeyV';
}

function FollowScreenReaderSwitch() {
  const toggle = document.getElementById('screen-reader');
  toggle.checked = false;
  toggle.addEventListener('change', () => {
    terminal.options.screenReaderMode = toggle.checked;
  });
}

function OpenTerminal() {
  const element = document.getElementById('terminal');
  terminal.loadAddon(fit);
  ConnectLineDiscipline(terminal, master);
  SlicePastes(terminal, element);
  terminal.attachCustomKeyEventHandler(KeepBrowserShortcuts);
  terminal.open(element);
  fit.fit();
  // When an on-screen keyboard takes part of the window, the terminal gets
  // fewer rows, with the line being typed still at the bottom.
  new ResizeObserver(() => {
    fit.fit();
    terminal.scrollToBottom();
  }).observe(element);
  OpenAnswerLine(terminal, element);
  FocusForTyping(terminal);
}

addEventListener('unhandledrejection', SwallowExitStatus);
addEventListener('error', SwallowExitStatus);
FollowScreenReaderSwitch();
OpenHelp();
OpenTerminal();
StartRun();
