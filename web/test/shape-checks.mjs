// The schedule's shapes on the page against sinc-study: a logarithmic walk
// as its golden trace, runs of the logarithmic shape, the exact panel's
// nine digits and time to target on the linear shape (L from the cooling)
// and on the fast one (L typed in), and L refused beside its field.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { verdict } from './verdict.mjs';
import { root, lines, fill, runPanel, tableRows, press, traceRows } from './helpers.mjs';

const short = { initial: 10, final: 1, moves: 2 };
const shortArgs = ['--initial', '10', '--final', '1', '--moves', '2'];

async function checkWalkAndRuns(page, study) {
  await fill(page, '#watch-form', { shape: 'logarithmic', seed: 37 });
  await press(page, '#watch-end');
  const golden = lines(readFileSync(join(root, 'tests/golden/trace_seed_37_logarithmic.out'), 'latin1')).slice(1);
  verdict('watched search, logarithmic shape: every level as its golden trace',
    (await traceRows(page)).join('\n') === golden.join('\n'));
  await fill(page, '#watch-form', { shape: 'geometric' });
  await fill(page, '#many-form', { shape: 'logarithmic', runs: 300, seed: 2 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  const row = (await tableRows(page, '#many-table'))[1];
  const tool = lines(study('--schedule', 'logarithmic', '--runs', '300', '--seed', '2'))[1];
  verdict('many searches, logarithmic shape: the row of sinc-study --schedule logarithmic', row === tool, row);
  await fill(page, '#many-form', { shape: 'geometric', runs: 1000, seed: 1 });
}

// The exact panel on fields against sinc-study --exact on args: its row, and its time to target, row by row.
async function checkExactShape(page, study, fields, args, name) {
  await fill(page, '#exact-form', fields);
  await runPanel(page, '#exact-run', '#exact-state', 120000);
  const row = (await tableRows(page, '#exact-table'))[1];
  const expected = lines(study('--exact', '--threads', '2', ...args))[1];
  verdict(`exact panel, ${name}: sinc-study --exact's nine digits`, row === expected, row);
  const curves = await page.$eval('#exact-curves', (e) => e.rows);
  const tool = lines(study('--exact', '--time-to-target', '--threads', '2', ...args));
  const summary = await page.$eval('#exact-curves-summary', (e) => e.textContent);
  const drawn = await page.$eval('#exact-curves', (e) => e.chart.data.slice(1).map((c) => c.length));
  verdict(`exact panel, ${name}: the time to target of the three methods, every row as sinc-study --time-to-target's, drawn`,
    lines(curves).join('\n') === tool.slice(1, -1).join('\n') && summary === `${tool.at(-1).replace(/^# /, '')}.` &&
    drawn.length === 3 && drawn.every((n) => n === tool.length - 2), `${tool.length - 2} levels; ${summary}`);
}

async function checkLevels(page) {
  const note = () => page.$eval('#exact-form-levels-refusal', (e) => e.textContent);
  await fill(page, '#exact-form', { shape: 'linear', levels: 1 });
  const refused = await note();
  await fill(page, '#exact-form', { shape: 'geometric', levels: 30 });
  const geometric = await note();
  await page.$eval('#exact-form [name=levels]', (field) => { // blank again, as the geometric shape wants
    field.value = '';
    field.dispatchEvent(new Event('change', { bubbles: true }));
  });
  const mended = await note();
  verdict('an L of 1 is refused beside its field, and any L for the geometric shape, until it is blank',
    /Levels L must be at least 2/.test(refused) && /geometric shape takes no L/.test(geometric) && mended === '',
    `${refused} / ${geometric}`);
}

export async function checkShapes(page, study) {
  await checkWalkAndRuns(page, study);
  await checkExactShape(page, study, { shape: 'linear', cooling: 0.9, ...short },
    ['--schedule', 'linear', '--cooling', '0.9', ...shortArgs], 'the linear shape, L from the cooling');
  await checkExactShape(page, study, { shape: 'fast', levels: 30, ...short },
    ['--schedule', 'fast', '--levels', '30', ...shortArgs], 'the fast shape, L of 30');
  await checkLevels(page);
}
