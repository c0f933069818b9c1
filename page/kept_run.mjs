// The learner's run kept in the tab: every text sent to the program (and
// an interrupt) is kept (KeptSession), and on loading the page plays the
// kept run back at once, so that a reload brings the notebook back as it
// was, the program waiting at the same question. A page opened from a link
// plays the link's lines (session_link.mjs) instead, as if typed, and its
// unfinished last line waits in the answer field. A run started afresh
// (Start again, Enter after an end) forgets the kept one. The fragment is
// taken off the address once played, so that a reload restores the run as
// it went on rather than the link as it came.
import { KeptSession } from './kept_session.mjs';
import { InputsOfLink } from './session_link.mjs';

// How an interrupt is kept among the texts: a control character, which no
// text sent from the answer line holds once it is a line of the program's.
export const kInterruptKept = '\x03';

export class KeptRun {
  #kept = new KeptSession();
  #send;
  #interrupt;
  #drained;
  #runs = 0;
  // The run's texts, kept or not: what "Link to this session" holds.
  #texts = [];

  // `send(text)` passes text to the program, `interrupt()` ends its run,
  // `drained()` resolves once the program has read all that was sent.
  constructor({ send, interrupt, drained }) {
    this.#send = send;
    this.#interrupt = interrupt;
    this.#drained = drained;
    addEventListener('quillary-started', () => {
      if (++this.#runs > 1) this.#forget();
    });
    const Flush = () => this.#kept.flush();
    addEventListener('pagehide', Flush);
    addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') Flush();
    });
  }

  send(text) {
    this.#texts.push(text);
    this.#kept.add(text);
    this.#send(text);
  }

  interrupt() {
    this.#kept.add(kInterruptKept);
    this.#texts.push(kInterruptKept);
    this.#interrupt();
  }

  // The run's texts so far.
  get texts() {
    return [...this.#texts];
  }

  // Plays a link's run, or else the kept one; returns the refusal of a link
  // that cannot be played, or ''. A link opened is a run of its own: the
  // kept one is forgotten. Call once, after the first run has started.
  restore(field) {
    const link = InputsOfLink(location.hash);
    if (!link) {
      this.#play(this.#kept.inputs());
      return '';
    }
    history.replaceState(null, '', location.href.split('#')[0]);
    this.#forget();
    if (link.refusal) return link.refusal;
    for (const text of link.inputs) this.send(text);
    field.value = link.unfinished;
    return '';
  }

  // The kept texts again, without keeping them twice. An interrupt waits
  // until the program has read what came before it, as it had then.
  async #play(texts) {
    this.#texts = [...texts];
    for (const text of texts) {
      if (text !== kInterruptKept) {
        this.#send(text);
        continue;
      }
      await this.#drained();
      this.#interrupt();
    }
  }

  #forget() {
    this.#texts = [];
    this.#kept.forget();
  }
}
