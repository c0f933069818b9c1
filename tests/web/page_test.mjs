// The page in headless Chromium: what a person sees and does in it.
//   node --test page_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kPage, kTranscripts, kClear, kEnded, kInterrupted } = browser;
const kGreeting = `Hello, my name is Quillary. ${browser.kGreeting}`;

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

// The page in the browser's window at the greeting, and what it asked for.
async function OpenAtGreeting() {
  const page = await browser.OpenAtGreeting(chromium);
  return { page, requests: page.requests };
}
const TypeLine = (page, line) => browser.TypeLine(page, line, true);

// After the run's note, Enter gives a fresh run that asks for a name again
// on a cleared screen; the program's exit leaves the console empty.
test('the confirmed quit ends the run and Enter starts afresh', async () => {
  const { page } = await OpenAtGreeting();
  const messages = [];
  page.on('console', (message) => messages.push(message.text()));
  page.on('pageerror', (error) => messages.push(String(error)));
  for (const line of ['Ada', 'Q', '0']) await TypeLine(page, line);
  await browser.WaitForScreen(page, kEnded);
  const before = await browser.OutputLength(page);
  await page.keyboard.press('Enter');
  await browser.WaitForAnswer(page, before);
  const fresh = (await browser.OutputText(page)).slice(before);
  assert.equal(fresh, `${kClear}${kGreeting}\n\n`);
  assert.equal((await browser.ScreenLines(page))[0], kGreeting);
  await TypeLine(page, '');
  assert.equal((await browser.ScreenLines(page))[0],
    'Hello , Please Select a Option to continue:');
  assert.deepEqual(messages, []);
  await page.close();
});

// The transcript is a log that screen readers read out as it grows.
test('opens with the greeting and asks for nothing beyond itself', async () => {
  const { page, requests } = await OpenAtGreeting();
  assert.equal(await page.title(), 'Quillary');
  assert.deepEqual(requests, [browser.PageUrl(kPage)]);
  assert.equal(await browser.OutputText(page), `${kClear}${kGreeting}\n\n`);
  assert.deepEqual(await page.$eval('#transcript', (log) =>
    [log.getAttribute('role'), log.getAttribute('aria-live')]),
  ['log', 'polite']);
  await page.close();
});

// (phone_test sends it as input methods do.)
test('greets a UTF-8 name typed as key presses', async () => {
  const { page } = await OpenAtGreeting();
  await page.keyboard.type('Zo');
  await browser.PressCharacterKey(page, 'ë');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Zoë, Please Select');
  await page.close();
});

// The text of each screen so far, and what the last element of each is.
const Screens = (page) => page.$$eval('#transcript > .screen', (screens) =>
  screens.map((screen) => ({ text: screen.textContent,
    last: screen.lastChild.nodeType === Node.TEXT_NODE ? 'text'
      : `${screen.lastChild.className}:${screen.lastChild.textContent}` })));

// Each line answered with a new screen below the ones before, which stay
// as they were, the line echoed after the question it answered; the new
// screen starts with what the program wrote after its clear sequence.
test('shows each screen below the earlier ones, each line after its ' +
  'question', async () => {
  const { page } = await OpenAtGreeting();
  for (const line of ['Ada', '1', '4', 'x', '', '9']) {
    const since = await browser.OutputLength(page);
    const before = await Screens(page);
    await TypeLine(page, line);
    const answer = (await browser.OutputText(page)).slice(since);
    assert.ok(answer.includes(kClear), `no clear after ${line}`);
    const screens = await Screens(page);
    assert.equal(screens.length, before.length + 1, `after ${line}`);
    assert.deepEqual(screens.slice(0, -2), before.slice(0, -1));
    assert.deepEqual(screens.at(-2), { text: `${before.at(-1).text}${line}\n`,
      last: `typed:${line}\n` });
    const screenStart = answer.split(kClear).at(-1).split('\n')[0];
    assert.equal((await browser.ScreenLines(page))[0], screenStart.trimEnd());
  }
  await page.close();
});

// Up brings back the lines sent before, newest first (an empty one is not
// kept); Enter sends the one shown as if typed.
test('Up then Enter sends an earlier line again', async () => {
  const { page } = await OpenAtGreeting();
  for (const line of ['Ada', '1', 'Q', '']) await TypeLine(page, line);
  const field = () => page.$eval('#answer', (answer) => answer.value);
  await page.keyboard.press('ArrowUp');
  assert.equal(await field(), 'Q');
  await page.keyboard.press('ArrowUp');
  assert.equal(await field(), '1');
  await TypeLine(page, '');
  assert.equal(await field(), '');
  assert.equal((await Screens(page)).at(-2).last, 'typed:1\n');
  assert.ok((await browser.ScreenLines(page)).includes('1) AddingWeapon'));
  await page.close();
});

// A line far longer than any read (64 KiB of input at a time) reaches the
// program whole: the greeting after the name shows all of it back.
test('a name of 200,000 characters (and of 4 MB) reaches the program',
  async (t) => {
    const { page } = await OpenAtGreeting();
    for (const length of [200000, 4 << 20]) {
      const name = 'abcdefghij'.repeat(length / 10 + 1).slice(0, length);
      const start = performance.now();
      await page.$eval('#answer', (field, text) => { field.value = text; },
        name);
      const since = await browser.OutputLength(page);
      await page.keyboard.press('Enter');
      await page.waitForFunction((wanted) => window.quillaryRecord.length >=
        wanted, { timeout: 30000, polling: 50 }, since + length);
      await browser.WaitForAnswer(page, since);
      const answer = (await browser.OutputText(page)).slice(since);
      assert.ok(answer.startsWith(`${kClear}Hello ${name}, Please Select`),
        `${length} characters`);
      t.diagnostic(`a name of ${length} characters answered in ${
        (performance.now() - start).toFixed(0)} ms`);
      await TypeLine(page, '0');
    }
    await page.close();
  });

// Double-clicking the greeting's first word selects "Hello"; Ctrl-C copies
// it, and Ctrl-V in the answer line pastes it back as the name. Ctrl-C on
// a selection in the answer line copies too.
test('Ctrl-C copies a selection without interrupting; Ctrl-V pastes', async () => {
  const { page } = await OpenAtGreeting();
  const box = await page.$eval(browser.kNewestScreen, (screen) => {
    const word = document.createRange();
    word.setStart(screen.firstChild, 0);
    word.setEnd(screen.firstChild, 'Hello'.length);
    const { x, y, width, height } = word.getBoundingClientRect();
    return { x: x + width / 2, y: y + height / 2 };
  });
  await page.mouse.click(box.x, box.y, { clickCount: 2 });
  await browser.PressControl(page, 'c');
  await page.focus('#answer');
  await browser.PressControl(page, 'v');
  assert.equal(await page.$eval('#answer', (field) => field.value), 'Hello');
  await page.$eval('#answer', (field) => field.select());
  await browser.PressControl(page, 'c');
  await page.keyboard.press('End');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Hello, Please Select');
  const screenText = (await browser.ScreenLines(page)).join('\n');
  assert.ok(!screenText.includes(kInterrupted));
  await page.close();
});

// A whole session pasted at the first prompt is typeahead: every line is
// read in turn, as the transcript's output shows, and echoed as it is
// read: after the question it answers, with the program's text between
// one echo and the next, not all at once where it was pasted.
test('a pasted session plays through, each line after its question',
  async () => {
    const name = path.join(kTranscripts, 'weapons', 'bow_fire_reload_list');
    const session = await readFile(`${name}.in`, 'utf8');
    const { page } = await OpenAtGreeting();
    await page.$eval('#answer', (field, text) => {
      const clipboardData = new DataTransfer();
      clipboardData.setData('text/plain', text);
      field.dispatchEvent(new ClipboardEvent('paste',
        { clipboardData, cancelable: true }));
    }, session);
    await browser.PressControl(page, 'd');
    await browser.WaitForScreen(page, kEnded);
    const output = await browser.OutputWithoutClears(page);
    assert.equal(output, await readFile(`${name}.out`, 'latin1'));
    const shown = await page.$$eval('#transcript > .screen', (screens) => {
      const nodes = screens.flatMap((screen) => [...screen.childNodes]);
      const Kind = (node) => node.className ?? 'text';
      return {
        program: nodes.filter((node) => Kind(node) === 'text')
          .map((node) => node.textContent).join(''),
        typed: nodes.filter((node) => Kind(node) === 'typed')
          .map((node) => node.textContent),
        echoesTogether: nodes.filter((node, at) => Kind(node) === 'typed' &&
          Kind(nodes[at - 1]) === 'typed').length,
      };
    });
    assert.equal(shown.program, output);
    assert.deepEqual(shown.typed, session.split(/(?<=\n)/));
    assert.equal(shown.echoesTogether, 0);
    await page.close();
  });
