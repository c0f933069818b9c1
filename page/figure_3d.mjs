// The figures of the three-dimensional exercises, in an oblique parallel
// view that the panel turns: the axes from -R to R with ticks on both
// halves, a grid of round values on the x-y plane, and what each exercise
// draws, with a thin line from each tip down to the grid and a foot there,
// so that its height and place can be read off. It opens in the view that
// foreshortens what it draws least; the scale is set by the farthest point
// from the origin (or R), so the figure stays in view however it is
// turned. Labels are placed once every stroke is drawn, the axis names
// next and the tick values beside their own axes where room is left, the
// ground grid last around them; vectors too short to see are drawn again
// in insets.
import { Coordinates, TickText, Ticks } from './figure_numbers.mjs';
import {
  Arrow, DataOf, GridLines, Insets, LabelBeyond, Line, Svg, TickLabel,
  kColors,
} from './figure_svg.mjs';
import { StartTurn, View3d } from './figure_views.mjs';
import {
  LabelPlacer, SegmentCrosses, kFontSize,
} from './label_placement.mjs';
import { Lanes } from './operand_scale.mjs';

const kOrigin = [0, 0, 0];
const kAxisNames = ['x', 'y', 'z'];
// How far from the origin a tick value must be, in pixels, where the axes
// crowd.
const kTickClearance = 24;

const AxisPoint = (axis, value) =>
  kOrigin.map((_, i) => (i === axis ? value : 0));

// The ground grid and the axes, as pairs of ends and a colour, and a mark
// at each tick, named by its axis, all drawn once the labels are placed;
// labels keep off the marks at the axes' ends, which show how far they
// run.
function Grid(view) {
  const { edge, ticks } = view;
  const lines = ticks.flatMap((value) => [
    [view.ToPixels([value, -edge, 0]), view.ToPixels([value, edge, 0]),
      kColors.grid],
    [view.ToPixels([-edge, value, 0]), view.ToPixels([edge, value, 0]),
      kColors.grid]]);
  const marks = [];
  for (const axis of [0, 1, 2]) {
    lines.push([...view.axes[axis], kColors.axis]);
    for (const value of ticks.filter((tick) => tick !== 0)) {
      const at = view.ToPixels(AxisPoint(axis, value));
      const end = Math.abs(value) === edge;
      if (end) view.labels.avoidBox(at[0] - 1.5, at[1] - 1.5, 3, 3);
      marks.push({ at, end, axis: kAxisNames[axis] });
    }
  }
  return [lines, marks];
}

// The tick marks to draw: all but those within a label, as a mark in a
// number could be read as its decimal point (none is at the axes' ends,
// which labels keep off).
const Marks = (marks, placer) => marks.filter(({ at: [x, y], end }) => end ||
  !placer.labels.some((box) => x > box.left - 3 && x < box.left +
    box.width + 3 && y > box.top - 3 && y < box.top + box.height + 3))
  .map(({ at: [cx, cy], axis }) => Svg('circle', { cx, cy, r: 1.5,
    fill: kColors.axis, 'data-axis': axis }));

// The place for a tick value's box of `width` and `height` beside its mark
// at `mark` on the axis from `center`: across the axis, on the side
// farther from the other axes (`others`, pairs of ends) at `middle`, the
// middle of that half of the axis, so that the values of one half go
// along one side of it; none where another axis crosses the box or comes
// nearer to it than its own, so that each value is read off its own axis.
function BesideMark(mark, center, middle, width, height, others) {
  const along = [mark[0] - center[0], mark[1] - center[1]];
  const length = Math.hypot(...along);
  const across = [-along[1] / length, along[0] / length];
  const reach = 3 + (width * Math.abs(across[0]) +
    height * Math.abs(across[1])) / 2;
  const Beside = (at, side) => [at[0] + side * across[0] * reach,
    at[1] + side * across[1] * reach];
  const Room = (at) => Math.min(...others.map((other) => Distance(at, other)));
  const side = Room(Beside(middle, 1)) >= Room(Beside(middle, -1)) ? 1 : -1;
  const [x, y] = Beside(mark, side);
  const box = { left: x - width / 2 - 2, top: y - height / 2 - 2,
    width: width + 4, height: height + 4 };
  // The origin's distance from the box.
  const away = Math.hypot(
    Math.max(box.left - center[0], 0, center[0] - box.left - box.width),
    Math.max(box.top - center[1], 0, center[1] - box.top - box.height));
  const clear = Room([x, y]) > reach + 8 && away > kTickClearance / 2 &&
    !others.some((other) => SegmentCrosses(box, other));
  return clear ? [[x - width / 2, y - height / 2]] : [];
}

// The distance from the point `p` to the segment from a to b.
function Distance(p, [a, b]) {
  const d = [b[0] - a[0], b[1] - a[1]];
  const t = Math.max(0, Math.min(1, ((p[0] - a[0]) * d[0] +
    (p[1] - a[1]) * d[1]) / (d[0] * d[0] + d[1] * d[1] || 1)));
  return Math.hypot(p[0] - a[0] - t * d[0], p[1] - a[1] - t * d[1]);
}

// The axis names beyond the axes' ends, then the tick values of both
// halves of each axis beside their marks, away from the origin, where
// they have room.
function AxisTexts(view) {
  const { edge, ticks } = view;
  const center = view.ToPixels(kOrigin);
  const texts = kAxisNames.map((name, axis) => LabelBeyond(view.labels,
    center, view.ToPixels(AxisPoint(axis, edge)), name, kColors.axisName,
    { 'font-weight': 'bold' }, kFontSize.axis));
  for (const axis of [0, 1, 2]) {
    const others = view.axes.filter((_, other) => other !== axis);
    for (const value of ticks) {
      const mark = view.ToPixels(AxisPoint(axis, value));
      if (Math.hypot(mark[0] - center[0], mark[1] - center[1]) <
        kTickClearance) continue;
      const middle = view.ToPixels(AxisPoint(axis, Math.sign(value) * edge /
        2));
      texts.push(TickLabel(view.labels,
        (w, h) => BesideMark(mark, center, middle, w, h, others),
        TickText(value), { 'data-axis': kAxisNames[axis] }));
    }
  }
  return texts.filter((text) => text);
}

// The thin line from a point down (or up) to the ground and its foot
// there: where its x and y are read off the grid, its z off the line.
function DropLine(view, at, color) {
  const [top, foot] = [view.ToPixels(at), view.ToPixels([at[0], at[1], 0])];
  view.labels.avoidSegment(top, foot);
  return Svg('g', { class: 'drop' }, [
    Line(top, foot, color, { 'stroke-dasharray': '2 3', 'stroke-width': 1 }),
    Svg('circle', { cx: foot[0], cy: foot[1], r: 2.5, fill: 'none',
      stroke: color, 'stroke-width': 1.5 })]);
}

const Plus = (a, b) => a.map((v, i) => v + b[i]);
const Minus = (a, b) => a.map((v, i) => v - b[i]);

function VectorShape(view, role, value, name, from = kOrigin) {
  const end = Plus(value.at, from);
  const ends = [view.ToPixels(from), view.ToPixels(end)];
  view.segments.push(ends);
  const [dx, dy] = Lanes(view.segments).at(-1);
  const [start, tip] = ends.map(([x, y]) => [x + dx, y + dy]);
  const group = Svg('g', DataOf(role, value), [
    DropLine(view, end, kColors[role]),
    Arrow(start, tip, kColors[role], { placer: view.labels })]);
  view.vectors.push({ role, name, value, from: start, to: tip });
  view.later(() => group.append(LabelBeyond(view.labels, start, tip,
    [name, Coordinates(value)], kColors[role])));
  return group;
}

// A point of a triangle whose middle is `center`.
function PointShape(view, role, value, name, center) {
  const at = view.ToPixels(value.at);
  view.labels.avoidBox(at[0] - 4, at[1] - 4, 8, 8);
  view.vectors.push({ role, name, value, from: view.ToPixels(center), to: at,
    point: true });
  const group = Svg('g', DataOf(role, value), [
    DropLine(view, value.at, kColors[role]),
    Svg('circle', { cx: at[0], cy: at[1], r: 4, fill: kColors[role] })]);
  view.later(() => group.append(LabelBeyond(view.labels,
    view.ToPixels(center), at, [name, Coordinates(value)], kColors[role])));
  return group;
}

function Polygon(view, corners, color) {
  return Svg('polygon', {
    points: corners.map((c) => view.ToPixels(c).join(',')).join(' '),
    fill: color, 'fill-opacity': 0.18, stroke: color, 'stroke-opacity': 0.5,
  });
}

// Each exercise: the points its view must hold, its shapes on a view, and
// the directions and planes of what it draws, which the view it opens in
// shows.
const kExercises = {
  Cross: (f) => {
    const [a, b] = [f.first.at, f.second.at];
    return [[kOrigin, a, b, Plus(a, b), f.result.at], (view) => [
      Polygon(view, [kOrigin, a, Plus(a, b), b], kColors.first),
      VectorShape(view, 'first', f.first, 'a'),
      VectorShape(view, 'second', f.second, 'b'),
      VectorShape(view, 'result', f.result, 'a \u00d7 b'),
    ], [[a, b, f.result.at], [[a, b]]]];
  },
  SurfaceNormal: (f) => {
    const corners = [f.first.at, f.second.at, f.third.at];
    const center = [0, 1, 2].map((i) =>
      (corners[0][i] + corners[1][i] + corners[2][i]) / 3);
    const tip = Plus(center, f.result.at);
    return [[kOrigin, ...corners, tip], (view) => [
      Polygon(view, corners, kColors.third),
      PointShape(view, 'first', f.first, 'p1', center),
      PointShape(view, 'second', f.second, 'p2', center),
      PointShape(view, 'third', f.third, 'p3', center),
      VectorShape(view, 'result', f.result, 'normal', center),
    ], [[f.result.at, ...corners.map((corner) => Minus(corner, center))],
    [[Minus(corners[1], corners[0]), Minus(corners[2], corners[0])]]]];
  },
};

// The view the figure opens in: the one that foreshortens what it draws
// least (StartTurn).
export function Start3d(figure) {
  const exercise = kExercises[figure.exercise];
  return StartTurn(...(exercise ? exercise(figure)[2] : [[]]));
}

// The figure's shapes in a `size` square as seen from `turn`, for the
// exercises above; null for any other.
export function Draw3d(figure, turn, size) {
  const exercise = kExercises[figure.exercise];
  if (!exercise) return null;
  const [extent, draw] = exercise(figure);
  const pending = [];
  const view = { ...View3d(extent, turn, size),
    labels: new LabelPlacer(size), segments: [], vectors: [],
    later: (place) => pending.push(place) };
  view.ticks = Ticks(-view.edge, view.edge, view.step);
  view.axes = [0, 1, 2].map((axis) => [-view.edge, view.edge]
    .map((value) => view.ToPixels(AxisPoint(axis, value))));
  const [lines, marks] = Grid(view);
  const shapes = draw(view);
  const insets = Insets(view.vectors, view.plot, view.labels);
  for (const place of pending) place();
  const texts = AxisTexts(view);
  return [...GridLines(lines, view.labels), ...Marks(marks, view.labels),
    ...insets, ...shapes, ...texts];
}
