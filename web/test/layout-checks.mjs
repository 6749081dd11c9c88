// Any screen: the page never scrolls sideways, wide tables scroll in their
// own box, plots follow their box's width; and axe-core finds nothing.
import { createRequire } from 'node:module';
import { verdict } from './verdict.mjs';
import { join } from 'node:path';
import { pageWidth, pause, fill, press } from './helpers.mjs';

// Checks that the page at its current width does not scroll sideways; returns its width.
export async function checkWidth(page, width, after) {
  const laid = await pageWidth(page);
  verdict(`at ${width} px, after ${after}: no sideways scroll`, laid <= width, `${laid} px`);
  return laid;
}

// The page at each of widths: no sideways scroll, every plot as wide as its box.
export async function checkScreens(page, widths) {
  for (const width of widths) {
    await page.setViewport({ width, height: 900 });
    await pause(300);
    await checkWidth(page, width, 'a resize');
    const plots = await page.$$eval('.plot', (all) => all.filter((e) => e.chart)
      .map((e) => ({ id: e.id, box: e.clientWidth, drawn: e.chart.width })));
    const off = plots.filter((p) => Math.abs(p.box - p.drawn) > 1 && p.box >= 200);
    verdict(`at ${width} px: every plot follows its box's width`, plots.length >= 3 && off.length === 0,
      off.map((p) => `${p.id} ${p.drawn} in ${p.box}`).join(', '));
  }
}

export async function checkAxe(page, at) {
  await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core/axe.min.js') });
  const violations = await page.evaluate(async () => (await window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } })).violations
    .map((v) => `${v.id} (${v.nodes.length})`));
  verdict(`${at} axe-core: no violation at level A or AA`, violations.length === 0, violations.join(', '));
}

// The projector view from a link at 1920 px: every text at least 24 px,
// thicker lines, no sideways scroll, axe-core clean; and its toggle in
// place. Leaves a screenshot in the folder shot.
export async function checkProjector(open, shot) {
  const page = await open('?view=projector&lang=pt&at=watch', 1920);
  const looks = await page.evaluate(() => {
    const texts = [...document.querySelectorAll('body *')].filter((e) => e.offsetParent !== null &&
      [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim() !== ''));
    return { smallest: Math.min(...texts.map((e) => parseFloat(getComputedStyle(e).fontSize))),
      line: document.getElementById('watch-plot').chart.series[1].width, pressed: document.getElementById('projector').getAttribute('aria-pressed') };
  });
  const width = await pageWidth(page);
  verdict('projector view at 1920 px: every text at least 24 px, lines twice as thick, no sideways scroll',
    looks.smallest >= 24 && looks.line >= 3 && looks.pressed === 'true' && width <= 1920, JSON.stringify({ ...looks, width }));
  await checkAxe(page, 'in the projector view:');
  await page.setViewport({ width: 1920, height: 1080 });
  await page.$eval('#watch-plot', (e) => e.scrollIntoView({ block: 'center' }));
  await page.screenshot({ path: join(shot, 'web-projector.png') });
  await page.close();
  await checkProjectorToggle(open);
}

// The projector toggle changes the view in place: the page is not opened
// again, the controls and the walk stay as they were, the plots' lines
// follow the view, the link says the view, and axe-core stays clean.
async function checkProjectorToggle(open) {
  const page = await open('?lang=en', 1400);
  await fill(page, '#watch-form', { seed: 41, moves: 6 });
  for (let i = 0; i < 3; ++i) await press(page, '#watch-step');
  const look = () => page.evaluate(() => ({
    kept: window.kept, projector: document.documentElement.classList.contains('projector'),
    pressed: document.getElementById('projector').getAttribute('aria-pressed'), link: location.search,
    seed: document.querySelector('#watch-form [name=seed]').value, moves: document.querySelector('#watch-now dd').textContent,
    line: document.getElementById('watch-plot').chart.series[1].width, wide: document.getElementById('watch-plot').chart.width,
    box: document.getElementById('watch-plot').clientWidth,
  }));
  await page.evaluate(() => { window.kept = true; });
  const before = await look();
  await page.click('#projector');
  await pause(300);
  const on = await look();
  await checkAxe(page, 'the projector view toggled in place:');
  await page.click('#projector');
  await pause(300);
  const off = await look();
  const same = (a) => a.kept && a.seed === '41' && a.moves === before.moves && before.moves.startsWith('3 of') && Math.abs(a.wide - a.box) <= 1;
  verdict('the projector toggle changes the view in place: the same controls and walk, thicker lines, the link follows, and back',
    same(on) && same(off) && on.projector && on.pressed === 'true' && on.link.includes('view=projector') && on.line === 2 * before.line &&
    !off.projector && off.pressed === 'false' && !off.link.includes('view=') && off.line === before.line,
  JSON.stringify({ before, on, off }));
  await page.close();
}
