// The page's pure functions: the bins of a histogram, the formats of
// numbers and solutions, the bits of a point and the checks of a field.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { binsOf, fullest } from '../../src/bins.js';
import { floatText, bitsOf, tickLabels, significant } from '../../src/formats.js';
import { fieldProblem, scheduleProblem, numberOf, toolInterval } from '../../src/validate.js';
import { render, languageOf, numberText, fixed, sig } from '../../src/words.js';
import en from '../../src/i18n/en.js';
import pt from '../../src/i18n/pt.js';

const catalogues = { en, pt };
const english = (message) => (message === null ? '' : render(catalogues, 'en', message.key, message.params));
const portuguese = (message) => render(catalogues, 'pt', message.key, message.params);

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
  const problem = (text, label, limit) => english(fieldProblem(text, label, limit));
  for (const text of ['0', '37', '4294967295', ' 12 ']) assert.equal(fieldProblem(text, 'field.seed', whole), null, text);
  for (const text of ['1e-45', '1.5', '-1', '4294967296', '', 'abc', '1e3', '0x10', 'Infinity']) {
    assert.notEqual(problem(text, 'field.seed', whole), '', text);
  }
  assert.match(problem('1e-45', 'field.seed', whole), /whole number/);
  assert.equal(fieldProblem('0.97', 'field.cooling', open), null);
  assert.equal(problem('1', 'field.cooling', open), 'Cooling must be above 0 and below 1.');
  assert.notEqual(problem('0', 'field.cooling', open), '');
  assert.equal(problem('4294967296', 'field.seed', whole), 'Seed must be at least 0 and at most 4294967295.');
  assert.equal(portuguese(fieldProblem('1', 'field.cooling', open)), 'Resfriamento: use um número acima de 0 e abaixo de 1.');
});

test('numberOf: a decimal point or comma, never both, nothing grouped', () => {
  const cases = [['0,95', 0.95], ['0.95', 0.95], [' 1,5e-3 ', 0.0015], [',5', 0.5], ['-2', -2], ['1,000', 1],
    ['1.000,5', NaN], ['1,0,0', NaN], ['', NaN], ['  ', NaN], ['abc', NaN], ['0,9x', NaN]];
  for (const [text, value] of cases) assert.equal(numberOf(text), value, text);
  assert.equal(fieldProblem('0,95', 'field.cooling', open), null);
  assert.match(english(fieldProblem('0,95,1', 'field.cooling', open)), /number/);
  assert.match(english(fieldProblem('1,0', 'field.seed', whole)), /whole number/);
});

test('toolInterval: A;B with either decimal mark is A,B with points; A,B is kept', () => {
  const cases = [['-0,5;1,5', '-0.5,1.5'], [' -2 ; 2 ', '-2,2'], ['-0.5;1.5', '-0.5,1.5'], ['-2,2', '-2,2'], ['1;2;3', '1;2;3'], ['x', 'x']];
  for (const [typed, tool] of cases) assert.equal(toolInterval(typed), tool, typed);
});

test('scheduleProblem: none, too many, over a panel\'s own limit', () => {
  assert.equal(scheduleProblem(1816, 1e7), null);
  assert.equal(scheduleProblem(0, 1e7).field, 'final');
  assert.equal(scheduleProblem(-1, 1e7).field, 'moves');
  assert.match(english(scheduleProblem(207189, 1e7, 200000, 'what.watched').message), /^A watched search makes at most 200000 moves.*207189/);
  assert.equal(scheduleProblem(200000, 1e7, 200000), null);
});

test('languages: any pt gives Portuguese, else English; numbers with the language\'s decimal mark', () => {
  assert.equal(languageOf(['en-US', 'pt-BR']), 'pt');
  assert.equal(languageOf(['PT']), 'pt');
  assert.equal(languageOf(['en-GB', 'ptx']), 'en');
  assert.equal(languageOf([]), 'en');
  assert.equal(numberText('pt', 1.5), '1,5');
  assert.equal(numberText('en', 1.5), '1.5');
  assert.equal(numberText('pt', fixed(-0.50716, 6)), '-0,507160');
  assert.equal(numberText('pt', 200000), '200000');
  assert.equal(numberText('en', sig(0.1024312345, 6)), '0.102431');
  assert.equal(render(catalogues, 'pt', 'watch.of', { done: 2, total: 1816 }), '2 de 1816');
});

test('catalogues: the same keys in both, none empty, the same names filled in', () => {
  assert.deepEqual(Object.keys(pt).sort(), Object.keys(en).sort());
  const names = (text) => (text.match(/\{\w+\}/g) ?? []).sort().join(' ');
  for (const key of Object.keys(en)) {
    assert.ok(en[key].trim() && pt[key].trim(), key);
    assert.equal(names(pt[key]), names(en[key]), key);
  }
});
