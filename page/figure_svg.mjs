// The SVG elements the figures are made of: lines, labels, arrows, the
// inset of short vectors, and the data- attributes that carry a drawn
// value's printed numbers. Positions are in the drawing's own units, which
// are CSS pixels; nothing here knows which exercise it draws.
import { LabelPlacer, LabelSize, kFontSize } from './label_placement.mjs';
import { InsetFor, Lanes } from './operand_scale.mjs';
import { TickText } from './figure_numbers.mjs';

const kNamespace = 'http://www.w3.org/2000/svg';

// Against the panel's #0b0b0b: every text at least 4.5:1, the axes and the
// grid, which the values are read off, at least 3:1.
export const kColors = {
  first: '#5aa9ff',
  second: '#ffa64d',
  third: '#c792ea',
  result: '#6bd66b',
  grid: '#606060',
  axis: '#9a9a9a',
  axisName: '#d0d0d0',
  tick: '#b0b0b0',
  background: '#0b0b0b',
};

export function Svg(tag, attributes = {}, children = []) {
  const element = document.createElementNS(kNamespace, tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value !== undefined && value !== null) {
      element.setAttribute(name, value);
    }
  }
  element.append(...children);
  return element;
}

// The data- attributes of a drawn value: its role and its printed numbers.
export function DataOf(role, value) {
  if (!role) return {};
  const [x, y, z] = value.texts;
  return { 'data-role': role, 'data-x': x, 'data-y': y, 'data-z': z };
}

export function Line([x1, y1], [x2, y2], stroke, extra = {}) {
  return Svg('line', { x1, y1, x2, y2, stroke, ...extra });
}

// A label of one or more lines (a name above its coordinates) whose box,
// as LabelSize reckons it, has its top left corner at `corner`.
export function Label([left, top], lines, fill, extra = {},
  fontSize = kFontSize.label) {
  const x = left + 1;
  const label = Svg('text', { x, y: top + 0.95 * fontSize, fill,
    'font-size': fontSize, ...extra });
  [lines].flat().forEach((line, index) => {
    const span = Svg('tspan', { x, dy: index === 0 ? 0 : '1.15em' });
    span.textContent = line;
    label.append(span);
  });
  return label;
}

// A label beside the point `to`, away from `from` where `placer` (the
// drawing's LabelPlacer) finds room for it.
export function LabelBeyond(placer, from, to, lines, fill, extra = {},
  fontSize = kFontSize.label) {
  const { width, height } = LabelSize(lines, fontSize);
  const corner = placer.beyond(from, to, width, height);
  return Label(corner, lines, fill, extra, fontSize);
}

// A tick's value in the first free place of `corners(width, height)`, or
// null where none is free: a tick may be left out, a label never.
export function TickLabel(placer, corners, text, fill = kColors.tick) {
  const { width, height } = LabelSize([text], kFontSize.tick);
  const corner = placer.take(corners(width, height), width, height);
  return corner && Label(corner, text, fill, {}, kFontSize.tick);
}

// An arrow from one pixel position to another, its head drawn as a
// triangle, or a dot where the two meet; `placer`, if given, keeps labels
// off its stroke and its head.
export function Arrow(from, to, color, { dashed = false, placer } = {}) {
  const dx = to[0] - from[0];
  const dy = to[1] - from[1];
  const length = Math.hypot(dx, dy);
  if (length < 1) {
    placer?.avoidBox(to[0] - 3, to[1] - 3, 6, 6);
    return Svg('g', { class: 'arrow' }, [
      Svg('circle', { cx: to[0], cy: to[1], r: 3, fill: color })]);
  }
  const head = Math.min(10, length / 2);
  const [ux, uy] = [dx / length, dy / length];
  const base = [to[0] - ux * head, to[1] - uy * head];
  const corners = [to, [base[0] - uy * head * 0.45, base[1] + ux * head * 0.45],
    [base[0] + uy * head * 0.45, base[1] - ux * head * 0.45]];
  if (placer) {
    placer.avoidSegment(from, to);
    const [xs, ys] = [corners.map((c) => c[0]), corners.map((c) => c[1])];
    placer.avoidBox(Math.min(...xs), Math.min(...ys),
      Math.max(...xs) - Math.min(...xs), Math.max(...ys) - Math.min(...ys));
  }
  return Svg('g', { class: 'arrow' }, [
    Line(from, base, color, {
      'stroke-width': 2, 'stroke-dasharray': dashed ? '6 4' : undefined,
    }),
    Svg('polygon', { points: corners.map((c) => c.join(',')).join(' '),
      fill: color }),
  ]);
}

const kInsetCorners = [[0, 0], [1, 0], [0, 1], [1, 1]];

// The inset of the vectors in `vectors` ({ role, name, value, from, to },
// drawn at the figure's scale; with `point`, a point `to` seen from the
// middle `from` of the points beside it) that are too short to see, or too
// near one another: a framed square
// in the corner of `plot` ({ left, top, right, bottom }) that the fewest
// strokes cross, to be drawn under them, named by its enlargement ("inset \u00d7 500"), in which each is
// drawn from an origin of its own (the points as dots joined by a
// polygon); the placer keeps labels off it. Null
// where every vector is long enough.
export function Inset(vectors, plot, placer) {
  const inset = InsetFor(vectors.map(({ from, to }) =>
    Math.hypot(to[0] - from[0], to[1] - from[1])), 104,
  0.56 * Math.min(plot.right - plot.left, plot.bottom - plot.top));
  if (!inset) return null;
  const { side } = inset;
  const places = kInsetCorners.map(([right, bottom]) => [
    right ? plot.right - side - 2 : plot.left + 2,
    bottom ? plot.bottom - side - 2 : plot.top + 2]);
  const crowding = places.map((place) => {
    const { segments, boxes } = placer.within(...place, side, side);
    return segments.length + boxes.length;
  });
  const [left, top] = places[crowding.indexOf(Math.min(...crowding))];
  // The inset's labels keep off the figure's strokes that cross it too.
  const own = new LabelPlacer(side);
  const under = placer.within(left, top, side, side);
  for (const [a, b] of under.segments) {
    own.avoidSegment([a[0] - left, a[1] - top], [b[0] - left, b[1] - top]);
  }
  for (const box of under.boxes) {
    own.avoidBox(box.left - left, box.top - top, box.width, box.height);
  }
  placer.avoidBox(left, top, side, side);
  const title = `inset \u00d7 ${TickText(inset.factor)}`;
  const titleSize = LabelSize([title], kFontSize.tick);
  const titleCorner = [side - titleSize.width - 3, 3];
  own.avoidBox(...titleCorner, titleSize.width, titleSize.height);
  // The middle of the room under the title, which the vectors reach at
  // most 40% of the side away from.
  const center = [side / 2, (side + titleSize.height + 3) / 2];
  const shown = vectors.filter((_, i) => inset.shown[i]);
  const ends = shown.map(({ from, to }) => [center,
    [center[0] + (to[0] - from[0]) * inset.factor,
      center[1] + (to[1] - from[1]) * inset.factor]]);
  const lanes = Lanes(ends.map((end, i) =>
    (shown[i].point ? [center, center] : end)));
  const shapes = shown.map(({ role, name, value, point }, i) => {
    const [start, tip] = ends[i].map(([x, y]) =>
      [x + lanes[i][0], y + lanes[i][1]]);
    if (point) own.avoidBox(tip[0] - 4, tip[1] - 4, 8, 8);
    return [Svg('g', DataOf(role, value), [point
      ? Svg('circle', { cx: tip[0], cy: tip[1], r: 4, fill: kColors[role] })
      : Arrow(start, tip, kColors[role], { placer: own })]), start, tip, name,
    role];
  });
  const corners = shapes.filter((_, i) => shown[i].point)
    .map(([, , tip]) => tip.join(','));
  const polygon = corners.length < 3 ? [] : [Svg('polygon', {
    points: corners.join(' '), fill: kColors.third, 'fill-opacity': 0.18,
    stroke: kColors.third, 'stroke-opacity': 0.5 })];
  const labels = shapes.map(([, start, tip, name, role]) =>
    LabelBeyond(own, start, tip, name, kColors[role]));
  return Svg('g', { class: 'inset', transform: `translate(${left} ${top})` },
    [Svg('rect', { x: 0.5, y: 0.5, width: side - 1, height: side - 1,
      fill: kColors.background, stroke: kColors.axis }),
    Label(titleCorner, title, kColors.tick, {}, kFontSize.tick),
    Svg('circle', { cx: center[0], cy: center[1], r: 2, fill: kColors.axis }),
    ...polygon, ...shapes.map(([shape]) => shape), ...labels]);
}
