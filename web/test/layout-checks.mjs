// Any screen: the page never scrolls sideways, wide tables scroll in their
// own box, plots follow their box's width; and axe-core finds nothing.
import { createRequire } from 'node:module';
import { verdict } from './verdict.mjs';
import { pageWidth, pause } from './helpers.mjs';

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
