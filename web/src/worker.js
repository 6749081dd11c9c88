// The Worker that computes for a panel, so that the page stays responsive:
// the watched search, many searches (a share at a time, stopping between
// shares when asked) and the exact engine. Each job {id, job, settings}
// gets replies {id, ...}: {progress}, {level}, {walk, rows}, {outcomes,
// row}, {row, besideRow, curves}, and at last {done, seconds} or {failed}. A job builds its landscape
// once, from the request in its settings, before it starts.
import { loadGlue } from './boundary.js';

const glueReady = loadGlue();
const stopping = new Set(); // ids of jobs asked to stop
const work = 500000; // solutions examined between two looks for a stop: some ms

// Lets the Worker read its messages (a stop) between shares of a job.
const yieldToMessages = () => new Promise((resolve) => {
  const channel = new MessageChannel();
  channel.port1.onmessage = resolve;
  channel.port2.postMessage(0);
});

// The runs of one method, a share at a time; shown runs done before them. Returns {method, outcomes, row, ran}.
async function methodRuns(glue, settings, reply, shown) {
  const per = Math.max(1, Math.floor(work / glue.examined(settings.plan)));
  const best = new Float32Array(settings.runs);
  const k = new Int32Array(settings.runs);
  let done = 0;
  while (done < settings.runs && !stopping.has(reply.id)) {
    const share = glue.manyRuns(settings, settings.seed + done, Math.min(per, settings.runs - done));
    if (share === null) throw new Error('the glue refused the schedule');
    best.set(share.best, done);
    k.set(share.k, done);
    done += share.best.length;
    reply({ progress: shown + done });
    await yieldToMessages();
  }
  const row = glue.manyRow(settings, { best: best.subarray(0, done), k: k.subarray(0, done) });
  return { method: settings.method, outcomes: best.slice(0, done), row, ran: done };
}

// The runs of settings.method, or of each of settings.methods in turn, side by side.
async function manyJob(glue, settings, reply) {
  const results = [];
  let ran = 0;
  for (const method of settings.methods ?? [settings.method]) {
    if (stopping.has(reply.id)) break;
    const result = await methodRuns(glue, { ...settings, method }, reply, ran);
    if (result.ran > 0) results.push(result);
    ran += result.ran;
  }
  reply({ results, ran }, []);
}

function watchJob(glue, settings, reply) {
  const rows = [];
  const walk = glue.watchSearch(settings, (row) => rows.push(row));
  if (walk === null) throw new Error('the glue refused the schedule');
  const beside = {}; // the other methods from the same seed, stepped together on the page
  for (const method of settings.beside ?? []) beside[method] = glue.watchSearch({ ...settings, method }, () => {});
  // One string and where each row starts in it: a quick copy, and the page
  // cuts out only the rows it shows.
  const starts = new Int32Array(rows.length + 1);
  rows.forEach((row, i) => { starts[i + 1] = starts[i] + row.length + 1; });
  const columns = [walk, ...Object.values(beside)].flatMap((moves) => Object.values(moves).map((column) => column.buffer));
  reply({ walk, beside, rows: { text: rows.join('\n'), starts } }, [...columns, starts.buffer]);
}

function exactJob(glue, settings, reply) {
  const answer = glue.exactAnswer(settings, (level) =>
    reply({ level }, [level.current.buffer, level.boltzmann.buffer]));
  if (answer === null) throw new Error('the glue refused the schedule');
  reply({ row: answer.row, besideRow: answer.besideRow, curves: answer.curves });
}

const jobs = { many: manyJob, watch: watchJob, exact: exactJob };

self.onmessage = async ({ data }) => {
  if (data.stop !== undefined) return stopping.add(data.stop);
  const reply = (message, transfer = []) => postMessage({ id: data.id, ...message }, transfer);
  reply.id = data.id;
  try {
    const glue = await glueReady;
    const started = performance.now();
    const land = glue.describeLandscape(data.settings.landscape);
    if (land.refusal) throw new Error(`the glue refused the landscape: ${land.refusal.message}`);
    await jobs[data.job](glue, { ...data.settings, land }, reply);
    reply({ done: true, seconds: (performance.now() - started) / 1000 });
  } catch (error) {
    reply({ failed: String(error?.message ?? error) });
  }
  stopping.delete(data.id);
};
