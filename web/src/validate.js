// What a form's field may hold, and what a schedule may be: pure functions,
// tested with node --test. Each returns a message of the page's catalogues
// ({key, params}, as msg makes it), or null when all is well.
import { msg } from './words.js';

// Returns the number text stands for, or NaN. Its decimal mark is a point
// or a comma, in either language: the page never groups digits, so 0,95
// and 0.95 are one number and a text with both marks, or two commas, is none.
export function numberOf(text) {
  const trimmed = text.trim();
  const commas = trimmed.split(',').length - 1;
  if (trimmed === '' || commas > 1 || (commas === 1 && trimmed.includes('.'))) return NaN;
  return Number(trimmed.replace(',', '.'));
}

// Returns the interval typed as text the way the tools read --interval
// A,B: A;B is the same interval, its ends written with either decimal mark
// (-0,5;1,5); anything else goes to the tools as it is.
export function toolInterval(text) {
  const ends = text.split(';');
  return ends.length === 2 ? ends.map((end) => end.trim().replace(',', '.')).join(',') : text;
}

// Returns what is wrong with text for the field whose label is the message
// label (a key), whose limit is {low, lowIn, high, highIn, whole}: a
// bound is in the range when its In is true.
export function fieldProblem(text, labelKey, limit) {
  const label = msg(labelKey);
  const trimmed = text.trim();
  const value = numberOf(trimmed);
  if (!Number.isFinite(value)) return msg('problem.number', { label });
  if (limit.whole && !(Number.isInteger(value) && /^[+]?\d+$/.test(trimmed))) return msg('problem.whole', { label });
  const low = limit.lowIn ? value >= limit.low : value > limit.low;
  const high = limit.highIn ? value <= limit.high : value < limit.high;
  if (low && high) return null;
  return msg('problem.range', {
    label, low: msg(limit.lowIn ? 'bound.atLeast' : 'bound.above', { n: limit.low }),
    high: msg(limit.highIn ? 'bound.atMost' : 'bound.below', { n: limit.high }),
  });
}

// Returns what is wrong with a schedule that examines examined solutions a
// run (as the glue counts them: 0 none, -1 over mostExamined or never
// ending) where a panel takes at most most of them ({field, message}, or
// null); what is the message that names the panel's run.
export function scheduleProblem(examined, mostExamined, most = mostExamined, what = 'what.run') {
  if (examined === 0) return { field: 'final', message: msg('problem.noLevel') };
  if (examined < 0) return { field: 'moves', message: msg('problem.never', { most: mostExamined }) };
  if (examined > most) return { field: 'moves', message: msg('problem.over', { what: msg(what), most, examined }) };
  return null;
}
