// What the program tells its host at each read: the program under Node with
// a console of this test's own (Module.quillaryConsole with prompt and
// figure members), typed one line per read as a person would. Each line is
// checked against the kind of answer and the refusal the host held when the
// program read it, and every figure against its own result.
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
  globalThis.Module = {
    quillaryConsole: {
      read: async () => {
        const line = lines.shift();
        seen.reads.push({ line, prompt: held });
        held = null;
        return new TextEncoder().encode(line === undefined ? '' : `${line}\n`);
      },
      write: () => true,
      isTerminal: false,
      prompt: (kind, refusal) => { held = [kind, refusal]; },
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

// Each line typed, with the kind and refusal the host should hold when the
// program reads it.
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
  ['0.001', 'decimal-fraction', 'character'],
  ['', 'continue', ''],
  ['1', 'menu-choice', ''],
  ['1', 'menu-choice', ''],
  ['Bow', 'name', ''],
  ['2147483648', 'whole-number', ''],
  ['5', 'whole-number', 'out-of-range'],
  ['3', 'whole-number', ''],
  ['', 'continue', ''],
  ['2', 'menu-choice', ''],
  ['1', 'whole-number', ''],
  ['0', 'whole-number', 'out-of-range'],
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
        kSession);
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
