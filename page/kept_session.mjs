// The run's inputs kept in the tab (sessionStorage), so that a reload can
// play them back: the program is deterministic, so the same inputs give the
// same screens. Where the storage is missing or refuses (a private window, a
// sandboxed frame, a full quota) nothing is kept, and `available` says so.
const kKey = 'quillary-kept-inputs';
const kVersion = 1;
// The most characters of input kept: sessionStorage holds about five million
// per page, so a run longer than this is not kept at all rather than kept in
// part, and a reload then starts afresh instead of stopping short.
export const kKeptBound = 4 * 1024 * 1024;
// How long after an input the storage is written, at the latest: a paste of
// thousands of lines costs one write per interval, not one per line.
const kWriteDelay = 250;

const Length = (inputs) =>
  inputs.reduce((sum, input) => sum + input.length, 0);

// The tab's storage, or null where merely looking at it throws.
function TabStorage() {
  try {
    return globalThis.sessionStorage ?? null;
  } catch {
    return null;
  }
}

// The inputs of a stored record's text, or [] where it is missing, from
// another version, malformed or over the bound.
function KeptInputs(text) {
  try {
    const record = JSON.parse(text);
    const { version, inputs } = record ?? {};
    const kept = version === kVersion && Array.isArray(inputs) &&
      inputs.every((input) => typeof input === 'string') &&
      Length(inputs) <= kKeptBound;
    return kept ? inputs : [];
  } catch {
    return [];
  }
}

export class KeptSession {
  #storage;
  #inputs = [];
  #length = 0;
  #full = false;
  #timer = null;

  // Reads what the tab kept of the run before a reload; `storage` is any
  // object with sessionStorage's getItem, setItem and removeItem.
  constructor(storage = TabStorage()) {
    this.#storage = storage ?? null;
    try {
      this.#inputs = KeptInputs(storage?.getItem(kKey));
    } catch {
      this.#storage = null;
    }
    this.#length = Length(this.#inputs);
  }

  // Whether inputs can be kept: false where the storage is missing, refused
  // or too small, and once the run outgrew kKeptBound.
  get available() { return this.#storage !== null && !this.#full; }

  // Whether keeping stopped because the run outgrew kKeptBound.
  get full() { return this.#full; }

  // The run's inputs, those found on loading first: the page plays those back
  // once, without adding them again.
  inputs() { return [...this.#inputs]; }

  // Keeps `input` (a line ending in "\n", a partial line, or "" for the end
  // of input); written within kWriteDelay or on flush().
  add(input) {
    if (!this.available) return;
    this.#length += input.length;
    if (this.#length > kKeptBound) {
      this.#full = true;
      this.#inputs = [];
      this.#write(null);
      return;
    }
    this.#inputs.push(input);
    this.#timer ??= setTimeout(() => this.flush(), kWriteDelay);
  }

  // Writes the inputs not yet written, at once; the page calls it on
  // 'pagehide' and when the tab is hidden, so that a reload loses none.
  flush() {
    if (this.#timer !== null) {
      this.#write({ version: kVersion, inputs: this.#inputs });
    }
  }

  // Forgets the run, as a fresh run does: nothing is kept until the next add.
  forget() {
    this.#inputs = [];
    this.#length = 0;
    this.#full = false;
    if (this.#storage) this.#write(null);
  }

  // Stores `record`, or removes it where null. A storage that refuses keeps
  // nothing more, nor the older record, which would replay a run cut short.
  #write(record) {
    clearTimeout(this.#timer);
    this.#timer = null;
    try {
      if (record) this.#storage.setItem(kKey, JSON.stringify(record));
      else this.#storage.removeItem(kKey);
    } catch {
      try { this.#storage.removeItem(kKey); } catch { /* keeps nothing */ }
      this.#storage = null;
    }
  }
}
