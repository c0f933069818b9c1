// The figures of the two-dimensional exercises: a view that fits every
// point of the figure at one scale for both axes, a grid of round values,
// and what each exercise draws on it. The strokes are drawn first and the
// labels then placed where they cover none of them; vectors along one
// another go side by side, and the short ones again in an inset
// (operand_scale.mjs).
import { Coordinates, RoundStep, TickText, Ticks } from './figure_numbers.mjs';
import {
  Arrow, DataOf, GridLines, Insets, LabelBeyond, Line, Svg, TickLabel,
  kColors,
} from './figure_svg.mjs';
import { View2d, kBottom, kEdge, kLeft } from './figure_views.mjs';
import {
  LabelPlacer, LabelSize, Within, kFontSize,
} from './label_placement.mjs';
import { Lanes } from './operand_scale.mjs';

const kOrigin = { texts: ['0', '0'], at: [0, 0] };

const GridStep = (view) => RoundStep(Math.max(view.high[0] - view.low[0],
  view.high[1] - view.low[1]), 6);

// The view of `points` in a `size` square, with room on the left for the
// widest of its y tick values.
function FittedView(points, size) {
  const first = View2d(points, size);
  const widest = Math.max(...Ticks(first.low[1], first.high[1],
    GridStep(first)).map((y) =>
    LabelSize([TickText(y)], kFontSize.tick).width));
  return View2d(points, size, Math.max(kLeft, widest + 8));
}

// Light lines at round values and the axes where they are in view, as
// pairs of ends and a colour, drawn once the labels are placed; the tick
// values go left and below, where they keep clear of the labels, the
// origin's first.
function Grid(view, size) {
  const step = GridStep(view);
  const { plot } = view;
  const lines = [];
  const ticks = [];
  for (const x of Ticks(view.low[0], view.high[0], step)) {
    const [px] = view.ToPixels([x, 0]);
    lines.push([[px, kEdge], [px, size - kBottom],
      x === 0 ? kColors.axis : kColors.grid]);
    ticks.push([x, () => TickLabel(view.labels,
      (w, h) => [[px - w / 2, size - h - 1]], TickText(x))]);
  }
  for (const y of Ticks(view.low[1], view.high[1], step)) {
    const [, py] = view.ToPixels([0, y]);
    lines.push([[plot.left, py], [size - kEdge, py],
      y === 0 ? kColors.axis : kColors.grid]);
    ticks.push([y, () => TickLabel(view.labels,
      (w, h) => [[plot.left - 4 - w, py - h / 2]], TickText(y))]);
  }
  const Place = (zero) => ticks.filter(([value]) => (value === 0) === zero)
    .map(([, tick]) => tick());
  return [lines, Place];
}

// An arrow from `from` to `to` (world points), moved beside any drawn
// before it that it would lie along; gives the arrow and its pixel ends.
function LaneArrow(view, from, to, color, options = {}) {
  const ends = [view.ToPixels(from), view.ToPixels(to)];
  view.segments.push(ends);
  const [dx, dy] = Lanes(view.segments).at(-1);
  const [start, tip] = ends.map(([x, y]) => [x + dx, y + dy]);
  return [Arrow(start, tip, color, { ...options, placer: view.labels }),
    start, tip];
}

// A vector from the origin, labelled with its name and its coordinates as
// printed beyond its tip, once every stroke is drawn. A vector too short
// to see is drawn again in the inset.
function VectorShape(view, role, value, name) {
  const [arrow, start, tip] = LaneArrow(view, kOrigin.at, value.at,
    kColors[role]);
  const group = Svg('g', DataOf(role, value), [arrow]);
  view.vectors.push({ role, name, value, from: start, to: tip });
  view.later(() => group.append(LabelBeyond(view.labels, start, tip,
    [name, Coordinates(value)], kColors[role])));
  return group;
}

function PointShape(view, role, value, name, extra = {}) {
  const at = view.ToPixels(value.at);
  view.labels.avoidBox(at[0] - 4, at[1] - 4, 8, 8);
  const group = Svg('g', { ...DataOf(role, value), ...extra }, [
    Svg('circle', { cx: at[0], cy: at[1], r: 4, fill: kColors[role] })]);
  view.later(() => group.append(LabelBeyond(view.labels,
    view.ToPixels(kOrigin.at), at, [name, Coordinates(value)],
    kColors[role])));
  return group;
}

// A scalar result: its text near `at`, away from `from`, placed once every
// stroke is drawn; its printed number in data-value.
function ScalarLabel(view, from, at, text, scalar) {
  const group = Svg('g', {});
  view.later(() => group.append(LabelBeyond(view.labels, from, at, text,
    kColors.result, { 'data-role': 'result',
      'data-value': scalar.texts[0] })));
  return group;
}

// A line that labels keep off.
function Stroke(view, a, b, color, extra = {}) {
  view.labels.avoidSegment(a, b);
  return Line(a, b, color, extra);
}

// The arc of the angle from a's direction to b's, the short way round, at a
// radius that fits the shorter vector, and the angle's value beside it.
function AngleArc(view, f) {
  const origin = view.ToPixels([0, 0]);
  const directions = [f.first, f.second].map((v) => {
    const [x, y] = view.ToPixels(v.at);
    return Math.atan2(y - origin[1], x - origin[0]);
  });
  const radius = Math.max(16, Math.min(60, ...[f.first, f.second].map(
    (v) => Math.hypot(v.at[0], v.at[1]) * view.scale * 0.4)));
  let sweep = directions[1] - directions[0];
  if (sweep > Math.PI) sweep -= 2 * Math.PI;
  if (sweep < -Math.PI) sweep += 2 * Math.PI;
  const point = (angle, r = radius) =>
    [origin[0] + r * Math.cos(angle), origin[1] + r * Math.sin(angle)];
  const [start, end] = [point(directions[0]), point(directions[0] + sweep)];
  const path = `M ${start.join(' ')} A ${radius} ${radius} 0 0 ` +
    `${sweep > 0 ? 1 : 0} ${end.join(' ')}`;
  for (let k = 0; k < 8; ++k) {
    view.labels.avoidSegment(point(directions[0] + (sweep * k) / 8),
      point(directions[0] + (sweep * (k + 1)) / 8));
  }
  const middle = point(directions[0] + sweep / 2);
  return [
    Svg('path', { d: path, fill: 'none', stroke: kColors.result,
      'stroke-width': 1.5 }),
    ScalarLabel(view, origin, middle, `${f.result.texts[0]} rad`, f.result),
  ];
}

// The middle of the segment from a to b (in pixels), and a point beside
// it on the side that is up on the screen: where a label of the segment
// goes from.
function BesideMiddle(a, b) {
  const [dx, dy] = [b[0] - a[0], b[1] - a[1]];
  const length = Math.hypot(dx, dy) || 1;
  const side = dx > 0 ? 1 : -1;
  const middle = [(a[0] + b[0]) / 2, (a[1] + b[1]) / 2];
  return [middle, [middle[0] + (side * dy) / length,
    middle[1] - (side * dx) / length]];
}

// Each exercise: the points its view must hold, and its shapes on a view.
const kExercises = {
  VectorAddition: (f) => [[kOrigin, f.first, f.second, f.result], (view) => [
    VectorShape(view, 'first', f.first, 'a'),
    VectorShape(view, 'second', f.second, 'b'),
    LaneArrow(view, f.first.at, f.result.at, kColors.second,
      { dashed: true })[0],
    VectorShape(view, 'result', f.result, 'a + b'),
  ]],
  VectorSub: (f) => [[kOrigin, f.first, f.second, f.result], (view) => [
    VectorShape(view, 'first', f.first, 'a'),
    VectorShape(view, 'second', f.second, 'b'),
    LaneArrow(view, f.second.at, f.first.at, kColors.result,
      { dashed: true })[0],
    VectorShape(view, 'result', f.result, 'a \u2212 b'),
  ]],
  Distance: (f) => [[f.first, f.second], (view) => {
    const [a, b] = [view.ToPixels(f.first.at), view.ToPixels(f.second.at)];
    return [
      Stroke(view, a, b, kColors.result, { 'stroke-width': 2 }),
      PointShape(view, 'first', f.first, 'a'),
      PointShape(view, 'second', f.second, 'b'),
      ScalarLabel(view, ...BesideMiddle(a, b),
        `distance ${f.result.texts[0]}`, f.result),
    ];
  }],
  Magniute: (f) => [[kOrigin, f.first], (view) => [
    VectorShape(view, 'first', f.first, 'a'),
    ScalarLabel(view, ...BesideMiddle(view.ToPixels(kOrigin.at),
      view.ToPixels(f.first.at)), `|a| = ${f.result.texts[0]}`, f.result),
  ]],
  LinInter: (f) => [[f.first, f.second, f.result], (view) => {
    const [a, b] = [view.ToPixels(f.first.at), view.ToPixels(f.second.at)];
    const [dx, dy] = [b[0] - a[0], b[1] - a[1]];
    const reach = (2 * view.size) / (Math.hypot(dx, dy) || 1);
    const { left, top, right, bottom } = view.plot;
    // The line through a and b, as far as the plot, clear of the tick
    // values around it.
    const line = Within([[a[0] - dx * reach, a[1] - dy * reach],
      [b[0] + dx * reach, b[1] + dy * reach]],
    { left, top, width: right - left, height: bottom - top }) ?? [a, b];
    return [
      Stroke(view, ...line, kColors.axis, { 'stroke-dasharray': '4 4' }),
      Line(a, b, kColors.tick, { 'stroke-width': 2 }),
      PointShape(view, 'first', f.first, 'a (t = 0)'),
      PointShape(view, 'second', f.second, 'b (t = 1)'),
      PointShape(view, 'result', f.result, `t = ${f.parameter.texts[0]}`,
        { 'data-t': f.parameter.texts[0] }),
    ];
  }],
  Dot: (f) => [[kOrigin, f.first, f.second], (view) => [
    VectorShape(view, 'first', f.first, 'a'),
    VectorShape(view, 'second', f.second, 'b'),
    ...AngleArc(view, f),
  ]],
  Normalize: (f) => [[kOrigin, f.first, { at: [1, 1] }, { at: [-1, -1] }],
    (view) => {
      const [cx, cy] = view.ToPixels([0, 0]);
      return [
        Svg('circle', { cx, cy, r: view.scale, fill: 'none',
          stroke: kColors.tick, 'stroke-dasharray': '3 3' }),
        VectorShape(view, 'first', f.first, 'a'),
        VectorShape(view, 'result', f.result, 'â'),
      ];
    }],
};

// The figure's shapes on a grid in a `size` square, for the exercises
// above; null for any other. The origin's tick values are placed first,
// then the labels in the order drawn, then the other tick values where
// room is left, and last the grid, around them all.
export function Draw2d(figure, size) {
  const exercise = kExercises[figure.exercise];
  if (!exercise) return null;
  const [extent, draw] = exercise(figure);
  const pending = [];
  const view = { ...FittedView(extent.map((value) => value.at), size), size,
    labels: new LabelPlacer(size), segments: [], vectors: [],
    later: (place) => pending.push(place) };
  const [lines, PlaceTicks] = Grid(view, size);
  const shapes = draw(view);
  const zeros = PlaceTicks(true);
  const insets = Insets(view.vectors, view.plot, view.labels);
  for (const place of pending) place();
  const ticks = [...zeros, ...PlaceTicks(false)].filter((tick) => tick);
  return [...GridLines(lines, view.labels), ...insets, ...shapes, ...ticks];
}
