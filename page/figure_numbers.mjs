// The numbers of a figure, with no drawing: the program's float texts read
// as numbers, the coordinates as the result lines join them, and round tick
// values with their texts. The figure's own numbers are always the
// program's texts; only tick values are made here.

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
