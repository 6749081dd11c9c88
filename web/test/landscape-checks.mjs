// The landscapes on the page against the native tools: the page's table of
// f, bit for bit at every grid point, for every preset and a few typed
// functions (sinc-landscape --every-point); a refused function or interval
// says the tool's words beside its field; a preset's watched walk, its row
// of many searches and its exact row, as sinc-study gives them.
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { verdict } from './verdict.mjs';
import { lines, fill, runPanel, tableRows, press, traceRows } from './helpers.mjs';

// Functions typed in, on their intervals: every function of the parser
// among them, huge arguments of sin and cos too, so that any last bit
// that differs shows.
const typed = [
  ['sin(3*x)*exp(-x^2) + cos(x)/(1 + x^2)', '-3,1.5'],
  ['sqrt(abs(x)) + log(x + 3) - atan(5*x)^3', '-2,2'],
  ['asin(x/2) + acos(x/3) + tan(x/2) + sinc(7*x - 1)', '-1.9,1.9'],
  ['max(x^3 - x, min(e^x, pi)) - 2^-x', '-2,2'],
  ['exp(sin(40*x)) * log(2 + cos(17*x))', '0.25,1e3'],
  ['sin(1e22*x) + cos(3e9*x) + tan(1e6*x)', '-2,2'],
];

// The table of f that the form's landscape holds, as its doubles.
async function pageTable(page, form) {
  const text = await page.$eval(form, (f) => {
    const bytes = new Uint8Array(f.landscape.land.objective.buffer);
    let binary = '';
    for (let i = 0; i < bytes.length; i += 8192) binary += String.fromCharCode(...bytes.subarray(i, i + 8192));
    return btoa(binary);
  });
  return new Float64Array(new Uint8Array(Buffer.from(text, 'base64')).buffer);
}

// sinc-landscape --every-point for args: {x, f} by grid point.
function toolTable(native, args) {
  const out = execFileSync(join(native, 'tools/sinc-landscape'), ['--every-point', ...args],
    { encoding: 'latin1', timeout: 60000, maxBuffer: 1 << 26 });
  const points = lines(out).slice(1).map((line) => line.split(' '));
  return { x: points.map((p) => p[1]), f: points.map((p) => Number(p[2])) };
}

// How the page's f differs from the tool's: at how many points, and the
// first x where they differ.
function difference(mine, tool) {
  let points = 0, first = -1;
  for (let k = 0; k < tool.f.length; ++k) {
    if (Object.is(mine[k], tool.f[k])) continue;
    ++points;
    if (first < 0) first = k;
  }
  return { points, x: tool.x[first] };
}

// Both builds evaluate an expression with the same elementary functions,
// so the page's f is the tool's double for double, in every last bit.
async function checkTable(page, native, fields, args, name) {
  await fill(page, '#exact-form', fields);
  const mine = await pageTable(page, '#exact-form');
  const tool = toolTable(native, args);
  const d = difference(mine, tool);
  verdict(`the page's f equals sinc-landscape --every-point's, bit for bit, at all ${tool.f.length} grid points, ${name}`,
    mine.length === tool.f.length && d.points === 0, d.points === 0 ? 'every bit' : `${d.points} points apart, the first at x = ${d.x}`);
  return d;
}

async function checkTables(page, native) {
  const presets = await page.$$eval('#exact-form [name=preset] option', (os) => os.map((o) => o.value).filter(Boolean));
  const measured = [];
  for (const name of presets) measured.push(await checkTable(page, native, { preset: name }, ['--landscape', name], `preset ${name}`));
  for (const [f, interval] of typed) {
    measured.push(await checkTable(page, native, { function: f, interval }, ['--function', f, '--interval', interval],
      `${f} on [${interval}]`));
  }
  const sum = (key) => measured.reduce((total, d) => total + d[key], 0);
  return { presets: presets.length, typed: typed.length, differ: sum('points') };
}

// The tool's one line on stderr for args, without "sinc-study: --FIELD: ".
function toolRefusal(native, args) {
  try {
    execFileSync(join(native, 'tools/sinc-study'), args, { encoding: 'latin1', timeout: 60000, stdio: 'pipe' });
  } catch (error) {
    return error.stderr.trim().replace(/^sinc-study: --\w+: /, '');
  }
  return 'accepted';
}

async function checkRefusals(page, native) {
  const cases = [
    [{ function: 'foo(x)', interval: '-2,2' }, 'function', 'f(x)', ['--function', 'foo(x)']],
    [{ function: 'log(x)' }, 'function', 'f(x)', ['--function', 'log(x)']],
    [{ function: 'sin(x', interval: '-2,2' }, 'function', 'f(x)', ['--function', 'sin(x']],
    [{ function: 'x', interval: '2,-2' }, 'interval', 'Interval', ['--function', 'x', '--interval', '2,-2']],
  ];
  for (const [fields, field, label, args] of cases) {
    await fill(page, '#watch-form', fields);
    const shown = await page.$eval(`#watch-form-${field}-refusal`, (e) => e.textContent);
    const expected = `${label}: ${toolRefusal(native, args)}.`;
    const noWalk = await page.$eval('#watch-now', (e) => /no walk/.test(e.textContent));
    verdict(`a refused ${field} (${Object.values(fields).join(' on ')}) shows the tool's words beside it, and no walk`,
      shown.startsWith(expected) && noWalk, `${shown} / ${expected}`); // an interval's says too how to write decimal commas
  }
  await fill(page, '#watch-form', { preset: 'program' });
}

async function checkPresetRuns(page, study) {
  await fill(page, '#watch-form', { preset: 'funnel', seed: 37 });
  await press(page, '#watch-end');
  const trace = lines(study('--trace', '--landscape', 'funnel', '--seed', '37')).slice(1);
  verdict('watched search on funnel: every level as sinc-study --trace --landscape funnel',
    (await traceRows(page)).join('\n') === trace.join('\n'));
  await fill(page, '#watch-form', { preset: 'program' });
  await fill(page, '#many-form', { preset: 'decoy', runs: 500, seed: 3 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  const many = await tableRows(page, '#many-table');
  const runs = lines(study('--landscape', 'decoy', '--runs', '500', '--seed', '3')).slice(0, 2);
  verdict("many searches on decoy: sinc-study --landscape decoy's header and row", many.join('\n') === runs.join('\n'), many.join(' / '));
  await fill(page, '#many-form', { preset: 'program', target: 1.4, runs: 200, seed: 1 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  const targeted = await tableRows(page, '#many-table');
  const intro = await page.$eval('#many [data-i18n="many.intro"]', (e) => e.textContent);
  const named = /passed (\S+) \(/.exec(intro)?.[1]; // the target the text names
  const tool = lines(study('--target', '1.4', '--runs', '200', '--seed', '1')).slice(0, 2);
  verdict('many searches with a target typed in: sinc-study --target 1.4, and the text names the target',
    targeted.join('\n') === tool.join('\n') && named === '1.4', `${targeted.join(' / ')} / ${named}`);
  await page.$eval('#many-form [name=target]', (field) => { // blank again: the landscape's own target
    field.value = '';
    field.dispatchEvent(new Event('change', { bubbles: true }));
  });
  await fill(page, '#many-form', { runs: 1000 });
  const short = ['--cooling', '0.9', '--initial', '10', '--final', '1', '--moves', '2'];
  await fill(page, '#exact-form', { preset: 'funnel', cooling: 0.9, initial: 10, final: 1, moves: 2 });
  await runPanel(page, '#exact-run', '#exact-state', 60000);
  const exact = await tableRows(page, '#exact-table');
  const exactTool = lines(study('--exact', '--threads', '2', '--landscape', 'funnel', ...short)).slice(0, 2); // then its basins
  verdict("exact panel on funnel: sinc-study --exact --landscape funnel's header and nine digits",
    exact.join('\n') === exactTool.join('\n'), exact.join(' / '));
  await fill(page, '#exact-form', { preset: 'program' });
}

// Returns what the tables measured: {presets, typed, differ}, differ the
// points apart.
export async function checkLandscapes(page, native, study) {
  const measured = await checkTables(page, native);
  await fill(page, '#exact-form', { preset: 'program' });
  await checkRefusals(page, native);
  await checkPresetRuns(page, study);
  return measured;
}
