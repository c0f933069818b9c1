// The figures in headless Chromium: each vector exercise typed into the
// page, and its picture, in the transcript after its result line, checked
// against what the program printed, and the switch that hides them (the
// figures on a phone, and their turning, are legibility_test's). Each
// figure is saved as a screenshot in QUILLARY_FIGURES (not compared), and
// the time from the result line to the drawn figure is printed.
//   node --test figures_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kScreenshots, kLaptop: kDesktop } = browser;
const kMaximumDrawMilliseconds = 50;

// One exercise each: its maths menu entry and its operands, typed. Typed
// numbers below a million print as typed; the largest operands are left to
// Magniute, whose line echoes them.
const kExercises = [
  { name: 'vector_addition', menu: '2', first: ['1', '2'], second: ['3', '4'] },
  { name: 'vector_sub', menu: '3', first: ['-5', '3'], second: ['2', '-7'] },
  { name: 'distance', menu: '4', first: ['-2', '1'], second: ['30', '25'] },
  { name: 'magniute', menu: '5', first: ['2147483647', '-2147483647'] },
  { name: 'lin_inter', menu: '6', first: ['1', '1'], second: ['2', '3'],
    tenths: '-7' },
  { name: 'lin_inter_far_beyond', menu: '6', first: ['0', '-3'],
    second: ['20', '1'], tenths: '2147483647' },
  { name: 'dot', menu: '7', first: ['3', '1'], second: ['-4', '-2'] },
  { name: 'cross', menu: '8', first: ['1', '2', '3'], second: ['4', '5', '6'] },
  { name: 'normalize', menu: '9', first: ['3', '4'] },
  { name: 'surface_normal', menu: '10', first: ['-1', '-2', '-3'],
    second: ['4', '-5', '6'], third: ['-7', '8', '-9'] },
  { name: 'normalize_zero', menu: '9', first: ['0', '0'], undrawable: true },
  { name: 'dot_zero', menu: '7', first: ['0', '0'], second: ['1', '2'],
    undrawable: true },
];

let chromium;
before(async () => {
  chromium = await browser.LaunchBrowser();
  await mkdir(kScreenshots, { recursive: true });
});
after(() => browser.CloseBrowser(chromium));

// Before the page's script: the time from the last output to each drawn
// figure, both when it is drawn and at the next frame painted.
function RecordDrawTimes() {
  window.figureDrawTimes = [];
  addEventListener('quillary-figure-drawn', () => {
    const drawn = performance.now() - window.quillaryOutputAt;
    requestAnimationFrame(() => window.figureDrawTimes.push(
      [drawn, performance.now() - window.quillaryOutputAt]));
  });
}

// The page at the maths menu; `errors` holds its console messages too.
async function OpenAtMathsMenu(viewport) {
  const page = await browser.OpenAtMathsMenu(chromium, viewport,
    async (tab) => {
      tab.on('console', (message) => tab.errors.push(message.text()));
      await tab.evaluateOnNewDocument(RecordDrawTimes);
    });
  return { page, errors: page.errors };
}

const { TypeLine } = browser;
const Work = browser.WorkExercise;

// Every exercise in the transcript, in order, as a test reads it: whether
// its figure shows, its text, its image's name (null where it has no
// picture), each element with a role and its numbers, whether a Working
// follows, and the text of its screen before it, down to its result line.
const Exercises = (page) => page.$$eval('.exercise', (exercises) =>
  exercises.map((exercise) => {
    const figure = exercise.querySelector('.exercise-figure');
    const before = document.createRange();
    before.setStart(exercise.parentElement, 0);
    before.setEndBefore(exercise);
    return {
      hidden: figure.offsetWidth === 0,
      text: figure.textContent,
      name: figure.querySelector('svg')?.getAttribute('aria-label') ?? null,
      drawn: Object.fromEntries([...figure.querySelectorAll('[data-role]')]
        .map((element) => [element.dataset.role, ['x', 'y', 'z', 'value']
          .map((key) => element.dataset[key]).filter((text) => text)])),
      working: !!exercise.querySelector(':scope > details.working'),
      before: before.toString().trimEnd(),
    };
  }));
const Newest = async (page) => (await Exercises(page)).at(-1);
const kNewestFigure = 'figure.exercise-figure';
const NewestFigure = async (page) => (await page.$$(kNewestFigure)).at(-1);

// The figure down to the end of what it shows.
async function Screenshot(page, name) {
  const figure = await NewestFigure(page);
  await figure.screenshot({ path: path.join(kScreenshots, `${name}.png`) });
}

// An undrawable result shows its line and why, with no picture.
function AssertFigure(figure, exercise, line) {
  assert.equal(figure.hidden, false);
  assert.ok(figure.before.endsWith(line), figure.before.slice(-80));
  if (exercise.undrawable) {
    assert.equal(figure.name, null);
    assert.ok(figure.text.startsWith(line), figure.text);
    assert.match(figure.text, /cannot be drawn/);
    assert.deepEqual(figure.drawn, {});
    return;
  }
  assert.equal(figure.name, line);
  assert.deepEqual(figure.drawn.result, browser.PrintedResult(line));
  const echoed = line.match(/vector \((.*)\) is/)?.[1].split(', ');
  assert.deepEqual(figure.drawn.first, echoed ?? exercise.first);
  for (const role of ['second', 'third']) {
    assert.deepEqual(figure.drawn[role], exercise[role]);
  }
}

// Every figure and Working stays, in order, each after its own result line.
test('each vector exercise draws the numbers the program printed, and ' +
  'every figure stays after its result line', async (t) => {
  const { page, errors } = await OpenAtMathsMenu(kDesktop);
  const lines = [];
  for (const exercise of kExercises) {
    await t.test(exercise.name, async () => {
      const line = await Work(page, exercise);
      lines.push(line);
      AssertFigure(await Newest(page), exercise, line);
      await Screenshot(page, exercise.name);
      await TypeLine(page, '');
    });
  }
  // The prime test has no figure.
  for (const line of ['11', '7', '']) await TypeLine(page, line);
  const kept = await Exercises(page);
  assert.equal(kept.length, kExercises.length);
  kept.forEach((figure, index) => {
    AssertFigure(figure, kExercises[index], lines[index]);
    assert.equal(figure.working, true, lines[index]);
  });
  const times = await page.evaluate(() => window.figureDrawTimes);
  assert.equal(times.length, kExercises.length);
  const slowest = (index) => Math.max(...times.map((time) => time[index]));
  console.log(`figure drawn ${slowest(0).toFixed(1)} ms after its result ` +
    `line at most, painted ${slowest(1).toFixed(1)} ms after`);
  assert.ok(slowest(0) <= kMaximumDrawMilliseconds);
  assert.deepEqual(errors, []);
  await page.close();
});

// Off, no figure shows and each Working stays; on, every figure is back.
test('the switch hides and shows every figure, by keyboard', async () => {
  const { page, errors } = await OpenAtMathsMenu(kDesktop);
  for (const exercise of kExercises.slice(0, 2)) {
    await Work(page, exercise);
    await TypeLine(page, '');
  }
  const Shown = async () => (await Exercises(page))
    .map(({ hidden, working }) => ({ hidden, working }));
  await page.focus('#figure-switch');
  await page.keyboard.press('Space');
  assert.deepEqual(await Shown(), Array(2).fill(
    { hidden: true, working: true }));
  await page.keyboard.press('Space');
  assert.deepEqual(await Shown(), Array(2).fill(
    { hidden: false, working: true }));
  assert.ok((await Newest(page)).drawn.result);
  assert.deepEqual(errors, []);
  await page.close();
});
