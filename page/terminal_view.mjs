// The terminal on the page: an xterm.js terminal fitted to its element,
// refitted when the window changes (an on-screen keyboard taking part of
// it), with the key policy of key_policy.mjs and the screen-reader switch,
// which turns on xterm.js's screen-reader mode (off by default, as it costs
// on every write).
import { FitAddon } from '@xterm/addon-fit';
import { PassesToTerminal } from './key_policy.mjs';
import { TerminalLibrary } from './terminal_library.mjs';

// On a phone's narrow screen a smaller font keeps each menu line (up to
// about 50 characters) on one row; the longer number prompts wrap.
const FontSize = () => (matchMedia('(max-width: 30rem)').matches ? 12 : 15);

function FollowScreenReaderSwitch(terminal) {
  const toggle = document.getElementById('screen-reader');
  toggle.checked = false;
  toggle.addEventListener('change', () => {
    terminal.options.screenReaderMode = toggle.checked;
  });
}

// Makes the terminal in `element`; `connect(terminal)` joins it to the line
// discipline before it opens, so that no key is missed. Resolves to the
// terminal; awaits `pause()` between running xterm.js's code and making,
// opening and fitting the terminal, each long on a slow phone.
export async function OpenTerminal(element, connect, pause) {
  const { Terminal } = TerminalLibrary();
  await pause();
  const terminal = new Terminal({ scrollback: 1000, fontSize: FontSize() });
  const fit = new FitAddon();
  terminal.loadAddon(fit);
  connect(terminal);
  terminal.attachCustomKeyEventHandler(
    (event) => PassesToTerminal(event, terminal.hasSelection()));
  await pause();
  terminal.open(element);
  await pause();
  fit.fit();
  // When an on-screen keyboard takes part of the window, the terminal gets
  // fewer rows, with the line being typed still at the bottom.
  new ResizeObserver(() => {
    fit.fit();
    terminal.scrollToBottom();
  }).observe(element);
  FollowScreenReaderSwitch(terminal);
  return terminal;
}
