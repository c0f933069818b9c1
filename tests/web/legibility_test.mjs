// The page for every learner, in headless Chromium: the keyboard reaches
// every control and leaves the terminal; every figure, on a phone, a
// portrait tablet and a laptop, with ordinary and awkward operands and
// after every turn, has texts at least 12 px high that never overlap nor
// cover an arrowhead or a vector's stroke, and shows every vector at least
// 24 px long (in the figure or its inset); with a phone's keyboard up the
// terminal keeps its rows. The figures are saved as screenshots in
// QUILLARY_FIGURES, named by device and case, to be looked at.
//   node --test legibility_test.mjs   (QUILLARY_PAGE: the built page)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const kGreeting = 'What would you like me to call you?';
const kScreenshots = process.env.QUILLARY_FIGURES ?? 'build-web/figures';
const kDevices = {
  phone: browser.kPhone,
  tablet: { width: 820, height: 1180, hasTouch: true, isMobile: true },
  laptop: { width: 1280, height: 800 },
};
const kSmallestText = 12;
const kPanelColor = 'rgb(11, 11, 11)';
const kTextContrast = 4.5;
const kShortestVector = 24;
const kLargest = '2147483647';

// Each exercise with ordinary operands, then awkward ones: magnitudes far
// apart, collinear or coinciding vectors, negative components, the largest
// integers.
const kCases = [
  ['addition', '2', [['1', '2'], ['3', '4']]],
  ['addition_far_apart', '2', [['0', '1'], ['1000', '1000']]],
  ['addition_collinear', '2', [['1', '2'], ['2', '4']]],
  ['sub', '3', [['-5', '3'], ['2', '-7']]],
  ['sub_collinear', '3', [['3', '4'], ['6', '8']]],
  ['distance', '4', [['-2', '1'], ['30', '25']]],
  ['distance_same_point', '4', [['5', '5'], ['5', '5']]],
  ['distance_largest', '4', [[kLargest, '-' + kLargest], ['0', '1']]],
  ['magniute', '5', [['3', '4']]],
  ['magniute_largest', '5', [[kLargest, '-' + kLargest]]],
  ['lin_inter', '6', [['1', '1'], ['2', '3']], '-7'],
  ['lin_inter_far_beyond', '6', [['0', '-3'], ['20', '1']], kLargest],
  ['dot', '7', [['3', '1'], ['-4', '-2']]],
  ['dot_collinear', '7', [['2', '1'], ['4', '2']]],
  ['dot_far_apart', '7', [['1', '0'], ['0', '900']]],
  ['cross', '8', [['1', '2', '3'], ['4', '5', '6']]],
  ['cross_far_apart', '8', [['3', '-2', '5'], ['-1', '4', '2']]],
  ['cross_collinear', '8', [['1', '2', '3'], ['2', '4', '6']]],
  ['normalize', '9', [['3', '4']]],
  ['normalize_largest', '9', [[kLargest, '1']]],
  ['surface_normal', '10', [['-1', '-2', '-3'], ['4', '-5', '6'],
    ['-7', '8', '-9']]],
  ['surface_normal_small', '10', [['0', '0', '0'], ['1', '0', '0'],
    ['0', '1', '0']]],
].map(([name, menu, [first, second, third], tenths]) =>
  ({ name, menu, first, second, third, tenths }));

let chromium;
before(async () => {
  chromium = await browser.LaunchBrowser();
  await mkdir(kScreenshots, { recursive: true });
});
after(() => browser.CloseBrowser(chromium));

// The page at the maths menu; `page.errors` collects the errors it throws.
async function OpenAtMathsMenu(viewport) {
  const errors = [];
  const { page } = await browser.OpenPage(chromium, browser.kPage, viewport,
    (tab) => tab.on('pageerror', (error) => errors.push(error.stack)));
  page.errors = errors;
  await browser.WaitForScreen(page, kGreeting);
  for (const line of ['Ada', '2']) await browser.TypeLine(page, line);
  return page;
}

const Intersect = (a, b, inset = 0.5) =>
  a.left + inset < b.right && b.left + inset < a.right &&
  a.top + inset < b.bottom && b.top + inset < a.bottom;

// Whether the segment from `from` to `to` passes through the box (a little
// inside its edges), by clipping the segment to it.
function Crosses(box, { from, to }, inset = 1) {
  let [low, high] = [0, 1];
  const d = [to[0] - from[0], to[1] - from[1]];
  const limits = [[from[0], d[0], box.left + inset, box.right - inset],
    [from[1], d[1], box.top + inset, box.bottom - inset]];
  for (const [start, delta, min, max] of limits) {
    if (delta === 0) {
      if (start < min || start > max) return false;
      continue;
    }
    const [t1, t2] = [(min - start) / delta, (max - start) / delta];
    low = Math.max(low, Math.min(t1, t2));
    high = Math.min(high, Math.max(t1, t2));
  }
  return low <= high;
}

// The contrast of two colours "rgb(r, g, b)", as WCAG reckons it.
function Contrast(...colors) {
  const [high, low] = colors.map((color) => color.match(/\d+/g)
    .slice(0, 3).map((c) => {
      const v = Number(c) / 255;
      return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
    })).map(([r, g, b]) => 0.2126 * r + 0.7152 * g + 0.0722 * b + 0.05)
    .sort((a, b) => b - a);
  return high / low;
}

// What is wrong with the figure as drawn: each fault as a line of text.
function Faults(geometry, zeroRoles) {
  const faults = [];
  const { texts, heads, strokes, extents } = geometry;
  for (const text of texts) {
    const height = text.bottom - text.top;
    if (height < kSmallestText) faults.push(`"${text.text}" ${height} px`);
    if (Contrast(text.fill, kPanelColor) < kTextContrast) {
      faults.push(`"${text.text}" in ${text.fill}`);
    }
  }
  texts.forEach((text, index) => {
    for (const other of texts.slice(index + 1)) {
      if (Intersect(text, other)) {
        faults.push(`"${text.text}" on "${other.text}"`);
      }
    }
    for (const head of heads) {
      if (Intersect(text, head)) faults.push(`"${text.text}" on a head`);
    }
    for (const stroke of strokes) {
      if (Crosses(text, stroke)) {
        faults.push(`"${text.text}" on the stroke of ${stroke.role}`);
      }
    }
  });
  const longest = {};
  for (const { role, extent } of extents) {
    if (role) longest[role] = Math.max(longest[role] ?? 0, extent);
  }
  for (const [role, extent] of Object.entries(longest)) {
    if (extent < kShortestVector && !zeroRoles.includes(role)) {
      faults.push(`${role} ${extent.toFixed(1)} px long`);
    }
  }
  return faults;
}

const ZeroRoles = (page) => page.$$eval('#figure-panel [data-role]',
  (elements) => elements.filter((element) => ['x', 'y', 'z']
    .map((key) => element.dataset[key]).filter((text) => text)
    .every((text) => Number(text) === 0)).map((e) => e.dataset.role));

// Measures the figure shown, remembers its smallest text and its
// overlapping text pairs in `tally`, and gives its faults.
async function Measure(page, tally, when) {
  const geometry = await browser.FigureGeometry(page);
  assert.ok(geometry.shown, `${when}: no figure shown`);
  const heights = geometry.texts.map((text) => text.bottom - text.top);
  tally.smallest = Math.min(tally.smallest, ...heights);
  geometry.texts.forEach((text, index) => {
    tally.overlaps += geometry.texts.slice(index + 1)
      .filter((other) => Intersect(text, other)).length;
  });
  return Faults(geometry, await ZeroRoles(page)).map((f) => `${when}: ${f}`);
}

async function Screenshot(page, name) {
  const svg = await page.$('#figure-panel svg');
  await svg.screenshot({ path: path.join(kScreenshots, `${name}.png`) });
}

const Drawing = (page) =>
  page.$eval('#figure-panel svg', (svg) => svg.innerHTML);

async function Centre(page) {
  const box = await page.$eval('#figure-panel svg',
    (svg) => svg.getBoundingClientRect().toJSON());
  return [box.x + box.width / 2, box.y + box.height / 2];
}

// The ways a three-dimensional figure turns, each from the view before.
const kTurns = {
  keys: async (page) => {
    await page.$eval('#figure-panel svg', (svg) => svg.focus());
    for (const key of ['ArrowLeft', 'ArrowLeft', 'ArrowUp']) {
      await page.keyboard.press(key);
    }
  },
  drag: async (page) => {
    const [x, y] = await Centre(page);
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + 60, y + 25, { steps: 4 });
    await page.mouse.up();
  },
  touch: async (page) => {
    const [x, y] = await Centre(page);
    await page.touchscreen.touchStart(x, y);
    await page.touchscreen.touchMove(x - 50, y - 30);
    await page.touchscreen.touchEnd();
  },
};

// Turns a three-dimensional figure each way, checking that each turns it,
// then Reset view, which must give the first view back.
async function TurnAndReset(page, tally, faults) {
  const unturned = await Drawing(page);
  for (const [way, Turn] of Object.entries(kTurns)) {
    const before = await Drawing(page);
    await Turn(page);
    assert.notEqual(await Drawing(page), before, `${way} did not turn it`);
    faults.push(...await Measure(page, tally, `after ${way}`));
  }
  await page.click('#reset-view');
  assert.equal(await Drawing(page), unturned, 'Reset view');
}

for (const [device, viewport] of Object.entries(kDevices)) {
  test(`every figure is legible on the ${device}`, async (t) => {
    const page = await OpenAtMathsMenu(viewport);
    const tally = { smallest: Infinity, overlaps: 0 };
    const faults = [];
    for (const exercise of kCases) {
      await t.test(exercise.name, async () => {
        await browser.WorkExercise(page, exercise);
        await page.waitForSelector('#figure-panel [data-role="result"]');
        faults.push(...await Measure(page, tally, exercise.name));
        await Screenshot(page, `${device}_${exercise.name}`);
        if (exercise.third || exercise.first.length === 3) {
          await TurnAndReset(page, tally, faults);
          await page.focus(viewport.hasTouch ? '#answer'
            : '.xterm-helper-textarea');
        }
        await browser.TypeLine(page, '');
      });
    }
    console.log(`${device}: smallest text ${tally.smallest.toFixed(1)} px, ` +
      `${tally.overlaps} overlapping text pairs`);
    assert.deepEqual(faults, []);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

// The element that has the focus: its id, or the terminal for xterm.js's
// own field, or null past the page's last control; and whether it, or the
// terminal around it, shows an outline.
const FocusedControl = (page) => page.evaluate(() => {
  const element = document.activeElement;
  if (element === document.body) return { id: null };
  const shown = element.closest('#terminal') ?? element;
  const style = getComputedStyle(shown);
  return {
    id: element.closest('#terminal') ? 'terminal' : element.id ||
      element.textContent.trim() || element.tagName,
    outlined: style.outlineStyle !== 'none' &&
      parseFloat(style.outlineWidth) >= 2,
  };
});

// Tab and Shift+Tab leave the terminal, and what the learner types next
// reaches the program with no Tab in it; walking the page by Tab reaches
// every control in the page's order, each outlined.
test('the keyboard leaves the terminal and reaches every control', async () => {
  const page = await OpenAtMathsMenu(kDevices.laptop);
  await browser.WorkExercise(page, kCases.find((c) => c.name === 'cross'));
  await page.focus('.xterm-helper-textarea');
  await page.keyboard.press('Tab');
  assert.notEqual((await FocusedControl(page)).id, 'terminal');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  assert.equal((await FocusedControl(page)).id, 'terminal');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  assert.equal((await FocusedControl(page)).id, 'help-open');
  await page.focus('.xterm-helper-textarea');
  const since = await browser.OutputLength(page);
  await browser.TypeLine(page, '');
  await browser.TypeLine(page, '3');
  const answer = (await browser.OutputText(page)).slice(since);
  assert.ok(!answer.includes('\t'));
  assert.match(answer, /Please Enter a value for X1/);
  // From past the last control, Tab starts again at the top.
  await page.focus('#answer-line button[type="submit"]');
  await page.keyboard.press('Tab');
  const reached = [];
  for (let presses = 0; presses < 20; ++presses) {
    await page.keyboard.press('Tab');
    const control = await FocusedControl(page);
    if (control.id === null || reached.includes(control.id)) break;
    assert.ok(control.outlined, `${control.id} shows no focus`);
    reached.push(control.id);
  }
  const wanted = ['help-open', 'terminal', 'figure-picture', 'reset-view',
    'screen-reader', 'figure-switch', 'end-input', 'interrupt', 'answer',
    'Send'];
  assert.deepEqual(reached.filter((id) => wanted.includes(id)), wanted);
  await page.close();
});

// With a phone's keyboard up the figure gives up its room: the terminal
// keeps 8 rows and more, the last of them the prompt; with the keyboard
// down the figure is back.
test('with a phone keyboard up the terminal keeps its rows', async () => {
  const page = await OpenAtMathsMenu(kDevices.phone);
  await browser.WorkExercise(page, kCases[0]);
  await browser.TypeLine(page, '');
  await page.setViewport({ ...kDevices.phone, height: 480 });
  await page.waitForFunction(() =>
    document.querySelector('#figure-panel svg').clientHeight === 0);
  const rows = await page.evaluate(() => {
    const screen = document.querySelector('.xterm-screen')
      .getBoundingClientRect();
    const terminal = document.getElementById('terminal')
      .getBoundingClientRect();
    const rowHeight = screen.height /
      document.querySelectorAll('.xterm-rows > div').length;
    return Math.floor((Math.min(screen.bottom, terminal.bottom,
      innerHeight) - Math.max(screen.top, terminal.top, 0)) / rowHeight);
  });
  assert.ok(rows >= 8, `${rows} rows`);
  const lines = (await browser.ScreenLines(page)).filter((line) => line);
  assert.equal(lines.at(-1), 'Q) Quit');
  await page.screenshot({ path: path.join(kScreenshots,
    'phone_keyboard_up.png') });
  await page.setViewport(kDevices.phone);
  await page.waitForFunction(() =>
    document.querySelector('#figure-panel svg').clientHeight > 200);
  await page.close();
});
