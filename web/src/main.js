// The page: starts the four panels once the WebAssembly modules are in; a
// module that does not load says so in the panels that need it.
import 'uplot/dist/uPlot.min.css';
import createProgram from './program.js';
import { loadGlue } from './boundary.js';
import { startWorker, compileWasm } from './workers.js';
import { startConsole } from './console.js';
import { startWatch } from './watch.js';
import { startMany } from './many.js';
import { startExact } from './exact.js';
import { showFacts } from './facts.js';

// ?clock=SECONDS fixes the clock the program is seeded from: a test's seam.
const clockText = new URLSearchParams(location.search).get('clock');
const fixedClock = clockText === null ? undefined : Number(clockText);

// Every panel that computes has a Worker of its own.
const newWorker = () => startWorker('worker');

const say = (id, text) => { document.getElementById(id).textContent = text; };
const failure = (error) => String(error?.message ?? error);

// Starts the panels of the glue; says in each why when it cannot.
async function startGlue() {
  try {
    const glue = await loadGlue();
    showFacts(glue.facts);
    startWatch(glue, newWorker);
    startMany(glue, newWorker);
    startExact(glue, newWorker);
    return true;
  } catch (error) {
    for (const panel of ['watch', 'many', 'exact']) say(`${panel}-state`, `This part could not start: ${failure(error)}.`);
    return false;
  }
}

async function startProgram() {
  try {
    await startConsole(createProgram, await compileWasm('program'), fixedClock);
    return true;
  } catch (error) {
    say('console-state', `The program could not start: ${failure(error)}.`);
    return false;
  }
}

async function start() {
  const [glue, program] = await Promise.all([startGlue(), startProgram()]);
  say('status', glue && program ? `Ready in ${Math.round(performance.now())} ms.`
    : 'Some parts of the page could not start; each says why.');
  document.body.dataset.ready = glue && program ? 'true' : 'failed';
}

start();
