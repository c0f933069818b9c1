// Which key presses in the terminal go to the program and which the browser
// keeps for itself. With text selected Ctrl-C copies it, as in a desktop
// terminal; without, it reaches the line discipline as the interrupt.
// Ctrl-V is left to the browser, whose paste the page types in. Tab and
// Shift+Tab are the browser's too, so that they move the focus to the next
// or the previous control and never trap it in the terminal: the program
// reads no answer that needs a Tab, so none is ever sent to it.

// Whether xterm.js should handle `event` (a KeyboardEvent, or anything with
// its type, code and modifier flags) as the terminal's own key; false
// leaves it to the browser.
export function PassesToTerminal(event, hasSelection) {
  if (event.key === 'Tab' && !event.ctrlKey && !event.altKey &&
    !event.metaKey) return false;
  if (event.type !== 'keydown' || !event.ctrlKey) return true;
  if (event.altKey || event.metaKey || event.shiftKey) return true;
  if (event.code === 'KeyC') return !hasSelection;
  return event.code !== 'KeyV';
}
