// xterm.js, a third of the page's script, travels in a classic script of
// its own ahead of the page's (build_page.mjs), as one function that is
// compiled when that script arrives and run only when the first terminal
// is made. So the browser compiles it, and later runs its modules, in two
// tasks instead of one, neither long enough to hold a slow phone's page.
let library;

// xterm.js's exports (Terminal), from its first call on.
export function TerminalLibrary() {
  library ??= globalThis.quillaryTerminalLibrary();
  return library;
}
