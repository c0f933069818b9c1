// The SVG elements the figures are made of: lines, labels, arrows, and the
// data- attributes that carry a drawn value's printed numbers. Positions
// are in the drawing's own units; nothing here knows which exercise it
// draws.
import { LabelSize } from './label_placement.mjs';

const kNamespace = 'http://www.w3.org/2000/svg';

// The panel's drawing area, in the SVG's own units.
export const kSize = 400;

export const kColors = {
  first: '#5aa9ff',
  second: '#ffa64d',
  third: '#c792ea',
  result: '#6bd66b',
  grid: '#262626',
  axis: '#6a6a6a',
  tick: '#8a8a8a',
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

// A label of one or more lines (a name above its coordinates), at `at`.
export function Label([x, y], lines, fill, extra = {}) {
  const label = Svg('text', { x, y, fill, 'font-size': 11, ...extra });
  [lines].flat().forEach((line, index) => {
    const span = Svg('tspan', { x, dy: index === 0 ? 0 : '1.15em' });
    span.textContent = line;
    label.append(span);
  });
  return label;
}

// A label beside the tip `to` of an arrow from `from`, where `placer` (the
// figure's LabelPlacer) finds room for it.
export function LabelBeyond(placer, from, to, lines, fill, extra = {}) {
  const all = [lines].flat();
  const { width, height } = LabelSize(all);
  const [x, y] = placer.beyond(from, to, width, height);
  return Label([x, y + 10], all, fill, extra);
}

// An arrow from one pixel position to another, its head drawn as a
// triangle; a dot where the two meet.
export function Arrow(from, to, color, { dashed = false } = {}) {
  const dx = to[0] - from[0];
  const dy = to[1] - from[1];
  const length = Math.hypot(dx, dy);
  if (length < 1) {
    return Svg('circle', { cx: to[0], cy: to[1], r: 3, fill: color });
  }
  const head = Math.min(10, length / 2);
  const [ux, uy] = [dx / length, dy / length];
  const base = [to[0] - ux * head, to[1] - uy * head];
  const corners = [to, [base[0] - uy * head * 0.45, base[1] + ux * head * 0.45],
    [base[0] + uy * head * 0.45, base[1] - ux * head * 0.45]];
  return Svg('g', {}, [
    Line(from, base, color, {
      'stroke-width': 2, 'stroke-dasharray': dashed ? '6 4' : undefined,
    }),
    Svg('polygon', { points: corners.map((c) => c.join(',')).join(' '),
      fill: color }),
  ]);
}
