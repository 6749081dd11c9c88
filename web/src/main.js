// The page: starts the four panels once the WebAssembly modules are in.
import 'uplot/dist/uPlot.min.css';
import create_program from './program.js';
import create_glue from './glue.js';
import { start_console } from './console.js';
import { start_watch } from './watch.js';
import { start_many } from './many.js';
import { start_exact } from './exact.js';
import { startWorker, compileWasm } from './workers.js';

// ?clock=SECONDS fixes the clock the program is seeded from: a test's seam.
const clock_text = new URLSearchParams(location.search).get('clock');
const fixed_clock = clock_text === null ? undefined : Number(clock_text);

async function start() {
  const [wasm, glue] = await Promise.all([
    compileWasm('program'),
    create_glue({ printErr: (line) => console.warn(line) }),
  ]);
  const worker = () => startWorker('worker');
  start_watch(glue);
  start_many(glue, worker);
  start_exact(glue, worker);
  await start_console(create_program, wasm, fixed_clock);
  const status = document.getElementById('status');
  status.textContent = `Ready in ${Math.round(performance.now())} ms.`;
  document.body.dataset.ready = 'true';
}

start();
