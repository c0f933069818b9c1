// The page's input and output paths, without a browser: how sent texts
// wait and are cut into lines, what each read of the program takes, which
// earlier lines Up and Down bring back, and how much of the output's end
// is held back as the start of a clear sequence.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { LineHistory } from '../../page/line_history.mjs';
import { Chunks, LineEnd, ReadQueue } from '../../page/read_queue.mjs';
import { UnfinishedClear } from '../../page/transcript.mjs';

test('sent texts wait oldest first and a line ends after its newline', () => {
  const chunks = new Chunks();
  assert.ok(chunks.empty);
  for (const text of ['a\n', '', 'b']) chunks.push(text);
  const taken = [];
  for (; !chunks.empty; chunks.shift()) taken.push(chunks.oldest);
  assert.deepEqual(taken, ['a\n', '', 'b']);
  chunks.push('c');
  chunks.clear();
  assert.ok(chunks.empty);
  for (const [text, start, end] of [['ab\ncd\n', 0, 3], ['ab\ncd\n', 3, 6],
    ['ab\ncd', 3, 5], ['', 0, 0], ['\n\n', 1, 2]]) {
    assert.equal(LineEnd(text, start), end, JSON.stringify([text, start]));
  }
});

// Each read takes one line at most, as a terminal gives it, and the line is
// told (for its echo) once, when its first bytes are read.
test('each read takes one line, a long one over several reads', async () => {
  const taken = [];
  const reads = new ReadQueue((line) => taken.push(line));
  for (const text of ['abcdef\ngh\n', 'ij', '']) reads.send(text);
  const got = [];
  for (let read = 0; read < 5; ++read) {
    got.push(new TextDecoder().decode(await reads.read(4)));
  }
  assert.deepEqual(got, ['abcd', 'ef\n', 'gh\n', 'ij', '']);
  assert.deepEqual(taken, ['abcdef\n', 'gh\n', 'ij', '']);
  assert.equal(reads.waiting, false);
  reads.send('lost\n');
  reads.forget();
  assert.equal(reads.waiting, false);
});

test('Up and Down go through the lines sent, then back to the typing', () => {
  const history = new LineHistory();
  for (const line of ['a', '', 'b', 'b']) history.add(line);
  for (const [step, wanted] of [['back', 'b'], ['back', 'a'], ['back', null],
    ['forward', 'b'], ['forward', 'typ'], ['forward', null]]) {
    assert.equal(step === 'back' ? history.back('typ') : history.forward(),
      wanted, step);
  }
  history.add('c');
  assert.equal(history.back(''), 'c');
});

test('only an unfinished clear sequence at the end is held back', () => {
  for (const [text, held] of [['text', 0], ['text\x1b', 1], ['\x1b[1m', 0],
    ['text\x1b[H\x1b[', 5], ['text\x1b[H\x1b[2J', 0], ['a\x1b[Hb', 0]]) {
    assert.equal(UnfinishedClear(text), held, JSON.stringify(text));
  }
});
