// One search, watched: a Worker runs the whole seeded search at once and
// hands over every move; the panel then plays the moves back, one move or
// one level a step, on the landscape and in the trace table.
import { buildForm, liveForm, readForm } from './forms.js';
import { fieldProblem, scheduleProblem, numberOf } from './validate.js';
import { landscapePlot, summarize } from './plots.js';
import { showWalk, showNoWalk } from './walk.js';
import { traceTable, rowsOf } from './trace.js';
import { player, bindKeys } from './playing.js';
import { jobRunner, showTable, showColumns } from './panels.js';
import { say, unsay } from './texts.js';
import { restoreForm } from './link.js';
import { startTrial } from './decision.js';
import { startSide } from './side.js';

export const speedLimit = { low: 1, lowIn: true, high: 1000, highIn: true, whole: true }; // steps a second
const curveEvery = 64; // grid points between two points of the drawn curve
const typingPause = 300; // ms after the last key before a typed schedule is taken

// Where the watched search stands: its moves shown, the solution it is at
// and the temperature of its next move; null without a walk.
function whereNow(panel) {
  const walk = panel.walk;
  if (!walk) return null;
  const { moves, shown, length } = walk;
  const state = shown > 0 ? moves.state[shown - 1] : moves.fromState[0];
  return { moves: shown, state, temperature: moves.temperature[Math.min(shown, length - 1)], settings: walk.settings };
}

function startView(glue, panel) {
  const part = (id) => document.getElementById(id);
  const marks = { current: null, best: null };
  const plot = landscapePlot(part('watch-plot'), marks);
  const table = part('watch-trace');
  showTable(table, glue.facts.headers.level, []);
  showColumns(part('watch-columns'), glue.facts.headers.level);
  let shown = null; // the landscape drawn
  const showLandscape = (land) => {
    if (land === shown) return;
    shown = land;
    const every = (values) => Array.from(values.filter((_, k) => k % curveEvery === 0));
    plot.show(every(land.x), every(land.f));
  };
  return {
    marks, redraw: plot.redraw, showLandscape, now: part('watch-now'), move: part('watch-move'),
    trace: { table: traceTable(table), note: part('watch-trace-note') },
    flip: part('watch-bits'), rule: part('watch-rule'), side: startSide(part('watch-side'), part('watch-legend')),
    trial: startTrial(part('watch-try'), glue, () => whereNow(panel), { flip: part('watch-tried-bits'), rule: part('watch-tried') }),
    summary: (key, params) => summarize(part('watch-plot'), key, params),
  };
}

// The steps per second in form, or null after saying beside the field what is wrong.
function speedOf(form) {
  const field = form.elements.speed;
  const problem = fieldProblem(field.value, 'field.speed', speedLimit);
  const note = document.getElementById('watch-speed-refusal');
  if (problem) say(note, problem.key, problem.params);
  else unsay(note);
  return problem ? null : numberOf(field.value);
}

// The playing of panel.walk (null while there is none): {play, step, toEnd, pause, playing}.
function walkControls(form, panel) {
  const playButton = document.getElementById('watch-play');
  const advance = (steps) => {
    const walk = panel.walk;
    const byLevel = form.elements.unit.value === 'level';
    for (let i = 0; i < steps && walk.shown < walk.length; ++i)
      walk.shown += byLevel ? walk.perLevel - (walk.shown % walk.perLevel) : 1;
    panel.show();
    if (walk.shown === walk.length) pause();
    return walk.shown < walk.length;
  };
  const playing = player(advance);
  const pause = () => {
    playing.stop();
    say(playButton, 'watch.start');
  };
  const play = () => {
    if (playing.playing()) return pause();
    const rate = speedOf(form);
    if (rate === null) return;
    if (panel.walk.shown === panel.walk.length) panel.walk.shown = 0; // Start at the end plays it again
    playing.start(rate);
    say(playButton, 'watch.pause');
  };
  const step = () => { pause(); advance(1); };
  const toEnd = () => { pause(); panel.walk.shown = panel.walk.length; panel.show(); };
  const faster = () => { const rate = speedOf(form); if (rate && playing.playing()) playing.start(rate); };
  return { play, step, toEnd, pause, faster };
}

// The walk's coming and going in panel: reset asks the Worker for the walk
// of the controls as they stand, hold drops the walk (and the one on its
// way) while a typed schedule waits, and onWalk(action) acts on the walk,
// or, while one is on its way, on the walk when it comes.
function walkKeeper(glue, { form, state, view, panel, controls, limitOf }, newWorker) {
  const runJob = jobRunner(newWorker);
  let waiting = []; // what was asked for while the walk was on its way
  const noWalk = (key, params) => {
    delete form.dataset.pending;
    waiting = [];
    say(state, key, params);
    view.trial.show(null, true);
    showNoWalk(view, 'watch.noWalk');
  };
  const arrived = (reply, settings) => {
    const moves = reply.walk;
    panel.walk = {
      moves, beside: reply.beside, land: settings.land, rows: rowsOf(reply.rows), perLevel: settings.plan.moves, length: moves.k.length,
      shown: 0, settings,
    };
    view.trial.show(moves.fromState[0], true);
    delete form.dataset.pending;
    say(state, 'watch.ready', { moves: panel.walk.length });
    panel.show();
    for (const action of waiting.splice(0)) action();
  };
  const wait = (dropping) => {
    controls.pause();
    if (dropping) runJob.end();
    panel.walk = null;
    form.dataset.pending = 'true';
    say(state, 'watch.working');
  };
  const reset = (settings = readForm(form, glue, limitOf)) => {
    controls.pause();
    panel.walk = null;
    if (!settings) return noWalk('watch.mend');
    view.showLandscape(settings.land);
    wait(false);
    const beside = glue.facts.methods.filter((method) => method !== settings.method);
    runJob('watch', { ...settings, beside }, (reply) => {
      if ('failed' in reply) noWalk('watch.failed', { why: reply.failed });
      else if ('walk' in reply) arrived(reply, settings);
    });
  };
  const onWalk = (action) => () => (panel.walk ? action() : form.dataset.pending && waiting.push(action));
  return { reset, hold: () => wait(true), onWalk };
}

export function startWatch(glue, newWorker) {
  const form = document.getElementById('watch-form');
  const state = document.getElementById('watch-state');
  const limitOf = (examined) => scheduleProblem(examined, glue.facts.mostExamined, glue.facts.mostWatched, 'what.watched');
  buildForm(form, glue.facts, { moving: true, seed: glue.facts.defaults.watchSeed });
  restoreForm(form, 'watch', glue, limitOf, { speed: speedLimit });
  const panel = { walk: null, show: () => showWalk(glue, panel.walk, view) };
  const view = startView(glue, panel);
  const controls = walkControls(form, panel);
  const keeper = walkKeeper(glue, { form, state, view, panel, controls, limitOf }, newWorker);
  let typing = null; // the wait for a typed schedule to be taken
  const reset = (settings) => {
    clearTimeout(typing);
    keeper.reset(settings);
  };
  liveForm(form, glue, limitOf, {
    onChange: (settings, event) => {
      if (!event.target.closest('.schedule')) return event.target.name === 'speed' && controls.faster();
      if (event.type === 'change') return reset(settings);
      clearTimeout(typing);
      keeper.hold();
      typing = setTimeout(() => reset(), typingPause);
    },
  });
  const [play, step, toEnd] = [keeper.onWalk(controls.play), keeper.onWalk(controls.step), keeper.onWalk(controls.toEnd)];
  document.getElementById('watch-play').addEventListener('click', play);
  document.getElementById('watch-step').addEventListener('click', step);
  document.getElementById('watch-end').addEventListener('click', toEnd);
  document.getElementById('watch-reset').addEventListener('click', () => reset());
  bindKeys(document.getElementById('watch'), { p: play, n: step, r: () => reset() });
  reset();
}
