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

// A job for a Worker (started by make_worker on the first job): posts
// message, and hands every reply to on_reply until the one that says it is
// done. Keeps the button off while the job runs.
export function run_job(make_worker, button, message, on_reply) {
  const worker = make_worker();
  button.disabled = true;
  worker.onmessage = ({ data }) => {
    on_reply(data);
    if ('done' in data) button.disabled = false;
  };
  worker.postMessage(message);
}
