// The page's two small dialogs: the question a tap on End input or
// Interrupt asks first on a touch screen, where a finger slips easily and a
// run holds work (the browser's own confirm() may not be shown in a frame
// or an app's web view), and "Link to this session", which shows a link
// that plays the run's lines (session_link.mjs) in a field to select, and
// copies it. Both are <dialog>s that Escape closes and that give the focus
// back to where it was.
import { LinkToSession, kLongestFragment } from './session_link.mjs';

const $ = (id) => document.getElementById(id);

// Resolves to whether the learner confirmed `question` with `yes`, the
// confirming button's name; Keep working or Escape declines.
export function AskFirst(question, yes) {
  const dialog = $('confirm');
  $('confirm-question').textContent = question;
  $('confirm-yes').textContent = yes;
  return new Promise((resolve) => {
    const Answer = (confirmed) => () => {
      dialog.close();
      resolve(confirmed);
    };
    $('confirm-yes').onclick = Answer(true);
    $('confirm-no').onclick = Answer(false);
    dialog.oncancel = Answer(false);
    dialog.showModal();
    $('confirm-no').focus();
  });
}

// Copies `text`: through the clipboard where the page may, else as the
// selected field's text.
async function Copy(field, text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    field.select();
    return document.execCommand?.('copy') ?? false;
  }
}

// Makes "Link to this session" show the link of the run's `texts()`. The
// dialog comes after the page's script, which may run before it has
// arrived: it is looked for when the button is first pressed.
export function OpenLinkDialog(texts) {
  let Show = null;
  $('link-open').addEventListener('click', () => {
    Show ??= LinkDialog();
    Show(LinkToSession(location.href, texts()));
  });
}

function LinkDialog() {
  const [dialog, field, status] = ['link', 'link-text', 'link-status'].map($);
  $('link-copy').addEventListener('click', async () => {
    status.textContent = (await Copy(field, field.value))
      ? 'Copied.' : 'Select the link and copy it.';
  });
  $('link-close').addEventListener('click', () => dialog.close());
  return (link) => {
    const long = link.length - link.indexOf('#') - 1 > kLongestFragment;
    field.value = link;
    status.textContent = long ? 'This run is too long for a link: its ' +
      'lines come to more than 64 KB, and the page would refuse to play ' +
      'them.' : '';
    dialog.showModal();
    field.select();
  };
}
