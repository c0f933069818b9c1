// The figures of the two-dimensional exercises: a view that fits every
// point of the figure at one scale for both axes, a grid of round values,
// and what each exercise draws on it.
import { Coordinates, RoundStep, TickText, Ticks } from './figure_numbers.mjs';
import {
  Arrow, DataOf, Label, LabelBeyond, Line, Svg, kColors, kSize,
} from './figure_svg.mjs';
import { View2d, kBottom, kEdge, kLeft } from './figure_views.mjs';
import { LabelPlacer } from './label_placement.mjs';

const kOrigin = { texts: ['0', '0'], at: [0, 0] };

// Light lines at round values, labelled left and below, and the axes where
// they are in view.
function Grid(view) {
  const step = RoundStep(Math.max(view.high[0] - view.low[0],
    view.high[1] - view.low[1]), 6);
  const parts = [];
  for (const x of Ticks(view.low[0], view.high[0], step)) {
    const [px] = view.ToPixels([x, 0]);
    parts.push(Line([px, kEdge], [px, kSize - kBottom],
      x === 0 ? kColors.axis : kColors.grid));
    parts.push(Label([px, kSize - 6], TickText(x), kColors.tick,
      { 'text-anchor': 'middle', 'font-size': 10 }));
  }
  for (const y of Ticks(view.low[1], view.high[1], step)) {
    const [, py] = view.ToPixels([0, y]);
    parts.push(Line([kLeft, py], [kSize - kEdge, py],
      y === 0 ? kColors.axis : kColors.grid));
    parts.push(Label([kLeft - 4, py + 3], TickText(y), kColors.tick,
      { 'text-anchor': 'end', 'font-size': 10 }));
  }
  return parts;
}

// A vector from the origin, labelled with its name and its coordinates as
// printed: beyond its tip, or beside it (`aside`) where another line goes
// on from the tip; on the side away from `awayFrom`'s direction, if given.
function VectorShape(view, role, value, name,
  { aside = false, awayFrom = null } = {}) {
  const start = view.ToPixels(kOrigin.at);
  const tip = view.ToPixels(value.at);
  let [dx, dy] = [tip[0] - start[0], tip[1] - start[1]];
  if (awayFrom) {
    const away = view.ToPixels(awayFrom.at);
    const towards = (away[0] - start[0]) * dy - (away[1] - start[1]) * dx;
    if (towards < 0) [dx, dy] = [-dx, -dy];
  }
  const labelFrom = aside ? [tip[0] + dy, tip[1] - dx] : start;
  return Svg('g', DataOf(role, value), [
    Arrow(start, tip, kColors[role]),
    LabelBeyond(view.labels, labelFrom, tip, [name, Coordinates(value)],
      kColors[role]),
  ]);
}

function PointShape(view, role, value, name, extra = {}) {
  const at = view.ToPixels(value.at);
  return Svg('g', { ...DataOf(role, value), ...extra }, [
    Svg('circle', { cx: at[0], cy: at[1], r: 4, fill: kColors[role] }),
    LabelBeyond(view.labels, view.ToPixels(kOrigin.at), at,
      [name, Coordinates(value)], kColors[role]),
  ]);
}

// A scalar result: its text on the drawing, its printed number in
// data-value.
function ScalarLabel(at, text, scalar, extra = {}) {
  return Label(at, text, kColors.result, {
    'data-role': 'result', 'data-value': scalar.texts[0],
    'text-anchor': 'middle', ...extra,
  });
}

// The arc of the angle from a's direction to b's, the short way round, at a
// radius that fits the shorter vector.
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
  const middle = point(directions[0] + sweep / 2, radius + 14);
  return [
    Svg('path', { d: path, fill: 'none', stroke: kColors.result,
      'stroke-width': 1.5 }),
    ScalarLabel([middle[0], middle[1] + 4], `${f.result.texts[0]} rad`,
      f.result),
  ];
}

// The middle of the segment from a to b (in pixels), moved 12 pixels to
// the side that is up on the screen, for a label that keeps off the line.
function BesideMiddle(a, b) {
  const [dx, dy] = [b[0] - a[0], b[1] - a[1]];
  const length = Math.hypot(dx, dy) || 1;
  const side = dx > 0 ? 1 : -1;
  return [(a[0] + b[0]) / 2 + (side * 12 * dy) / length,
    (a[1] + b[1]) / 2 - (side * 12 * dx) / length];
}

// Each exercise: the points its view must hold, and its shapes on a view.
const kExercises = {
  VectorAddition: (f) => [[kOrigin, f.first, f.second, f.result], (view) => [
    VectorShape(view, 'first', f.first, 'a',
      { aside: true, awayFrom: f.second }),
    VectorShape(view, 'second', f.second, 'b'),
    Arrow(view.ToPixels(f.first.at), view.ToPixels(f.result.at),
      kColors.second, { dashed: true }),
    VectorShape(view, 'result', f.result, 'a + b'),
  ]],
  VectorSub: (f) => [[kOrigin, f.first, f.second, f.result], (view) => [
    VectorShape(view, 'first', f.first, 'a'),
    VectorShape(view, 'second', f.second, 'b'),
    Arrow(view.ToPixels(f.second.at), view.ToPixels(f.first.at),
      kColors.result, { dashed: true }),
    VectorShape(view, 'result', f.result, 'a \u2212 b'),
  ]],
  Distance: (f) => [[f.first, f.second], (view) => {
    const [a, b] = [view.ToPixels(f.first.at), view.ToPixels(f.second.at)];
    return [
      Line(a, b, kColors.result, { 'stroke-width': 2 }),
      ScalarLabel(BesideMiddle(a, b), `distance ${f.result.texts[0]}`,
        f.result),
      PointShape(view, 'first', f.first, 'a'),
      PointShape(view, 'second', f.second, 'b'),
    ];
  }],
  Magniute: (f) => [[kOrigin, f.first], (view) => [
    VectorShape(view, 'first', f.first, 'v'),
    ScalarLabel(BesideMiddle(view.ToPixels(kOrigin.at),
      view.ToPixels(f.first.at)), `|v| = ${f.result.texts[0]}`, f.result),
  ]],
  LinInter: (f) => [[f.first, f.second, f.result], (view) => {
    const [a, b] = [view.ToPixels(f.first.at), view.ToPixels(f.second.at)];
    const [dx, dy] = [b[0] - a[0], b[1] - a[1]];
    const reach = (2 * kSize) / (Math.hypot(dx, dy) || 1);
    return [
      Line([a[0] - dx * reach, a[1] - dy * reach],
        [b[0] + dx * reach, b[1] + dy * reach], kColors.axis,
        { 'stroke-dasharray': '4 4' }),
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
        VectorShape(view, 'first', f.first, 'v'),
        VectorShape(view, 'result', f.result, 'v / |v|', { aside: true }),
      ];
    }],
};

// The figure's shapes on a grid, for the exercises above; null for any
// other.
export function Draw2d(figure) {
  const exercise = kExercises[figure.exercise];
  if (!exercise) return null;
  const [extent, draw] = exercise(figure);
  const view = { ...View2d(extent.map((value) => value.at), kSize),
    labels: new LabelPlacer(kSize) };
  return [...Grid(view), ...draw(view)];
}
