// The page for every learner, in headless Chromium: the keyboard reaches
// every control and leaves the terminal; every figure, on a phone, a
// portrait tablet and a laptop, with ordinary and awkward operands and
// after every turn, has texts at least 12 px high that never overlap (in
// its insets too) nor cover an arrowhead or a vector's stroke nor lie
// under a grid line, and shows every vector at least 20 px long (in the
// figure or an inset); a three-dimensional figure opens in a view that
// shows each vector at least half its length, and its tick values lie
// beside their own axes, away from the origin; with a phone's keyboard up
// the terminal keeps its rows. The figures are saved as screenshots in
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
const kShortestVector = 20;
const kLeastPartShown = 0.5;
const kTickClearance = 10;
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
  // Short vectors beside a long result, seen end on in the usual view, or
  // too far apart in length for one inset; a small triangle under a long
  // normal.
  ['cross_short', '8', [['1', '5', '2'], ['-3', '6', '-4']]],
  ['cross_lengths_apart', '8', [['5', '-9', '4'],
    ['-1775', '1538', '-1461']]],
  ['cross_long_first', '8', [['4000', '0', '2'], ['0', '2', '-3']]],
  ['surface_normal_long_normal', '10', [['1', '-2', '0'], ['3', '1', '2'],
    ['-1', '0', '4']]],
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

// The figure's lines on the screen: each piece of its grid and axes (and
// the strokes drawn with them, which labels keep off), its tick marks, each
// axis whole (from its first tick mark to its last, as they are drawn from
// its negative end), the tick values of each axis, and the numbers of each
// vector of the figure (an inset's aside).
const Lines = (page) => page.evaluate(() => {
  const svg = document.querySelector('#figure-panel svg');
  const ToScreen = (element, names) => {
    const [x, y] = names.map((name) => element[name].baseVal.value);
    const point = new DOMPoint(x, y).matrixTransform(element.getScreenCTM());
    return [point.x, point.y];
  };
  const Ends = (line) => ({ from: ToScreen(line, ['x1', 'y1']),
    to: ToScreen(line, ['x2', 'y2']) });
  const axes = {};
  const marks = [];
  const insets = [...svg.querySelectorAll('.inset > rect')]
    .map((rect) => rect.getBoundingClientRect());
  for (const mark of svg.querySelectorAll('circle[data-axis]')) {
    const at = ToScreen(mark, ['cx', 'cy']);
    (axes[mark.dataset.axis] ??= { from: at }).to = at;
    // An inset hides the marks under it.
    if (!insets.some((box) => at[0] > box.left && at[0] < box.right &&
      at[1] > box.top && at[1] < box.bottom)) marks.push(at);
  }
  // The axes of a plane figure: its lines at 0 across and up.
  const zeroLines = [...svg.querySelectorAll(':scope > line')]
    .filter((line) => line.getAttribute('stroke') === '#9a9a9a')
    .map((line) => (line.x1.baseVal.value === line.x2.baseVal.value ? 'up'
      : line.y1.baseVal.value === line.y2.baseVal.value ? 'across' : ''));
  return {
    planeAxes: new Set(zeroLines.filter((way) => way)).size,
    marks,
    grid: [...svg.querySelectorAll(':scope > line')].map(Ends),
    axes,
    ticks: [...svg.querySelectorAll('text[data-axis]')].map((text) => ({
      axis: text.dataset.axis, text: text.textContent,
      ...text.getBoundingClientRect().toJSON() })),
    vectors: [...svg.querySelectorAll(':scope > g[data-role]')]
      .filter((group) => group.querySelector('.arrow line'))
      .map((group) => ({ role: group.dataset.role,
        at: ['x', 'y', 'z'].map((key) => Number(group.dataset[key])) })),
  };
});

const Minus = (a, b) => [a[0] - b[0], a[1] - b[1]];

// The distance from the point `p` to the segment from `from` to `to`.
function Distance(p, { from, to }) {
  const d = Minus(to, from);
  const t = Math.max(0, Math.min(1, (Minus(p, from)[0] * d[0] +
    Minus(p, from)[1] * d[1]) / (d[0] ** 2 + d[1] ** 2)));
  return Math.hypot(...Minus(p, [from[0] + t * d[0], from[1] + t * d[1]]));
}

// What is wrong with the figure's lines: a text under a line or over a
// tick mark, which could be read as a decimal point; in a plane figure
// with both axes in view, the origin's 0 not on each; and in a `solid`
// (three-dimensional) figure, a tick value nearer another axis than its
// own or at the origin, and, in the view it `opens` in, a vector that
// shows less than half its length.
function LineFaults({ grid, planeAxes, marks, axes, ticks, vectors }, texts,
  { solid, opens }) {
  const faults = texts.filter((text) => grid.some((piece) =>
    Crosses(text, piece))).map((text) => `"${text.text}" under a line`);
  for (const text of texts) {
    if (marks.some(([x, y]) => Crosses(text, { from: [x, y], to: [x, y] }))) {
      faults.push(`"${text.text}" over a tick mark`);
    }
  }
  if (!solid) {
    const zeros = texts.filter((text) => text.text === '0').length;
    if (planeAxes === 2 && zeros < 2) faults.push(`the origin's 0 ${zeros}×`);
    return faults;
  }
  if (['x', 'y', 'z'].some((name) => !axes[name])) {
    return [...faults, 'no tick marks by axis'];
  }
  // An axis runs as far either side of the origin.
  const origin = [(axes.z.from[0] + axes.z.to[0]) / 2,
    (axes.z.from[1] + axes.z.to[1]) / 2];
  for (const tick of ticks) {
    const middle = [(tick.left + tick.right) / 2, (tick.top + tick.bottom) / 2];
    const [own, ...others] = [tick.axis, ...['x', 'y', 'z']
      .filter((name) => name !== tick.axis)]
      .map((name) => Distance(middle, axes[name]));
    if (own >= Math.min(...others)) {
      faults.push(`${tick.axis} tick "${tick.text}" nearer another axis`);
    }
    const away = Math.hypot(
      Math.max(tick.left - origin[0], 0, origin[0] - tick.right),
      Math.max(tick.top - origin[1], 0, origin[1] - tick.bottom));
    if (away < kTickClearance) faults.push(`tick "${tick.text}" at the origin`);
  }
  // The axes' drawn lengths give the view: the squares of a parallel
  // view's three unit axes add up to 2.
  const drawn = ['x', 'y', 'z'].map((name) => Minus(axes[name].to,
    axes[name].from));
  const unit = Math.sqrt(drawn.reduce((sum, d) => sum + d[0] ** 2 +
    d[1] ** 2, 0) / 2);
  for (const { role, at } of opens ? vectors : []) {
    const seen = [0, 1].map((i) => at.reduce((sum, c, axis) =>
      sum + c * drawn[axis][i], 0));
    const part = Math.hypot(...seen) / (Math.hypot(...at) * unit);
    if (part < kLeastPartShown) {
      faults.push(`${role} shows ${part.toFixed(2)} of its length`);
    }
  }
  return faults;
}

const ZeroRoles = (page) => page.$$eval('#figure-panel [data-role]',
  (elements) => elements.filter((element) => ['x', 'y', 'z']
    .map((key) => element.dataset[key]).filter((text) => text)
    .every((text) => Number(text) === 0)).map((e) => e.dataset.role));

// Measures the figure shown, remembers its smallest text and its
// overlapping text pairs in `tally`, and gives its faults; `view` says
// whether it is `solid` and whether it `opens` in the view it opened in.
async function Measure(page, tally, when, view) {
  const geometry = await browser.FigureGeometry(page);
  assert.ok(geometry.shown, `${when}: no figure shown`);
  const heights = geometry.texts.map((text) => text.bottom - text.top);
  tally.smallest = Math.min(tally.smallest, ...heights);
  geometry.texts.forEach((text, index) => {
    tally.overlaps += geometry.texts.slice(index + 1)
      .filter((other) => Intersect(text, other)).length;
  });
  return [...Faults(geometry, await ZeroRoles(page)),
    ...LineFaults(await Lines(page), geometry.texts, view)]
    .map((f) => `${when}: ${f}`);
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
    faults.push(...await Measure(page, tally, `after ${way}`,
      { solid: true, opens: false }));
  }
  await page.click('#reset-view');
  assert.equal(await Drawing(page), unturned, 'Reset view');
}

// Turns a three-dimensional figure once round by the arrow keys, 0.4 rad
// at a time, where a vector may come to be seen end on, then back.
async function TurnRound(page, tally, faults) {
  await page.$eval('#figure-panel svg', (svg) => svg.focus());
  for (let step = 1; step <= 16; ++step) {
    for (let press = 0; press < 4; ++press) {
      await page.keyboard.press('ArrowLeft');
    }
    faults.push(...await Measure(page, tally,
      `turned ${(step * 0.4).toFixed(1)} rad`,
      { solid: true, opens: false }));
  }
  await page.click('#reset-view');
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
        const solid = exercise.first.length === 3;
        faults.push(...await Measure(page, tally, exercise.name,
          { solid, opens: true }));
        await Screenshot(page, `${device}_${exercise.name}`);
        if (solid) {
          await TurnAndReset(page, tally, faults);
          // The phone draws the smallest figure.
          if (device === 'phone') await TurnRound(page, tally, faults);
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
