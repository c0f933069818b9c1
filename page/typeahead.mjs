// What is typed into the terminal, pasted into it or sent from the answer
// line reaches xterm-pty's line discipline through here, in the order it
// came. A long paste goes on in slices, one a task, so that the page keeps
// drawing and the program keeps reading in between; keys typed meanwhile wait
// behind it, as typeahead does in a terminal. The interrupt does not wait:
// it drops what is still waiting, as a terminal drops its unread input on
// Ctrl-C.
const kSliceLength = 4096;
const kInterrupt = '\x03';

// Texts waiting for the line discipline, oldest first, and how much of the
// oldest has gone on already.
const waiting = [];
let sent = 0;
let sliceScheduled = false;
let toLineDiscipline = () => {};

// Runs `callback` in a task of its own, after whatever the browser has
// queued (drawing, input), without the 4 ms a chain of timers waits.
export function NextTask(callback) {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    channel.port1.close();
    callback();
  };
  channel.port2.postMessage(null);
}

// The end of the next slice of `text` from `start`, never between the two
// halves of a character outside the Basic Multilingual Plane.
function SliceEnd(text, start) {
  const end = Math.min(start + kSliceLength, text.length);
  const code = text.charCodeAt(end - 1);
  return end < text.length && code >= 0xd800 && code <= 0xdbff ? end - 1 : end;
}

function SendSlice() {
  sliceScheduled = false;
  if (waiting.length === 0) return;
  const text = waiting[0];
  const end = SliceEnd(text, sent);
  const slice = text.slice(sent, end);
  sent = end;
  if (sent === text.length) {
    waiting.shift();
    sent = 0;
  }
  toLineDiscipline(slice);
  if (waiting.length > 0 && !sliceScheduled) {
    sliceScheduled = true;
    NextTask(SendSlice);
  }
}

// Drops whatever still waits: it was typed for a run that has ended.
export function ForgetWaiting() {
  waiting.length = 0;
  sent = 0;
}

// Hands `text` (keys' data: characters, Enter as CR, Ctrl-D as EOT) to the
// line discipline, after everything still waiting.
export function Type(text) {
  if (text === kInterrupt) ForgetWaiting();
  if (text.length === 0) return;
  waiting.push(text);
  if (waiting.length === 1) SendSlice();
}

// Connects xterm-pty's master to the terminal with the page in between:
// the master writes to the terminal as it would, but what the terminal
// sends goes through Type. (The master's own activate() would listen to
// the terminal directly, and a paste would reach the line discipline in one
// piece, holding the page until all of it was echoed and read.)
export function ConnectLineDiscipline(terminal, master) {
  master.activate({
    write: (bytes, done) => terminal.write(bytes, done),
    onData: (listener) => {
      toLineDiscipline = listener;
      return { dispose() {} };
    },
    onBinary: () => ({ dispose() {} }),
    onResize: (listener) => terminal.onResize(listener),
  });
  terminal.onData(Type);
  terminal.onBinary(Type);
}

// Takes pastes into the terminal from xterm.js, which would hand each on
// whole, and types them, with each line break as the Enter key's CR.
export function SlicePastes(terminal, element) {
  const Paste = (event) => {
    event.preventDefault();
    event.stopPropagation();
    const text = event.clipboardData?.getData('text/plain') ?? '';
    terminal.scrollToBottom();
    Type(text.replace(/\r?\n/g, '\r'));
  };
  element.addEventListener('paste', Paste, { capture: true });
}
