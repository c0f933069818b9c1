// The hint beside the answer line, without a browser: every kind of answer
// and every reason for a refusal that the program's web console can send
// has words of its own, unless the program sent its own.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { HintText } from '../../page/answer_hint.mjs';

const kPromptNames = new URL('../../shell/prompt.cpp',
  import.meta.url);

// The names of one of shell/prompt.cpp's tables of strings.
async function Names(table) {
  const source = await readFile(kPromptNames, 'utf8');
  const body = source.match(new RegExp(`${table}\\[\\] = \\{([^}]*)\\}`))[1];
  return [...body.matchAll(/"([^"]*)"/g)].map((match) => match[1]);
}

test('every kind of answer the program sends is said, each differently',
  async () => {
    const kinds = await Names('kAnswerKindNames');
    assert.ok(kinds.includes('whole-number') && kinds.includes('tenths'));
    const hints = kinds.map((kind) => HintText(kind, ''));
    for (const [index, hint] of hints.entries()) {
      assert.match(hint, /\w/, kinds[index]);
    }
    assert.equal(new Set(hints).size, kinds.length);
    assert.equal(HintText('no-such-kind', ''), '');
  });

// Only the program knows the range of what a question takes, so the page
// writes no number of a range of its own.
test('every refusal says why, then what is wanted, with no number of the ' +
  'page\'s own', async () => {
  const kinds = await Names('kAnswerKindNames');
  const refusals = (await Names('kRefusalNames')).filter((name) => name);
  assert.ok(refusals.includes('point'));
  for (const kind of kinds) {
    const wanted = HintText(kind, '');
    const reasons = refusals.map((refusal) => HintText(kind, refusal));
    for (const reason of reasons) {
      assert.ok(reason.startsWith('Not taken: '), reason);
      assert.ok(reason.endsWith(wanted), reason);
      assert.doesNotMatch(reason.slice(0, -wanted.length), /\d/, reason);
    }
    assert.equal(new Set(reasons).size, refusals.length, kind);
  }
});

// The reasons a learner meets most, in the terms of the prompt; where the
// program gives its own reason, that reason in place of the page's.
test('a refusal is said in the terms of the prompt, or the program\'s',
  () => {
    for (const [kind, refusal, words, reason] of [
      ['whole-number', 'point', /point\. A whole number/],
      ['tenths', 'point', /point\. t in tenths: 5 means 0\.5/],
      ['whole-number', 'character', /digits and a leading minus/],
      ['decimal-fraction', 'character', /one point/],
      ['whole-number', 'out-of-range', /beyond what this question takes/],
      ['menu-choice', 'not-a-choice', /menu/],
      ['whole-number', 'out-of-range', 'Not taken: there is no weapon 5: ' +
        'the list runs 0. A whole number, such as -12.',
      'there is no weapon 5: the list runs 0'],
      ['decimal-fraction', 'character',
        'Not taken: a float. A decimal number, such as -2.5.', 'a float'],
      ['name', '', 'Any text: a name.', 'asked afresh'],
    ]) {
      const hint = HintText(kind, refusal, reason);
      if (typeof words === 'string') assert.equal(hint, words, kind);
      else assert.match(hint, words, `${kind} ${refusal}`);
    }
  });
