// Many searches: sinc-study's runs in a Worker, with a progress bar, its
// table row and a histogram of the runs' best objectives.
import { read_settings } from './schedule.js';
import { histogram_plot } from './plots.js';
import { show_table, job_panel, throttled } from './panels.js';


export function start_many(glue, new_worker) {
  const { form, button, bar, state, table, run_job } = job_panel('many', new_worker);
  let histogram = null; // made with the first runs
  let outcomes = [];
  let header = ''; // sinc-study's, as the glue reports it with the row
  let row = '';
  const show_progress = throttled((done) => { bar.value = done; });

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const settings = read_settings(form, glue);
    if (!settings) return;
    bar.max = settings.runs;
    bar.value = 0;
    state.textContent = `Running ${settings.runs} searches…`;
    run_job(button, { job: 'many', ...settings }, (reply) => {
      if ('progress' in reply) show_progress(reply.progress);
      if ('outcomes' in reply) outcomes = reply.outcomes;
      if ('row' in reply) ({ header, row } = reply);
      if ('failed' in reply) state.textContent = `Failed: ${reply.failed}`;
      if ('done' in reply) {
        bar.value = settings.runs;
        show_table(table, header, [row]);
        histogram ??= histogram_plot(document.getElementById('many-plot'), 'best objective of a run');
        histogram.show(outcomes, 50); // drawn once the Worker is done, as the exact map is
        state.textContent = `${settings.runs} searches in ${reply.seconds.toFixed(2)} s.`;
      }
    });
  });
}
