// The saved picture without a browser: its file name, its colours for a white
// page, and the document around the figure's shapes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { kColors } from '../../page/figure_svg.mjs';
import {
  CaptionLines, Escaped, FileName, PictureDocument, PrintColor, kOnWhite,
} from '../../page/picture_file.mjs';

test('file names hold the exercise and its numbers, and nothing unsafe', () => {
  for (const [name, line, file] of [
    ['VectorAddition', 'The resulting vector is: (4, 6)',
      'quillary-VectorAddition-4_6.svg'],
    ['Dot', 'Dot product: -2.5, angle 1.5708 rad',
      'quillary-Dot--2.5_1.5708.svg'],
    ['Normalize', 'The result is (nan, -inf, 1e+06)',
      'quillary-Normalize-nan_-inf_1e06.svg'],
    ['../a b/\u00e9', 'no numbers', 'quillary-..ab.svg'],
    [undefined, '7', 'quillary-7.svg']]) {
    assert.equal(FileName(name, line), file);
  }
  const long = FileName('Distance', '12.5 '.repeat(40));
  assert.ok(long.length <= 80 && /^[A-Za-z0-9._-]+\.svg$/.test(long), long);
  assert.doesNotMatch(long, /[_.-]\.svg$/);
});

test('every colour of the panel has one of its own on white', () => {
  for (const [role, color] of Object.entries(kColors)) {
    assert.match(kOnWhite[role] ?? '', /^#[0-9a-f]{6}$/, role);
    assert.notEqual(kOnWhite[role], color, role);
    assert.equal(PrintColor(color.toUpperCase()), kOnWhite[role], role);
  }
  for (const [color, printed] of [['rgb(90, 169, 255)', kOnWhite.first],
    ['rgb(11 11 11)', '#ffffff'], ['rgba(1, 2, 3, 0.5)', 'rgba(1, 2, 3, 0.5)'],
    ['none', 'none'], ['#123456', '#123456']]) {
    assert.equal(PrintColor(color), printed, color);
  }
});

test('the caption is escaped, wrapped and given room under the figure', () => {
  assert.equal(Escaped('a<b & "c"\u001b'), 'a&#60;b &#38; &#34;c&#34;');
  const words = 'The angle between the vectors is: 1.5708 radians';
  const lines = CaptionLines(words, 120);
  assert.ok(lines.length > 1);
  assert.equal(lines.join(' '), words);
  assert.deepEqual(CaptionLines('x'.repeat(40), 50), ['x'.repeat(40)]);
  const Size = (document) => document
    .match(/<svg [^>]*width="(\d+)" height="(\d+)"/).slice(1).map(Number);
  const text = PictureDocument('<line x1="0"/>', 240, `${words} <x>`);
  const [width, height] = Size(text);
  assert.equal(width, 240);
  assert.equal(height,
    240 + 16 + 19 * CaptionLines(`${words} <x>`, 224).length);
  for (const part of ['xmlns="http://www.w3.org/2000/svg"',
    `<rect width="240" height="${height}" fill="#ffffff"/>\n<line x1="0"/>`,
    '&#60;x&#62;</tspan></text>\n</svg>', 'font-family="sans-serif"']) {
    assert.ok(text.includes(part), part);
  }
  assert.ok(Size(PictureDocument('', 240, 'x'.repeat(60)))[0] > 240);
  assert.deepEqual(Size(PictureDocument('', 240, '')), [240, 240]);
});
