// The page's pure functions: the bins of a histogram, the formats of
// numbers and solutions, the bits of a point and the checks of a field.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { binsOf, fullest } from '../../src/bins.js';
import { floatText, bitsOf, tickLabels, significant } from '../../src/formats.js';
import { fieldProblem, scheduleProblem } from '../../src/validate.js';

test('bins: every value counted once, the highest in the last bin', () => {
  const values = [1, 1.5, 2, 2, 2, 1.25];
  const { low, width, counts } = binsOf(values, 4);
  assert.equal(low, 1);
  assert.equal(width, 0.25);
  assert.deepEqual(counts, [1, 1, 1, 3]);
  assert.equal(counts.reduce((a, b) => a + b), values.length);
  assert.equal(fullest(counts), 3);
  assert.equal(fullest([2, 5, 5]), 1);
});

test('bins: values all alike take the least width, and none give empty bins', () => {
  assert.deepEqual(binsOf([1.5, 1.5], 2, 1e-3), { low: 1.5, width: 5e-4, counts: [2, 0] });
  assert.deepEqual(binsOf([], 3).counts, [0, 0, 0]);
});

test('floatText: the shortest decimal of a float', () => {
  for (const text of ['0.97', '100', '0.1', '0.9999', '1e-7', '3']) assert.equal(floatText(Math.fround(Number(text))), String(Number(text)));
  assert.equal(floatText(Math.fround(0.3333333)), '0.3333333');
});

test('bitsOf: most significant first, the flipped bit in brackets', () => {
  assert.equal(bitsOf(0b10110, 5, 2), '10[1]10');
  assert.equal(bitsOf(5, 17, 16), '0000000000000010[1]');
  assert.equal(bitsOf(5, 17, 0), '[0]0000000000000101');
  assert.equal(bitsOf(3, 4, -1), '0011');
});

test('tickLabels: the fewest digits that keep ticks apart', () => {
  assert.deepEqual(tickLabels([0, 0.001, 0.002]), ['0', '0.001', '0.002']);
  assert.deepEqual(tickLabels([0.0041, 0.0042, 0.0043]), ['0.0041', '0.0042', '0.0043']);
  assert.deepEqual(tickLabels([1, 2, 3]), ['1', '2', '3']);
  assert.equal(significant(0.1024312345, 6), '0.102431');
});

const whole = { low: 0, lowIn: true, high: 4294967295, highIn: true, whole: true };
const open = { low: 0, lowIn: false, high: 1, highIn: false, whole: false };

test('fieldProblem: whole numbers only where whole, within the limits, bounds in or out', () => {
  for (const text of ['0', '37', '4294967295', ' 12 ']) assert.equal(fieldProblem(text, 'Seed', whole), '', text);
  for (const text of ['1e-45', '1.5', '-1', '4294967296', '', 'abc', '1e3', '0x10', 'Infinity']) {
    assert.notEqual(fieldProblem(text, 'Seed', whole), '', text);
  }
  assert.match(fieldProblem('1e-45', 'Seed', whole), /whole number/);
  assert.equal(fieldProblem('0.97', 'Cooling', open), '');
  assert.equal(fieldProblem('1', 'Cooling', open), 'Cooling must be above 0 and below 1.');
  assert.notEqual(fieldProblem('0', 'Cooling', open), '');
  assert.equal(fieldProblem('4294967296', 'Seed', whole), 'Seed must be at least 0 and at most 4294967295.');
});

test('scheduleProblem: none, too many, over a panel\'s own limit', () => {
  assert.equal(scheduleProblem(1816, 1e7), null);
  assert.equal(scheduleProblem(0, 1e7).field, 'final');
  assert.equal(scheduleProblem(-1, 1e7).field, 'moves');
  assert.match(scheduleProblem(207189, 1e7, 200000, 'A watched search').message, /at most 200000 moves.*207189/);
  assert.equal(scheduleProblem(200000, 1e7, 200000), null);
});
