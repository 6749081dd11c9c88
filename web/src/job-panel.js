// A panel that runs jobs on a form: its parts by their ids (NAME-form,
// NAME-run, NAME-stop, NAME-progress, NAME-state, NAME-table), its form
// built and checked as it changes, and Run, Stop and failures handled alike.
import { buildForm, liveForm, readForm } from './forms.js';
import { jobRunner } from './panels.js';

// Starts panel name on glue: options as buildForm takes them; limitOf as
// readForm takes it; job(settings) starts a job and returns its reply handler.
// Returns {parts, runJob, finish(text)}: finish gives the controls back.
export function jobPanel(name, glue, newWorker, { options, limitOf, begin, stop }) {
  const part = (suffix) => document.getElementById(`${name}-${suffix}`);
  const parts = { form: part('form'), button: part('run'), bar: part('progress'), state: part('state'), table: part('table') };
  const runJob = jobRunner(newWorker);
  buildForm(parts.form, glue.facts, options);
  parts.button.disabled = false; // off in the page until the panel can run
  const finish = (text) => {
    parts.button.disabled = false;
    parts.button.dataset.done = performance.now(); // when the Worker's job ended, for the checks
    parts.state.textContent = text;
  };
  const run = () => {
    if (runJob.busy()) return;
    const settings = readForm(parts.form, glue, limitOf);
    if (!settings) {
      parts.state.textContent = 'Mend the fields marked above to run.';
      return;
    }
    parts.button.disabled = true;
    parts.button.dataset.started = performance.now();
    begin(settings, runJob);
  };
  liveForm(parts.form, glue, limitOf, { submit: run });
  parts.button.addEventListener('click', (event) => {
    event.preventDefault();
    run();
  });
  part('stop').addEventListener('click', () => {
    if (!runJob.busy()) parts.state.textContent = 'Nothing is running.';
    else stop(runJob);
  });
  return { ...parts, finish };
}

// The words for a job that ended, done of total units: how long it took,
// or, when it was stopped, how far it got.
export function endedText({ stopped, seconds }, done, total, unit) {
  if (!stopped) return `${done} ${unit} in ${seconds.toFixed(2)} s.`;
  return done === 0 ? `Stopped before the first of the ${unit}.` : `Stopped after ${done} of ${total} ${unit}.`;
}
