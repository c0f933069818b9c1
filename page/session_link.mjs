// A link to the page that plays a run's lines, for handing out an exercise:
// the lines go in the fragment ("#lines=" and the text, percent-encoded),
// which never leaves the reader's machine, and come back as inputs for the
// program, cleaned of anything a terminal would take for a control.
const kPrefix = 'lines=';
// The longest fragment played: far more than an exercise needs, and few
// places that pass links on keep longer ones whole.
export const kLongestFragment = 65536;

// Every control character but the line feed (C0 with ESC, DEL, C1), and a
// half of a surrogate pair left alone, which no UTF-8 can hold.
const kDropped = /[\u0000-\u0009\u000b-\u001f\u007f-\u009f]|\p{Cs}/gu;
const Cleaned = (text) => text.replace(/\r\n?/g, '\n').replace(kDropped, '');

// A link to `pageUrl` (its own fragment dropped) holding the text of
// `inputs`, the run's inputs, cleaned as InputsOfLink cleans it. The end of
// input has no text and is left out, as are the inputs after it: whoever
// follows the link carries on from there. A link whose fragment exceeds
// kLongestFragment is refused by InputsOfLink.
export function LinkToSession(pageUrl, inputs) {
  const end = inputs.indexOf('');
  const text = Cleaned((end < 0 ? inputs : inputs.slice(0, end)).join(''));
  return `${String(pageUrl).split('#')[0]}#${kPrefix}${
    encodeURIComponent(text)}`;
}

// The run held by `hash` (location.hash, with or without its "#"), as
// { inputs, unfinished }: its whole lines, each ending in "\n", and the text
// after the last of them, for the answer field. { refusal } instead, a
// sentence for the learner, where the link is too long or its encoding
// broken; null where `hash` holds no run. CR LF and CR become "\n".
export function InputsOfLink(hash) {
  const fragment = String(hash ?? '').replace(/^#/, '');
  if (!fragment.startsWith(kPrefix)) return null;
  if (fragment.length > kLongestFragment) {
    return { refusal: 'This link is too long to play: it holds ' +
      `${fragment.length.toLocaleString('en')} characters, and a link ` +
      `plays at most ${kLongestFragment.toLocaleString('en')}.` };
  }
  let text;
  try {
    text = decodeURIComponent(fragment.slice(kPrefix.length));
  } catch {
    return { refusal: 'This link cannot be played: its lines are damaged ' +
      '(a stray "%" or a broken character). Ask for the link again.' };
  }
  text = Cleaned(text);
  const whole = text.lastIndexOf('\n') + 1;
  return { inputs: text.slice(0, whole).match(/[^\n]*\n/g) ?? [],
    unfinished: text.slice(whole) };
}
