// Exactly: the exact engine in a Worker, level by level, with the map of
// where the search is beside the Boltzmann distribution, the distance
// between them, and the row of sinc-study --exact.
import { read_settings } from './schedule.js';
import { map_plot, distance_plot } from './plots.js';
import { show_table, job_panel, throttled } from './panels.js';


export function start_exact(glue, new_worker) {
  const { form, button, bar, state, table, run_job } = job_panel('exact', new_worker);
  const slider = document.getElementById('exact-level');
  const slider_text = document.getElementById('exact-level-text');
  let map = null; // both drawn with the first answer
  let distance = null;
  let bar_xs = null; // the x of each bar of the map, from the glue
  let levels = [];
  let header = ''; // sinc-study's, as the glue reports it with the row
  let row = '';

  const show_level = () => {
    const level = levels[Number(slider.value) - 1];
    if (!level || !map) return;
    slider_text.textContent = `level ${level.level}, T = ${level.temperature.toPrecision(6)}, ` +
      `distance to Boltzmann ${level.distance.toFixed(6)}, above 1.5 so far ${level.above.toFixed(6)}`;
    bar_xs ??= Array.from(level.current, (_, i) => glue._map_bar_x(i));
    map.show(bar_xs, level.current, level.boltzmann);
  };
  // The charts are drawn once the engine is done: redrawing them while it
  // works would hold up the page on a machine with few cores.
  const draw = () => {
    map ??= map_plot(document.getElementById('exact-map'));
    distance ??= distance_plot(document.getElementById('exact-distance'));
    distance.show(levels.map((l) => l.level), levels.map((l) => l.distance));
    show_level();
  };
  slider.addEventListener('input', show_level);
  const show_progress = throttled((level) => {
    bar.max = level.levels;
    bar.value = level.level;
  });

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    const settings = read_settings(form, glue);
    if (!settings) return;
    levels = [];
    bar.value = 0;
    slider.disabled = true;
    state.textContent = 'Working it out…';
    run_job(button, { job: 'exact', ...settings }, (reply) => {
      if ('level' in reply) {
        levels.push(reply.level);
        show_progress(reply.level, reply.level.level === reply.level.levels);
      }
      if ('row' in reply) ({ header, row } = reply);
      if ('failed' in reply) state.textContent = `Failed: ${reply.failed}`;
      if ('done' in reply) {
        slider.max = levels.length;
        slider.value = levels.length;
        slider.disabled = false;
        show_table(table, header, [row]);
        draw();
        state.textContent = `${levels.length} levels in ${reply.seconds.toFixed(2)} s.`;
      }
    });
  });
}
