// The figures of the three-dimensional exercises, in an oblique parallel
// view that the panel turns: the axes from -R to R with ticks on both
// halves, a grid of round values on the x-y plane, and what each exercise
// draws, with a thin line from each tip down to the grid and a foot there,
// so that its height and place can be read off. The scale is set by the
// farthest point from the origin (or R), so the figure stays in view
// however it is turned. Labels are placed once every stroke is drawn, the
// axis names next and the tick values where room is left; vectors too
// short to see are drawn again in an inset.
import { Coordinates, TickText, Ticks } from './figure_numbers.mjs';
import {
  Arrow, DataOf, Inset, LabelBeyond, Line, Svg, TickLabel, kColors,
} from './figure_svg.mjs';
import { View3d } from './figure_views.mjs';
import { LabelPlacer, kFontSize } from './label_placement.mjs';
import { Lanes } from './operand_scale.mjs';

const kOrigin = [0, 0, 0];

const AxisPoint = (axis, value) =>
  kOrigin.map((_, i) => (i === axis ? value : 0));

// The ground grid and the axes, with a mark at each tick.
function Grid(view) {
  const parts = [];
  const { edge, ticks } = view;
  for (const value of ticks) {
    parts.push(Line(view.ToPixels([value, -edge, 0]),
      view.ToPixels([value, edge, 0]), kColors.grid));
    parts.push(Line(view.ToPixels([-edge, value, 0]),
      view.ToPixels([edge, value, 0]), kColors.grid));
  }
  for (const axis of [0, 1, 2]) {
    parts.push(Line(view.ToPixels(AxisPoint(axis, -edge)),
      view.ToPixels(AxisPoint(axis, edge)), kColors.axis));
    for (const value of ticks) {
      const [cx, cy] = view.ToPixels(AxisPoint(axis, value));
      if (value !== 0) {
        parts.push(Svg('circle', { cx, cy, r: 1.5, fill: kColors.axis }));
      }
    }
  }
  return parts;
}

// The axis names beyond the axes' ends, then the tick values of both
// halves of each axis, each beside its mark where it has room.
function AxisTexts(view) {
  const { edge, ticks } = view;
  const center = view.ToPixels(kOrigin);
  const texts = ['x', 'y', 'z'].map((name, axis) => LabelBeyond(view.labels,
    center, view.ToPixels(AxisPoint(axis, edge)), name, kColors.axisName,
    { 'font-weight': 'bold' }, kFontSize.axis));
  for (const axis of [0, 1, 2]) {
    for (const value of ticks) {
      if (value === 0) continue;
      const [x, y] = view.ToPixels(AxisPoint(axis, value));
      texts.push(TickLabel(view.labels, (w, h) => [[x + 3, y + 1],
        [x - 3 - w, y + 1], [x + 3, y - 1 - h], [x - 3 - w, y - 1 - h]],
      TickText(value)));
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

const kExercises = {
  Cross: (f) => {
    const [a, b] = [f.first.at, f.second.at];
    return [[kOrigin, a, b, Plus(a, b), f.result.at], (view) => [
      Polygon(view, [kOrigin, a, Plus(a, b), b], kColors.first),
      VectorShape(view, 'first', f.first, 'a'),
      VectorShape(view, 'second', f.second, 'b'),
      VectorShape(view, 'result', f.result, 'a \u00d7 b'),
    ]];
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
    ]];
  },
};

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
  const grid = Grid(view);
  const shapes = draw(view);
  const inset = Inset(view.vectors, view.plot, view.labels);
  for (const place of pending) place();
  return [...grid, ...(inset ? [inset] : []), ...shapes, ...AxisTexts(view)];
}
