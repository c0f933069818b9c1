// Headless Chromium for the page's tests and benchmark: starts the browser
// with no network of its own and a fresh profile, and opens the built page
// with a record of the program's output and of every request made.
import puppeteer from 'puppeteer-core';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const kChromium = process.env.QUILLARY_CHROMIUM ?? '/usr/bin/chromium';

// What the tests share: the built page, the transcripts typed into it, and
// the clear sequence the program writes before each screen on a terminal.
export const kPage = process.env.QUILLARY_PAGE ?? 'build-web/quillary.html';
export const kTranscripts = path.join(
  path.dirname(fileURLToPath(import.meta.url)), '..', 'transcripts');
export const kClear = '\x1b[H\x1b[2J';
export const kGreeting = 'What would you like me to call you?';
export const kEnded = '[Quillary has ended. Press Enter to start again.]';
export const kInterrupted =
  '[Quillary was interrupted. Press Enter to start again.]';
export const kScreenshots = process.env.QUILLARY_FIGURES ?? 'build-web/figures';
// A phone's screen, held upright, that is touched; a small one; a laptop's.
export const kPhone = { width: 390, height: 844, hasTouch: true, isMobile: true };
export const kSmallPhone = { ...kPhone, width: 320, height: 640 };
export const kLaptop = { width: 1280, height: 800 };

// Without these Chromium reaches for the network (updates, sync, field
// trials) and, as root, refuses to start sandboxed.
const kArguments = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

const profiles = new WeakMap();

export async function LaunchBrowser() {
  const profile = await mkdtemp(path.join(tmpdir(), 'quillary-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    userDataDir: profile,
    args: kArguments,
  });
  profiles.set(browser, profile);
  return browser;
}

// Closes the browser and removes its profile, which Chromium may still be
// writing to for a moment after it closed.
export async function CloseBrowser(browser) {
  await browser.close();
  const profile = profiles.get(browser);
  await rm(profile, { recursive: true, force: true, maxRetries: 5 });
}

export function PageUrl(pageFile) {
  return pathToFileURL(path.resolve(pageFile)).href;
}

// Runs in the page before its own script, in every engine: keeps in
// window.quillaryRecord the chunks of the program's output (as they come,
// so that megabytes cost the page little), their length and the time the
// last came, the count of runs started and ended, for each figure drawn the
// time since the last output then and at the next frame painted, and every
// error the page leaves unhandled. An error or a rejection counts
// only if no listener of the page cancelled it, known once its event has
// gone round, hence the check a task later. `consoleErrors`: calls of
// console.error too, for a driver that does not report them; `fresh`: the
// run the tab kept from its last opening is dropped.
export function RecordPage({ consoleErrors = false, fresh = false } = {}) {
  try {
    if (fresh) sessionStorage.clear();
  } catch {} // A blank document has no storage.
  const record = { output: [], length: 0, at: 0, started: 0, ended: 0,
    figures: [], errors: [] };
  window.quillaryRecord = record;
  addEventListener('quillary-output', ({ detail }) => {
    record.output.push(detail);
    record.length += detail.length;
    record.at = performance.now();
  });
  addEventListener('quillary-started', () => { record.started += 1; });
  addEventListener('quillary-ended', () => { record.ended += 1; });
  addEventListener('quillary-figure-drawn', () => {
    const times = [performance.now() - record.at];
    record.figures.push(times);
    requestAnimationFrame(() => times.push(performance.now() - record.at));
  });
  const Later = (event, text) => setTimeout(() => {
    if (!event.defaultPrevented) record.errors.push(text);
  });
  addEventListener('error', (event) =>
    Later(event, `uncaught exception: ${event.message}`));
  addEventListener('unhandledrejection', (event) => Later(event,
    `unhandled rejection: ${event.reason?.stack ?? event.reason}`));
  if (!consoleErrors) return;
  const consoleError = console.error;
  console.error = (...values) => {
    record.errors.push(`console.error: ${values.join(' ')}`);
    consoleError.apply(console, values);
  };
}

export const RunsEnded = (page) =>
  page.evaluate(() => window.quillaryRecord.ended);

// A new tab on the page, in the browser's window or on `viewport`;
// `requests` lists every URL it asked for. `prepare`, if given, is awaited
// with the tab before the page loads.
export async function OpenPage(browser, pageFile, viewport, prepare) {
  const page = await browser.newPage();
  if (viewport) await page.setViewport(viewport);
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.evaluateOnNewDocument(RecordPage);
  await prepare?.(page);
  await page.goto(PageUrl(pageFile));
  return { page, requests };
}

// The program's output so far, as bytes in a string ("binary") or as text;
// `page` may be an engine of engines.mjs too.
export const OutputBytes = (page) =>
  page.evaluate(() => window.quillaryRecord.output.map((chunk) => {
    let text = '';
    for (let at = 0; at < chunk.length; at += 8192) {
      text += String.fromCharCode(...chunk.subarray(at, at + 8192));
    }
    return text;
  }).join(''));
// What the program wrote, as a transcript's .out holds it: into a file,
// where nothing is cleared.
export const OutputWithoutClears = async (page) =>
  (await OutputBytes(page)).replaceAll(kClear, '');
// In the page: the output from byte `from` on, decoded.
function OutputFrom(from) {
  const bytes = new Uint8Array(window.quillaryRecord.length);
  let at = 0;
  for (const chunk of window.quillaryRecord.output) {
    bytes.set(chunk, at);
    at += chunk.length;
  }
  return new TextDecoder().decode(bytes).slice(from);
}
export const OutputText = (page) => page.evaluate(OutputFrom, 0);
export const OutputLength = (page) =>
  page.evaluate(() => window.quillaryRecord.length);

// The newest screen of the page's transcript, and its lines as text.
export const kNewestScreen = '#transcript > .screen:last-of-type';
export const ScreenLines = (page) =>
  page.$eval(kNewestScreen, (screen) =>
    screen.textContent.split('\n').map((line) => line.trimEnd()));

// Waits until the transcript shows `text`.
export async function WaitForScreen(page, text) {
  await page.waitForFunction(
    (wanted) => document.getElementById('transcript').textContent
      .includes(wanted),
    { timeout: 10000 },
    text,
  );
}

// Waits as a person would before typing: until the program has answered
// (output beyond `since` bytes, then a pause) or its run has ended, or, for
// a line it answers with nothing, a moment has passed.
export async function WaitForAnswer(page, since) {
  await page.evaluate(
    (since) =>
      new Promise((resolve) => {
        const start = performance.now();
        const record = window.quillaryRecord;
        const ended = record.ended;
        const check = () => {
          const now = performance.now();
          const answered = (record.length > since && now - record.at > 15) ||
            record.ended > ended;
          if (answered || now - start > 300) resolve();
          else setTimeout(check, 5);
        };
        check();
      }),
    since,
  );
}

// Key presses for a character no key of the US layout makes, as a keyboard
// with that key sends them.
export async function PressCharacterKey(page, character) {
  const session = await page.createCDPSession();
  const key = { key: character, text: character, unmodifiedText: character };
  await session.send('Input.dispatchKeyEvent', { type: 'keyDown', ...key });
  await session.send('Input.dispatchKeyEvent', { type: 'keyUp', key: character });
  await session.detach();
}

export async function PressControl(page, letter) {
  await page.keyboard.down('Control');
  await page.keyboard.press(`Key${letter.toUpperCase()}`);
  await page.keyboard.up('Control');
}

// A session that adds `count` weapons, lists them and quits: what
// bench/session_generator --weapons writes.
export function WeaponsSession(count) {
  const lines = ['Ada', '1'];
  for (let i = 0; i < count; ++i) {
    lines.push('1', `Weapon${i}`, String(i % 100), '30', '');
  }
  lines.push('4', '', 'q', '', 'Q', '0');
  return `${lines.join('\n')}\n`;
}

// Pastes `text` into the answer line, as the browser does on Ctrl-V, and
// waits until the run has ended and its note is in the transcript. In
// milliseconds: how long until the page could run its next task (blocked),
// until the run ended (played) and until the page showed all (shown), and
// the longest task on the page's main thread from the paste to the end.
export async function TimePaste(page, text) {
  return page.evaluate((text) => new Promise((resolve) => {
    const times = { longestTask: 0 };
    const observer = new PerformanceObserver((list) => {
      for (const task of list.getEntries()) {
        times.longestTask = Math.max(times.longestTask, task.duration);
      }
    });
    observer.observe({ type: 'longtask' });
    const start = performance.now();
    const since = () => performance.now() - start;
    const WaitForNote = () => {
      const newest = document.querySelector(
        '#transcript > .screen:last-of-type');
      if (!newest.textContent.includes('start again.]')) {
        return setTimeout(WaitForNote, 20);
      }
      times.shown = since();
      // Long tasks are reported after they end: give the last one time.
      setTimeout(() => {
        observer.disconnect();
        resolve(times);
      }, 100);
    };
    setTimeout(() => { times.blocked = since(); });
    addEventListener('quillary-ended', () => {
      times.played = since();
      WaitForNote();
    }, { once: true });
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', text);
    document.getElementById('answer')
      .dispatchEvent(new ClipboardEvent('paste', { clipboardData }));
  }), text);
}

// Types `line` (as an input method inserts it, or `byKeys` key by key) and
// Enter where the focus is, and waits for the answer.
export async function TypeLine(page, line, byKeys = false) {
  const since = await OutputLength(page);
  if (line && byKeys) await page.keyboard.type(line);
  else if (line) await page.keyboard.sendCharacter(line);
  await page.keyboard.press('Enter');
  await WaitForAnswer(page, since);
}

// Types one vector exercise from the maths menu (its menu entry, the lines
// of its operands, and for LinInter the tenths of t) and returns the
// result line the program printed.
export async function WorkExercise(page, exercise) {
  const kContinue = 'Press Any Key to continue...';
  const since = (await OutputText(page)).length;
  const { menu, first, second = [], third = [], tenths } = exercise;
  for (const line of [menu, ...first, ...second, ...third, tenths]) {
    if (line !== undefined) await TypeLine(page, line);
  }
  // The program's own output, not the screen, which may still show the
  // request of the exercise before.
  await page.waitForFunction(`(${OutputFrom})(${since}).includes(${
    JSON.stringify(kContinue)})`, { timeout: 10000, polling: 50 });
  const lines = (await OutputText(page)).slice(since).split('\n');
  return lines[lines.indexOf(kContinue) - 1];
}

// The numbers of a result line: the components in its last parentheses, or
// the number after its last blank.
export function PrintedResult(line) {
  if (line.endsWith(')')) {
    return line.slice(line.lastIndexOf('(') + 1, -1).split(',')
      .map((part) => part.trim());
  }
  return [line.slice(line.lastIndexOf(' ') + 1)];
}

// The newest figure as drawn on the screen, in CSS pixels: the box and
// colour of every text, of every arrowhead and of every dot, the strokes of
// the vectors (each with its role), the drawn length of each vector and the
// picture's box; and its lines: each piece of its grid and axes (and the
// strokes drawn with them, which labels keep off), its tick marks, each axis
// whole (from its first tick mark to its last, as they are drawn from its
// negative end), the number of a plane figure's axes, the tick values of
// each axis, and the numbers of each vector of the figure (an inset's aside).
export const FigureGeometry = (page) => page.evaluate(() => {
  const svg = [...document.querySelectorAll(
    '.exercise-figure .figure-picture')].at(-1);
  const Box = (element) => {
    const { left, top, right, bottom } = element.getBoundingClientRect();
    return { left, top, right, bottom };
  };
  const ToScreen = (element, names) => {
    const [x, y] = names.map((name) => element[name].baseVal.value);
    const point = new DOMPoint(x, y).matrixTransform(element.getScreenCTM());
    return [point.x, point.y];
  };
  const Ends = (line) => ({ from: ToScreen(line, ['x1', 'y1']),
    to: ToScreen(line, ['x2', 'y2']) });
  const RoleOf = (element) =>
    element.closest('[data-role]')?.dataset.role ?? null;
  const texts = [...svg.querySelectorAll('text')].filter(
    (text) => text.textContent.trim() !== '').map((text) => ({
    text: text.textContent, role: RoleOf(text), ...Box(text),
    fill: getComputedStyle(text).fill }));
  const heads = [...svg.querySelectorAll('.arrow polygon, .arrow circle')]
    .map((head) => ({ role: RoleOf(head), ...Box(head) }));
  const strokes = [...svg.querySelectorAll('.arrow line')]
    .map((line) => ({ role: RoleOf(line), ...Ends(line) }));
  const extents = [...svg.querySelectorAll('.arrow')].map((arrow) => {
    const box = Box(arrow);
    return { role: RoleOf(arrow), inset: !!arrow.closest('.inset'),
      extent: Math.hypot(box.right - box.left, box.bottom - box.top) };
  });
  const axes = {};
  const marks = [];
  const insets = [...svg.querySelectorAll('.inset > rect')].map(Box);
  for (const mark of svg.querySelectorAll('circle[data-axis]')) {
    const at = ToScreen(mark, ['cx', 'cy']);
    (axes[mark.dataset.axis] ??= { from: at }).to = at;
    // An inset hides the marks under it.
    if (!insets.some((box) => at[0] > box.left && at[0] < box.right &&
      at[1] > box.top && at[1] < box.bottom)) marks.push(at);
  }
  const grid = [...svg.querySelectorAll(':scope > line')];
  // The axes of a plane figure: its lines at 0 across and up.
  const zeroLines = grid.filter((line) =>
    line.getAttribute('stroke') === '#9a9a9a').map((line) =>
    (line.x1.baseVal.value === line.x2.baseVal.value ? 'up'
      : line.y1.baseVal.value === line.y2.baseVal.value ? 'across' : ''));
  return { panel: Box(svg), texts, heads, strokes, extents,
    shown: svg.getBoundingClientRect().width > 0,
    planeAxes: new Set(zeroLines.filter((way) => way)).size, marks,
    grid: grid.map(Ends), axes,
    ticks: [...svg.querySelectorAll('text[data-axis]')].map((text) => ({
      axis: text.dataset.axis, text: text.textContent,
      ...text.getBoundingClientRect().toJSON() })),
    vectors: [...svg.querySelectorAll(':scope > g[data-role]')]
      .filter((group) => group.querySelector('.arrow line'))
      .map((group) => ({ role: group.dataset.role,
        at: ['x', 'y', 'z'].map((key) => Number(group.dataset[key])) })) };
});

// The page on `viewport` (the browser's window if none) at the greeting,
// `prepare` as OpenPage's; `page.errors` collects the errors it throws and
// `page.requests` the URLs it asks for.
export async function OpenAtGreeting(chromium, viewport, prepare) {
  const { page, requests } = await OpenPage(chromium, kPage, viewport,
    async (tab) => {
      tab.errors = [];
      tab.on('pageerror',
        (error) => tab.errors.push(error.stack ?? String(error)));
      await prepare?.(tab);
    });
  page.requests = requests;
  await WaitForScreen(page, kGreeting);
  return page;
}

// As OpenAtGreeting, then Ada at the maths menu.
export async function OpenAtMathsMenu(chromium, viewport, prepare) {
  const page = await OpenAtGreeting(chromium, viewport, prepare);
  await page.focus('#answer');
  for (const line of ['Ada', '2']) await TypeLine(page, line);
  return page;
}

// The newest figure's picture.
export const NewestPicture = async (page) =>
  (await page.$$('svg.figure-picture')).at(-1);

// Waits for two frames, by which the page has laid out and scrolled.
export const NextFrames = (page) => page.evaluate(() => new Promise(
  (resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));

// axe-core's rules, run in the page as it stands.
const kAxe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
export async function AccessibilityViolations(page) {
  await page.evaluate(await readFile(kAxe, 'utf8'));
  return page.evaluate(async () => (await axe.run()).violations
    .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target)}`));
}
