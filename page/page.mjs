// The browser page: an xterm.js terminal, xterm-pty's line discipline (echo,
// erase, Ctrl-U, Ctrl-D, Ctrl-C) and the program, started afresh for each
// run, with the answer line and its hint, Help and the figure panel with
// its working around them. This is the page's entry: it only makes each
// part and wires them together; each module says what it owns.
import { openpty } from 'xterm-pty';
import createQuillary from 'quillary-program';
import { AnswerHint } from './answer_hint.mjs';
import { OpenAnswerLine, FocusForTyping } from './answer_line.mjs';
import { FigurePanel } from './figure_panel.mjs';
import { OpenHelp } from './help.mjs';
import { NextTask } from './next_task.mjs';
import { OutputPacer } from './output_pacing.mjs';
import { ReadQueue } from './read_queue.mjs';
import { Runs } from './run.mjs';
import { OpenTerminal } from './terminal_view.mjs';
import { Typeahead } from './typeahead.mjs';
import { WorkingSection } from './working_section.mjs';
import '@xterm/xterm/css/xterm.css';
import './page.css';
import './figure_panel.css';
import './working_section.css';

const { master, slave } = openpty();
const typeahead = new Typeahead();
const output = new OutputPacer(slave);
const reads = new ReadQueue(output);
const runs = new Runs({ createProgram: createQuillary, reads, output,
  typeahead });
slave.onReadable(() => reads.push(Uint8Array.from(slave.read())));
slave.onSignal((signal) => {
  if (signal === 'SIGINT') runs.interrupt();
});

// Each part is made in a task of its own, after the terminal's code was
// evaluated in the script's first, so that no task holds a slow phone's
// page for long before the greeting.
const Yield = () => new Promise((resolve) => NextTask(resolve));

async function Open() {
  await Yield();
  const element = document.getElementById('terminal');
  const terminal = await OpenTerminal(element, (opened) => {
    typeahead.connect(opened, master);
    typeahead.slicePastes(opened, element);
  }, Yield);
  await Yield();
  OpenHelp();
  new FigurePanel(document.getElementById('figure-panel'),
    document.getElementById('figure-switch')).open();
  new WorkingSection(document.getElementById('figure-panel')).open();
  new AnswerHint(document.getElementById('answer-hint'),
    document.getElementById('answer-hint-spoken')).open();
  OpenAnswerLine(terminal, element, typeahead);
  FocusForTyping(terminal);
  runs.start();
}

Open();
