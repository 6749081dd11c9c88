// A panel that runs jobs on a form: its parts by their ids (NAME-form,
// NAME-run, NAME-stop, NAME-progress, NAME-state, NAME-table), its form
// built and checked as it changes, and Run, Stop and failures handled alike.
import { buildForm, liveForm, readForm } from './forms.js';
import { jobRunner } from './panels.js';
import { say } from './texts.js';
import { restoreForm } from './link.js';
import { fixed } from './words.js';

// Starts panel name on glue: options as buildForm takes them; limitOf as
// readForm takes it; job(settings) starts a job and returns its reply handler.
// Returns {parts, runJob, finish(key, params)}: finish gives the controls back and says message key.
export function jobPanel(name, glue, newWorker, { options, limitOf, begin, stop }) {
  const part = (suffix) => document.getElementById(`${name}-${suffix}`);
  const parts = { form: part('form'), button: part('run'), bar: part('progress'), state: part('state'), table: part('table') };
  const runJob = jobRunner(newWorker);
  buildForm(parts.form, glue.facts, options);
  restoreForm(parts.form, name, glue, limitOf);
  parts.button.disabled = false; // off in the page until the panel can run
  const finish = (key, params) => {
    parts.button.disabled = false;
    parts.button.dataset.done = performance.now(); // when the Worker's job ended, for the checks
    say(parts.state, key, params);
  };
  const run = () => {
    if (runJob.busy()) return;
    const settings = readForm(parts.form, glue, limitOf);
    if (!settings) {
      say(parts.state, 'job.mend');
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
    if (!runJob.busy()) say(parts.state, 'job.idle');
    else stop(runJob);
  });
  return { ...parts, finish };
}

// The message for a job that ended, done of total units ('runs' or
// 'levels'), as [key, params]: how long it took, or, when it was stopped, how far it got.
export function endedText({ stopped, seconds }, done, total, unit) {
  if (!stopped) return [`job.done.${unit}`, { done, seconds: fixed(seconds, 2) }];
  return done === 0 ? [`job.before.${unit}`, {}] : [`job.after.${unit}`, { done, total }];
}
