// The panels that run jobs as a class uses them: Stop says how far a job
// got and shows its row, a new job clears the old result, the slider works
// on what is shown, and the plots are honest: every bin that holds a run
// visible, the map's axis from 0 with ticks apart.
import { verdict } from './verdict.mjs';
import { fill, waitText, press, pause, runPanel, tableRows } from './helpers.mjs';

const chart = (page, id, read) => page.$eval(`#${id}`, read);

export async function checkStops(page, at) {
  await press(page, '#many-stop');
  const idle = await page.$eval('#many-state', (e) => e.textContent);
  await fill(page, '#many-form', { runs: 200000, seed: 1 });
  await press(page, '#many-run');
  const cleared = (await tableRows(page, '#many-table')).length === 0;
  await pause(600);
  await press(page, '#many-stop');
  const stopped = await waitText(page, '#many-state', /^Stopped/);
  const done = Number(stopped.match(/after (\d+) of 200000 runs/)?.[1]);
  const row = (await tableRows(page, '#many-table'))[1]?.split('\t');
  verdict(`${at} many searches: Stop says how far it got and shows the row of the runs done; a new job clears the old`,
    cleared && done > 0 && row?.[6] === String(done) && idle === 'Nothing is running.' &&
    !(await page.$eval('#many-run', (b) => b.disabled)), `${stopped} / ${row?.[6]}`);
  await fill(page, '#many-form', { runs: 1000 });
  await fill(page, '#exact-form', { cooling: 0.97, initial: 100, final: 0.1, moves: 8 });
  await press(page, '#exact-run');
  await page.waitForFunction(() => Number(document.getElementById('exact-progress').value) >= 20, { timeout: 60000, polling: 50 });
  await press(page, '#exact-stop');
  const exact = await waitText(page, '#exact-state', /^Stopped/);
  const levels = Number(exact.match(/after (\d+) of 227 levels/)?.[1]);
  const slider = await page.$eval('#exact-level', (s) => ({ disabled: s.disabled, max: Number(s.max) }));
  const exactRow = (await tableRows(page, '#exact-table'))[1];
  verdict(`${at} exact: Stop says how far it got, shows that level's row, and the slider works on it`,
    levels >= 20 && !slider.disabled && slider.max === levels && exactRow !== undefined, `${exact} / ${exactRow}`);
}

export async function checkPlots(page, at) {
  await fill(page, '#many-form', { runs: 10000, seed: 1 });
  await runPanel(page, '#many-run', '#many-state', 60000);
  const bars = await chart(page, 'many-plot', (e) => {
    const u = e.chart, [xs, counts] = u.data, width = xs[1] - xs[0];
    const floor = u.valToPos(u.scales.y.min, 'y');
    return counts.map((c, i) => ({ c, left: u.valToPos(xs[i], 'x'), right: u.valToPos(xs[i] + width, 'x'),
      height: c ? floor - u.valToPos(c, 'y') : 0 })).filter((b) => b.c).map((b) => ({ ...b, plotWidth: u.bbox.width / devicePixelRatio }));
  });
  const hidden = bars.filter((b) => b.height < 3 || b.left < -0.5 || b.right > b.plotWidth + 0.5 || b.right - b.left < 2);
  const fullest = Math.max(...bars.map((b) => b.c));
  verdict(`${at} histogram: every bin holding a run, the fullest (${fullest}) included, at a visible height`,
    bars.length > 0 && hidden.length === 0, hidden.map((b) => b.c).join(', '));
  const summary = await page.$eval('#many-plot-summary', (e) => e.textContent);
  verdict(`${at} histogram: a summary in words`, summary.includes(`holds ${fullest}`), summary);
  await fill(page, '#exact-form', { cooling: 0.9, initial: 10, final: 1, moves: 2 });
  await runPanel(page, '#exact-run', '#exact-state', 60000);
  for (const level of [1, 22]) {
    await page.$eval('#exact-level', (s, v) => { s.value = v; s.dispatchEvent(new Event('input')); }, level);
    const axis = await chart(page, 'exact-map', (e) => ({ low: e.chart.scales.y.min, ticks: e.chart.axes[1]._values ?? [] }));
    verdict(`${at} exact map, level ${level}: its y axis starts at 0 with distinct ticks`,
      axis.low === 0 && axis.ticks.length > 1 && new Set(axis.ticks).size === axis.ticks.length, axis.ticks.join(' '));
  }
  const words = await page.$$eval('#exact-map-summary, #exact-distance-summary, #watch-plot-summary', (ps) => ps.map((p) => p.textContent));
  verdict(`${at} the map, the distance and the landscape each have a summary in words`,
    words.every((w) => /level|x =/.test(w)), words.join(' | '));
}
