// The Worker that runs many searches and the exact engine, so that the page
// stays responsive. It takes one job at a time and posts what the glue
// reports: {progress}, {outcomes}, {level}, {header, row} of the tool's
// table, and {done} with the time.
import create_glue from './glue.js';

const glue_ready = create_glue({ printErr: (line) => console.warn(line) });

const jobs = {
  many: (glue, { method, code, seed, runs, plan }) =>
    glue._many_runs(method, code, seed, runs, plan.cooling, plan.initial, plan.final, plan.moves),
  exact: (glue, { method, code, plan }) =>
    glue._exact_answer(method, code, plan.cooling, plan.initial, plan.final, plan.moves),
};

self.onmessage = async ({ data }) => {
  const glue = await glue_ready;
  glue.on_progress = (done) => postMessage({ progress: done });
  glue.on_outcomes = (best) => postMessage({ outcomes: best }, [best.buffer]);
  glue.on_exact_level = (level, levels, temperature, in_top_basin, above, at_maximum, distance, current, boltzmann) =>
    postMessage({ level: { level, levels, temperature, in_top_basin, above, at_maximum, distance, current, boltzmann } },
      [current.buffer, boltzmann.buffer]);
  glue.on_row = (header, row) => postMessage({ header, row });
  const started = performance.now();
  const result = jobs[data.job](glue, data);
  postMessage({ done: result, seconds: (performance.now() - started) / 1000 });
};
