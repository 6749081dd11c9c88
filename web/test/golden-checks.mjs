// The panels against the native tools: the watched search's trace rows,
// many searches' rows and the exact panel's nine digits.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { verdict } from './verdict.mjs';
import { root, lines, fill, argumentsOf, runPanel, longTasks, tableRows, traceRows, press, pause } from './helpers.mjs';

export async function checkWatch(page, study) {
  await fill(page, '#watch-form', { seed: 37, cooling: 0.97, initial: 100, final: 0.1, moves: 8 });
  await press(page, '#watch-end');
  const rows = await traceRows(page);
  const golden = lines(readFileSync(join(root, 'tests/golden/trace_seed_37.out'), 'latin1'));
  const same = rows.filter((row, i) => row === golden[i + 1]).length;
  verdict('watched search, seed 37: every level as sinc-study --trace', same === golden.length - 1 && rows.length === same,
    `${same} of ${golden.length - 1} levels`);
  const header = await page.$$eval('#watch-trace thead th', (ths) => ths.map((th) => th.textContent).join('\t'));
  verdict("watched search: the trace's header as sinc-study --trace's", header === golden[0], header);
  await fill(page, '#watch-form', { code: 'gray' });
  await press(page, '#watch-end');
  const gray = lines(study('--trace', '--coding', 'gray', '--seed', '37')).slice(1);
  verdict('watched search in Gray code: every level as sinc-study --trace --coding gray',
    (await traceRows(page)).join('\n') === gray.join('\n'));
  await fill(page, '#watch-form', { code: 'binary' });
  await page.focus('#watch-end');
  for (const key of ['r', 'n', 'n']) await page.keyboard.press(key);
  await pause(100);
  const now = await page.$eval('#watch-now dd', (e) => e.textContent);
  verdict('watched search: R resets, N steps', now.startsWith('2 of 1816'), now);
  await page.keyboard.press('p');
  await pause(400);
  await page.keyboard.press('p');
  const played = await page.$eval('#watch-now dd', (e) => parseInt(e.textContent));
  verdict('watched search: P starts and pauses', played > 2 && played < 1816, `${played} moves`);
}

export async function checkMany(page, study) {
  await fill(page, '#many-form', { runs: 200, seed: 1 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  const during = await longTasks(page, '#many-run');
  const golden = lines(readFileSync(join(root, 'tests/golden/runs_200_seed_1.out'), 'latin1'));
  const rows = await tableRows(page, '#many-table');
  verdict('many searches, seeds 1-200: the row of sinc-study', rows.join('\n') === golden.join('\n'), rows[1]);
  await fill(page, '#many-form', { runs: 10000 });
  const seconds = await runPanel(page, '#many-run', '#many-state', 60000);
  during.push(...(await longTasks(page, '#many-run')));
  verdict('no main-thread task over 50 ms while a Worker runs searches', during.length === 0, during.join(', '));
  const tenthousand = (await tableRows(page, '#many-table'))[1];
  verdict('many searches: 10000 runs as sinc-study', tenthousand === lines(study('--runs', '10000', '--seed', '1'))[1]);
  const gray = { method: 'climb', code: 'gray', runs: 300, seed: 5 };
  await fill(page, '#many-form', gray);
  await runPanel(page, '#many-run', '#many-state', 30000);
  const grayRow = (await tableRows(page, '#many-table'))[1];
  verdict('many searches: climbing in Gray code as sinc-study', grayRow === lines(study(...argumentsOf(gray)))[1], grayRow);
  await fill(page, '#many-form', { method: 'anneal', code: 'binary' });
  return seconds;
}

export async function checkExact(page, study, fields, name) {
  await fill(page, '#exact-form', fields);
  const seconds = await runPanel(page, '#exact-run', '#exact-state', 120000);
  const busy = await longTasks(page, '#exact-run');
  verdict(`no main-thread task over 50 ms while a Worker runs the exact engine, ${name}`, busy.length === 0, busy.join(', '));
  const expected = lines(study('--exact', '--threads', '2', ...argumentsOf(fields)))[1];
  const row = (await tableRows(page, '#exact-table'))[1];
  verdict(`exact panel, ${name}: sinc-study --exact's nine digits`, row === expected, row);
  return seconds;
}

// Every method side by side: one row each, as sinc-study's for the same seeds, and a histogram of each.
export async function checkManySide(page, study) {
  const fields = { runs: 300, seed: 5, code: 'gray' };
  await fill(page, '#many-form', { ...fields, all: true });
  await runPanel(page, '#many-run', '#many-state', 60000);
  const rows = (await tableRows(page, '#many-table')).slice(1);
  const native = ['anneal', 'climb', 'sample'].map((method) => lines(study(...argumentsOf({ method, ...fields })))[1]);
  const series = await page.$eval('#many-plot', (e) => e.chart.series.length - 1);
  verdict('every method side by side: their rows as sinc-study\'s, their histograms together',
    rows.join('\n') === native.join('\n') && series === 3, rows.join(' | '));
  await fill(page, '#many-form', { all: false, code: 'binary' });
}

// Anneal and climb side by side in the exact panel, with sampling's formula: their rows as sinc-study --exact's.
export async function checkExactSide(page, study) {
  const fields = { method: 'anneal', code: 'binary', cooling: 0.9, initial: 10, final: 1, moves: 2 };
  await fill(page, '#exact-form', { ...fields, all: true });
  await runPanel(page, '#exact-run', '#exact-state', 60000);
  const rows = (await tableRows(page, '#exact-table')).slice(1);
  const native = ['anneal', 'climb', 'sample'].map((method) => lines(study('--exact', ...argumentsOf({ ...fields, method })))[1]);
  verdict('the exact panel side by side: anneal, climb and sampling\'s formula as sinc-study --exact gives them',
    rows.join('\n') === native.join('\n'), rows.join(' | '));
  await fill(page, '#exact-form', { all: false });
}
