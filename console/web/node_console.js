// Module.quillaryConsole (see web_console.cpp) over the process's own
// standard streams, for the program run as a command under Node:
//   node quillary.js <session.in >session.out
// Emscripten's own standard input cannot wait for a terminal or a pipe, so
// the program brings this instead. An embedder that set quillaryConsole
// already (the page, a test) keeps its own. It has no figure and no prompt
// member: a command's output is its text alone, so figures and prompts
// (OfferFigure, OfferPrompt) are dropped.
if (typeof process === 'object' && !Module.quillaryConsole) {
  const fs = require('fs');
  const tty = require('tty');

  // A stream left non-blocking by whoever set it up answers EAGAIN; Node
  // cannot wait on a descriptor, so it is tried again a moment later.
  const kRetryMilliseconds = 5;
  const pause = new Int32Array(new SharedArrayBuffer(4));

  // One buffer for every read: the program copies what a read gave before
  // it asks for more.
  let buffer = Buffer.alloc(0);
  const readStandardInput = (capacity) =>
    new Promise((resolve, reject) => {
      if (buffer.length < capacity) buffer = Buffer.alloc(capacity);
      const attempt = () =>
        fs.read(0, buffer, 0, capacity, null, (error, count) => {
          if (error && error.code === 'EAGAIN') {
            setTimeout(attempt, kRetryMilliseconds);
          } else if (error) {
            reject(error);
          } else {
            resolve(buffer.subarray(0, count));
          }
        });
      attempt();
    });

  // Synchronous, so everything written is out before the process exits.
  const writeStandardOutput = (bytes) => {
    let written = 0;
    while (written < bytes.length) {
      try {
        written += fs.writeSync(1, bytes, written, bytes.length - written);
      } catch (error) {
        if (error.code !== 'EAGAIN') return false;
        Atomics.wait(pause, 0, 0, kRetryMilliseconds);
      }
    }
    return true;
  };

  // As on a POSIX terminal: one that declares itself dumb, or nothing,
  // would show the escape bytes instead of acting on them.
  const term = process.env.TERM;
  Module.quillaryConsole = {
    read: readStandardInput,
    write: writeStandardOutput,
    isTerminal: tty.isatty(1) && Boolean(term) && term !== 'dumb',
  };
}
