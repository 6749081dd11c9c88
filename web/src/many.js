// Many searches: sinc-study's runs in a Worker, with a progress bar, its
// table row and a histogram of the runs' best objectives.
import { scheduleProblem } from './validate.js';
import { histogramPlot, summarize } from './plots.js';
import { showTable, showColumns, throttled } from './panels.js';
import { say } from './texts.js';
import { fixed } from './words.js';
import { jobPanel, endedText } from './job-panel.js';
import { binsOf, fullest } from './bins.js';

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
  let histogram = null; // made with the first runs
  const clear = () => {
    histogram?.show({ low: 0, width: 1, counts: [] });
    summarize(plotBox, 'many.noRuns');
  };
  showColumns(document.getElementById('many-columns'), glue.facts.headers.study);
  const panel = jobPanel('many', glue, newWorker, {
    options: { seed: glue.facts.defaults.seed },
    limitOf: (examined) => scheduleProblem(examined, glue.facts.mostExamined),
    stop: (runJob) => runJob.stop(), // the Worker ends after the runs under way, with their row
    begin: (settings, runJob) => {
      const { bar, state, table } = panel;
      const showProgress = throttled((done) => { bar.value = done; });
      bar.max = settings.runs;
      bar.value = 0;
      table.replaceChildren();
      clear();
      say(state, 'many.running', { runs: settings.runs });
      let ended = null;
      runJob('many', settings, (reply) => {
        if ('progress' in reply) showProgress(reply.progress);
        if ('row' in reply) ended = reply;
        if ('failed' in reply) return panel.finish('many.failed', { why: reply.failed });
        if (!('done' in reply)) return;
        bar.value = ended.ran;
        showTable(table, glue.facts.headers.study, [ended.row]);
        const bins = binsOf(ended.outcomes, binCount);
        if (ended.ran > 0) {
          histogram ??= histogramPlot(plotBox, 'many.axis');
          histogram.show(bins); // drawn once the Worker is done, as the exact map is
          summarize(plotBox, 'many.histogram', histogramText(bins, ended.ran));
        }
        panel.finish(...endedText({ stopped: ended.ran < settings.runs, seconds: reply.seconds }, ended.ran, settings.runs, 'runs'));
      });
    },
  });
}
