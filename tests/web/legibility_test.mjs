// The page for every learner, in headless Chromium: the keyboard reaches
// every control in order and back, and never types a Tab into the program;
// every figure, on a phone, a portrait tablet and a laptop, with ordinary
// and awkward operands and after every turn (which keeps its numbers), has
// texts at least 12 px high that never overlap (in its insets too) nor
// cover an arrowhead or a vector's stroke nor lie under a grid line, and
// shows every vector at least 20 px long (in the figure or an inset); a
// three-dimensional figure opens in a view that shows each vector at least
// half its length, and its tick values lie beside their own axes, away from
// the origin; on the laptop each figure draws the numbers printed, within
// 50 ms, stays after its result line, and the Figures switch hides and
// shows them all; after ten exercises, on every screen from a 320 px phone
// to a laptop at 200 %, the page never scrolls sideways, the newest figure
// is whole, no text is small and axe-core finds no violation, and on a phone
// each result comes right above its figure, no word nor vector that fits a
// line is cut, and with the keyboard up the field and the newest line stay
// in view. The figures and pages are saved as screenshots in
// QUILLARY_FIGURES, named by device and case, to be looked at.
//   node --test legibility_test.mjs   (QUILLARY_PAGE: the built page)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kScreenshots } = browser;
const kDevices = {
  phone: browser.kPhone,
  tablet: { width: 820, height: 1180, hasTouch: true, isMobile: true },
  laptop: browser.kLaptop,
};
const kSmallestText = 12;
const kPictureColor = 'rgb(11, 11, 11)';
const kTextContrast = 4.5;
const kShortestVector = 20;
const kLeastPartShown = 0.5;
const kTickClearance = 10;
const kLargest = '2147483647';
const kSmallestPicture = 240;

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

// The page at the maths menu; `page.errors` holds its console messages too.
const OpenAtMathsMenu = (viewport) => browser.OpenAtMathsMenu(chromium,
  viewport, (tab) => tab.on('console',
    (message) => tab.errors.push(message.text())));

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
function Faults({ texts, heads, strokes, extents }, zeroRoles) {
  const faults = [];
  texts.forEach((text, index) => {
    const Fault = (what) => faults.push(`"${text.text}" ${what}`);
    const height = text.bottom - text.top;
    if (height < kSmallestText) Fault(`${height} px`);
    if (Contrast(text.fill, kPictureColor) < kTextContrast) {
      Fault(`in ${text.fill}`);
    }
    for (const other of texts.slice(index + 1)) {
      if (Intersect(text, other)) Fault(`on "${other.text}"`);
    }
    for (const head of heads) if (Intersect(text, head)) Fault('on a head');
    for (const stroke of strokes) {
      if (Crosses(text, stroke)) Fault(`on the stroke of ${stroke.role}`);
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
function LineFaults({ grid, planeAxes, marks, axes, ticks, vectors, texts },
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

const ZeroRoles = (page) => page.$$eval('.exercise-figure',
  (figures) => [...figures.at(-1).querySelectorAll('[data-role]')]
    .filter((element) => ['x', 'y', 'z']
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
    ...LineFaults(geometry, view)]
    .map((f) => `${when}: ${f}`);
}

// The newest figure's picture, and its button Reset view.
const Picture = browser.NewestPicture;
const ResetView = async (page) => (await page.$$('.reset-view')).at(-1);

// The picture brought to the middle of the window, clear of the answer
// line held at its bottom, and its centre there.
async function Centre(page) {
  const box = await (await Picture(page)).evaluate((svg) => {
    svg.scrollIntoView({ block: 'center' });
    return svg.getBoundingClientRect().toJSON();
  });
  return [box.x + box.width / 2, box.y + box.height / 2];
}

async function Screenshot(page, name) {
  await Centre(page);
  await (await Picture(page)).screenshot({
    path: path.join(kScreenshots, `${name}.png`) });
}

const Drawing = async (page) =>
  (await Picture(page)).evaluate((svg) => svg.innerHTML);

const FocusPicture = async (page) =>
  (await Picture(page)).evaluate((svg) => svg.focus());

// The ways a three-dimensional figure turns, each from the view before.
const kTurns = {
  keys: async (page) => {
    await FocusPicture(page);
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

// The numbers of each role in the newest figure (an inset repeats some).
const Numbers = async (page) => (await Picture(page)).evaluate((svg) =>
  Object.fromEntries([...svg.closest('.exercise-figure')
    .querySelectorAll('[data-role]')].map(({ dataset }) =>
    [dataset.role, JSON.stringify(dataset)])));

// Turns a three-dimensional figure each way, checking that each turns it
// and keeps its numbers, then Reset view, which must give the first view
// back.
async function TurnAndReset(page, tally, faults) {
  const unturned = await Drawing(page);
  const numbers = await Numbers(page);
  for (const [way, Turn] of Object.entries(kTurns)) {
    const before = await Drawing(page);
    await Turn(page);
    assert.notEqual(await Drawing(page), before, `${way} did not turn it`);
    assert.deepEqual(await Numbers(page), numbers, `${way} changed them`);
    faults.push(...await Measure(page, tally, `after ${way}`,
      { solid: true, opens: false }));
  }
  await (await ResetView(page)).click();
  assert.equal(await Drawing(page), unturned, 'Reset view');
}

// Turns a three-dimensional figure once round by the arrow keys, 0.4 rad
// at a time, where a vector may come to be seen end on, then back.
async function TurnRound(page, tally, faults) {
  await FocusPicture(page);
  for (let step = 1; step <= 16; ++step) {
    for (let press = 0; press < 4; ++press) {
      await page.keyboard.press('ArrowLeft');
    }
    faults.push(...await Measure(page, tally,
      `turned ${(step * 0.4).toFixed(1)} rad`,
      { solid: true, opens: false }));
  }
  await (await ResetView(page)).click();
}

// Results with no picture, worked on the laptop only.
const kUndrawable = [['normalize_zero', '9', [['0', '0']]],
  ['dot_zero', '7', [['0', '0'], ['1', '2']]]]
  .map(([name, menu, [first, second]]) =>
    ({ name, menu, first, second, undrawable: true }));
const kMaximumDrawMilliseconds = 50;

// Every exercise in the transcript, in order: whether its figure shows,
// its text, its picture's name (null where it has none), the numbers of
// each role, whether a Working follows, and its screen's text before it.
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

// The figure right after its result line draws the numbers printed (or
// the operands typed, where the line does not echo them); one that cannot
// be drawn shows its line and why, with no picture.
function AssertDrawnAsPrinted(figure, exercise, line) {
  assert.equal(figure.hidden, false);
  assert.ok(figure.before.endsWith(line), figure.before.slice(-80));
  if (exercise.undrawable) {
    assert.ok(figure.name === null && figure.text.startsWith(line) &&
      /cannot be drawn/.test(figure.text), figure.text);
    return assert.deepEqual(figure.drawn, {});
  }
  assert.equal(figure.name, line);
  assert.deepEqual(figure.drawn.result, browser.PrintedResult(line));
  const echoed = line.match(/vector \((.*)\) is/)?.[1].split(', ');
  // Operands of a million and more are drawn as the program prints floats.
  for (const [role, typed] of [['first', echoed ?? exercise.first],
    ['second', exercise.second], ['third', exercise.third]]) {
    if (!typed?.some((number) => Math.abs(number) >= 1e6)) {
      assert.deepEqual(figure.drawn[role], typed, role);
    }
  }
}

// After the laptop's exercises and a prime test (no figure): every figure
// and Working kept in order after its own result line, each figure drawn
// soon after its line, and the Figures switch hiding and showing all of
// them by keyboard, leaving each Working.
async function AssertKept(page, cases, lines) {
  for (const line of ['11', '7', '']) await browser.TypeLine(page, line);
  const kept = await Exercises(page);
  assert.equal(kept.length, cases.length);
  kept.forEach((figure, index) => {
    AssertDrawnAsPrinted(figure, cases[index], lines[index]);
    assert.equal(figure.working, true, lines[index]);
  });
  const times = await page.evaluate(() => window.quillaryRecord.figures);
  assert.equal(times.length, cases.length);
  const slowest = (index) => Math.max(...times.map((time) => time[index]));
  console.log(`figure drawn ${slowest(0).toFixed(1)} ms after its result ` +
    `line at most, painted ${slowest(1).toFixed(1)} ms after`);
  assert.ok(slowest(0) <= kMaximumDrawMilliseconds);
  const Shown = async () => (await Exercises(page))
    .map(({ hidden, working }) => ({ hidden, working }));
  await page.focus('#figure-switch');
  for (const hidden of [true, false]) {
    await page.keyboard.press('Space');
    assert.deepEqual(await Shown(), Array(cases.length).fill(
      { hidden, working: true }));
  }
}

for (const [device, viewport] of Object.entries(kDevices)) {
  test(`every figure is legible on the ${device}`, async (t) => {
    const page = await OpenAtMathsMenu(viewport);
    const tally = { smallest: Infinity, overlaps: 0 };
    const faults = [];
    const laptop = device === 'laptop';
    const cases = laptop ? [...kCases, ...kUndrawable] : kCases;
    const lines = [];
    for (const exercise of cases) {
      await t.test(exercise.name, async () => {
        const line = await browser.WorkExercise(page, exercise);
        lines.push(line);
        if (laptop) {
          AssertDrawnAsPrinted((await Exercises(page)).at(-1), exercise,
            line);
        }
        if (exercise.undrawable) return browser.TypeLine(page, '');
        assert.equal(await (await Picture(page)).evaluate((svg) =>
          svg.querySelector('[data-role="result"]') &&
          svg.getAttribute('aria-label')), line);
        const solid = exercise.first.length === 3;
        faults.push(...await Measure(page, tally, exercise.name,
          { solid, opens: true }));
        await Screenshot(page, `${device}_${exercise.name}`);
        if (solid) {
          await TurnAndReset(page, tally, faults);
          // The phone draws the smallest figure.
          if (device === 'phone') await TurnRound(page, tally, faults);
          await page.focus('#answer');
        }
        await browser.TypeLine(page, '');
      });
    }
    console.log(`${device}: smallest text ${tally.smallest.toFixed(1)} px, ` +
      `${tally.overlaps} overlapping text pairs`);
    if (laptop) await AssertKept(page, cases, lines);
    assert.deepEqual(faults, []);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

// The control that has the focus: its id or its text, or, for a control
// of an exercise in the transcript, which has no id, its kind and the
// exercise's place (1 for the first); null past the page's last control;
// and whether it shows an outline.
const FocusedControl = (page) => page.evaluate(() => {
  const element = document.activeElement;
  if (!element || element === document.body) return { id: null };
  const exercise = element.closest('.exercise');
  const kinds = { 'svg.figure-picture': 'figure-picture',
    'button.reset-view': 'reset-view', 'button.save-picture': 'save-picture',
    '.working > summary': 'working' };
  const kind = Object.entries(kinds)
    .find(([selector]) => element.matches(selector))?.[1] ?? element.tagName;
  const place = [...document.querySelectorAll('.exercise')]
    .indexOf(exercise) + 1;
  const style = getComputedStyle(element);
  return {
    id: exercise ? `${kind} ${place}`
      : element.id || element.textContent.trim() || element.tagName,
    outlined: style.outlineStyle !== 'none' &&
      parseFloat(style.outlineWidth) >= 2,
  };
});

// The controls that `key` reaches one after another from the focus, each
// outlined, until it leaves the page's last (or first) control.
async function Walk(page, key) {
  const reached = [];
  for (let presses = 0; presses < 30; ++presses) {
    await page.keyboard.press(key);
    const control = await FocusedControl(page);
    if (control.id === null || reached.includes(control.id)) break;
    assert.ok(control.outlined, `${control.id} shows no focus`);
    reached.push(control.id);
  }
  return reached;
}

// Walking the page by Tab reaches every control in the page's order, each
// outlined, and Shift+Tab walks back; no Tab reaches the program, and what
// the learner types next reaches it with no Tab in it.
test('the keyboard reaches every control in order and back', async () => {
  const page = await OpenAtMathsMenu(kDevices.laptop);
  for (const name of ['cross', 'addition']) {
    await browser.WorkExercise(page, kCases.find((c) => c.name === name));
    if (name === 'cross') await browser.TypeLine(page, '');
  }
  const since = await browser.OutputLength(page);
  // From past the last control, Tab starts again at the top.
  await page.focus('#interrupt');
  await Walk(page, 'Tab');
  const forward = await Walk(page, 'Tab');
  const wanted = ['figure-switch', 'link-open', 'help-open',
    'figure-picture 1', 'reset-view 1', 'save-picture 1', 'working 1',
    'save-picture 2', 'working 2', 'answer', 'Send', 'end-input',
    'interrupt'];
  assert.deepEqual(forward, wanted);
  await page.focus('#interrupt');
  await page.keyboard.down('Shift');
  const back = ['interrupt', ...await Walk(page, 'Tab')];
  await page.keyboard.up('Shift');
  assert.deepEqual(back, wanted.toReversed());
  assert.equal(await browser.OutputLength(page), since);
  assert.equal(await page.$eval('#answer', (field) => field.value), '');
  await page.focus('#answer');
  await browser.TypeLine(page, '');
  await browser.TypeLine(page, '3');
  const answer = (await browser.OutputText(page)).slice(since);
  assert.ok(!answer.includes('\t'));
  assert.match(answer, /Please Enter a value for X1/);
  await page.close();
});

// The vectors of the newest Working (a "(" and its ")" with a comma
// between) that run over more than one line although, side by side, their
// <math> elements fit on one, or that break elsewhere than after a comma
// or before a component's own "+" or "−". A
// line breaks only between <math> elements: one that starts left of the
// end of the one before starts a line.
const CutVectors = (page) => page.$$eval(
  `${browser.kNewestScreen} .working li > p:not(.working-note)`,
  (lines) => lines.flatMap((line) => {
    const maths = [...line.querySelectorAll('math')];
    const boxes = maths.map((math) => math.getBoundingClientRect());
    const rows = [0];
    for (let i = 1; i < maths.length; ++i) {
      rows.push(rows[i - 1] + (boxes[i].left < boxes[i - 1].right - 1));
    }
    const style = getComputedStyle(line);
    const room = line.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight);
    const cut = [];
    const open = [];
    for (const leaf of line.querySelectorAll('mo, mn, mi')) {
      const text = leaf.textContent;
      const at = maths.indexOf(leaf.closest('math'));
      if (text === '(') open.push({ at, comma: false });
      if (text === ',' && open.length > 0) open.at(-1).comma = true;
      if (text !== ')' || open.length === 0) continue;
      const { at: first, comma } = open.pop();
      if (!comma || rows[first] === rows[at]) continue;
      const width = boxes.slice(first, at + 1)
        .reduce((sum, box) => sum + box.width, 0);
      const badBreak = maths.slice(first, at).some((math, i) =>
        rows[first + i + 1] > rows[first + i] &&
        !math.textContent.trim().endsWith(',') &&
        !/^[+\u2212]/.test(maths[first + i + 1].textContent.trim()));
      if (width <= room || badBreak) {
        cut.push(maths.slice(first, at + 1).map((math) => math.textContent)
          .join(' / '));
      }
    }
    return cut;
  }));

// How the newest screen lays out its exercise: whether the result line is
// right before and above the figure and Working in the same screen, whether the
// page scrolls sideways, and the words of the newest screens' text that
// are split across lines though narrower than the line.
const ExerciseLayout = (page, result) => page.evaluate((screenSelector,
  resultLine) => {
  const screen = document.querySelector(screenSelector);
  const exercise = screen.querySelector(':scope > .exercise');
  const before = exercise?.previousSibling?.textContent ?? '';
  const room = screen.clientWidth;
  const split = [];
  for (const shown of [...document.querySelectorAll('#transcript > .screen')]
    .slice(-3)) {
    for (const node of shown.childNodes) {
      if (node.nodeType !== Node.TEXT_NODE) continue;
      for (const { 0: word, index } of node.textContent.matchAll(/\S+/g)) {
        const range = document.createRange();
        range.setStart(node, index);
        range.setEnd(node, index + word.length);
        const rects = [...range.getClientRects()];
        const width = rects.reduce((sum, rect) => sum + rect.width, 0);
        if (rects.length !== 1 && width < room) split.push(word);
      }
    }
  }
  const page = document.scrollingElement;
  const figure = exercise.querySelector(':scope > figure.exercise-figure');
  const [result, box, picture] = [exercise.previousSibling, figure,
    figure.querySelector('svg')].map((shown) => {
    const range = document.createRange();
    range.selectNode(shown);
    return range.getBoundingClientRect();
  });
  return {
    // The result line above the figure, the figure within the window and
    // its picture within the figure.
    resultThenExercise: before.split('\n').at(-1) === resultLine &&
      !!exercise.querySelector(':scope > details.working[open]') &&
      result.bottom <= box.top && box.left >= 0 &&
      box.right <= page.clientWidth && picture.right <= box.right,
    sideways: page.scrollWidth - page.clientWidth,
    split,
  };
}, browser.kNewestScreen, result);

// The page as laid out: how wide it is and its window, the place of each
// exercise whose Working is wider than its room (a screen left behind
// clips what it cannot hold, so the page would not show it as wider), the
// newest picture's box, and each text shown smaller than `smallest` px.
const Layout = (page, smallest) => page.evaluate((smallest) => {
  const small = [];
  const walker = document.createTreeWalker(document.body,
    NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const shown = node.parentElement;
    if (node.data.trim() === '' || shown.getClientRects().length === 0) {
      continue;
    }
    const size = parseFloat(getComputedStyle(shown).fontSize);
    if (size < smallest) small.push(`"${node.data.trim()}" ${size} px`);
  }
  const picture = [...document.querySelectorAll('svg.figure-picture')].at(-1);
  const wide = [...document.querySelectorAll('.working')]
    .map((working, index) => working.scrollWidth > working.clientWidth &&
      index + 1).filter((place) => place);
  return { width: document.documentElement.scrollWidth,
    window: document.documentElement.clientWidth, wide,
    picture: picture.getBoundingClientRect().toJSON(), small };
}, smallest);

const PictureWidth = async (page) => (await Picture(page)).evaluate(
  (svg) => svg.getBoundingClientRect().width);

// The newest screen's last line of text, and whether it and the field lie
// in what can be seen, the line above the answer line.
const LastLineSeen = (page) => page.$eval(browser.kNewestScreen, (screen) => {
  const last = [...screen.childNodes].filter((node) =>
    node.nodeType === Node.TEXT_NODE && node.data.trim() !== '').at(-1);
  const end = last.data.trimEnd().length;
  const line = document.createRange();
  line.setStart(last, last.data.lastIndexOf('\n', end - 1) + 1);
  line.setEnd(last, end);
  const { offsetTop, height } = visualViewport;
  const Seen = ({ top, bottom }) =>
    top >= offsetTop - 1 && bottom <= offsetTop + height + 1;
  const box = line.getBoundingClientRect();
  return { text: line.toString(), field: Seen(document
    .getElementById('answer').getBoundingClientRect()), line: Seen(box) &&
    box.bottom <= document.getElementById('answer-line')
      .getBoundingClientRect().top + 1 };
});

// With a phone's keyboard up, which leaves the page a window 400 px high,
// the field and the newest line (after the exercise, then the menu's last
// after Enter) both lie in what can be seen, above the answer line; the
// figures keep their size, so that the page does not move under the
// learner's eyes.
async function AssertKeyboardUp(page, viewport, screen) {
  const width = await PictureWidth(page);
  await page.focus('#answer');
  await page.setViewport({ ...viewport, height: 400 });
  await page.waitForFunction(() => visualViewport.height === 400);
  for (const enter of [true, false]) {
    // The page scrolls to its newest at the next frame.
    await browser.NextFrames(page);
    const seen = await LastLineSeen(page);
    assert.deepEqual(seen, { text: enter ? seen.text : 'Q) Quit',
      field: true, line: true });
    if (enter) await browser.TypeLine(page, '');
  }
  assert.equal(await PictureWidth(page), width);
  await page.screenshot({ path: path.join(kScreenshots,
    `${screen}_keyboard_up.png`) });
  await page.setViewport(viewport);
  assert.equal(await PictureWidth(page), width);
}

// Ten exercises, 3D and 2D: six whose Working has vectors at the end of
// long lines, which a phone cut after a comma ("(−2," above "2, 4)"), then
// four more with long numbers in their Working.
const kCutOnPhones = ['surface_normal', 'lin_inter', 'cross_lengths_apart',
  'cross_short', 'surface_normal_long_normal', 'addition'];
const kTen = [...kCutOnPhones, 'cross', 'lin_inter_far_beyond',
  'distance_largest', 'dot'].map((name) => kCases.find((c) => c.name === name));
const kScreens = {
  phone: kDevices.phone,
  phone_320: browser.kSmallPhone,
  tablet: kDevices.tablet,
  laptop: kDevices.laptop,
  // The laptop's browser at 200 %: half as many CSS pixels, each twice.
  laptop_200_percent: { width: 640, height: 400, deviceScaleFactor: 2 },
};

// On a phone, each of the first six results right before its figure and
// open Working in one screen, no word of the program's split, no vector of
// the Working that fits on a line cut, nothing wider than the window; on
// every screen, nothing wider than the window, the newest figure whole,
// no text small, on a phone the keyboard up, and axe-core finding nothing,
// with Help open and once the run has ended too.
for (const [screen, viewport] of Object.entries(kScreens)) {
  test(`after ten exercises the ${screen} shows all, and axe-core finds ` +
    'no violation', async () => {
    const page = await OpenAtMathsMenu(viewport);
    const phone = viewport.hasTouch && viewport.width < 400;
    const cut = [];
    for (const [index, exercise] of kTen.entries()) {
      const result = await browser.WorkExercise(page, exercise);
      if (phone && kCutOnPhones.includes(exercise.name)) {
        assert.deepEqual(await ExerciseLayout(page, result),
          { resultThenExercise: true, sideways: 0, split: [] }, result);
        cut.push(...await CutVectors(page));
      }
      if (index < kTen.length - 1) await browser.TypeLine(page, '');
    }
    assert.deepEqual(cut, []);
    // The newest exercise from the top of the window down, saved first.
    await (await Picture(page)).evaluate((svg) =>
      svg.closest('.exercise').scrollIntoView());
    await page.screenshot({ path: path.join(kScreenshots,
      `${screen}_ten_exercises.png`) });
    const layout = await Layout(page, kSmallestText);
    assert.ok(layout.width <= layout.window, JSON.stringify(layout));
    assert.deepEqual(layout.wide, [], 'Working wider than its room');
    const { left, right, width, height } = layout.picture;
    assert.ok(width >= kSmallestPicture && height >= kSmallestPicture &&
      left >= 0 && right <= layout.window, JSON.stringify(layout.picture));
    assert.deepEqual(layout.small, []);
    assert.deepEqual(await browser.AccessibilityViolations(page), [], 'ten');
    if (phone) await AssertKeyboardUp(page, viewport, screen);
    await page.click('#help-open');
    assert.deepEqual(await browser.AccessibilityViolations(page), [], 'Help');
    await page.keyboard.press('Escape');
    // Ctrl-D in the empty field, which no touch screen asks to confirm.
    await page.focus('#answer');
    await browser.PressControl(page, 'd');
    await browser.WaitForScreen(page, 'Quillary has ended.');
    assert.deepEqual(await browser.AccessibilityViolations(page), [], 'ended');
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}
