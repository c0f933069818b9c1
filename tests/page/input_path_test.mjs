// The page's input and output paths, without a browser: which keys the
// terminal keeps, where a paste is cut, how output is cut for pacing, and
// the order in which typed chunks are read.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { PassesToTerminal } from '../../page/key_policy.mjs';
import { SliceEnd } from '../../page/typeahead.mjs';
import { Pieces } from '../../page/output_pacing.mjs';
import { Chunks } from '../../page/read_queue.mjs';

test('Ctrl-C copies a selection, Ctrl-V pastes, Tab moves on', () => {
  const Key = (code, extra = {}) =>
    ({ type: 'keydown', code, ctrlKey: true, ...extra });
  const Tab = (extra) => ({ type: 'keydown', code: 'Tab', key: 'Tab',
    ctrlKey: false, ...extra });
  for (const [event, selection, passes] of [
    [Key('KeyC'), false, true], [Key('KeyC'), true, false],
    [Key('KeyV'), false, false], [Key('KeyD'), false, true],
    [Key('KeyV', { shiftKey: true }), false, true],
    [{ type: 'keyup', code: 'KeyV', ctrlKey: true }, false, true],
    [{ type: 'keydown', code: 'KeyA', ctrlKey: false }, true, true],
    [Tab(), false, false], [Tab({ shiftKey: true }), true, false],
    [Tab({ type: 'keypress' }), false, false],
    [Tab({ ctrlKey: true }), false, true]]) {
    assert.equal(PassesToTerminal(event, selection), passes,
      JSON.stringify([event, selection]));
  }
});

test('a paste is sliced, never between the halves of a character', () => {
  assert.equal(SliceEnd('abcdef', 0, 4), 4);
  assert.equal(SliceEnd('abcdef', 4, 4), 6);
  assert.equal(SliceEnd('abc\u{1F600}def', 0, 4), 3);
  assert.equal(SliceEnd('abc\u{1F600}', 0, 4), 4 - 1);
  assert.equal(SliceEnd('ab\u{1F600}', 0, 4), 4);
});

test('output is cut into views of pieces no larger than the limit', () => {
  const bytes = Uint8Array.from({ length: 10 }, (_, i) => i);
  const pieces = Pieces(bytes, 4);
  assert.deepEqual(pieces.map((piece) => [...piece]),
    [[0, 1, 2, 3], [4, 5, 6, 7], [8, 9]]);
  assert.equal(pieces[1].buffer, bytes.buffer);
  assert.deepEqual(Pieces('abcde', 2), ['ab', 'cd', 'e']);
  assert.deepEqual(Pieces('', 2), []);
});

test('typed chunks are read oldest first, a long one in parts', () => {
  const chunks = new Chunks();
  assert.ok(chunks.empty);
  chunks.push(Uint8Array.of(1, 2, 3));
  chunks.push(Uint8Array.of());
  chunks.push(Uint8Array.of(4));
  assert.deepEqual([...chunks.take(2)], [1, 2]);
  assert.deepEqual([...chunks.take(2)], [3]);
  assert.deepEqual([...chunks.take(2)], []);
  assert.deepEqual([...chunks.take(2)], [4]);
  assert.ok(chunks.empty);
  chunks.push(Uint8Array.of(5));
  chunks.clear();
  assert.ok(chunks.empty);
});
