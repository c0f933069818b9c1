// The hint beside the answer line: what the line the program waits for
// should hold and, after a refused line, why it was not taken, as the
// program says through its console (the run's 'quillary-prompt' event,
// whose detail is { kind, refusal, reason }, kind and refusal named as
// shell/prompt.cpp names them, reason the program's own words for the
// refusal or ''); nothing is read from the terminal's text. The hint shows at
// once; a screen reader hears it only once it has settled and says
// something new, so that the lines of a paste are not read out one by one.

// What each kind of answer holds.
const kKinds = {
  'name': 'Any text: a name.',
  'menu-choice': 'A choice from the menu, typed as listed, such as 2 or Q.',
  'whole-number': 'A whole number, such as -12.',
  'tenths': 't in tenths: 5 means 0.5, 10 means 1.',
  'continue': 'Enter to continue.',
  'quit-confirmation': '0 to quit, anything else to stay.',
  'fire-again': '0 to stop, anything else to fire again.',
  'decimal-fraction': 'A decimal number, such as -2.5.',
};

// Why a line was not taken, where the program gave no words of its own
// (only it knows the range of what a question takes); some reasons are
// said in the terms of the kind of answer that refused it, first.
const kRefusals = {
  'empty': 'the line was empty',
  'no-digits': 'it had no digit',
  'point': 'it had a point',
  'second-point': 'it had a second point',
  'misplaced-sign': 'a minus sign goes only at the start',
  'character': 'only digits and a leading minus are taken',
  'out-of-range': 'the number was beyond what this question takes',
  'not-a-choice': 'it was none of the menu\'s choices',
};
const kRefusalsOfKind = {
  'decimal-fraction': {
    'character': 'only digits, one point and a leading minus are taken',
  },
};

// The hint for a prompt of `kind` after a line refused for `refusal` (''
// when the question is asked afresh), said in the program's `reason` when
// it gave one; '' for a kind it does not know.
export function HintText(kind, refusal, reason = '') {
  const wanted = kKinds[kind] ?? '';
  if (!refusal) return wanted;
  const why = reason || (kRefusalsOfKind[kind]?.[refusal] ??
    kRefusals[refusal] ?? 'it was not taken');
  return `Not taken: ${why}. ${wanted}`.trim();
}

const kEnded = 'Enter, or Start again, starts a new run.';
// How long a hint must stay before a screen reader is told it.
const kSettleMilliseconds = 400;

export class AnswerHint {
  #shown;
  #spoken;
  // The hint to show at the next frame, if it changed since the last: a
  // paste asks many questions a frame, and only the last is seen.
  #pending = null;
  #timer = 0;

  // `shown` is the visible hint, `spoken` a live region that only a screen
  // reader reads.
  constructor(shown, spoken) {
    this.#shown = shown;
    this.#spoken = spoken;
  }

  open() {
    addEventListener('quillary-prompt', ({ detail }) =>
      this.#say(HintText(detail.kind, detail.refusal, detail.reason),
        detail.refusal));
    addEventListener('quillary-started', () => this.#say('', ''));
    addEventListener('quillary-ended', () => this.#say(kEnded, ''));
  }

  #say(text, refusal) {
    if (this.#pending === null) requestAnimationFrame(() => this.#show());
    this.#pending = { text, refusal };
  }

  #show() {
    const { text, refusal } = this.#pending;
    this.#pending = null;
    this.#shown.textContent = text;
    this.#shown.classList.toggle('refused', Boolean(refusal));
    clearTimeout(this.#timer);
    this.#timer = setTimeout(() => {
      if (this.#spoken.textContent !== text) this.#spoken.textContent = text;
    }, kSettleMilliseconds);
  }
}
