// The figure panel in headless Chromium: each vector exercise typed into the
// page, and its picture checked against what the terminal printed. Each
// figure is saved as a screenshot in QUILLARY_FIGURES (not compared), and
// the time from the result line to the drawn figure is printed.
//   node --test figures_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const kGreeting = 'What would you like me to call you?';
const kScreenshots = process.env.QUILLARY_FIGURES ?? 'build-web/figures';
const kMaximumDrawMilliseconds = 50;
const kDesktop = { width: 1280, height: 800 };
const kPhone = { width: 390, height: 844, isMobile: true, hasTouch: true };

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
// figure, both when the panel is drawn and at the next frame painted.
function RecordDrawTimes() {
  window.figureDrawTimes = [];
  addEventListener('quillary-figure-drawn', () => {
    const drawn = performance.now() - window.quillaryOutputAt;
    requestAnimationFrame(() => window.figureDrawTimes.push(
      [drawn, performance.now() - window.quillaryOutputAt]));
  });
}

// The page at the maths menu, with a record of browser console messages and
// errors.
async function OpenAtMathsMenu(viewport) {
  const errors = [];
  const { page } = await browser.OpenPage(chromium, browser.kPage, viewport,
    async (tab) => {
      tab.on('console', (message) => errors.push(message.text()));
      tab.on('pageerror', (error) => errors.push(String(error)));
      await tab.evaluateOnNewDocument(RecordDrawTimes);
    });
  await browser.WaitForScreen(page, kGreeting);
  for (const line of ['Ada', '2']) await TypeLine(page, line);
  return { page, errors };
}

const { TypeLine } = browser;
const Work = browser.WorkExercise;

// The panel as a test reads it: whether it shows, its text, its image's
// name, and each element with a role and its numbers.
const Panel = (page) => page.$eval('#figure-panel', (panel) => ({
  hidden: panel.hidden || panel.offsetWidth === 0,
  text: panel.textContent,
  name: panel.querySelector('svg').getAttribute('aria-label'),
  drawn: Object.fromEntries([...panel.querySelectorAll('[data-role]')].map(
    (element) => [element.dataset.role, ['x', 'y', 'z', 'value']
      .map((key) => element.dataset[key]).filter((text) => text)])),
}));

// The panel down to the end of what it shows.
async function Screenshot(page, name) {
  const clip = await page.$eval('#figure-panel', (panel) => {
    const box = panel.getBoundingClientRect();
    const bottom = panel.lastElementChild.getBoundingClientRect().bottom;
    return { x: box.x, y: box.y, width: box.width,
      height: Math.min(box.height, bottom - box.y + 8) };
  });
  await page.screenshot({ clip, path: path.join(kScreenshots, `${name}.png`) });
}

function AssertFigure(panel, exercise, line) {
  assert.equal(panel.hidden, false);
  assert.equal(panel.name, line);
  if (exercise.undrawable) {
    assert.match(panel.text, /cannot be drawn/);
    assert.deepEqual(panel.drawn, {});
    return;
  }
  assert.deepEqual(panel.drawn.result, browser.PrintedResult(line));
  const echoed = line.match(/vector \((.*)\) is/)?.[1].split(', ');
  assert.deepEqual(panel.drawn.first, echoed ?? exercise.first);
  for (const role of ['second', 'third']) {
    assert.deepEqual(panel.drawn[role], exercise[role]);
  }
}

test('each vector exercise draws the numbers the terminal printed',
  async (t) => {
    const { page, errors } = await OpenAtMathsMenu(kDesktop);
    for (const exercise of kExercises) {
      await t.test(exercise.name, async () => {
        const line = await Work(page, exercise);
        AssertFigure(await Panel(page), exercise, line);
        await Screenshot(page, exercise.name);
        await TypeLine(page, '');
      });
    }
    // The prime test has no figure: the last one stays.
    const last = (await Panel(page)).name;
    for (const line of ['11', '7', '']) await TypeLine(page, line);
    assert.equal((await Panel(page)).name, last);
    const times = await page.evaluate(() => window.figureDrawTimes);
    assert.equal(times.length, kExercises.length);
    const slowest = (index) => Math.max(...times.map((time) => time[index]));
    console.log(`figure drawn ${slowest(0).toFixed(1)} ms after its result ` +
      `line at most, painted ${slowest(1).toFixed(1)} ms after`);
    assert.ok(slowest(0) <= kMaximumDrawMilliseconds);
    assert.deepEqual(errors, []);
    await page.close();
  });

const Box = (page, selector) =>
  page.$eval(selector, (element) => element.getBoundingClientRect().toJSON());

// Off, the terminal has the whole width again; on, the figure is back.
test('the switch hides and shows the panel, by keyboard', async () => {
  const { page, errors } = await OpenAtMathsMenu(kDesktop);
  const whole = (await Box(page, '#terminal')).width;
  await Work(page, kExercises[0]);
  assert.ok((await Box(page, '#terminal')).width < whole);
  await page.focus('#figure-switch');
  await page.keyboard.press('Space');
  assert.equal((await Panel(page)).hidden, true);
  assert.equal((await Box(page, '#terminal')).width, whole);
  await page.keyboard.press('Space');
  assert.equal((await Panel(page)).hidden, false);
  assert.ok((await Panel(page)).drawn.result);
  assert.deepEqual(errors, []);
  await page.close();
});

// On a phone the panel is under the terminal; a 3D figure turns with the
// arrow keys and keeps its numbers.
test('on a phone the figure is under the terminal and turns', async () => {
  const { page, errors } = await OpenAtMathsMenu(kPhone);
  const cross = kExercises.find((exercise) => exercise.name === 'cross');
  await Work(page, cross);
  const [terminal, panel] =
    [await Box(page, '#terminal'), await Box(page, '#figure-panel')];
  assert.ok(panel.top >= terminal.bottom - 1 && panel.bottom <= 844 + 1);
  const before = await Panel(page);
  const drawing = () => page.$eval('#figure-panel svg', (svg) => svg.innerHTML);
  const unturned = await drawing();
  await page.$eval('#figure-panel svg', (svg) => svg.focus());
  await page.keyboard.press('ArrowLeft');
  assert.notEqual(await drawing(), unturned);
  assert.deepEqual((await Panel(page)).drawn, before.drawn);
  await page.screenshot({ path: path.join(kScreenshots, 'phone_cross.png') });
  assert.deepEqual(errors, []);
  await page.close();
});
