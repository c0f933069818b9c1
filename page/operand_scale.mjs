// How a figure keeps every vector visible at one honest scale. The figure
// itself never changes its scale; instead:
// - a vector that would lie along one drawn before it (nearly the same
//   direction, on the same line, overlapping it) is drawn beside it, moved
//   sideways by a gap, as a road's lanes run side by side;
// - vectors that would be drawn shorter than kShortest pixels are drawn
//   again in an inset in a corner, from an origin of their own, at a round
//   multiple of the figure's scale that the inset names ("x 500"); those
//   too far apart in length for one factor, in an inset each.
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
// scale; a pair [shortest, longest] for points shown together, a
// triangle's corners seen from its middle): which of them it shows, its
// side, from `smallest` to `largest`, and the round factor, at least 1.5,
// by which it enlarges them. It is the inset of the shortest (zero
// vectors aside, as a point has no length to show): the least round factor
// that makes it kShortest long (for a pair, as far as its longest stays
// within 40% of the largest side), and every other shorter than kShortest
// that this factor keeps within 40% of the largest side from the inset's
// middle, so that each shows at least kShortest long; the others are left
// for an inset of their own. Null when every vector is long enough, or so
// short that no factor shows it (a length of a few hundred powers of ten
// below a pixel).
export function InsetFor(lengths, smallest, largest) {
  const reach = 0.4 * largest;
  const spans = lengths.map((length) => [length].flat());
  const factors = spans.map(([shortest, longest = shortest]) =>
    (shortest > 0 && shortest < kShortest
      ? Math.min(RoundUp(kShortest / shortest), RoundDown(reach / longest))
      : 0));
  const factor = Math.max(0, ...factors.filter((f) => f >= 1.5 &&
    Number.isFinite(f)));
  if (factor === 0) return null;
  const shown = spans.map(([shortest, longest = shortest], i) =>
    factors[i] > 0 && (factors[i] === factor ||
      (shortest * factor >= kShortest && longest * factor <= reach)));
  const longest = Math.max(...spans.filter((_, i) => shown[i])
    .map((span) => span.at(-1)));
  const side = Math.ceil(Math.min(largest,
    Math.max(smallest, (longest * factor) / 0.4)));
  return { shown, side, factor };
}

const Length = ({ from, to }) => Math.hypot(to[0] - from[0], to[1] - from[1]);

// The insets of `vectors` ({ from, to } in pixels; with `point`, a corner
// of a triangle seen from its middle): InsetFor's, one after another on
// those left, a triangle's corners all in one or in none, each with the
// `largest` side it may grow to; with more than one, each at most 48% of
// `span`, the plot's side, so that two fit side by side.
export function InsetGroups(vectors, span) {
  const groups = InsetsUpTo(vectors, 0.56 * span);
  return groups.length < 2 ? groups : InsetsUpTo(vectors, 0.48 * span);
}

function InsetsUpTo(vectors, largest) {
  const points = vectors.flatMap((vector, i) => (vector.point ? [i] : []));
  const distances = points.map((i) => Length(vectors[i]));
  let lengths = vectors.map((vector, i) => (!vector.point ? Length(vector)
    : i === points[0] ? [Math.min(...distances), Math.max(...distances)]
      : 0));
  const groups = [];
  for (let inset; (inset = InsetFor(lengths, 104, largest));) {
    const shown = inset.shown.map((show, i) =>
      show || Boolean(vectors[i].point && inset.shown[points[0]]));
    groups.push({ ...inset, shown, largest });
    lengths = lengths.map((length, i) => (shown[i] ? 0 : length));
  }
  return groups;
}
