// What the panels that run jobs share: their parts, their Worker, their tables.

// A tool's table on the page: its header line and rows, cells split at tabs.
export function show_table(table, header, rows) {
  table.replaceChildren();
  const head = table.createTHead().insertRow();
  for (const name of header.split('\t')) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = name;
    head.append(th);
  }
  const body = table.createTBody();
  for (const row of rows) {
    const tr = body.insertRow();
    for (const cell of row.split('\t')) tr.insertCell().textContent = cell;
  }
}

// Returns run(button, message, on_reply), which runs a job in a Worker of
// its own (started by new_worker with the first job): posts message and hands
// every reply to on_reply until the one that says it is done, the button off
// meanwhile.
// run.stop() ends a job under way, and its Worker with it.
export function job_runner(new_worker) {
  let worker = null;
  let running_button = null;
  const run = (button, message, on_reply) => {
    running_button = button;
    worker ??= new_worker();
    button.disabled = true;
    button.dataset.started = performance.now(); // the time the Worker computed, for the checks
    worker.onmessage = ({ data }) => {
      if ('done' in data) button.dataset.done = performance.now();
      on_reply(data);
      if ('done' in data) button.disabled = false;
    };
    worker.onerror = (event) => { // says so, rather than wait for ever
      button.disabled = false;
      on_reply({ failed: event.message ?? 'the Worker stopped' });
    };
    worker.postMessage(message);
  };
  run.stop = () => {
    worker?.terminate();
    worker = null;
    if (running_button) running_button.disabled = false;
  };
  return run;
}

// The parts of a panel that runs jobs, by their ids (NAME-form, NAME-run,
// NAME-progress, NAME-state, NAME-table), and run_job, a job_runner on
// new_worker that NAME-stop stops.
export function job_panel(name, new_worker) {
  const part = (suffix) => document.getElementById(`${name}-${suffix}`);
  const parts = { form: part('form'), button: part('run'), bar: part('progress'), state: part('state'), table: part('table') };
  const run_job = job_runner(new_worker);
  part('stop').addEventListener('click', () => {
    run_job.stop();
    parts.state.textContent = 'Stopped.';
  });
  return { ...parts, run_job };
}

// Returns update(value, last): calls set(value) five times a second at most,
// and always for the last value, so that a Worker's replies keep the page's
// thread free while the Worker computes.
export function throttled(set) {
  let shown_at = -Infinity;
  return (value, last = false) => {
    if (!last && performance.now() - shown_at < 200) return;
    shown_at = performance.now();
    set(value);
  };
}
