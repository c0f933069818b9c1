// Long pastes into the page in headless Chromium: sessions adding thousands
// of weapons play through with every line read, no task on the page's main
// thread takes over 200 ms, the page stays light, with the end in its
// newest screen, and the time grows with the paste's length.
//   node --test paste_test.mjs   (QUILLARY_PAGE: the built quillary.html,
//                                 with quillary.js beside it)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kPage } = browser;
const kLongestTask = 200;
const kMostElements = 30000;
const kMaximumGrowth = 10;

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

// What the same program writes for `session` as a command under Node.
function NodeOutput(session) {
  const command = path.join(path.dirname(kPage), 'quillary.js');
  return execFileSync(process.execPath, [command],
    { input: session, maxBuffer: 1 << 26 }).toString('latin1');
}

// Pastes a session adding `count` weapons at the first prompt; returns its
// times (browser.TimePaste), the program's output, clears taken out, and
// its last screen; and of the page after, its count of elements and the
// program's text in its newest screen.
async function PasteWeapons(count) {
  const { page } = await browser.OpenPage(chromium, kPage);
  await browser.WaitForAnswer(page, 0);
  const session = browser.WeaponsSession(count);
  const times = await browser.TimePaste(page, session);
  const screens = (await browser.OutputBytes(page)).split(browser.kClear);
  const shown = await page.$eval(browser.kNewestScreen, (screen) => ({
    elements: document.getElementsByTagName('*').length,
    newest: [...screen.childNodes].filter((node) =>
      node.nodeType === Node.TEXT_NODE).map((node) => node.data).join(''),
  }));
  await page.close();
  return { session, times, output: screens.join(''),
    lastScreen: screens.at(-1), shown };
}

test('20,000 weapons pasted play through without a long task, the page ' +
  'light and its end shown', async (t) => {
  const { session, times, output, lastScreen, shown } =
    await PasteWeapons(20000);
  t.diagnostic(`${shown.elements} elements in the page after; the longest ` +
    `task ${times.longestTask} ms, all shown after ${times.shown} ms`);
  assert.ok(output === NodeOutput(session), 'not the output Node gives');
  assert.ok(shown.elements <= kMostElements, `${shown.elements} elements`);
  assert.equal(shown.newest, lastScreen);
  assert.ok(times.longestTask <= kLongestTask,
    `a task took ${times.longestTask} ms`);
});

// Unread input belongs to the run that ended, in a terminal: the rest of
// the paste does not start a new run.
test('what a paste holds beyond the quit ends with the run', async () => {
  const session = 'Ada\nQ\n0\n';
  const { page } = await browser.OpenPage(chromium, kPage);
  await browser.WaitForAnswer(page, 0);
  await browser.TimePaste(page, session + browser.WeaponsSession(5000));
  const ended = await browser.OutputLength(page);
  await browser.WaitForAnswer(page, ended);
  assert.equal(await browser.OutputLength(page), ended);
  assert.equal(await browser.OutputWithoutClears(page), NodeOutput(session));
  await page.close();
});

test('8,000 weapons pasted take at most ten times 1,000', async () => {
  const small = await PasteWeapons(1000);
  const large = await PasteWeapons(8000);
  for (const { session, output } of [small, large]) {
    assert.ok(output === NodeOutput(session), 'not the output Node gives');
  }
  assert.ok(large.times.shown <= kMaximumGrowth * small.times.shown,
    `${large.times.shown} ms against ${small.times.shown} ms`);
});
