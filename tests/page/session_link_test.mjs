// Links that hold a run's lines: made, read back, cleaned and refused.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  InputsOfLink, LinkToSession, kLongestFragment,
} from '../../page/session_link.mjs';

const kPage = 'file:///home/a/quillary.html';
const Hash = (url) => url.slice(url.indexOf('#'));

test('a link plays back the lines it was made from', () => {
  for (const [inputs, played, unfinished] of [
    [['1\n', '2\n'], ['1\n', '2\n'], ''],
    [['3\n', '1, 2'], ['3\n'], '1, 2'],
    [['4', '.5\n', 'x'], ['4.5\n'], 'x'],
    [['1\n', '', '9\n'], ['1\n'], ''],
    [['\u{1d400} \u00e9 #%&=\n'], ['\u{1d400} \u00e9 #%&=\n'], ''],
    [[], [], '']]) {
    const url = LinkToSession(`${kPage}#lines=old`, inputs);
    assert.ok(url.startsWith(`${kPage}#lines=`), url);
    assert.equal(url.split('#').length, 2, url);
    assert.deepEqual(InputsOfLink(Hash(url)), { inputs: played, unfinished },
      url);
  }
});

test('line ends are made "\\n" and controls dropped', () => {
  for (const [fragment, inputs, unfinished] of [
    ['lines=1%0D%0A2%0D3', ['1\n', '2\n'], '3'],
    ['lines=%1B%5B2J1%07%00%7F%C2%85%C2%9F%0A', ['[2J1\n'], ''],
    ['#lines=%09a%E2%80%8B%0A', ['a\u200b\n'], '']]) {
    assert.deepEqual(InputsOfLink(fragment), { inputs, unfinished }, fragment);
  }
});

test('links without lines are not runs; broken or long ones are refused',
  () => {
    for (const hash of ['', '#', '#help', '#line=1', undefined]) {
      assert.equal(InputsOfLink(hash), null, String(hash));
    }
    for (const [hash, words] of [['#lines=1%0', /damaged/],
      ['#lines=%E2%82', /damaged/], ['#lines=%ED%A0%80', /damaged/],
      [`#lines=${'1'.repeat(kLongestFragment)}`,
        /^This link is too long to play: .*65,542/]]) {
      assert.match(InputsOfLink(hash).refusal, words, hash.slice(0, 20));
    }
    const longest = `lines=${'2'.repeat(kLongestFragment - 9)}%0A`;
    assert.equal(InputsOfLink(longest).inputs.length, 1);
  });
