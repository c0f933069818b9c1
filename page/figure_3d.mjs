// The figures of the three-dimensional exercises, in an oblique parallel
// view that the panel turns: the axes from -R to R, a grid of round values
// on the x-y plane, and what each exercise draws. The scale is set by the
// farthest point from the origin (or R), so the figure stays in view however
// it is turned.
import { Coordinates, TickText, Ticks } from './figure_numbers.mjs';
import {
  Arrow, DataOf, Label, LabelBeyond, Line, Svg, kColors, kSize,
} from './figure_svg.mjs';
import { View3d } from './figure_views.mjs';
import { LabelPlacer } from './label_placement.mjs';

const kOrigin = [0, 0, 0];

// The ground grid, then the axes with their names and tick values.
function Grid(view) {
  const parts = [];
  const { edge, step } = view;
  for (const value of Ticks(-edge, edge, step)) {
    parts.push(Line(view.ToPixels([value, -edge, 0]),
      view.ToPixels([value, edge, 0]), kColors.grid));
    parts.push(Line(view.ToPixels([-edge, value, 0]),
      view.ToPixels([edge, value, 0]), kColors.grid));
  }
  ['x', 'y', 'z'].forEach((name, axis) => {
    const end = (sign) => kOrigin.map((_, i) => (i === axis ? sign * edge : 0));
    parts.push(Line(view.ToPixels(end(-1)), view.ToPixels(end(1)),
      kColors.axis));
    const [x, y] = view.ToPixels(end(1.08));
    parts.push(Label([x, y + 4], name, kColors.axis,
      { 'text-anchor': 'middle', 'font-size': 13 }));
    for (const value of Ticks(step, edge, step)) {
      const [tx, ty] = view.ToPixels(end(value / edge));
      parts.push(Label([tx + 3, ty - 3], TickText(value), kColors.tick,
        { 'font-size': 9 }));
    }
  });
  return parts;
}

function VectorShape(view, role, value, name, from = kOrigin) {
  const [start, tip] = [view.ToPixels(from), view.ToPixels(
    value.at.map((v, i) => v + from[i]))];
  return Svg('g', DataOf(role, value), [
    Arrow(start, tip, kColors[role]),
    LabelBeyond(view.labels, start, tip, [name, Coordinates(value)],
      kColors[role]),
  ]);
}

function PointShape(view, role, value, name, center) {
  const at = view.ToPixels(value.at);
  return Svg('g', DataOf(role, value), [
    Svg('circle', { cx: at[0], cy: at[1], r: 4, fill: kColors[role] }),
    LabelBeyond(view.labels, view.ToPixels(center), at,
      [name, Coordinates(value)], kColors[role]),
  ]);
}

function Polygon(view, corners, color) {
  return Svg('polygon', {
    points: corners.map((c) => view.ToPixels(c).join(',')).join(' '),
    fill: color, 'fill-opacity': 0.18, stroke: color, 'stroke-opacity': 0.5,
  });
}

const Plus = (a, b) => a.map((v, i) => v + b[i]);

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

// The figure's shapes as seen from `turn`, for the exercises above; null
// for any other.
export function Draw3d(figure, turn) {
  const exercise = kExercises[figure.exercise];
  if (!exercise) return null;
  const [extent, draw] = exercise(figure);
  const view = { ...View3d(extent, turn, kSize),
    labels: new LabelPlacer(kSize) };
  return [...Grid(view), ...draw(view)];
}
