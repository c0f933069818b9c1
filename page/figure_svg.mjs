// What the figures of the panel share: SVG elements, the numbers of a
// figure's text, round tick values, and arrows, points and labels in the
// panel's own pixels. Nothing here knows which exercise it draws.
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

// A number as the program writes it (AppendFloat): "nan", "inf" and "-inf"
// are not JavaScript's spellings.
export function ToNumber(text) {
  if (text === 'nan') return NaN;
  if (text === 'inf') return Infinity;
  if (text === '-inf') return -Infinity;
  return Number(text);
}

// A value of the figure: its texts as printed and its numbers.
export const Value = (texts) => ({ texts, at: texts.map(ToNumber) });

// "(4, 6)" in two dimensions and "(-3,6,-3)" in three, as the result lines
// join their components.
export const Coordinates = (value) =>
  `(${value.texts.join(value.texts.length === 2 ? ', ' : ',')})`;

// The data- attributes of a drawn value: its role and its printed numbers.
export function DataOf(role, value) {
  if (!role) return {};
  const [x, y, z] = value.texts;
  return { 'data-role': role, 'data-x': x, 'data-y': y, 'data-z': z };
}

// A step of 1, 2 or 5 times a power of ten that cuts span into about count
// parts.
export function RoundStep(span, count) {
  const raw = span / count;
  const power = 10 ** Math.floor(Math.log10(raw));
  const mantissa = raw / power;
  const nice =
    mantissa < 1.5 ? 1 : mantissa < 3.5 ? 2 : mantissa < 7.5 ? 5 : 10;
  return nice * power;
}

// The multiples of step from low to high, rid of binary fractions' noise.
export function Ticks(low, high, step) {
  const ticks = [];
  for (let k = Math.ceil(low / step); k * step <= high; ++k) {
    ticks.push(Number((k * step).toPrecision(12)));
  }
  return ticks;
}

// A tick value in the program's style ("%g"): "0.5", "200", "1e+09".
export function TickText(value) {
  const rounded = Number(value.toPrecision(6));
  if (rounded === 0) return '0';
  const exponent = Math.floor(Math.log10(Math.abs(rounded)));
  if (exponent >= -4 && exponent < 6) return String(rounded);
  const [mantissa, power] = rounded.toExponential().split('e');
  return `${mantissa}e${power[0]}${power.slice(1).padStart(2, '0')}`;
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

// The boxes of the labels placed so far in the figure being drawn.
let placedLabels = [];

// Forgets the labels of the last figure drawn.
export function StartLabels() {
  placedLabels = [];
}

// The top nearest to `top` at which a box of this size overlaps no label
// placed before, within the drawing.
function FreeTop(left, top, width, height) {
  const overlaps = (y) => placedLabels.some((box) =>
    left < box.left + box.width && box.left < left + width &&
    y < box.top + box.height && box.top < y + height);
  for (let shift = 0; shift < kSize; shift += 13) {
    for (const y of [top + shift, top - shift]) {
      if (y >= 2 && y <= kSize - 2 - height && !overlaps(y)) return y;
    }
  }
  return top;
}

// A label beside a tip, on the side the arrow points to (right or left,
// above or below), so that it keeps clear of the arrow; moved inside the
// drawing where it would leave it, and up or down where it would cover an
// earlier label. The width is a guess from the longest line, for the
// 11-unit sans-serif font.
export function LabelBeyond(from, to, lines, fill, extra = {}) {
  const all = [lines].flat();
  const width = Math.max(...all.map((line) => line.length)) * 6.2;
  const height = all.length * 13;
  const left = to[0] < from[0] ? to[0] - 6 - width : to[0] + 6;
  const top = to[1] < from[1] ? to[1] - 4 - height : to[1] + 4;
  const x = Math.min(Math.max(left, 2), kSize - 2 - width);
  const y = FreeTop(x, Math.min(Math.max(top, 2), kSize - 2 - height),
    width, height);
  placedLabels.push({ left: x, top: y, width, height });
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
