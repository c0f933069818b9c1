// The lines sent from the answer line, for Up and Down to bring back, as a
// shell's history does: Up goes back a line at a time from the newest, Down
// forward again, and past the newest gives back what was being typed.

export class LineHistory {
  #lines = [];
  // Where Up and Down have got to: #lines.length is the line being typed.
  #at = 0;
  #typing = '';

  // A line sent; an empty line, or one the same as the last, is not kept.
  add(line) {
    if (line !== '' && line !== this.#lines.at(-1)) this.#lines.push(line);
    this.#at = this.#lines.length;
    this.#typing = '';
  }

  // The line before the one shown, or null at the oldest; `typing` is what
  // the field holds, kept for Down to bring back.
  back(typing) {
    if (this.#at === 0) return null;
    if (this.#at === this.#lines.length) this.#typing = typing;
    return this.#lines[--this.#at];
  }

  // The line after the one shown, or null at the line being typed.
  forward() {
    if (this.#at === this.#lines.length) return null;
    ++this.#at;
    return this.#at === this.#lines.length ? this.#typing
      : this.#lines[this.#at];
  }
}
