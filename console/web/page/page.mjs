// The browser page: an xterm.js terminal, xterm-pty's line discipline (echo,
// erase, Ctrl-U, Ctrl-D, Ctrl-C) and the program, started afresh for each
// run. The program does all the work; this only wires the three together.
import { Terminal } from '@xterm/xterm';
import { FitAddon } from '@xterm/addon-fit';
import { openpty } from 'xterm-pty';
import createQuillary from 'quillary-program';
import '@xterm/xterm/css/xterm.css';
import './page.css';
import './figure_panel.mjs';

const kNewline = 10;
const kEndedNote = '\n[Quillary has ended. Press Enter to start again.]\n';
const kInterruptedNote =
  '\n[Quillary was interrupted. Press Enter to start again.]\n';

const terminal = new Terminal({ scrollback: 1000 });
const fit = new FitAddon();
const { master, slave } = openpty();

// What the line discipline has passed on, oldest first: whole lines, a line
// cut short by Ctrl-D, or an empty chunk for Ctrl-D at the start of a line
// (the end of input). Typed-ahead and pasted lines wait here in order.
let typed = [];
let pendingRead = null;
// Each run's console checks this, so that an abandoned run reads and shows
// nothing more.
let currentRun = 0;
let running = false;

slave.onReadable(() => {
  typed.push(Uint8Array.from(slave.read()));
  AnswerPendingRead();
});

function TakeTyped(capacity) {
  const chunk = typed[0];
  if (chunk.length <= capacity) return typed.shift();
  typed[0] = chunk.subarray(capacity);
  return chunk.subarray(0, capacity);
}

function AnswerPendingRead() {
  if (!pendingRead || typed.length === 0) return;
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
  slave.write(Array.from(copy));
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
    printErr: (line) => isCurrent() && slave.write(`${line}\n`),
    onExit: () => isCurrent() && EndRun(kEndedNote),
  };
}

function StartRun() {
  const run = ++currentRun;
  running = true;
  const { printErr, onExit, ...quillaryConsole } = ConsoleOfRun(run);
  createQuillary({ quillaryConsole, printErr, onExit }).catch(IgnoreExit);
}

// Unread input belongs to the run that ended; the next run starts with none.
// The end is announced on window as a 'quillary-ended' event, at once,
// before the note reaches the screen.
async function EndRun(note) {
  running = false;
  typed = [];
  pendingRead = null;
  dispatchEvent(new Event('quillary-ended'));
  slave.write(note);
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
  terminal.loadAddon(master);
  terminal.attachCustomKeyEventHandler(KeepBrowserShortcuts);
  terminal.open(element);
  fit.fit();
  new ResizeObserver(() => fit.fit()).observe(element);
  terminal.focus();
}

addEventListener('unhandledrejection', SwallowExitStatus);
addEventListener('error', SwallowExitStatus);
FollowScreenReaderSwitch();
OpenTerminal();
StartRun();
