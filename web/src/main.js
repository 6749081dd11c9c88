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
import { startLessons } from './lessons.js';
import { say, setFacts, setLanguage, currentLanguage } from './texts.js';
import { languages } from './words.js';
import { layOutCharts } from './plots.js';
import { followControls, linkedLanguage, linkedProjector, keepInLink, noteLink } from './link.js';

// ?clock=SECONDS fixes the clock the program is seeded from: a test's seam.
const clockText = new URLSearchParams(location.search).get('clock');
const fixedClock = clockText === null ? undefined : Number(clockText);

// Every panel that computes has a Worker of its own.
const newWorker = () => startWorker('worker');

const sayIn = (id, key, params) => say(document.getElementById(id), key, params);
const failure = (error) => String(error?.message ?? error);

// Starts the panels of the glue; says in each why when it cannot.
async function startGlue() {
  try {
    const glue = await loadGlue();
    setFacts(glue.facts);
    startWatch(glue, newWorker);
    startMany(glue, newWorker);
    startExact(glue, newWorker);
    startLessons(glue, newWorker);
    return true;
  } catch (error) {
    for (const panel of ['watch', 'many', 'exact']) sayIn(`${panel}-state`, 'page.partFailed', { why: failure(error) });
    return false;
  }
}

async function startProgram() {
  try {
    await startConsole(createProgram, await compileWasm('program'), fixedClock);
    return true;
  } catch (error) {
    sayIn('console-state', 'program.failedStart', { why: failure(error) });
    return false;
  }
}

async function start() {
  const [glue, program] = await Promise.all([startGlue(), startProgram()]);
  if (glue && program) sayIn('status', 'page.ready', { ms: Math.round(performance.now()) });
  else sayIn('status', 'page.someFailed');
  if (glue) followControls();
  document.body.dataset.ready = glue && program ? 'true' : 'failed';
}

// The language switch, set to the page's language.
function startLanguage() {
  const select = document.getElementById('language');
  const wanted = linkedLanguage();
  setLanguage(languages.includes(wanted) ? wanted : currentLanguage());
  if (wanted !== null && !languages.includes(wanted)) noteLink('language.label', wanted);
  select.value = currentLanguage();
  select.addEventListener('change', () => {
    setLanguage(select.value);
    keepInLink();
  });
}

// The projector view, from the link, and its toggle: the page changes in
// place, its plots drawn again for the view, and the link follows.
function startView() {
  const root = document.documentElement;
  const toggle = document.getElementById('projector');
  const show = (projector) => {
    root.classList.toggle('projector', projector);
    toggle.setAttribute('aria-pressed', String(projector));
  };
  show(linkedProjector());
  toggle.addEventListener('click', () => {
    show(!root.classList.contains('projector'));
    layOutCharts();
    keepInLink();
  });
}

startView();
startLanguage();
start();
