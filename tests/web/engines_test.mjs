// The page in the engine QUILLARY_ENGINE names (chromium, firefox or webkit):
// every session of tests/transcripts that a keyboard can type, typed line by
// line into the answer field, must give the program's output of <name>.out
// byte for byte once the clear sequences are taken out; a vector exercise on
// a phone's width, with nothing to scroll sideways; Ctrl-C and Enter in the
// field; one figure drawn per exercise; and no error the page left
// unhandled, in any of them. Skipped: sessions holding a byte no key types
// (a control byte other than the newline, or bytes that are not UTF-8).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { isUtf8 } from 'node:buffer';
import { mkdirSync, readdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { OutputWithoutClears, kInterrupted, kPage, kScreenshots,
  kTranscripts } from './browser.mjs';
import { LaunchEngine, kPhoneWidth } from './engines.mjs';

const kEngine = process.env.QUILLARY_ENGINE ?? 'chromium';
const kAnswer = '#answer';

const Typable = (bytes) => isUtf8(bytes) &&
  !bytes.some((byte) => (byte < 0x20 && byte !== 0x0a) || byte === 0x7f);
const Sessions = () => readdirSync(kTranscripts).flatMap((activity) =>
  readdirSync(path.join(kTranscripts, activity))
    .filter((file) => file.endsWith('.in'))
    .map((file) => path.join(activity, file.slice(0, -3))));
const Transcript = (name, ending) =>
  readFileSync(path.join(kTranscripts, `${name}.${ending}`));

const Record = (engine) => engine.evaluate(() =>
  ({ length: window.quillaryRecord.length, ended: window.quillaryRecord.ended }));

// Polls `wanted(argument, window.quillaryRecord)` in the page until it
// holds, and fails after `timeout` milliseconds. The page's policy forbids
// eval, so the poll is put together here, as the source of one function.
function Poll(wanted, argument, timeout) {
  return new Promise((resolve, reject) => {
    const start = performance.now();
    const check = () => {
      if (wanted(argument, window.quillaryRecord)) resolve(true);
      else if (performance.now() - start > timeout) reject(new Error(`waited for ${wanted}`));
      else setTimeout(check, 10);
    };
    check();
  });
}
const Until = (engine, wanted, argument = null, timeout = 20000) => engine.evaluate(
  new Function('argument', 'timeout', `return (${Poll})(${wanted}, argument, timeout);`),
  argument, timeout);

// As a person waits before typing on: until the program has answered
// (output beyond `length` bytes, then a pause) or its run has ended, or, for
// a line it answers with nothing, a moment has passed.
const WaitForAnswer = (engine, since) => Until(engine, ({ length, ended }, record) =>
  (record.length > length && performance.now() - record.at > 15) ||
  record.ended > ended, since, 300).catch(() => {});

const PressControl = (engine, letter) => engine.pressControl(kAnswer, letter);

async function TypeLine(engine, line) {
  const since = await Record(engine);
  if (line) await engine.typeInto(kAnswer, line);
  await engine.pressEnter(kAnswer);
  await WaitForAnswer(engine, since);
}

// Opens the page afresh and waits for the greeting.
async function OpenPage(engine, options) {
  await engine.open(kPage, options);
  await Until(engine, (_, record) => record.length > 0);
  await WaitForAnswer(engine, { length: 0, ended: 0 });
}

// Types the session line by line, stopping where the program has ended;
// input ends by Ctrl-D, once to pass on an unfinished last line and once
// more at the start of a line. Returns when the run has ended.
async function TypeSession(engine, session) {
  const lines = session.split('\n');
  const unfinished = lines.pop();
  const Ended = async () => (await Record(engine)).ended > 0;
  for (const line of lines) {
    if (await Ended()) break;
    await TypeLine(engine, line);
  }
  if (!await Ended()) {
    if (unfinished) {
      await engine.typeInto(kAnswer, unfinished);
      await PressControl(engine, 'd');
    }
    await PressControl(engine, 'd');
  }
  await Until(engine, (_, record) => record.ended > 0);
}

let engine;
const errors = [];
// Every error the page left unhandled, with the test it came in.
async function KeepErrors(name) {
  for (const error of await engine.errors()) errors.push(`${name}: ${error}`);
}

before(async () => { engine = await LaunchEngine(kEngine); });
after(() => engine?.close());

for (const name of Sessions()) {
  const input = Transcript(name, 'in');
  test(`${kEngine}: ${name}`, { skip: !Typable(input) && 'holds bytes no key types' },
    async () => {
      await OpenPage(engine);
      await TypeSession(engine, input.toString('utf8'));
      await KeepErrors(name);
      assert.equal(await OutputWithoutClears(engine),
        Transcript(name, 'out').toString('latin1'));
    });
}

test(`${kEngine}: a vector exercise on a phone scrolls nowhere sideways`, async () => {
  const name = path.join('maths', 'vector_addition');
  await OpenPage(engine, { phone: true });
  await TypeSession(engine, Transcript(name, 'in').toString('utf8'));
  await KeepErrors('phone');
  assert.equal(await OutputWithoutClears(engine),
    Transcript(name, 'out').toString('latin1'));
  const { innerWidth, width, scrollWidth } = await engine.evaluate(() => ({
    innerWidth, width: document.scrollingElement.clientWidth,
    scrollWidth: document.scrollingElement.scrollWidth }));
  assert.equal(innerWidth, kPhoneWidth);
  assert.ok(scrollWidth <= width, `scrolls ${scrollWidth - width} px sideways`);
  mkdirSync(kScreenshots, { recursive: true });
  const file = path.join(kScreenshots, `phone-${kEngine}.png`);
  await engine.screenshot(file);
  assert.equal(readFileSync(file).subarray(1, 4).toString(), 'PNG');
});

test(`${kEngine}: Ctrl-C interrupts the run and Enter starts the next`, async () => {
  await OpenPage(engine);
  await PressControl(engine, 'c');
  await Until(engine, (_, record) => record.ended === 1);
  await Until(engine, ({ selector, note }) =>
    document.querySelector(selector)?.textContent.includes(note),
  { selector: '#transcript', note: kInterrupted });
  await engine.pressEnter(kAnswer);
  await Until(engine, (_, record) => record.started === 2);
  await KeepErrors('keys');
});

test(`${kEngine}: a 2-D and a 3-D exercise each draw their figure`, async () => {
  await OpenPage(engine);
  for (const line of ['Ada', '2', '2', '1', '2', '3', '4', '', '8', '0', '-1', '0',
    '1', '0', '0', '']) {
    await TypeLine(engine, line);
  }
  await Until(engine, (_, record) => record.figures.length === 2);
  const sizes = await engine.evaluate((selector) => [...document.querySelectorAll(selector)]
    .map((svg) => svg.getBoundingClientRect().width > 0 && svg.childElementCount > 0),
  '.exercise-figure svg');
  assert.deepEqual(sizes, [true, true]);
  await KeepErrors('figures');
});

test(`${kEngine}: the page leaves no error unhandled`, () => {
  assert.deepEqual(errors, []);
});
