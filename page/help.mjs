// The Help button: the manual page, put into the page as HTML when it is
// built (build_page.mjs), in a modal dialog that Close or Escape shuts and
// that gives the focus back to the button. The dialog comes after the
// page's script, which runs before the rest of the page has arrived: this
// waits until it has.
export function OpenHelp() {
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', OpenHelp, { once: true });
    return;
  }
  const dialog = document.getElementById('help');
  document.getElementById('help-open')
    .addEventListener('click', () => dialog.showModal());
  document.getElementById('help-close')
    .addEventListener('click', () => dialog.close());
}
