// Exactly: the exact engine in a Worker, level by level, with the map of
// where the search is beside the Boltzmann distribution, the distance
// between them, and the row of sinc-study --exact.
import { scheduleProblem } from './validate.js';
import { mapPlot, distancePlot, curvesPlot, summarize } from './plots.js';
import { showTable, showColumns, throttled } from './panels.js';
import { say, unsay } from './texts.js';
import { linkedValue, noteLink, keepInLink } from './link.js';
import { fixed, sig } from './words.js';
import { jobPanel, endedText } from './job-panel.js';
import { floatText } from './formats.js';

// In words, where the bars of level put most of the search and of Boltzmann's distribution: the message's numbers.
function mapText(level, xs) {
  const peak = (p) => p.reduce((best, v, i) => (v > p[best] ? i : best), 0);
  const search = peak(level.current), boltzmann = peak(level.boltzmann);
  return { level: level.level, x: fixed(xs[search], 3), p: sig(level.current[search], 4),
    bx: fixed(xs[boltzmann], 3), bp: sig(level.boltzmann[boltzmann], 4) };
}

// The first time levels are drawn, the level the link names, if they hold it; else a note.
let linkedLevel = linkedValue('exact', 'level');
function showLinkedLevel(slider) {
  if (linkedLevel === null) return;
  const level = Number(linkedLevel);
  if (/^\d+$/.test(linkedLevel) && level >= Number(slider.min) && level <= Number(slider.max)) slider.value = level;
  else noteLink('exact.levelShown', linkedLevel);
  linkedLevel = null;
  keepInLink();
}

function startCharts() {
  const part = (id) => document.getElementById(id);
  const slider = part('exact-level');
  let map = null, distance = null, xs = null, target = 0; // xs: the bars' x on the landscape
  let levels = [];
  const showLevel = () => {
    const level = levels.find((l) => l.level === Number(slider.value));
    if (!level) return;
    say(part('exact-level-text'), 'exact.levelText', { level: level.level, t: sig(level.temperature, 6),
      distance: fixed(level.distance, 6), above: fixed(level.above, 6), target });
    map ??= mapPlot(part('exact-map'));
    map.show(xs, level.current, level.boltzmann);
    summarize(part('exact-map'), 'exact.mapText', mapText(level, xs));
  };
  slider.addEventListener('input', showLevel);
  return {
    // Clears the charts for a job on land.
    clear(land) {
      xs = Array.from(land.barX);
      target = Number(floatText(land.target));
      levels = [];
      slider.disabled = true;
      unsay(part('exact-level-text'));
      map?.show([], [], []);
      distance?.show([], []);
      summarize(part('exact-map'), 'exact.nothing');
      summarize(part('exact-distance'), 'exact.nothing');
    },
    // Draws the levels worked out, the last on the map, and lets the slider choose among them.
    draw(shown) {
      levels = shown;
      if (levels.length === 0) return;
      slider.min = levels[0].level;
      slider.max = slider.value = levels[levels.length - 1].level;
      showLinkedLevel(slider);
      slider.disabled = false;
      distance ??= distancePlot(part('exact-distance'));
      distance.show(levels.map((l) => l.level), levels.map((l) => l.distance));
      const [first, last] = [levels[0], levels[levels.length - 1]];
      summarize(part('exact-distance'), 'exact.distanceText', { first: fixed(first.distance, 4), firstLevel: first.level,
        last: fixed(last.distance, 4), lastLevel: last.level });
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
      return summarize(box, 'exact.nothing');
    }
    plot ??= curvesPlot(box, glue.facts.methods.map((name) => `method.${name}`));
    plot.show(curves.examined, glue.facts.methods.map((name) => curves[name]));
    summarize(box, 'exact.curvesText', { median: curves.median.replace(/^# /, '') }); // the tool's words
  };
}

export function startExact(glue, newWorker) {
  const charts = startCharts();
  const showCurves = startCurves(glue);
  const columns = document.getElementById('exact-columns');
  showColumns(columns, glue.programLand().headers.exact);
  let job = null; // {settings, levels}, the one under way
  // Ends the job: its rows (the first of the last level done when it was stopped), its charts, its words.
  const end = (ended, rows) => {
    const { levels } = job;
    if (rows[0]) showTable(panel.table, job.settings.land.headers.exact, rows.filter(Boolean));
    showCurves(job.curves ?? null);
    panel.bar.value = levels.length;
    job = null;
    charts.draw(levels);
    panel.finish(...endedText(ended, levels.length, levels[0]?.levels ?? 0, 'levels'));
  };
  const panel = jobPanel('exact', glue, newWorker, {
    options: { moving: true },
    limitOf: (examined) => scheduleProblem(examined, glue.facts.mostExamined, glue.facts.mostExact, 'what.exact'),
    stop: (runJob) => { // the engine cannot pause: its Worker ends, and the row is the last level's
      runJob.end();
      const last = job.levels[job.levels.length - 1];
      end({ stopped: true }, [job.row ?? (last && glue.exactRow(job.settings, last))]);
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
      showColumns(columns, settings.land.headers.exact);
      showCurves(null);
      say(panel.state, 'exact.working');
      runJob('exact', settings, (reply) => {
        if ('level' in reply) {
          job.levels.push(reply.level);
          showProgress(reply.level, reply.level.level === reply.level.levels);
        }
        if ('row' in reply) Object.assign(job, { row: reply.row, beside: reply.besideRow, curves: reply.curves });
        if ('failed' in reply) {
          charts.draw(job.levels);
          return panel.finish('exact.failed', { why: reply.failed });
        }
        // Side by side: the other moving method's row, whose chain the time to target
        // worked out too, and sampling's formula.
        if ('done' in reply) {
          end({ seconds: reply.seconds }, settings.all ? [job.row, job.beside, glue.samplingRow(settings)] : [job.row]);
        }
      });
    },
  });
  if (linkedValue('exact', 'level') !== null) panel.button.click(); // the map's level shows once worked out
}
