// The single file's check: opened from file:// in a folder of its own, with
// nothing beside it, each panel runs once and shows what the native
// program and sinc-study show.
// usage: await check_single_file(browser, html_file, native_build_dir)
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { basename, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { verdict } from './verdict.mjs';
import { native_session, type_lines } from './console-checks.mjs';

const root = new URL('../../', import.meta.url).pathname;
const lines = (text) => text.trimEnd().split('\n');
const rows_of = (page, table) => page.$$eval(`${table} tr`, (trs) =>
  trs.map((tr) => [...tr.cells].map((c) => c.textContent).join('\t')));

// Sets the fields of form ({name: value}) and tells the page so.
const set_fields = (page, form, fields) => page.$eval(form, (f, values) => {
  for (const [name, value] of Object.entries(values)) {
    f.elements[name].value = value;
    f.elements[name].dispatchEvent(new Event('input', { bubbles: true }));
    f.elements[name].dispatchEvent(new Event('change', { bubbles: true }));
  }
}, fields);

// Presses button and waits until state says how long the job took.
async function run_job(page, button, state) {
  await page.click(button);
  await page.waitForFunction((s) => / in [\d.]+ s\.$/.test(document.querySelector(s).textContent),
    { timeout: 60000, polling: 100 }, state);
}

async function check_panels(page, study) {
  await page.click('#watch-end');
  const golden = lines(readFileSync(join(root, 'tests/golden/trace_seed_37.out'), 'latin1')).slice(1);
  verdict('single file: the watched search of seed 37 as sinc-study --trace',
    (await rows_of(page, '#watch-trace tbody')).join('\n') === golden.join('\n'));
  await set_fields(page, '#many-form', { runs: 200, seed: 1 });
  await run_job(page, '#many-run', '#many-state');
  const runs = lines(readFileSync(join(root, 'tests/golden/runs_200_seed_1.out'), 'latin1'));
  verdict('single file: many searches in its Worker, the row of sinc-study',
    (await rows_of(page, '#many-table')).join('\n') === runs.join('\n'));
  const short = { cooling: 0.9, initial: 10, final: 1, moves: 2 };
  await set_fields(page, '#exact-form', short);
  await run_job(page, '#exact-run', '#exact-state');
  const args = Object.entries(short).flatMap(([name, value]) => [`--${name}`, String(value)]);
  verdict('single file: the exact panel, sinc-study --exact\'s nine digits',
    (await rows_of(page, '#exact-table'))[1] === lines(study('--exact', ...args))[1]);
}

export async function check_single_file(browser, html, native) {
  const folder = mkdtempSync('/tmp/sinc-anneal-single-');
  const alone = join(folder, basename(html));
  copyFileSync(html, alone);
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', (e) => errors.push(e.message));
  try {
    const input = ['1', '2', '0'];
    const session = native_session(join(native, 'sinc-anneal'), input.join('\n') + '\n');
    await page.goto(`${pathToFileURL(alone)}?clock=${session.clock}`);
    await page.waitForSelector('body[data-ready]', { timeout: 20000 });
    await type_lines(page, input);
    const printed = await page.$$eval('#console-output .out', (s) => s.map((e) => e.textContent).join(''));
    verdict('single file: the console as the native program at the same clock', printed === session.output);
    const study = (...args) => execFileSync(join(native, 'tools/sinc-study'), args, { encoding: 'latin1' });
    await check_panels(page, study);
    verdict('single file: no error in the browser console', errors.length === 0, errors.join(' | '));
    const bytes = statSync(html).size;
    verdict('single file: under 1.5 MB', bytes < 1.5e6, `${(bytes / 1e6).toFixed(3)} MB`);
  } finally {
    await page.close();
    rmSync(folder, { recursive: true, force: true });
  }
}
