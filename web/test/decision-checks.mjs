// One move decided in the open: for moves of the golden trace of seed 37,
// the rule written out shows that move's own numbers (its level's T, the
// f it ends the level on, a difference and an exp() that add up, the
// outcome the draw gives), and a move tried by hand with the bit the walk
// flips next is decided with the walk's own draw.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { verdict } from './verdict.mjs';
import { root, lines, fill, press, pause, walkReady } from './helpers.mjs';

const number = '(-?[\\d.]+(?:e-?\\d+)?)';
const rulePattern = new RegExp(`= ${number} − ${number} = ${number} (>|≤) 0(?:, so a draw: exp\\(Δ/T\\) = exp\\(${number} / ${number}\\) = ${number} (>|≤) r = ${number}: (taken|refused))?`);

// The written rule's numbers: {proposed, before, delta, t, chance, draw, taken} (t and after only with a draw).
async function ruleOf(page, selector) {
  const text = await page.$eval(selector, (e) => e.textContent);
  const m = text.match(rulePattern);
  if (!m) return { text };
  return { text, proposed: +m[1], before: +m[2], delta: +m[3], better: m[4] === '>', t: +m[6], chance: +m[7],
    above: m[8] === '>', draw: +m[9], taken: m[10] ? m[10] === 'taken' : m[4] === '>' };
}

// Whether the rule's numbers add up: the difference, exp(Δ/T) and the outcome the draw gives.
const addsUp = (r) => Math.abs(r.proposed - r.before - r.delta) < 2e-6 &&
  (r.better || (Math.abs(r.chance - Math.exp(r.delta / r.t)) < 1e-5 * r.chance && r.above === (r.chance > r.draw) && r.taken === r.above));

const steps = async (page, count) => { for (let i = 0; i < count; ++i) await press(page, '#watch-step'); };

export async function checkDecision(page) {
  const golden = lines(readFileSync(join(root, 'tests/golden/trace_seed_37.out'), 'latin1')).slice(1).map((row) => row.split('\t'));
  await fill(page, '#watch-form', { seed: 37, cooling: 0.97, initial: 100, final: 0.1, moves: 8, unit: 'one move' });
  await press(page, '#watch-reset');
  await pause(200);
  await steps(page, 8); // the last move of level 1
  const last = await ruleOf(page, '#watch-rule');
  const bits = await page.$eval('#watch-bits', (e) => e.textContent);
  const [, , , x, f] = golden[0];
  const ends = last.taken ? last.proposed.toFixed(6) === f && bits.endsWith(`(x = ${x}).`)
    : last.before.toFixed(6) === f && bits.includes(`(x = ${x}),`);
  verdict("the written rule of the last move of level 1 shows that move's numbers, the f and x the golden trace ends the level on",
    last.delta !== undefined && ends && addsUp(last), `${last.text} ${bits}`);
  let drawn = last;
  for (let look = 0; look < 40 && !(drawn.t > 0); ++look) {
    await steps(page, 1);
    drawn = await ruleOf(page, '#watch-rule');
  }
  const level = Number(await page.$eval('#watch-now div:nth-child(2) dd', (e) => e.textContent));
  verdict("a worse move's rule: the draw, exp(Δ/T) at its level's T of the golden trace, and the outcome the draw gives",
    drawn.t === Number(golden[level - 1][2]) && addsUp(drawn), drawn.text);
}

// Try it yourself where the walk of seed 37 stands before its first move
// and before the first move of level 80, a worse one refused: flipping the
// bit the walk flips next gives the walk's own Δ, draw and outcome, as
// sinc-study --trace --every-move prints them.
export async function checkTrial(page, study) {
  const moves = lines(study('--trace', '--every-move', '--seed', '37')).slice(1).map((row) => row.split('\t'));
  await fill(page, '#watch-form', { seed: 37, cooling: 0.97, initial: 100, final: 0.1, moves: 8 });
  await page.select('#watch-form [name=unit]', 'level');
  const tried = [];
  for (const level of [0, 79]) {
    await press(page, '#watch-reset');
    await walkReady(page);
    await steps(page, level);
    const move = moves[level * 8];
    await press(page, `#watch-try button:nth-child(${Number(move[3]) + 1})`);
    const rule = await ruleOf(page, '#watch-tried');
    tried.push({ rule, move, same: rule.draw === Number(move[8]) && rule.taken === (move[9] === 'yes') &&
      rule.delta === Number(move[6]) && addsUp(rule) });
  }
  await page.select('#watch-form [name=unit]', 'move');
  verdict("try it yourself: the bit the walk flips next, tried by hand, is decided with the walk's own Δ, draw and outcome, " +
    'before the first move and before a refused one of level 80', tried.every((t) => t.same) && !tried[1].rule.taken,
  tried.map((t) => `${t.rule.text} / ${t.move.join(' ')}`).join(' | '));
}

// The methods side by side from one seed: before a move all three stand on
// the start sinc-study --trace --every-move moves from; at the end, each
// search's row ends where sinc-study --trace --method of it ends, and
// sampling's best f is that of sinc-study's one sampling run from the seed.
export async function checkSide(page, study) {
  const plan = ['--seed', '37', '--cooling', '0.97', '--initial', '100', '--final', '0.1', '--moves', '8'];
  await fill(page, '#watch-form', { method: 'anneal', seed: 37, cooling: 0.97, initial: 100, final: 0.1, moves: 8 });
  await press(page, '#watch-reset');
  await walkReady(page);
  const sideRows = () => page.$$eval('#watch-side tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
  const start = lines(study('--trace', '--every-move', ...plan))[1].split('\t')[4];
  const before = await sideRows();
  await press(page, '#watch-end');
  const rows = await sideRows();
  const legend = await page.$$eval('#watch-legend li', (lis) => lis.length);
  const ends = ['anneal', 'climb'].map((method) => lines(study('--trace', '--method', method, ...plan)).pop().split('\t').slice(3, 7));
  const sampled = lines(study('--method', 'sample', '--runs', '1', ...plan))[1].split('\t').pop();
  const methods = ['anneal', 'climb', 'sample'];
  const same = rows.length === 3 && rows.every((row, i) => row[0] === methods[i]) &&
    ends.every((end, i) => rows[i].slice(1).join(' ') === end.join(' ')) && rows[2][4] === sampled;
  const started = before.length === 3 && before.every((row) => row[1] === start && row[3] === start);
  verdict('side by side: anneal, climb and sample from seed 37 stepped together from the start of sinc-study --trace, ' +
    "each search ending as sinc-study --trace does, sampling's best as its sinc-study run, with a legend",
  same && started && legend === 6, [...before, ...rows].map((r) => r.join(' ')).join(' | '));
}

// A walk that comes while a typed schedule waits stands for the controls as
// they were: it is not taken, and a Step pressed then steps the walk of the
// typed schedule, whose first move is sinc-study's.
export async function checkTypedWait(page, study) {
  await fill(page, '#watch-form', { seed: 37, cooling: 0.97, initial: 100, final: 0.1, moves: 8, unit: 'one move' });
  const during = await page.evaluate(async () => {
    const form = document.getElementById('watch-form');
    const set = (name, value, type) => {
      form.elements[name].value = value;
      form.elements[name].dispatchEvent(new Event(type, { bubbles: true }));
    };
    set('cooling', '0.99', 'change'); // a walk on its way
    set('initial', '50', 'input'); // and a schedule typed meanwhile
    await new Promise((done) => setTimeout(done, 200)); // the walk has come, the typed schedule waits
    const seen = form.dataset.pending;
    document.getElementById('watch-step').click();
    return seen;
  });
  await walkReady(page);
  const now = await page.$eval('#watch-now dd', (e) => e.textContent);
  const bit = await page.$eval('#watch-move dd', (e) => e.textContent);
  const moves = lines(study('--trace', '--every-move', '--seed', '37', '--cooling', '0.99', '--initial', '50', '--final', '0.1',
    '--moves', '8')).slice(1);
  verdict('a walk that comes while a typed schedule waits is not taken: a Step then steps the walk of the typed schedule, as sinc-study',
    during === 'true' && now === `1 of ${moves.length}` && bit === moves[0].split('\t')[3], `${during} / ${now} / bit ${bit}`);
  await fill(page, '#watch-form', { cooling: 0.97, initial: 100 });
}
