// The views of the figures: how the world points of an exercise map to the
// drawing's pixels, with one scale for every axis. Pure arithmetic on the
// positions to draw at; the figure's own numbers stay the program's texts.
import { RoundStep } from './figure_numbers.mjs';

// Room for the tick values left of (at least) and below a two-dimensional
// plot, and a margin on its other sides.
export const kLeft = 44;
export const kBottom = 24;
export const kEdge = 6;
// Room around a three-dimensional figure for its labels.
const kMargin = 30;

// Maps world points to pixels of a `size` square drawing so that all of
// `points` fit with a margin, at the same scale on both axes; a figure of
// one point gets a span of its own size (or 1 around the origin), with
// `left` pixels for the tick values left of it. `low` and `high` are the
// world corners of the plot, `plot` its pixel box.
export function View2d(points, size, left = kLeft) {
  const xs = points.map((p) => p[0]);
  const ys = points.map((p) => p[1]);
  const [minX, maxX, minY, maxY] =
    [Math.min(...xs), Math.max(...xs), Math.min(...ys), Math.max(...ys)];
  const fallback = Math.max(Math.abs(minX), Math.abs(minY)) || 1;
  const spanX = maxX - minX || fallback;
  const spanY = maxY - minY || fallback;
  const [width, height] = [size - left - kEdge, size - kBottom - kEdge];
  const scale = Math.min(width / (spanX * 1.4), height / (spanY * 1.4));
  const [centerX, centerY] = [(minX + maxX) / 2, (minY + maxY) / 2];
  const [pixelX, pixelY] = [left + width / 2, kEdge + height / 2];
  return {
    scale,
    plot: { left, top: kEdge, right: size - kEdge, bottom: size - kBottom },
    ToPixels: ([x, y]) =>
      [pixelX + (x - centerX) * scale, pixelY - (y - centerY) * scale],
    low: [centerX - width / 2 / scale, centerY - height / 2 / scale],
    high: [centerX + width / 2 / scale, centerY + height / 2 / scale],
  };
}

// The view a three-dimensional figure opens in where what it draws allows:
// turned a little to the left about the z axis and seen from a little
// above.
export const kStartTurn = { yaw: -0.6, pitch: 0.45 };

// The views a figure may open in: from kStartTurn about z by 48ths of a
// turn, seen from level to nearly straight down. A view from below
// foreshortens as the view from above of the opposite side does.
const kStartTurns = Array.from({ length: 48 }, (_, k) =>
  Array.from({ length: 10 }, (_, h) => ({
    yaw: kStartTurn.yaw + (k * Math.PI) / 24, pitch: (15 * h) / 100,
  }))).flat();

// A world point in an oblique parallel view: x and y on the ground, z up;
// yaw turns about z, pitch tilts towards the viewer. Gives [across, up].
export function Project([x, y, z], { yaw, pitch }) {
  const across = x * Math.cos(yaw) - y * Math.sin(yaw);
  const deep = x * Math.sin(yaw) + y * Math.cos(yaw);
  return [across, z * Math.cos(pitch) + deep * Math.sin(pitch)];
}

// The part of its length that `vector` shows seen from `turn`: 1 across
// the view, 0 end on; and the part of its area that the parallelogram of
// `u` and `v` shows: 1 face on, 0 edge on.
export function Foreshortening(vector, turn) {
  const length = Math.hypot(...vector);
  return length > 0 ? Math.hypot(...Project(vector, turn)) / length : 1;
}
export function AreaShown([u, v], turn) {
  const area = Math.hypot(u[1] * v[2] - u[2] * v[1],
    u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]);
  const [a, b] = [Project(u, turn), Project(v, turn)];
  return area > 0 ? Math.abs(a[0] * b[1] - a[1] * b[0]) / area : 1;
}

// The view to open a figure in that draws `vectors` and the parallelograms
// (or triangles) of the pairs `planes`, so that no vector looks short nor
// a plane like a line: of kStartTurns, those in which each vector shows
// kEnoughShown of its length and each plane half that part of its area
// (which is enough to see it as a plane), or where there are none, nearly
// the largest part any view shows; of them, those that show each axis at
// least half its length and each pair of axes as a plane (no two axes
// along one line), so that heights and places can still be read off, if
// any do; and of those, the nearest to kStartTurn, so that the figures
// open alike where they can.
const kEnoughShown = 0.7;
const kAxes = [[1, 0, 0], [0, 1, 0], [0, 0, 1]];
export function StartTurn(vectors, planes = []) {
  const Least = (turn) => Math.min(
    ...vectors.map((vector) => Foreshortening(vector, turn)),
    ...planes.map((plane) => Math.min(1, 2 * AreaShown(plane, turn))));
  const parts = kStartTurns.map(Least);
  const enough = Math.min(kEnoughShown, Math.max(...parts) - 0.05);
  const near = kStartTurns.filter((_, i) => parts[i] >= enough);
  const readable = near.filter((turn) => kAxes.every((axis, i) =>
    Foreshortening(axis, turn) >= 0.5 &&
    AreaShown([axis, kAxes[(i + 1) % 3]], turn) >= kEnoughShown / 2));
  const Away = ({ yaw, pitch }) => Math.abs(pitch - kStartTurn.pitch) +
    Math.abs(Math.atan2(Math.sin(yaw - kStartTurn.yaw),
      Math.cos(yaw - kStartTurn.yaw)));
  return (readable.length > 0 ? readable : near)
    .reduce((a, b) => (Away(b) < Away(a) ? b : a));
}

// The axes run from -edge to edge, a round multiple of the tick step; the
// scale is set by the farthest point from the origin (or edge), so the
// figure stays in a `size` square drawing however it is turned.
export function View3d(points, turn, size) {
  const reach = Math.max(...points.flat().map(Math.abs)) || 1;
  const step = RoundStep(reach, 3);
  const edge = Math.ceil(reach / step) * step;
  // The grid's corners may leave the drawing; the axes and the figure
  // never do.
  const radius = Math.max(edge, ...points.map((p) => Math.hypot(...p)));
  const scale = (size / 2 - kMargin) / radius;
  return {
    step,
    scale,
    plot: { left: 0, top: 0, right: size, bottom: size },
    edge,
    ToPixels: (p) => {
      const [across, up] = Project(p, turn);
      return [size / 2 + across * scale, size / 2 - up * scale];
    },
  };
}
