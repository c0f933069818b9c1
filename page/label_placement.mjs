// Where a figure's labels go: beside a tip, on the side the arrow points to,
// kept inside the drawing and off the labels placed before it. A
// LabelPlacer holds the boxes of one figure's labels, so each drawing
// starts with a new one.

// The size of a label of `lines` in the 11-unit sans-serif font: the width
// is a guess from the longest line.
export function LabelSize(lines) {
  return {
    width: Math.max(...lines.map((line) => line.length)) * 6.2,
    height: lines.length * 13,
  };
}

export class LabelPlacer {
  #size;
  #placed = [];

  // `size` is the drawing's width and height, in its own units.
  constructor(size) {
    this.#size = size;
  }

  // The top left corner of a box of `width` and `height` beside the tip
  // `to` of an arrow from `from`, on the side the arrow points to (right or
  // left, above or below); moved inside the drawing where it would leave
  // it, and up or down where it would cover an earlier label. The box is
  // then taken.
  beyond(from, to, width, height) {
    const left = to[0] < from[0] ? to[0] - 6 - width : to[0] + 6;
    const top = to[1] < from[1] ? to[1] - 4 - height : to[1] + 4;
    const x = Math.min(Math.max(left, 2), this.#size - 2 - width);
    const y = this.#freeTop(x,
      Math.min(Math.max(top, 2), this.#size - 2 - height), width, height);
    this.#placed.push({ left: x, top: y, width, height });
    return [x, y];
  }

  // The top nearest to `top` at which a box of this size overlaps no label
  // placed before, within the drawing.
  #freeTop(left, top, width, height) {
    const overlaps = (y) => this.#placed.some((box) =>
      left < box.left + box.width && box.left < left + width &&
      y < box.top + box.height && box.top < y + height);
    for (let shift = 0; shift < this.#size; shift += 13) {
      for (const y of [top + shift, top - shift]) {
        if (y >= 2 && y <= this.#size - 2 - height && !overlaps(y)) return y;
      }
    }
    return top;
  }
}
