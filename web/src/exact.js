// Exactly: the exact engine in a Worker, level by level, with the map of
// where the search is beside the Boltzmann distribution, the distance
// between them, and the row of sinc-study --exact.
import { scheduleProblem } from './validate.js';
import { mapPlot, distancePlot, curvesPlot, summarize } from './plots.js';
import { showTable, throttled } from './panels.js';
import { jobPanel, endedText } from './job-panel.js';
import { floatText, significant } from './formats.js';

// In words, where the bars of level put most of the search and of Boltzmann's distribution.
function mapText(level, xs) {
  const peak = (p) => p.reduce((best, v, i) => (v > p[best] ? i : best), 0);
  const search = peak(level.current), boltzmann = peak(level.boltzmann);
  return `Level ${level.level}: the search is most likely near x = ${xs[search].toFixed(3)} ` +
    `(${significant(level.current[search], 4)} in that bar); Boltzmann's distribution near x = ` +
    `${xs[boltzmann].toFixed(3)} (${significant(level.boltzmann[boltzmann], 4)}).`;
}

function startCharts() {
  const part = (id) => document.getElementById(id);
  const slider = part('exact-level');
  let map = null, distance = null, xs = null, target = ''; // xs: the bars' x on the landscape
  let levels = [];
  const showLevel = () => {
    const level = levels.find((l) => l.level === Number(slider.value));
    if (!level) return;
    part('exact-level-text').textContent = `level ${level.level}, T = ${significant(level.temperature, 6)}, ` +
      `distance to Boltzmann ${level.distance.toFixed(6)}, above ${target} so far ${level.above.toFixed(6)}`;
    map ??= mapPlot(part('exact-map'));
    map.show(xs, level.current, level.boltzmann);
    summarize(part('exact-map'), mapText(level, xs));
  };
  slider.addEventListener('input', showLevel);
  return {
    // Clears the charts for a job on land.
    clear(land) {
      xs = Array.from(land.barX);
      target = floatText(land.target);
      levels = [];
      slider.disabled = true;
      part('exact-level-text').textContent = '';
      map?.show([], [], []);
      distance?.show([], []);
      summarize(part('exact-map'), 'Nothing worked out yet.');
      summarize(part('exact-distance'), 'Nothing worked out yet.');
    },
    // Draws the levels worked out, the last on the map, and lets the slider choose among them.
    draw(shown) {
      levels = shown;
      if (levels.length === 0) return;
      slider.min = levels[0].level;
      slider.max = slider.value = levels[levels.length - 1].level;
      slider.disabled = false;
      distance ??= distancePlot(part('exact-distance'));
      distance.show(levels.map((l) => l.level), levels.map((l) => l.distance));
      const [first, last] = [levels[0], levels[levels.length - 1]];
      summarize(part('exact-distance'), `The distance to Boltzmann goes from ${first.distance.toFixed(4)} at level ` +
        `${first.level} to ${last.distance.toFixed(4)} at level ${last.level}.`);
      showLevel();
    },
  };
}

// The time to target, drawn from the glue's curves (null: none worked out).
function startCurves(glue) {
  const box = document.getElementById('exact-curves');
  let plot = null;
  return (curves) => {
    box.rows = curves?.rows ?? ''; // the rows of sinc-study --exact --time-to-target, for the checks
    if (!curves) {
      plot?.show([], glue.facts.methods.map(() => []));
      return summarize(box, 'Nothing worked out yet.');
    }
    plot ??= curvesPlot(box, glue.facts.methods);
    plot.show(curves.examined, glue.facts.methods.map((name) => curves[name]));
    summarize(box, `${curves.median.replace(/^# /, '')}.`);
  };
}

export function startExact(glue, newWorker) {
  const charts = startCharts();
  const showCurves = startCurves(glue);
  let job = null; // {settings, levels}, the one under way
  // Ends the job: its row (of the last level done when it was stopped), its charts, its words.
  const end = (ended, row) => {
    const { levels } = job;
    if (row) showTable(panel.table, job.settings.land.headers.exact, [row]);
    showCurves(job.curves ?? null);
    panel.bar.value = levels.length;
    job = null;
    charts.draw(levels);
    panel.finish(endedText(ended, levels.length, levels[0]?.levels ?? 0, 'levels'));
  };
  const panel = jobPanel('exact', glue, newWorker, {
    options: { moving: true },
    limitOf: (examined) => scheduleProblem(examined, glue.facts.mostExamined, glue.facts.mostExact, 'The exact panel'),
    stop: (runJob) => { // the engine cannot pause: its Worker ends, and the row is the last level's
      runJob.end();
      const last = job.levels[job.levels.length - 1];
      end({ stopped: true }, last && glue.exactRow(job.settings, last));
    },
    begin: (settings, runJob) => {
      job = { settings, levels: [] };
      const showProgress = throttled((level) => {
        panel.bar.max = level.levels;
        panel.bar.value = level.level;
      });
      panel.bar.value = 0;
      panel.table.replaceChildren();
      charts.clear(settings.land);
      showCurves(null);
      panel.state.textContent = 'Working it out…';
      runJob('exact', settings, (reply) => {
        if ('level' in reply) {
          job.levels.push(reply.level);
          showProgress(reply.level, reply.level.level === reply.level.levels);
        }
        if ('row' in reply) Object.assign(job, { row: reply.row, curves: reply.curves });
        if ('failed' in reply) {
          charts.draw(job.levels);
          return panel.finish(`The exact answer failed: ${reply.failed}. Press Work it out to try again.`);
        }
        if ('done' in reply) end({ seconds: reply.seconds }, job.row);
      });
    },
  });
}
