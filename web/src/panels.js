// What the panels that compute share: a tool's table, and the runner that
// hands their jobs to a Worker and their replies back.
import { say } from './texts.js';

// A tool's table on the page: its header line and rows, cells split at tabs.
export function showTable(table, header, rows) {
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

// The target that a column named above_<target> names (1_5: 1.5, m1: -1).
const targetOf = (name) => Number(name.slice('above_'.length).replace('_', '.').replace('m', '-'));

// Explains in list (a <dl>) each column of a tool's header: its name as
// the tool writes it, and what it holds in the page's language.
export function showColumns(list, header) {
  list.replaceChildren(...header.split('\t').flatMap((name) => {
    const dt = document.createElement('dt');
    const dd = document.createElement('dd');
    dt.textContent = name;
    dt.dataset.tool = '';
    if (name.startsWith('above_')) say(dd, 'column.above', { target: targetOf(name) });
    else say(dd, `column.${name}`);
    return [dt, dd];
  }));
}

// Returns a runner of jobs in a Worker of their own (started by newWorker
// when first needed): run(job, settings, onReply) posts a job and hands its
// replies to onReply until {done} or {failed} (settings go without their
// landscape's description, land, which the Worker builds again from the
// request, off the page's thread), which a Worker that fails to
// start or dies, or a glue that throws, becomes; a job started while
// another runs ends the other first. run.stop() asks the job under way to
// stop, where it can (it then replies done as usual); run.end() ends it and
// its Worker at once. run.busy() says whether a job is under way.
export function jobRunner(newWorker) {
  let worker = null;
  let current = null; // {id, onReply}
  let lastId = 0;
  const finish = (reply) => {
    const job = current;
    current = null;
    job?.onReply(reply);
  };
  const start = () => {
    worker = newWorker();
    worker.onmessage = ({ data }) => {
      if (data.id !== current?.id) return;
      if ('done' in data || 'failed' in data) finish(data);
      else current.onReply(data);
    };
    worker.onerror = (event) => { // a Worker that could not start, or threw outside a job
      event.preventDefault?.();
      end();
      finish({ failed: event.message || 'the Worker stopped' });
    };
  };
  const end = () => {
    worker?.terminate();
    worker = null;
  };
  const run = (job, settings, onReply) => {
    if (current) end();
    current = { id: ++lastId, onReply };
    try {
      if (!worker) start();
      worker.postMessage({ id: current.id, job, settings: { ...settings, land: undefined } }); // the Worker builds its own
    } catch (error) {
      end();
      finish({ failed: String(error?.message ?? error) });
    }
  };
  run.stop = () => current && worker?.postMessage({ stop: current.id });
  run.end = () => {
    if (!current) return;
    end();
    current = null;
  };
  run.busy = () => current !== null;
  return run;
}

// Returns update(value, last): calls set(value) five times a second at most,
// and always for the last value, so that a Worker's replies keep the page's
// thread free while the Worker computes.
export function throttled(set) {
  let shownAt = -Infinity;
  return (value, last = false) => {
    if (!last && performance.now() - shownAt < 200) return;
    shownAt = performance.now();
    set(value);
  };
}
