// Many searches: sinc-study's runs in a Worker, with a progress bar, its
// table row and a histogram of the runs' best objectives.
import { read_settings } from './schedule.js';
import { histogram_plot } from './plots.js';
import { show_table, run_job } from './table.js';

const header = 'method\tcooling\tinitial\tfinal\tmoves\texamined\truns\tabove_1_5\tat_maximum\tmean_best';

export function start_many(new_worker) {
  let worker = null;
  const started = () => (worker ??= new_worker());
  const form = document.getElementById('many-form');
  const button = document.getElementById('many-run');
  const bar = document.getElementById('many-progress');
  const state = document.getElementById('many-state');
  let histogram = null; // drawn with the first runs

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const settings = read_settings(form);
    if (!settings) return;
    bar.max = settings.runs;
    bar.value = 0;
    state.textContent = `Running ${settings.runs} searches…`;
    run_job(started, button, { job: 'many', ...settings }, (reply) => {
      if ('progress' in reply) bar.value = reply.progress;
      histogram ??= histogram_plot(document.getElementById('many-plot'), 'best objective of a run');
      if ('outcomes' in reply) histogram.show(reply.outcomes, 0.4, 1.52, 56);
      if ('row' in reply) show_table(document.getElementById('many-table'), header, [reply.row]);
      if ('done' in reply) {
        bar.value = settings.runs;
        state.textContent = `${settings.runs} searches in ${reply.seconds.toFixed(2)} s.`;
      }
    });
  });
}
