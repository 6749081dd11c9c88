// Many searches: sinc-study's runs in a Worker, with a progress bar, its
// table row and a histogram of the runs' best objectives.
import { scheduleProblem } from './validate.js';
import { histogramPlot, summarize } from './plots.js';
import { showTable, showColumns, throttled } from './panels.js';
import { say } from './texts.js';
import { fixed } from './words.js';
import { jobPanel, endedText } from './job-panel.js';
import { binsOf, countsIn, fullest } from './bins.js';
import { floatText } from './formats.js';

const binCount = 50;

// In words, what the histogram of bins shows of runs runs: the message's numbers.
function histogramText(bins, runs) {
  const top = fullest(bins.counts);
  const held = bins.counts.filter((c) => c > 0).length;
  const edge = (i) => fixed(bins.low + i * bins.width, 4);
  return { runs, bins: binCount, low: edge(0), high: edge(binCount), held, from: edge(top), to: edge(top + 1), count: bins.counts[top] };
}

export function startMany(glue, newWorker) {
  const plotBox = document.getElementById('many-plot');
  const intro = document.querySelector('#many [data-i18n="many.intro"]');
  const columns = document.getElementById('many-columns');
  let histogram = null; // made with the first runs
  const clear = () => {
    histogram?.show([]);
    summarize(plotBox, 'many.noRuns');
  };
  showColumns(columns, glue.programLand().headers.study);
  const panel = jobPanel('many', glue, newWorker, {
    options: { seed: glue.facts.defaults.seed },
    limitOf: (examined) => scheduleProblem(examined, glue.facts.mostExamined),
    stop: (runJob) => runJob.stop(), // the Worker ends after the runs under way, with their row
    begin: (settings, runJob) => {
      const { bar, state, table } = panel;
      const showProgress = throttled((done) => { bar.value = done; });
      const methods = settings.all ? glue.facts.methods : [settings.method];
      const total = settings.runs * methods.length;
      bar.max = total;
      bar.value = 0;
      table.replaceChildren();
      clear();
      say(state, 'many.running', { runs: settings.runs });
      say(intro, 'many.intro', { threshold: Number(floatText(settings.land.target)) }); // the text names the landscape's target
      showColumns(columns, settings.land.headers.study);
      let ended = null;
      runJob('many', { ...settings, methods }, (reply) => {
        if ('progress' in reply) showProgress(reply.progress);
        if ('results' in reply) ended = reply;
        if ('failed' in reply) return panel.finish('many.failed', { why: reply.failed });
        if (!('done' in reply)) return;
        bar.value = ended.ran;
        showTable(table, settings.land.headers.study, ended.results.map((r) => r.row));
        if (ended.ran > 0) {
          const all = binsOf(ended.results.flatMap((r) => Array.from(r.outcomes)), binCount);
          const names = ended.results.map((r) => `method.${r.method}`);
          if (histogram?.names.join() !== names.join()) {
            histogram?.forget();
            histogram = histogramPlot(plotBox, 'many.axis', names);
          }
          histogram.show(ended.results.map((r) => ({ ...all, counts: countsIn(r.outcomes, all) })));
          summarize(plotBox, 'many.histogram', histogramText(all, ended.ran)); // drawn once the Worker is done
        }
        panel.finish(...endedText({ stopped: ended.ran < total, seconds: reply.seconds }, ended.ran, total, 'runs'));
      });
    },
  });
}
