// The page in headless Chromium: what a person sees and does in it.
//   node --test page_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kPage, kTranscripts, kClear } = browser;
const kGreeting =
  'Hello, my name is Quillary. What would you like me to call you?';
const kEnded = '[Quillary has ended. Press Enter to start again.]';
const kInterrupted = '[Quillary was interrupted. Press Enter to start again.]';

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

async function OpenAtGreeting() {
  const opened = await browser.OpenPage(chromium, kPage);
  await browser.WaitForScreen(opened.page, kGreeting);
  return opened;
}

async function TypeLine(page, line) {
  const since = await browser.OutputLength(page);
  await page.keyboard.type(line);
  await page.keyboard.press('Enter');
  await browser.WaitForAnswer(page, since);
}

// After a run ends: the note, then Enter gives a fresh run that asks for a
// name again on a cleared screen, whatever the last run was told.
async function AssertEndsAndRestarts(page, note) {
  await browser.WaitForScreen(page, note);
  const before = await browser.OutputLength(page);
  await page.keyboard.press('Enter');
  await browser.WaitForAnswer(page, before);
  const fresh = (await browser.OutputText(page)).slice(before);
  assert.equal(fresh, `${kClear}${kGreeting}\n\n`);
  assert.equal((await browser.ScreenLines(page))[0], kGreeting);
}

test('opens with the greeting and asks for nothing beyond itself', async () => {
  const { page, requests } = await OpenAtGreeting();
  assert.equal(await page.title(), 'Quillary');
  assert.deepEqual(requests, [browser.PageUrl(kPage)]);
  assert.equal(await browser.OutputText(page), `${kClear}${kGreeting}\n\n`);
  await page.close();
});

test('greets a UTF-8 name typed as key presses', async () => {
  const { page } = await OpenAtGreeting();
  await page.keyboard.type('Zo');
  await browser.PressCharacterKey(page, 'ë');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Zoë, Please Select');
  await page.close();
});

test('greets a UTF-8 name inserted by an input method', async () => {
  const { page } = await OpenAtGreeting();
  await page.keyboard.sendCharacter('Zoë');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Zoë, Please Select');
  await page.close();
});

// Each line answered with a new screen: the terminal's first row is that
// screen's first line, written right after the clear sequence.
test('shows each screen at the top of a cleared terminal', async () => {
  const { page } = await OpenAtGreeting();
  for (const line of ['Ada', '1', '4', 'x', '', '9']) {
    const since = await browser.OutputLength(page);
    await TypeLine(page, line);
    const answer = (await browser.OutputText(page)).slice(since);
    assert.ok(answer.includes(kClear), `no clear after ${line}`);
    const screenStart = answer.split(kClear).at(-1).split('\n')[0];
    assert.equal((await browser.ScreenLines(page))[0], screenStart.trimEnd());
  }
  await page.close();
});

test('the screen reader switch turns the mode on and off', async () => {
  const { page } = await OpenAtGreeting();
  const readerRows = () => page.$$('.xterm-accessibility');
  assert.equal((await readerRows()).length, 0);
  const focused = () => page.evaluate(() => document.activeElement.id);
  await page.evaluate(() => document.activeElement.blur());
  for (let presses = 0; presses < 3 && (await focused()) !== 'screen-reader';
    ++presses) await page.keyboard.press('Tab');
  assert.equal(await focused(), 'screen-reader');
  await page.keyboard.press('Space');
  assert.equal((await readerRows()).length, 1);
  await page.keyboard.press('Space');
  assert.equal((await readerRows()).length, 0);
  await page.close();
});

// The program's exit is no error: the browser's console stays empty.
test('the confirmed quit ends the run and Enter starts afresh', async () => {
  const { page } = await OpenAtGreeting();
  const messages = [];
  page.on('console', (message) => messages.push(message.text()));
  page.on('pageerror', (error) => messages.push(String(error)));
  for (const line of ['Ada', 'Q', '0']) await TypeLine(page, line);
  await AssertEndsAndRestarts(page, kEnded);
  await TypeLine(page, '');
  assert.equal((await browser.ScreenLines(page))[0],
    'Hello , Please Select a Option to continue:');
  assert.deepEqual(messages, []);
  await page.close();
});

test('Ctrl-D at a prompt ends the run and Enter starts afresh', async () => {
  const { page } = await OpenAtGreeting();
  await TypeLine(page, 'Ada');
  await browser.PressControl(page, 'd');
  await AssertEndsAndRestarts(page, kEnded);
  await page.close();
});

test('Ctrl-C with nothing selected interrupts the run', async () => {
  const { page } = await OpenAtGreeting();
  await TypeLine(page, 'Ada');
  await page.keyboard.type('unfinished');
  await browser.PressControl(page, 'c');
  await AssertEndsAndRestarts(page, kInterrupted);
  await page.close();
});

// Double-clicking the greeting's first word selects "Hello"; Ctrl-C copies
// it, and Ctrl-V pastes it back as the name.
test('Ctrl-C copies a selection without interrupting; Ctrl-V pastes', async () => {
  const { page } = await OpenAtGreeting();
  const screen = await page.$('.xterm-screen');
  const box = await screen.boundingBox();
  await page.mouse.click(box.x + 12, box.y + 6, { clickCount: 2 });
  await browser.PressControl(page, 'c');
  await browser.PressControl(page, 'v');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Hello, Please Select');
  const screenText = (await browser.ScreenLines(page)).join('\n');
  assert.ok(!screenText.includes(kInterrupted));
  await page.close();
});

// A whole session pasted at the first prompt is typeahead: every line is
// read in turn, as the transcript's output shows.
test('a pasted session plays through', async () => {
  const name = path.join(kTranscripts, 'weapons', 'bow_fire_reload_list');
  const session = await readFile(`${name}.in`, 'utf8');
  const { page } = await OpenAtGreeting();
  await page.$eval('.xterm-helper-textarea', (textarea, text) => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', text);
    textarea.dispatchEvent(new ClipboardEvent('paste', { clipboardData }));
  }, session);
  await browser.PressControl(page, 'd');
  await browser.WaitForScreen(page, kEnded);
  const output = await browser.OutputWithoutClears(page);
  assert.equal(output, await readFile(`${name}.out`, 'latin1'));
  await page.close();
});
