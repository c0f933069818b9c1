// The Help button: the manual page, put into the page as HTML when it is
// built (build_page.mjs), in a modal dialog that Close or Escape shuts and
// that gives the focus back to the button.
export function OpenHelp() {
  const dialog = document.getElementById('help');
  document.getElementById('help-open')
    .addEventListener('click', () => dialog.showModal());
  document.getElementById('help-close')
    .addEventListener('click', () => dialog.close());
}
