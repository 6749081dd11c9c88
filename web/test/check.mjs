// The page's checks in headless Chromium: the console against the golden
// dialogues and the native program, the watched search against the golden
// trace, many searches and the exact panel against sinc-study, no console
// error, no long task while a Worker computes, axe-core, the keyboard; then
// the page as a class uses it, at a phone's 390 px and at 1400 px: forms,
// stops, failures, plots and widths; the two languages, the links, the
// lessons, the move decided in the open and the projector view; the single
// file, opened from file:// alone, through the same checks (file-check.mjs);
// and the speed figures. Writes screenshots to web.png, web-pt.png and
// web-projector.png beside SITE (build/web), which the web_screenshot target
// copies into docs/.
// usage: node web/test/check.mjs SITE (a folder to serve, or the page's URL) NATIVE_BUILD_DIR
import puppeteer from 'puppeteer-core';
import { mkdtempSync, readdirSync, statSync, rmSync, existsSync } from 'node:fs';
import { join } from 'node:path';
import { serve } from './serve.mjs';
import { verdict, tally, scope } from './verdict.mjs';
import { root, studyOf, pageWidth } from './helpers.mjs';
import { checkProgram, checkKeyboard, typeLines } from './console-checks.mjs';
import { checkWatch, checkMany, checkManySide, checkExact, checkExactSide } from './golden-checks.mjs';
import { checkForms } from './form-checks.mjs';
import { checkStops, checkPlots } from './job-checks.mjs';
import { checkWidth, checkScreens, checkAxe, checkProjector } from './layout-checks.mjs';
import { checkFailures, checkLoadFailure } from './failure-checks.mjs';
import { checkLandscapes } from './landscape-checks.mjs';
import { checkShapes } from './shape-checks.mjs';
import { checkSingleFile } from './file-check.mjs';
import { checkLanguages, checkDecimalComma } from './language-checks.mjs';
import { checkLinks, checkLessonLinks } from './link-checks.mjs';
import { checkLessonNumbers } from './lesson-checks.mjs';
import { checkDecision, checkTrial, checkSide, checkTypedWait } from './decision-checks.mjs';

const [site, native] = process.argv.slice(2);
const study = studyOf(native);
const isUrl = /^[a-z]+:\/\//.test(site);
const built = isUrl ? join(root, 'build/web') : join(site, '..'); // the web build's folder

// The golden checks, at 1400 px, and screenshots in English and in
// Portuguese into the folder shot (none when null);
// returns the speed figures.
async function checkGoldens(open, shot) {
  const page = await open('?clock=1000', 1400);
  await checkProgram(open, join(native, 'sinc-anneal'), page);
  await checkWatch(page, study);
  await checkDecision(page);
  await checkTrial(page, study);
  await checkSide(page, study);
  await checkTypedWait(page, study);
  const many = await checkMany(page, study);
  await checkManySide(page, study);
  await checkExact(page, study, { method: 'anneal', code: 'gray', cooling: 0.9, initial: 10, final: 1, moves: 2 },
    'a short schedule in Gray code');
  await checkExact(page, study, { method: 'climb', code: 'binary', cooling: 0.9, initial: 10, final: 1, moves: 2 },
    'a short schedule, climbing');
  await checkExactSide(page, study);
  const exact = await checkExact(page, study, { method: 'anneal', cooling: 0.97, initial: 100, final: 0.1, moves: 8 },
    "the program's schedule");
  const tables = await checkLandscapes(page, native, study);
  await checkShapes(page, study);
  await checkKeyboard(page);
  await checkAxe(page, 'at 1400 px:');
  await page.click('#console-restart');
  await typeLines(page, ['1', '2']);
  await page.select('#watch-form [name=unit]', 'level');
  await page.focus('#watch-step');
  for (let level = 0; level < 60; ++level) await page.keyboard.press('n');
  if (shot) { // with every lesson's numbers: each is worked out as it comes into view
    for (const lesson of await page.$$('#lesson-list > li')) await lesson.evaluate((e) => e.scrollIntoView());
    await page.waitForFunction(() => !document.querySelector('#lesson-list [data-i18n="lesson.working"]'), { timeout: 30000 });
    await page.screenshot({ path: join(shot, 'web.png'), fullPage: true });
    await page.select('#language', 'pt');
    await page.screenshot({ path: join(shot, 'web-pt.png'), fullPage: true });
    await page.select('#language', 'en');
  }
  await page.close();
  return { many, exact, tables };
}

// The page as a class uses it at width px; returns its widths after each part ran and the longest task.
async function checkUse(open, width) {
  const at = `at ${width} px:`;
  const page = await open('', width);
  const widths = [await pageWidth(page)];
  await typeLines(page, ['1', '2']);
  widths.push(await checkWidth(page, width, 'the program ran'));
  const longest = await checkForms(page, at);
  widths.push(await checkWidth(page, width, 'the watched search ran'));
  await checkStops(page, at);
  await checkPlots(page, at);
  widths.push(await checkWidth(page, width, 'many searches and the exact panel ran'));
  await checkAxe(page, at);
  await checkFailures(page, at);
  if (width < 1000) await checkScreens(page, [360, 700, 1920]);
  await page.close();
  return { widths, longest };
}

async function main() {
  const { server, url } = isUrl ? { url: site } : await serve(site);
  const profile = mkdtempSync('/tmp/sinc-anneal-chromium-');
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  const errors = [];
  const readies = []; // ms from loading to ready, page by page
  const opener = (base) => async (query, width = 1400, before = async () => {}) => {
    const page = await browser.newPage();
    await before(page);
    await page.setViewport({ width, height: 900 });
    page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    page.on('pageerror', (e) => errors.push(e.message));
    await page.evaluateOnNewDocument(() => {
      window.longTasks = [];
      new PerformanceObserver((list) => window.longTasks.push(...list.getEntries()))
        .observe({ type: 'longtask', buffered: true });
    });
    await page.goto(base + query);
    await page.waitForSelector('body[data-ready]', { timeout: 20000 });
    readies.push(Number((await page.$eval('#status', (e) => e.textContent)).match(/(\d+) ms/)?.[1]));
    return page;
  };
  try {
    const open = opener(url);
    await checkLanguages(open);
    await checkDecimalComma(open, study);
    await checkLinks(open);
    await checkLessonLinks(open);
    await checkLessonNumbers(open, study);
    await checkProjector(open, built);
    const speed = await checkGoldens(open, built);
    const phone = await checkUse(open, 390);
    const wide = await checkUse(open, 1400);
    verdict('no error in the browser console', errors.length === 0, errors.join(' | '));
    await checkLoadFailure(browser, url);
    if (!isUrl) {
      await checkSingleFile(join(built, 'single/sinc-anneal.html'), async (fileUrl) => {
        scope.prefix = 'single file: ';
        await checkGoldens(opener(fileUrl), null);
        await checkUse(opener(fileUrl), 390);
        verdict('no error in the browser console', errors.length === 0, errors.join(' | '));
        scope.prefix = '';
      });
    }
    const bytes = isUrl ? 0 : readdirSync(site).reduce((sum, f) => sum + statSync(join(site, f)).size, 0);
    const ready = readies[1]; // the first page also waits for the new browser to settle
    console.log(`figures: ready in ${readies.join(' and ')} ms; files ${(bytes / 1e6).toFixed(3)} MB; ` +
      `10000 runs ${speed.many.toFixed(2)} s; exact at the program's schedule ${speed.exact.toFixed(2)} s; ` +
      `width at 390 px at the start and after each part ${phone.widths.join(', ')} px; longest task of "To the end" ` +
      `${phone.longest} ms at 390 px, ${wide.longest} ms at 1400 px; tables of f compared with sinc-landscape's: ` +
      `${speed.tables.presets} presets and ${speed.tables.typed} typed functions, ${speed.tables.differ} points apart`);
    // Figures, not checks: they depend on how busy the machine is.
    const short = [[ready < 1000, 'ready'], [bytes < 1.5e6, 'size'], [speed.many < 2, 'runs'], [speed.exact < 15, 'exact']]
      .filter(([met]) => !met).map(([, name]) => name);
    console.log(`figures short of their targets (1 s, 1.5 MB, 2 s, 15 s): ${short.join(', ') || 'none'}`);
  } catch (error) {
    verdict('the checks ran to their end', false, error.stack);
  } finally {
    await browser.close();
    server?.close();
    if (existsSync(profile)) rmSync(profile, { recursive: true, force: true });
  }
  process.exit(tally.failed === 0 ? 0 : 1);
}

main();
