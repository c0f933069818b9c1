// "Save picture": a drawn figure as an SVG file of its own, for any image
// viewer. Its shapes get colours for a white page (the figure's own are
// chosen for its dark panel) as attributes, since the file has no
// stylesheet, and the result line goes under the picture as its caption.
import { kColors } from './figure_svg.mjs';
import { LabelSize } from './label_placement.mjs';

const kNamespace = 'http://www.w3.org/2000/svg';
const kLongestName = 80;
const kCaptionFont = 14;
const kMargin = 8;
const kInk = '#111111';
// How long a saved file's blob URL lives: some browsers read the blob only
// after click() returns.
const kRevokeDelay = 40000;

// Each of kColors as drawn on white, with the contrasts the panel keeps: at
// least 4.5:1 for texts, 3:1 for the grid and the axes.
export const kOnWhite = {
  first: '#1a5fb4', second: '#b34d00', third: '#7a3fa6', result: '#217821',
  grid: '#949494', axis: '#6e6e6e', axisName: '#333333', tick: '#555555',
  background: '#ffffff',
};
const kPrinted = new Map(Object.entries(kColors)
  .map(([role, color]) => [color, kOnWhite[role]]));

// `color` ("#rrggbb", or "rgb(r, g, b)" as computed styles give it) as
// "#rrggbb", or null for any other form ("none", a colour with alpha).
function Hex(color) {
  const text = String(color).trim().toLowerCase();
  if (/^#[0-9a-f]{6}$/.test(text)) return text;
  const rgb = /^rgba?\((\d+)[,\s]+(\d+)[,\s]+(\d+)(?:[,/\s]+1)?\)$/.exec(text);
  return rgb && `#${rgb.slice(1).map((n) =>
    Number(n).toString(16).padStart(2, '0')).join('')}`;
}

// The colour a figure's `color` is printed in: a colour of the panel's as
// kOnWhite has it, any other as it is.
export function PrintColor(color) {
  const hex = Hex(color);
  return kPrinted.get(hex) ?? hex ?? color;
}

// `text` escaped for XML, without the control characters XML cannot hold.
export const Escaped = (text) => String(text)
  .replace(/[\u0000-\u0008\u000b\u000c\u000e-\u001f]/g, '')
  .replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

// A file name made of the exercise's name and the numbers of its result
// line: only [A-Za-z0-9._-], at most kLongestName characters.
export function FileName(exerciseName, line) {
  const numbers = String(line ?? '')
    .match(/-?(?:\d+(?:\.\d+)?(?:e[+-]?\d+)?|\binf\b|\bnan\b)/gi) ?? [];
  const stem = ['quillary', exerciseName, numbers.join('_')]
    .map((part) => String(part ?? '').replace(/[^A-Za-z0-9._-]/g, ''))
    .filter(Boolean).join('-');
  return `${stem.slice(0, kLongestName - 4).replace(/[-_.]+$/, '')}.svg`;
}

// `caption` in lines at most `width` wide, broken between words; a word
// wider than that has a line of its own.
export function CaptionLines(caption, width) {
  const lines = [];
  for (const word of String(caption).split(/\s+/).filter(Boolean)) {
    const joined = `${lines.at(-1)} ${word}`;
    if (lines.length && LabelSize([joined], kCaptionFont).width <= width) {
      lines[lines.length - 1] = joined;
    } else {
      lines.push(word);
    }
  }
  return lines;
}

// The SVG file of a figure `size` square whose shapes are `shapes` (their
// markup), on white, with `caption` under it, grown to hold its lines.
export function PictureDocument(shapes, size, caption) {
  const lines = CaptionLines(caption, size - 2 * kMargin);
  const lineHeight = Math.ceil(kCaptionFont * 1.3);
  const width = Math.max(size, ...lines.map((line) =>
    LabelSize([line], kCaptionFont).width + 2 * kMargin));
  const height = size + (lines.length && 2 * kMargin +
    lines.length * lineHeight);
  const spans = lines.map((line, i) => `<tspan x="${kMargin}" y="${
    size + kMargin + kCaptionFont + i * lineHeight}">${Escaped(line)}</tspan>`);
  return ['<?xml version="1.0" encoding="UTF-8"?>',
    `<svg xmlns="${kNamespace}" width="${width}" height="${height}" ` +
    `viewBox="0 0 ${width} ${height}" font-family="sans-serif">`,
    `<title>${Escaped(caption)}</title>`,
    `<rect width="${width}" height="${height}" fill="${kOnWhite.background}"/>`,
    shapes,
    `<text font-size="${kCaptionFont}" fill="${kInk}">${spans.join('')}</text>`,
    '</svg>', ''].join('\n');
}

const Computed = (element, name) => globalThis.getComputedStyle?.(element)
  .getPropertyValue(name) ?? '';

// The markup of the shapes of `svg`, each with the fill and stroke the
// page's styles compute for it, where it can ask, in PrintColor: where its
// own attribute says, and where the styles give it one its parent has not,
// so that what it inherits is not written again.
function PrintedShapes(svg) {
  const copy = svg.cloneNode(true);
  const originals = svg.querySelectorAll('*');
  copy.querySelectorAll('*').forEach((element, i) => {
    const original = originals[i];
    for (const name of ['fill', 'stroke']) {
      const [own, value] = [element.getAttribute(name),
        Computed(original, name)];
      if (own || (value && value !== Computed(original.parentNode, name))) {
        element.setAttribute(name, PrintColor(value || own));
      }
    }
    if (globalThis.getComputedStyle) element.removeAttribute('style');
  });
  const serializer = new XMLSerializer();
  return [...copy.children].map((child) => serializer.serializeToString(child)
    .replaceAll(` xmlns="${kNamespace}"`, '')).join('\n');
}

// The file of the figure `svg` (drawn with a viewBox "0 0 size size") with
// the result line `caption`, for the exercise named `name`.
export function PictureFile(svg, caption, name) {
  const size = Number(svg.getAttribute('viewBox')?.split(/[\s,]+/)[2]) ||
    Number(svg.getAttribute('width'));
  return { fileName: FileName(name, caption),
    text: PictureDocument(PrintedShapes(svg), size, caption) };
}

// Downloads `text` as `fileName` through a blob URL, which no network sees.
export function DownloadFile({ fileName, text }, type = 'image/svg+xml') {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const anchor = document.createElement('a');
  Object.assign(anchor, { href: url, download: fileName, hidden: true });
  document.body.append(anchor);
  anchor.click();
  anchor.remove();
  setTimeout(() => URL.revokeObjectURL(url), kRevokeDelay);
}
