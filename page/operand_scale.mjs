// How a figure keeps every vector visible at one honest scale. The figure
// itself never changes its scale; instead:
// - a vector that would lie along one drawn before it (nearly the same
//   direction, on the same line, overlapping it) is drawn beside it, moved
//   sideways by a gap, as a road's lanes run side by side;
// - vectors that would be drawn shorter than kShortest pixels are drawn
//   again in an inset in a corner, from an origin of their own, at a round
//   multiple of the figure's scale that the inset names ("x 500").
// Pure arithmetic on pixel positions and lengths.
export const kShortest = 24;
export const kLaneGap = 9;

const Minus = (a, b) => [a[0] - b[0], a[1] - b[1]];
const Dot = (a, b) => a[0] * b[0] + a[1] * b[1];

// Whether the segment `[a0, a1]` lies along `[b0, b1]`: both ends within
// 6 pixels of b's line (where their strokes and heads would touch) and the
// two overlapping by more than 4 pixels.
function LiesAlong([a0, a1], [b0, b1]) {
  const along = Minus(b1, b0);
  const length = Math.hypot(...along);
  if (length < 1 || Math.hypot(...Minus(a1, a0)) < 1) return false;
  const unit = [along[0] / length, along[1] / length];
  const across = (p) => Math.abs(Minus(p, b0)[0] * unit[1] -
    Minus(p, b0)[1] * unit[0]);
  if (across(a0) > 6 || across(a1) > 6) return false;
  const [s0, s1] = [Dot(Minus(a0, b0), unit), Dot(Minus(a1, b0), unit)];
  return Math.min(Math.max(s0, s1), length) - Math.max(Math.min(s0, s1), 0) > 4;
}

// The sideways shift of each of `segments` (pairs of pixel points, in the
// order drawn): none for the first along a line, one lane more for each
// earlier one it lies along, always to the same side of the line.
export function Lanes(segments) {
  return segments.map((segment, index) => {
    const lane = segments.slice(0, index)
      .filter((earlier) => LiesAlong(segment, earlier)).length;
    if (lane === 0) return [0, 0];
    let [dx, dy] = Minus(segment[1], segment[0]);
    if (dx < 0 || (dx === 0 && dy < 0)) [dx, dy] = [-dx, -dy];
    const length = Math.hypot(dx, dy);
    return [(-dy / length) * lane * kLaneGap, (dx / length) * lane * kLaneGap];
  });
}

// The factors an inset enlarges by: these times a power of ten.
const kRoundFactors = [1, 1.5, 2, 2.5, 3, 4, 5, 6, 8];

// The largest round factor not above `limit`, and the least not below.
function RoundDown(limit) {
  const power = 10 ** Math.floor(Math.log10(limit));
  return power * kRoundFactors.findLast((m) => m * power <= limit);
}
function RoundUp(limit) {
  const power = 10 ** Math.floor(Math.log10(limit));
  return power * (kRoundFactors.find((m) => m * power >= limit) ?? 10);
}

// The inset for vectors of drawn `lengths` (pixels, at the figure's
// scale): which of them it shows (those shorter than kShortest, zero
// vectors aside, as a point has no length to show), its side, from
// `smallest` to `largest`, and the round factor, at least 1.5, by which it
// enlarges them: the least that makes the shortest kShortest long where
// the inset can hold the longest, from its middle, within 40% of its side;
// null when every vector is long enough, or so short that no factor shows
// it (a length of a few hundred powers of ten below a pixel).
export function InsetFor(lengths, smallest, largest) {
  const shown = lengths.map((length) => length > 0 && length < kShortest);
  if (!shown.includes(true)) return null;
  const drawn = lengths.filter((_, i) => shown[i]);
  const [shortest, longest] = [Math.min(...drawn), Math.max(...drawn)];
  const enough = RoundUp(kShortest / shortest);
  const side = Math.ceil(Math.min(largest,
    Math.max(smallest, (longest * enough) / 0.4)));
  const limit = (0.4 * side) / longest;
  const factor = Math.max(1.5, enough <= limit ? enough : RoundDown(limit));
  return Number.isFinite(factor) ? { shown, side, factor } : null;
}
