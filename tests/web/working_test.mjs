// The working and the prompt hint in headless Chromium: each vector
// exercise typed into a fresh page on a laptop (legibility_test lays the
// Working out on phones). The Working must show the operands as typed and
// end in the number the program printed, legibly; the hint under the
// answer line must say what each prompt takes and, after a refused line,
// why. Each Working is saved as a screenshot in QUILLARY_FIGURES
// (working_<exercise>.png), to be looked at.
//   node --test working_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kScreenshots, kLaptop } = browser;
const kSmallestText = 14;

// One case of each exercise, with negative, zero and clamped operands;
// `refused`, typed before the first operand (or before t), must be refused
// for the reason `why`; `note`, if given, must be among the Working's notes.
const kExercises = [
  { name: 'vector_addition', menu: '2', first: ['-3', '4'],
    second: ['5', '-12'], refused: '0.5', why: /point/ },
  { name: 'vector_sub', menu: '3', first: ['-5', '3'], second: ['2', '-7'],
    refused: '5-', why: /minus sign/ },
  { name: 'distance', menu: '4', first: ['-2', '1'], second: ['30', '25'],
    refused: '2147483648', why: /outside -2147483648 to 2147483647\./ },
  { name: 'magniute', menu: '5', first: ['1', '1'] },
  { name: 'lin_inter', menu: '6', first: ['1', '1'], second: ['2', '3'],
    tenths: '-7', refused: '0.5', why: /tenths/ },
  // Rounding puts the cosine past 1, where the program clamps it.
  { name: 'dot_clamped', menu: '7', first: ['12', '12'],
    second: ['12', '12'], note: /clamp/ },
  { name: 'cross', menu: '8', first: ['0', '-1', '0'],
    second: ['1', '0', '0'] },
  { name: 'normalize_zero', menu: '9', first: ['0', '0'],
    note: /no direction/ },
  { name: 'surface_normal', menu: '10', first: ['-1', '-2', '-3'],
    second: ['4', '-5', '6'], third: ['-7', '8', '-9'] },
];

let chromium;
before(async () => {
  chromium = await browser.LaunchBrowser();
  await mkdir(kScreenshots, { recursive: true });
});
after(() => browser.CloseBrowser(chromium));

// The hint beside the answer line, which must come to say `wanted` (it
// follows the program's question within a frame).
async function ExpectHint(page, wanted) {
  await page.waitForFunction((source) => new RegExp(source).test(
    document.querySelector('#answer-hint').textContent),
  { timeout: 1000 }, wanted.source).catch(() => {});
  const hint = await page.$eval('#answer-hint', (shown) => shown.textContent);
  assert.match(hint, wanted);
  return hint;
}

// The newest exercise's Working as a reader sees it: whether it is open,
// the numbers of its operands and of its last step (each minus sign read as
// the program's "-"), its notes, and the size of its smallest text.
const Working = (page) => page.$$eval('.working', (sections) => {
  const section = sections.at(-1);
  // The 1 of p_1 is a name, not a number of the working.
  const Numbers = (element) => [...element?.querySelectorAll('mn') ?? []]
    .filter((number) => !number.closest('msub'))
    .map((number) => number.textContent.replace('\u2212', '-'));
  const texts = [...section.querySelectorAll('li p, math *, summary')]
    .filter((element) => element.textContent.trim() !== '');
  return {
    open: section.open,
    shown: !section.hidden && section.offsetWidth > 0,
    operands: Numbers(section.querySelector('.working-operands')),
    last: Numbers(section.querySelector('.working-step > li:last-child')),
    notes: [...section.querySelectorAll('.working-note')]
      .map((note) => note.textContent),
    smallest: Math.min(...texts.map((element) =>
      parseFloat(getComputedStyle(element).fontSize))),
  };
});

// Types the exercise into the page at the maths menu, checking the hint
// at its first operand and at t, and after the refused line; returns the
// result line the program printed.
async function WorkWithHints(page, exercise) {
  const { menu, first, second = [], third = [], tenths, refused } = exercise;
  await browser.TypeLine(page, menu);
  await ExpectHint(page, /whole number/);
  const operands = [...first, ...second, ...third];
  const refuse = async (wanted) => {
    await browser.TypeLine(page, refused);
    const hint = await ExpectHint(page, /^Not taken: /);
    assert.match(hint, exercise.why);
    assert.match(hint, wanted);
  };
  if (refused && !tenths) await refuse(/whole number/);
  for (const operand of operands.slice(0, -1)) {
    await browser.TypeLine(page, operand);
  }
  let last = operands.at(-1);
  if (tenths) {
    await browser.TypeLine(page, last);
    await ExpectHint(page, /tenths/);
    if (refused) await refuse(/tenths/);
    last = tenths;
  }
  // The line that ends the exercise.
  const line = await browser.WorkExercise(page, { first: [last] });
  await ExpectHint(page, /Enter to continue/);
  return line;
}

async function OpenAtMathsMenu(viewport) {
  const page = await browser.OpenAtGreeting(chromium, viewport);
  await ExpectHint(page, /a name/);
  await page.focus('#answer');
  for (const line of ['Ada', '2']) await browser.TypeLine(page, line);
  await ExpectHint(page, /choice from the menu/);
  return { page, errors: page.errors };
}

function AssertWorking(working, exercise, line) {
  const { first, second = [], third = [], tenths } = exercise;
  assert.ok(working.open && working.shown);
  if (exercise.note) {
    assert.ok(working.notes.some((note) => exercise.note.test(note)));
  }
  assert.deepEqual(working.operands,
    [...first, ...second, ...third, ...tenths ? [tenths] : []]);
  // The last step ends in the printed result; where it shows the float with
  // more digits than the terminal's six, its note says so.
  const printed = browser.PrintedResult(line);
  const shown = working.last.slice(-printed.length);
  for (const [index, number] of shown.entries()) {
    if (number === printed[index]) continue;
    assert.equal(Number(Number(number).toPrecision(6)),
      Number(printed[index]), `${number} printed as ${printed[index]}`);
    assert.ok(working.notes.some((note) => note.includes('six significant')),
      working.notes.join(' | '));
  }
  assert.ok(working.smallest >= kSmallestText, `${working.smallest} px`);
}

// The screen as the learner sees it with the working scrolled into view.
async function Screenshot(page, exercise) {
  await page.$$eval('.working',
    (sections) => sections.at(-1).scrollIntoView());
  await page.screenshot({
    path: path.join(kScreenshots, `working_${exercise.name}.png`),
  });
}

for (const exercise of kExercises) {
  test(`${exercise.name}: its working ends in the printed result, and ` +
    'every prompt says what it takes', async () => {
    const { page, errors } = await OpenAtMathsMenu(kLaptop);
    const line = await WorkWithHints(page, exercise);
    AssertWorking(await Working(page), exercise, line);
    await Screenshot(page, exercise);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

// A screen reader hears the hint once it has settled: the same words.
test('the hint reaches a screen reader once settled', async () => {
  const { page } = await OpenAtMathsMenu(kLaptop);
  for (const line of ['2', '1e6']) await browser.TypeLine(page, line);
  await page.waitForFunction(() =>
    document.querySelector('#answer-hint-spoken').textContent ===
    document.querySelector('#answer-hint').textContent, { timeout: 3000 });
  await ExpectHint(page, /^Not taken: .*A whole number/);
  await page.close();
});
