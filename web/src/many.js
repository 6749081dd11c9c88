// Many searches: sinc-study's runs in a Worker, with a progress bar, its
// table row and a histogram of the runs' best objectives.
import { scheduleProblem } from './validate.js';
import { histogramPlot, summarize } from './plots.js';
import { showTable, throttled } from './panels.js';
import { jobPanel, endedText } from './job-panel.js';
import { binsOf, fullest } from './bins.js';
import { floatText } from './formats.js';

const binCount = 50;

// In words, what the histogram of bins shows of runs runs.
function histogramText(bins, runs) {
  const top = fullest(bins.counts);
  const held = bins.counts.filter((c) => c > 0).length;
  const edge = (i) => (bins.low + i * bins.width).toFixed(4);
  return `${runs} runs in ${binCount} bins from ${edge(0)} to ${edge(binCount)}; ${held} bins hold a run; ` +
    `the fullest, ${edge(top)} to ${edge(top + 1)}, holds ${bins.counts[top]}.`;
}

export function startMany(glue, newWorker) {
  const plotBox = document.getElementById('many-plot');
  const threshold = document.querySelector('#many [data-fact="grid.threshold"]');
  let histogram = null; // made with the first runs
  const clear = () => {
    histogram?.show({ low: 0, width: 1, counts: [] });
    summarize(plotBox, 'No runs yet.');
  };
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
      state.textContent = `Running ${settings.runs} searches…`;
      threshold.textContent = floatText(settings.land.target); // the text above names the landscape's target
      let ended = null;
      runJob('many', settings, (reply) => {
        if ('progress' in reply) showProgress(reply.progress);
        if ('row' in reply) ended = reply;
        if ('failed' in reply) return panel.finish(`The searches failed: ${reply.failed}. Press Run to try again.`);
        if (!('done' in reply)) return;
        bar.value = ended.ran;
        showTable(table, settings.land.headers.study, [ended.row]);
        const bins = binsOf(ended.outcomes, binCount);
        if (ended.ran > 0) {
          histogram ??= histogramPlot(plotBox, 'best objective of a run');
          histogram.show(bins); // drawn once the Worker is done, as the exact map is
          summarize(plotBox, histogramText(bins, ended.ran));
        }
        panel.finish(endedText({ stopped: ended.ran < settings.runs, seconds: reply.seconds }, ended.ran, settings.runs, 'runs'));
      });
    },
  });
}
