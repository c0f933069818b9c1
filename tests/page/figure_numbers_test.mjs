// The figures' numbers: the program's float texts read back, and the round
// tick values and texts of the axes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  Coordinates, RoundStep, TickText, Ticks, ToNumber, Value,
} from '../../page/figure_numbers.mjs';

test('the program\'s float texts read as numbers', () => {
  for (const [text, number] of [['nan', NaN], ['inf', Infinity],
    ['-inf', -Infinity], ['-0', -0], ['1e+06', 1e6], ['3.14125', 3.14125]]) {
    assert.ok(Object.is(ToNumber(text), number), text);
  }
});

test('coordinates are joined as the result lines join them', () => {
  assert.equal(Coordinates(Value(['4', '6'])), '(4, 6)');
  assert.equal(Coordinates(Value(['-3', '6', '-3'])), '(-3,6,-3)');
});

test('a round step is 1, 2 or 5 times a power of ten', () => {
  for (const [span, count, step] of [[10, 5, 2], [7, 6, 1], [1000, 6, 200],
    [0.3, 6, 0.05], [3e9, 3, 1e9], [1, 3, 0.2], [12, 3, 5]]) {
    assert.ok(Math.abs(RoundStep(span, count) - step) < step * 1e-9,
      `${span}/${count}: ${RoundStep(span, count)}`);
  }
});

test('ticks are the step\'s multiples within the span, without noise', () => {
  assert.deepEqual(Ticks(-0.25, 0.35, 0.1), [-0.2, -0.1, 0, 0.1, 0.2, 0.3]);
  assert.deepEqual(Ticks(1, 9, 5), [5]);
  assert.deepEqual(Ticks(3, 4, 5), []);
});

test('tick texts are written as the program writes floats', () => {
  for (const [value, text] of [[0, '0'], [-0, '0'], [0.5, '0.5'],
    [200, '200'], [1e9, '1e+09'], [-2.5e-5, '-2.5e-05'], [123456, '123456'],
    [1234567, '1.23457e+06'], [1e-4, '0.0001']]) {
    assert.equal(TickText(value), text);
  }
});
