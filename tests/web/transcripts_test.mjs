// Every session of tests/transcripts that a keyboard can type, typed into
// the page line by line: the program's output must equal <name>.out byte for
// byte once the clear sequences (the page is a terminal) are taken out.
// Skipped: sessions holding a byte no key types into a terminal (a control
// byte other than the newline, such as NUL or CR, or bytes that are not
// UTF-8). Each line goes in whole, as an input method inserts text (key
// presses are the page test's concern), then Enter. Input ends, where the
// session does not quit, by Ctrl-D: once to pass on a last line without a
// newline, once more at the start of a line.
// With QUILLARY_ANSWER_LINE=1 the page is on a phone's touch screen and each
// line goes into its answer line instead, sent with Enter; the End input
// button stands for Ctrl-D.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import * as browser from './browser.mjs';

const { kPage, kTranscripts } = browser;
const kEnded = 'Press Enter to start again.]';
const kThroughAnswerLine = process.env.QUILLARY_ANSWER_LINE === '1';

function Typable(bytes) {
  if (bytes.some((byte) => (byte < 0x20 && byte !== 0x0a) || byte === 0x7f)) {
    return false;
  }
  try {
    new TextDecoder('utf-8', { fatal: true }).decode(bytes);
    return true;
  } catch {
    return false;
  }
}

function Sessions() {
  return readdirSync(kTranscripts).flatMap((activity) =>
    readdirSync(path.join(kTranscripts, activity))
      .filter((file) => file.endsWith('.in'))
      .map((file) => path.join(activity, file.slice(0, -3))));
}

// The page announces a run's end at once; the note on the screen comes
// later, when the terminal has drawn it.
const Ended = async (page) => (await browser.RunsEnded(page)) > 0;

async function TypeText(page, text) {
  if (text) await page.keyboard.sendCharacter(text);
}

async function EndInput(page) {
  if (kThroughAnswerLine) await page.tap('#end-input');
  else await browser.PressControl(page, 'd');
}

// Types the session as a person would, waiting for each answer; stops where
// the program has ended.
async function TypeSession(page, session) {
  const lines = session.split('\n');
  const unfinished = lines.pop();
  for (const line of lines) {
    if (await Ended(page)) return;
    const since = await browser.OutputLength(page);
    await TypeText(page, line);
    await page.keyboard.press('Enter');
    await browser.WaitForAnswer(page, since);
  }
  if (await Ended(page)) return;
  if (unfinished) {
    await TypeText(page, unfinished);
    await EndInput(page);
  }
  await EndInput(page);
}

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

for (const name of Sessions()) {
  const input = readFileSync(path.join(kTranscripts, `${name}.in`));
  test(name, { skip: !Typable(input) && 'holds bytes no key types' },
    async () => {
      const { page } = await browser.OpenPage(chromium, kPage,
        kThroughAnswerLine ? browser.kPhone : undefined);
      await browser.WaitForAnswer(page, 0);
      if (kThroughAnswerLine) {
        assert.equal(await page.evaluate(() => document.activeElement.id),
          'answer');
      }
      await TypeSession(page, input.toString('utf8'));
      await browser.WaitForScreen(page, kEnded);
      const output = await browser.OutputWithoutClears(page);
      const expected = readFileSync(path.join(kTranscripts, `${name}.out`));
      assert.equal(output, expected.toString('latin1'));
      await page.close();
    });
}
