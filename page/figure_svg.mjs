// The SVG elements the figures are made of: lines, labels, arrows, the
// insets of short vectors, and the data- attributes that carry a drawn
// value's printed numbers. Positions are in the drawing's own units, which
// are CSS pixels; nothing here knows which exercise it draws.
import {
  Around, LabelPlacer, LabelSize, Uncovered, kFontSize,
} from './label_placement.mjs';
import { InsetGroups, Lanes } from './operand_scale.mjs';
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

// Grid lines and axes ([a, b, colour] each) in pieces around the labels
// and insets `placer` has placed, so that none runs through a text.
export function GridLines(lines, placer) {
  const covers = [...placer.labels, ...placer.insets];
  return lines.flatMap(([a, b, color]) => Uncovered([a, b], covers)
    .map(([from, to]) => Line(from, to, color, { class: 'grid' })));
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
export function TickLabel(placer, corners, text, extra = {}) {
  const { width, height } = LabelSize([text], kFontSize.tick);
  const corner = placer.take(corners(width, height), width, height);
  return corner && Label(corner, text, kColors.tick, extra, kFontSize.tick);
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

// The free corner of `plot` for an inset of `side` that the fewest strokes
// and boxes of `placer` cross, and those that do.
function InsetPlace(side, plot, placer, corners) {
  const places = corners.map(([right, bottom]) => [
    right ? plot.right - side - 2 : plot.left + 2,
    bottom ? plot.bottom - side - 2 : plot.top + 2]);
  const under = places.map((place) => placer.within(...place, side, side));
  const crowding = under.map(({ segments, boxes }) =>
    segments.length + boxes.length);
  const best = crowding.indexOf(Math.min(...crowding));
  return { corner: corners[best], at: places[best], under: under[best] };
}

// A placer for an inset of `side` at `at` that keeps its labels off the
// figure's strokes and boxes `under` it, and the inset's title, in a
// corner that none of them crosses if one is; with the middle of the room
// beside the title, which the vectors reach at most 40% of the side away
// from.
function InsetFrame(side, [left, top], under, factor) {
  const own = new LabelPlacer(side);
  for (const [a, b] of under.segments) {
    own.avoidSegment([a[0] - left, a[1] - top], [b[0] - left, b[1] - top]);
  }
  for (const box of under.boxes) {
    own.avoidBox(box.left - left, box.top - top, box.width, box.height);
  }
  const title = `inset \u00d7 ${TickText(factor)}`;
  const { width, height } = LabelSize([title], kFontSize.tick);
  const [right, bottom] = [side - width - 3, side - height - 3];
  const corners = [[right, 3], [3, 3], [right, bottom], [3, bottom]];
  let corner = own.take(corners, width, height);
  if (!corner) {
    corner = corners[0];
    own.avoidBox(...corner, width, height);
  }
  const center = [side / 2, corner[1] === 3 ? (side + height + 3) / 2
    : (side - height - 3) / 2];
  return { own, center,
    title: Label(corner, title, kColors.tick, {}, kFontSize.tick) };
}

// Each of `drawn` enlarged by `factor` from `center`, side by side where
// they lie along one another (a point as a dot), as its shape, its ends,
// its name and its role.
function InsetVectors(drawn, factor, center, own) {
  const ends = drawn.map(({ from, to }) => [center,
    [center[0] + (to[0] - from[0]) * factor,
      center[1] + (to[1] - from[1]) * factor]]);
  const lanes = Lanes(ends.map((end, i) =>
    (drawn[i].point ? [center, center] : end)));
  return drawn.map(({ role, name, value, point }, i) => {
    const [start, tip] = ends[i].map(([x, y]) =>
      [x + lanes[i][0], y + lanes[i][1]]);
    if (point) own.avoidBox(tip[0] - 4, tip[1] - 4, 8, 8);
    return [Svg('g', DataOf(role, value), [point
      ? Svg('circle', { cx: tip[0], cy: tip[1], r: 4, fill: kColors[role] })
      : Arrow(start, tip, kColors[role], { placer: own })]), start, tip, name,
    role];
  });
}

// The shapes of an inset of `side` at `at`, over the figure's strokes and
// boxes `under`, or null where a label finds no free place in it and
// `strict` holds (else it goes where the drawing is fullest).
function InsetShapes(vectors, { shown, factor }, side, at, under, strict) {
  const { own, center, title } = InsetFrame(side, at, under, factor);
  const drawn = vectors.filter((_, i) => shown[i]);
  const shapes = InsetVectors(drawn, factor, center, own);
  const corners = shapes.filter((_, i) => drawn[i].point)
    .map(([, , tip]) => tip.join(','));
  const polygon = corners.length < 3 ? [] : [Svg('polygon', {
    points: corners.join(' '), fill: kColors.third, 'fill-opacity': 0.18,
    stroke: kColors.third, 'stroke-opacity': 0.5 })];
  const labels = [];
  for (const [, start, tip, name, role] of shapes) {
    const { width, height } = LabelSize(name);
    const place = strict
      ? own.take(Around(start, tip, width, height, side), width, height)
      : own.beyond(start, tip, width, height);
    if (!place) return null;
    labels.push(Label(place, name, kColors[role]));
  }
  return [Svg('rect', { x: 0.5, y: 0.5, width: side - 1, height: side - 1,
    fill: kColors.background, stroke: kColors.axis }), title,
  Svg('circle', { cx: center[0], cy: center[1], r: 2, fill: kColors.axis }),
  ...polygon, ...shapes.map(([shape]) => shape), ...labels];
}

// The insets of the vectors in `vectors` ({ role, name, value, from, to },
// drawn at the figure's scale; with `point`, a point `to` seen from the
// middle `from` of the points beside it) that are too short to see: each a
// framed square in a corner of `plot` ({ left, top, right, bottom }) of its
// own, the one that the fewest strokes cross, to be drawn under them, named
// by its enlargement ("inset \u00d7 500"), in which each is drawn from an
// origin of its own (the points as dots joined by a polygon), made larger
// where its labels need the room; the placer keeps labels off them. None
// where every vector is long enough.
export function Insets(vectors, plot, placer) {
  const corners = [...kInsetCorners];
  const span = Math.min(plot.right - plot.left, plot.bottom - plot.top);
  const groups = InsetGroups(vectors, span).slice(0, corners.length);
  return groups.map((inset) => {
    for (let side = inset.side; ; side = Math.min(side + 12, inset.largest)) {
      const last = side >= inset.largest;
      const { corner, at, under } = InsetPlace(side, plot, placer, corners);
      const shapes = InsetShapes(vectors, inset, side, at, under, !last);
      if (!shapes) continue;
      corners.splice(corners.indexOf(corner), 1);
      placer.avoidInset(...at, side, side);
      return Svg('g', { class: 'inset',
        transform: `translate(${at[0]} ${at[1]})` }, shapes);
    }
  });
}
