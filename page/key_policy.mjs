// Which key presses in the terminal go to the program and which the browser
// keeps for itself. With text selected Ctrl-C copies it, as in a desktop
// terminal; without, it reaches the line discipline as the interrupt.
// Ctrl-V is left to the browser, whose paste the page types in.

// Whether xterm.js should handle `event` (a KeyboardEvent, or anything with
// its type, code and modifier flags) as the terminal's own key; false
// leaves it to the browser.
export function PassesToTerminal(event, hasSelection) {
  if (event.type !== 'keydown' || !event.ctrlKey) return true;
  if (event.altKey || event.metaKey || event.shiftKey) return true;
  if (event.code === 'KeyC') return !hasSelection;
  return event.code !== 'KeyV';
}
