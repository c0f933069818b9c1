// What the program tells its host at each read: the program under Node with
// a console of this test's own (Module.quillaryConsole with prompt and
// figure members), typed one line per read as a person would. Each line is
// checked against the kind of answer, the refusal and the program's reason
// for it that the host held when the program read it; every question of a
// session that visits every screen against what that question says; and
// every figure against its own result.
//   node --test prompts_test.mjs   (QUILLARY_PROGRAM: the built quillary.js)
// Run as "node prompts_test.mjs --host quillary.js <lines", the file is
// that host, and prints what it saw as JSON when the program exits.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync, writeSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { runInThisContext } from 'node:vm';

function RunHost(program) {
  const lines = readFileSync(0, 'utf8').split('\n').slice(0, -1);
  const seen = { reads: [], figures: [] };
  let held = null;
  // What the program wrote since the read before: the question it asks.
  let written = '';
  const decoder = new TextDecoder();
  globalThis.Module = {
    quillaryConsole: {
      read: async () => {
        const line = lines.shift();
        seen.reads.push({ line, prompt: held, written });
        held = null;
        written = '';
        return new TextEncoder().encode(line === undefined ? '' : `${line}\n`);
      },
      write: (bytes) => {
        written += decoder.decode(bytes, { stream: true });
        return true;
      },
      isTerminal: false,
      prompt: (kind, refusal, reason) => { held = [kind, refusal, reason]; },
      figure: (text) => seen.figures.push(JSON.parse(text)),
    },
  };
  process.on('exit', () => writeSync(1, JSON.stringify(seen)));
  // Run as a script of its own, not a CommonJS module, whose own "var
  // Module" would hide the one set here.
  const file = path.resolve(program);
  Object.assign(globalThis, { require: createRequire(file),
    __filename: file, __dirname: path.dirname(file) });
  runInThisContext(readFileSync(file, 'utf8'), { filename: file });
}

// Each line typed, with the kind, the refusal and the program's reason (''
// when left out) the host should hold when the program reads it.
const kIntegerRange = 'the number was outside -2147483648 to 2147483647';
const kFloatRange =
  'the number was beyond a float\'s range, about -3.4e+38 to 3.4e+38';
const kSession = [
  ['Ada', 'name', ''],
  ['9', 'menu-choice', ''],
  ['2', 'menu-choice', 'not-a-choice'],
  ['6', 'menu-choice', ''],
  ['0.5', 'whole-number', ''],
  ['', 'whole-number', 'point'],
  ['-', 'whole-number', 'empty'],
  ['1e6', 'whole-number', 'no-digits'],
  ['1', 'whole-number', 'character'],
  ['1', 'whole-number', ''],
  ['2', 'whole-number', ''],
  ['3', 'whole-number', ''],
  ['5', 'tenths', ''],
  ['', 'continue', ''],
  ['7', 'menu-choice', ''],
  ['0', 'whole-number', ''],
  ['0', 'whole-number', ''],
  ['1', 'whole-number', ''],
  ['2', 'whole-number', ''],
  ['', 'continue', ''],
  ['q', 'menu-choice', ''],
  ['', 'continue', ''],
  ['3', 'menu-choice', ''],
  ['1.2.3', 'decimal-fraction', ''],
  ['5-', 'decimal-fraction', 'second-point'],
  ['-.', 'decimal-fraction', 'misplaced-sign'],
  ['1e39', 'decimal-fraction', 'no-digits'],
  ['9'.repeat(39), 'decimal-fraction', 'character'],
  ['0.001', 'decimal-fraction', 'out-of-range', kFloatRange],
  ['', 'continue', ''],
  ['1', 'menu-choice', ''],
  ['1', 'menu-choice', ''],
  ['Bow', 'name', ''],
  ['2147483648', 'whole-number', ''],
  ['5', 'whole-number', 'out-of-range', kIntegerRange],
  ['3', 'whole-number', ''],
  ['', 'continue', ''],
  ['2', 'menu-choice', ''],
  ['1', 'whole-number', ''],
  ['0', 'whole-number', 'out-of-range',
    'there is no weapon 1: the list holds only weapon 0'],
  ['', 'continue', ''],
  ['3', 'menu-choice', ''],
  ['1', 'fire-again', ''],
  ['0', 'fire-again', ''],
  ['', 'continue', ''],
  ['Q', 'menu-choice', ''],
  ['', 'continue', ''],
  ['Q', 'menu-choice', ''],
  ['1', 'quit-confirmation', ''],
  ['Q', 'menu-choice', ''],
  ['0', 'quit-confirmation', ''],
];

// Every question that tests/sessions/every_screen.in meets, each known by
// how its line starts (of what the program writes before a read, the last
// line with such a start, the longest start winning): the kind of answer it
// takes and, by the line refused before it, the refusal and the reason it is
// asked again with. A read after nothing but the number prompts' apology
// asks the question before it again; any other read asks afresh, with
// neither.
const kEveryScreen = new URL('../sessions/every_screen.in', import.meta.url);
const kIndexRange = 'the list runs 0 to 1';
const kQuestions = {
  'Hello, my name is Quillary.': ['name'],
  'Hello Ada, Please Select a Option to continue:': ['menu-choice'],
  'Hello Eve, Please Select a Option to continue:': ['menu-choice'],
  'Please Select a Option to continue:': ['menu-choice'],
  'I\'m sorry I didnt catch that , please try again':
    ['menu-choice', { x: ['not-a-choice', ''] }],
  'Please Enter a weapon name:': ['name'],
  'Please Enter a weapon Damage:':
    ['whole-number', { abc: ['character', ''] }],
  'Please Enter a Max Ammo:': ['whole-number'],
  'What Index would you like to remove the in the list?': ['whole-number'],
  'I\'m sorry I didnt catch that... What Index': ['whole-number', {
    '9': ['out-of-range', `there is no weapon 9: ${kIndexRange}`],
    '-1': ['out-of-range', `there is no weapon -1: ${kIndexRange}`],
  }],
  'Would you like to Fire Again?': ['fire-again'],
  'Press Any Key to continue...': ['continue'],
  'Please select a option:': ['menu-choice'],
  'I\'m sorry I didnt catch that, please select a option:':
    ['menu-choice', { x: ['not-a-choice', ''] }],
  'Please Enter a value for ': ['whole-number'],
  'Please Enter a value for t ': ['tenths'],
  'Please Enter a value for us to figure out if it is prime:':
    ['whole-number'],
  'Please enter a float:': ['decimal-fraction', { abc: ['character', ''] }],
  'Are you sure you want to quit?': ['quit-confirmation'],
};
const kNumberApology =
  '(I\'m sorry I didnt understand that, please Enter a number)';

// The question a read's output asks, or null when it names none.
function QuestionOf(written) {
  const lines = written.split('\n').map((line) => line.trim());
  for (const line of lines.filter((text) => text).reverse()) {
    const starts = Object.keys(kQuestions).filter((q) => line.startsWith(q));
    if (starts.length) {
      return starts.reduce((a, b) => (b.length > a.length ? b : a));
    }
  }
  return null;
}

function Run(lines) {
  const program = process.env.QUILLARY_PROGRAM ?? 'build-web/quillary.js';
  const run = spawnSync(process.execPath,
    [fileURLToPath(import.meta.url), '--host', program],
    { input: lines.map((line) => `${line}\n`).join('') });
  assert.equal(run.status, 0, String(run.stderr));
  return JSON.parse(run.stdout);
}

if (process.argv[2] === '--host') {
  RunHost(process.argv[3]);
} else {
  test('every read comes with what it takes and why the last was refused',
    () => {
      const { reads } = Run(kSession.map(([line]) => line));
      assert.deepEqual(reads.map(({ line, prompt }) => [line, ...prompt ?? []]),
        kSession.map(([line, kind, refusal, reason = '']) =>
          [line, kind, refusal, reason]));
    });

  test('every question of every screen says what it takes, and why again',
    () => {
      const lines = readFileSync(kEveryScreen, 'utf8').split('\n');
      const { reads } = Run(lines.slice(0, -1));
      const asked = new Set();
      let question = null;
      let before = null;
      const got = [];
      const wanted = [];
      for (const { line, prompt, written } of reads) {
        const named = QuestionOf(written);
        if (named) {
          question = named;
        } else {
          assert.equal(written.trim(), kNumberApology, `before ${line}`);
        }
        asked.add(question);
        const [kind, again = {}] = kQuestions[question];
        got.push([question, before, ...prompt ?? []]);
        wanted.push([question, before, kind, ...again[before] ?? ['', '']]);
        before = line;
      }
      assert.deepEqual(got, wanted);
      assert.deepEqual([...asked].sort(), Object.keys(kQuestions).sort());
    });

  test('each figure parses and its working ends in its result', () => {
    const { figures } = Run(kSession.map(([line]) => line));
    assert.deepEqual(figures.map((figure) => figure.exercise),
      ['LinInter', 'Dot']);
    for (const figure of figures) {
      const last = figure.working.at(-1).values;
      assert.deepEqual(last.slice(-figure.result.length), figure.result);
      assert.ok(figure.line.endsWith(figure.result.join(', ')) ||
        figure.line.endsWith(`(${figure.result.join(', ')})`));
    }
  });
}
