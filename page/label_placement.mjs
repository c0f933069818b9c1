// Where a figure's texts go: each label in the first free place of those
// it would like, near what it names, inside the drawing and off the texts,
// arrowheads, dots and vector strokes placed before it. A LabelPlacer holds
// what one drawing has placed, so each drawing starts with a new one.
// Positions and sizes are in the drawing's units, which are CSS pixels.

// The font sizes of the figures' texts, never under 12 px on any screen.
export const kFontSize = { label: 13, tick: 12, axis: 14 };

// The widths of characters in the sans-serif font, as parts of its size:
// the widest digits and letters, the narrow punctuation, the wide signs.
const kNarrow = new Set([...' ()[],.:;|-!ijlt']);
const kWide = new Set([...'\u00d7\u2212mwMW']);
const CharacterWidth = (character) =>
  kNarrow.has(character) ? 0.42 : kWide.has(character) ? 0.9 : 0.66;

// The box a label of `lines` takes at `fontSize`, a little larger than the
// font draws it: the longest line's width, and the rows one under another.
export function LabelSize(lines, fontSize = kFontSize.label) {
  const widths = [lines].flat().map((line) =>
    [...line].reduce((sum, c) => sum + CharacterWidth(c), 0));
  return {
    width: Math.ceil(Math.max(...widths) * fontSize) + 2,
    height: Math.ceil((1.2 + 1.15 * ([lines].flat().length - 1)) * fontSize),
  };
}

const Overlap = (a, b) =>
  a.left < b.left + b.width && b.left < a.left + a.width &&
  a.top < b.top + b.height && b.top < a.top + a.height;

// The part [low, high] of the parameter range `range` in which start +
// t * delta lies strictly between min and max; empty when low >= high.
function Clip(range, start, delta, min, max) {
  if (delta === 0) {
    if (start <= min || start >= max) range[1] = range[0];
    return;
  }
  const [t1, t2] = [(min - start) / delta, (max - start) / delta];
  range[0] = Math.max(range[0], Math.min(t1, t2));
  range[1] = Math.min(range[1], Math.max(t1, t2));
}

// Whether the segment from `a` to `b` passes through `box`, by clipping
// it to the box's columns, then its rows. Placing a label asks this of
// every stroke for every place it tries, so it makes no garbage beyond
// one pair.
export function SegmentCrosses(box, [a, b]) {
  const range = [0, 1];
  Clip(range, a[0], b[0] - a[0], box.left, box.left + box.width);
  if (range[0] < range[1]) {
    Clip(range, a[1], b[1] - a[1], box.top, box.top + box.height);
  }
  return range[0] < range[1];
}

// The parts of the segment from `a` to `b` that lie within `box`, and that
// lie outside every one of `boxes` (each widened by the gap kept around a
// label): a line kept inside the drawing, and a grid line that never runs
// through a label.
export function Within([a, b], box) {
  const range = [0, 1];
  Clip(range, a[0], b[0] - a[0], box.left, box.left + box.width);
  Clip(range, a[1], b[1] - a[1], box.top, box.top + box.height);
  return range[0] < range[1] ? [Along(a, b, range[0]), Along(a, b, range[1])]
    : null;
}
export function Uncovered([a, b], boxes) {
  let pieces = [[0, 1]];
  for (const box of boxes) {
    const range = [0, 1];
    Clip(range, a[0], b[0] - a[0], box.left - kGap,
      box.left + box.width + kGap);
    Clip(range, a[1], b[1] - a[1], box.top - kGap,
      box.top + box.height + kGap);
    if (range[0] >= range[1]) continue;
    pieces = pieces.flatMap(([low, high]) => [[low, Math.min(high, range[0])],
      [Math.max(low, range[1]), high]]).filter(([low, high]) => low < high);
  }
  return pieces.map(([low, high]) => [Along(a, b, low), Along(a, b, high)]);
}

const Along = (a, b, t) => [a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])];

// The gap kept between a label and anything else.
const kGap = 2;

export class LabelPlacer {
  #size;
  #boxes = [];
  #labels = [];
  #insets = [];
  #segments = [];
  #probe = {};

  // `size` is the drawing's width and height.
  constructor(size) {
    this.#size = size;
  }

  // Keeps labels off the segment from `a` to `b` (a stroke) or off a box
  // (an arrowhead, a dot, an inset).
  avoidSegment(a, b) { this.#segments.push([a, b]); }
  avoidBox(left, top, width, height) {
    this.#boxes.push({ left, top, width, height });
  }

  // Whether a box of this size at `left`, `top` is inside the drawing and
  // clear of everything placed and avoided.
  isFree(left, top, width, height) {
    if (left < 1 || top < 1 || left + width > this.#size - 1 ||
      top + height > this.#size - 1) return false;
    const box = this.#probe;
    box.left = left - kGap;
    box.top = top - kGap;
    box.width = width + 2 * kGap;
    box.height = height + 2 * kGap;
    for (const other of this.#boxes) if (Overlap(box, other)) return false;
    for (const segment of this.#segments) {
      if (SegmentCrosses(box, segment)) return false;
    }
    return true;
  }

  // The strokes and boxes avoided so far that meet a box of this size at
  // `left`, `top`: what an inset there would lie over.
  within(left, top, width, height) {
    const box = { left, top, width, height };
    return {
      segments: this.#segments.filter((s) => SegmentCrosses(box, s)),
      boxes: this.#boxes.filter((other) => Overlap(box, other)),
    };
  }

  // Keeps labels off an inset, which the grid is drawn around too.
  avoidInset(left, top, width, height) {
    this.avoidBox(left, top, width, height);
    this.#insets.push({ left, top, width, height });
  }

  // The boxes of the labels placed so far, and of the insets.
  get labels() { return this.#labels; }
  get insets() { return this.#insets; }

  // Takes the first free place of `corners` (top left corners, any
  // iterable, read only as far as the first free one) for a label of this
  // size and gives it, or null where none is free.
  take(corners, width, height) {
    for (const corner of corners) {
      if (this.isFree(corner[0], corner[1], width, height)) {
        this.#label(corner[0], corner[1], width, height);
        return corner;
      }
    }
    return null;
  }

  #label(left, top, width, height) {
    this.avoidBox(left, top, width, height);
    this.#labels.push({ left, top, width, height });
  }

  // The top left corner of a box of `width` and `height` beside the point
  // `to`, on the side away from `from` if it can (beyond an arrow's tip),
  // else the free place nearest to it, rings farther and farther out; where
  // the drawing is full, the first place tried, kept inside the drawing.
  beyond(from, to, width, height) {
    const place = this.take(Around(from, to, width, height, this.#size),
      width, height);
    if (place) return place;
    const [x, y] = Around(from, to, width, height, this.#size).next().value;
    const inside = [Clamp(x, 1, this.#size - 1 - width),
      Clamp(y, 1, this.#size - 1 - height)];
    this.#label(...inside, width, height);
    return inside;
  }
}

const Clamp = (value, low, high) => Math.min(Math.max(value, low), high);

// The top left corners of a box of `width` and `height` around the point
// `to`: first in the direction from `from` to `to`, then turning both ways
// round it, on rings farther and farther out.
export function* Around(from, to, width, height, size) {
  const heading = Math.atan2(to[1] - from[1], to[0] - from[0]) || 0;
  for (let ring = 6; ring < size; ring += ring < 30 ? 8 : 16) {
    for (let turn = 0; turn <= 8; ++turn) {
      for (const sign of turn === 0 || turn === 8 ? [1] : [1, -1]) {
        const angle = heading + (sign * turn * Math.PI) / 8;
        const [cx, cy] = [Math.cos(angle), Math.sin(angle)];
        // The box's side or corner nearest `to` is `ring` away from it.
        yield [to[0] + cx * ring + (cx - 1) * width / 2,
          to[1] + cy * ring + (cy - 1) * height / 2];
      }
    }
  }
}
