// The learner's work kept, in headless Chromium: the run back after a
// reload, the printed worksheet, a figure saved, and the run handed out as
// a link.
//   node --test kept_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtemp, readdir, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kPage, kGreeting } = browser;

const kCross = { menu: '8', first: ['5', '-1', '0'], second: ['0', '1', '0'] };
const kSum = { menu: '2', first: ['1', '2'], second: ['3', '-4'] };
const Transcript = (page) =>
  page.$eval('#transcript', (log) => log.textContent);

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

const OpenAtMaths = (viewport) => browser.OpenAtMathsMenu(chromium, viewport);

// The notebook after the reload is the one before it, and typing on gives
// what a run without the reload gives.
test('a reload in the middle of an exercise restores the notebook', async () => {
  const page = await OpenAtMaths();
  await browser.WorkExercise(page, kSum);
  await browser.TypeLine(page, '');
  for (const line of ['8', '5', '-1']) await browser.TypeLine(page, line);
  const before = await Transcript(page);
  await page.reload();
  await browser.WaitForScreen(page, before.slice(-60));
  assert.equal(await Transcript(page), before);
  assert.equal(await page.$$eval('.exercise-figure', (all) => all.length), 1);
  await page.focus('#answer');
  for (const line of ['0', '0', '1', '0']) await browser.TypeLine(page, line);
  const reloaded = (await Transcript(page)).slice(before.length);

  const fresh = await OpenAtMaths();
  await browser.WorkExercise(fresh, kSum);
  await browser.TypeLine(fresh, '');
  await browser.WorkExercise(fresh, kCross);
  assert.equal((await Transcript(fresh)).slice(before.length), reloaded);
  assert.equal(await fresh.$$eval('.exercise-figure', (all) => all.length), 2);
  await fresh.close();

  // Start again forgets the kept run: a reload then starts afresh.
  await page.focus('#answer');
  await browser.PressControl(page, 'c');
  await page.click('#start-again');
  await page.waitForFunction((wanted) => document.querySelector(
    '#transcript > .screen:last-of-type').textContent.includes(wanted),
  {}, kGreeting);
  await page.reload();
  await browser.WaitForScreen(page, kGreeting);
  assert.doesNotMatch(await Transcript(page), /Ada/);
  await page.close();
});

// Save picture on the newest figure, whose result line is `line`.
async function AssertSavesPicture(page, line) {
  const folder = await mkdtemp(path.join(tmpdir(), 'quillary-saved-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior',
    { behavior: 'allow', downloadPath: folder });
  await page.click('.save-picture');
  let files = [];
  for (let tries = 0; tries < 50 && files.length === 0; ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    files = (await readdir(folder)).filter((name) => name.endsWith('.svg'));
  }
  assert.deepEqual(files, ['quillary-VectorAddition-4_-2.svg']);
  const svg = await readFile(path.join(folder, files[0]), 'utf8');
  assert.match(svg, /^(<\?xml[^>]*>\s*)?<svg [^>]*xmlns="http:\/\/www.w3.org\/2000\/svg"/);
  assert.ok(svg.includes(line), 'caption');
  for (const label of ['(1, 2)', '(3, -4)', '(4, -2)']) {
    assert.ok(svg.includes(label), label);
  }
  await rm(folder, { recursive: true, force: true });
}

// Save picture downloads the figure as an SVG with its numbers; printed,
// the page holds each exercise's result, figure labels and Working, and
// none of the page's controls (its text as pdftotext gives it).
test('a figure saved and the printed worksheet', async () => {
  const page = await OpenAtMaths();
  const lines = [await browser.WorkExercise(page, kSum)];
  await AssertSavesPicture(page, lines[0]);
  await browser.TypeLine(page, '');
  lines.push(await browser.WorkExercise(page, kCross));
  await browser.TypeLine(page, '');
  const text = execFileSync('pdftotext', ['-', '-'],
    { input: await page.pdf({ format: 'A4' }) }).toString();
  for (const wanted of [...lines, 'Step by step', 'Your numbers', '(4, -2)']) {
    assert.ok(text.includes(wanted), wanted);
  }
  for (const control of ['Reset view', 'Save picture', 'End input', 'Send',
    'Link to this session', 'Please select a option']) {
    assert.ok(!text.includes(control), control);
  }
  await page.close();
});

// A link plays its lines as typed, and none of its control characters
// reaches the program; one too long is refused with a message.
test('a link replays the run, without its control characters', async () => {
  const page = await OpenAtMaths();
  await browser.WorkExercise(page, kCross);
  await page.click('#link-open');
  const link = await page.$eval('#link-text', (field) => field.value);
  await page.close();
  const tainted = link.replace('Ada', 'A%1Bd%07%C2%9Ba%7F');
  // Away and back, as a link from elsewhere opens the page afresh.
  const { page: opened } = await browser.OpenPage(chromium, kPage);
  await opened.goto('about:blank');
  await opened.goto(tainted);
  await browser.WaitForScreen(opened, 'The cross product is: (-0,0,5)');
  const output = await browser.OutputText(opened);
  assert.ok(output.includes('Hello Ada,'), 'name without its controls');
  assert.doesNotMatch(output.replaceAll(browser.kClear, ''), /[\x00-\x09\x0b-\x1f\x7f-\x9f]/);
  assert.equal(new URL(opened.url()).hash, '');
  const long = `${link.split('#')[0]}#lines=${'x'.repeat(70000)}`;
  await opened.goto('about:blank');
  await opened.goto(long);
  await browser.WaitForScreen(opened, 'This link is too long to play');
  await opened.close();
});
