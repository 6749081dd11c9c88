// The lessons: a short guided path, each a few sentences with numbers the
// page works out from the glue as the lesson comes into view (the costly
// ones in a Worker, one after another), a question, and a Show me link
// that opens the page with the controls it names.
import { say, onLanguage } from './texts.js';
import { fixed, sig, msg } from './words.js';
import { jobRunner } from './panels.js';
import { floatText } from './formats.js';

const program = (facts) => facts.defaults.plan;
const short = { cooling: 0.9, initial: 10, final: 1, moves: 2 }; // 44 moves: exact in a blink
const slow = (plan) => ({ ...plan, cooling: 0.99 });
const share = (row, column) => Number(row.split('\t')[column]); // the tools' rows: above_1_5 after the schedule
const runsAbove = 7, exactAbove = 6; // the column of the share above the target, in sinc-study's and --exact's rows
const percent = (value) => fixed(100 * value, 1);
// The lessons' settings are on the program's landscape: its request and, for the glue here, its description.
const onProgram = (glue, settings) => ({ ...settings, landscape: {}, land: glue.programLand() });
const xAt = (glue, k) => glue.programLand().x[k];
const shapeRuns = 500, payRuns = 300; // some tenths of a second in the Worker
const paying = ['funnel', 'decoy', 'ramp']; // the presets beside the program's, by the tools' names

// Each lesson: its name, the controls its Show me sets, and work(glue, queue) giving its numbers.
const lessons = [
  { name: 'bits', show: { 'watch-unit': 'move', 'watch-speed': '2', at: 'watch' }, work: (glue) => {
    const points = glue.facts.grid.points;
    return { low: fixed(xAt(glue, 0), 1), high: fixed(xAt(glue, points - 1), 1), step: sig(xAt(glue, 1) - xAt(glue, 0), 3),
      half: fixed(xAt(glue, points / 2) - xAt(glue, 0), 1) };
  } },
  { name: 'move', show: { 'watch-seed': '37', 'watch-unit': 'move', at: 'watch' }, work: (glue) => {
    const plan = program(glue.facts), best = bestPoint(glue);
    const move = (t) => glue.tryMove(onProgram(glue, { method: 'anneal', coding: 'binary', seed: 1 }), best.k, 5, t, 0);
    const hot = move(plan.initial), cold = move(plan.final);
    return { delta: sig(hot.delta, 3), hot: sig(plan.initial, 3), cold: sig(plan.final, 3),
      hotChance: sig(hot.chance, 4), coldChance: sig(cold.chance, 3) };
  } },
  { name: 'worth', show: { 'many-all': 'on', 'many-runs': '1000', at: 'many' }, work: async (glue, queue) => {
    const plan = program(glue.facts);
    const [anneal, climb, sample] = await queue('many', onProgram(glue, { methods: glue.facts.methods, coding: 'binary', runs: 1000, seed: 1, plan }));
    return { runs: 1000, examined: glue.examined(plan), anneal: percent(share(anneal.row, runsAbove)),
      climb: percent(share(climb.row, runsAbove)), sample: percent(share(sample.row, runsAbove)) };
  } },
  { name: 'slope', show: { 'watch-method': 'climb', 'watch-seed': '37', at: 'watch' }, work: (glue) => climberEnd(glue) },
  { name: 'exact', show: { 'exact-cooling': '0.9', 'exact-initial': '10', 'exact-final': '1', 'exact-moves': '2', 'exact-level': '22', at: 'exact' },
    work: async (glue, queue) => {
      const settings = onProgram(glue, { method: 'anneal', coding: 'binary', plan: short });
      const exact = await queue('exact', settings);
      const runs = glue.manyRuns(settings, 1, 1000);
      return { runs: 1000, estimate: fixed(share(glue.manyRow(settings, runs), runsAbove), 4),
        exact: fixed(share(exact, exactAbove), 6), examined: glue.examined(short) };
    } },
  { name: 'schedule', show: { 'many-cooling': '0.99', 'many-runs': '200', at: 'many' }, work: async (glue, queue) => {
    const plan = program(glue.facts);
    const [quick] = await queue('many', onProgram(glue, { methods: ['anneal'], coding: 'binary', runs: 200, seed: 1, plan }));
    const [long] = await queue('many', onProgram(glue, { methods: ['anneal'], coding: 'binary', runs: 200, seed: 1, plan: slow(plan) }));
    return { runs: 200, quickCooling: sig(plan.cooling, 6), slowCooling: 0.99, quickExamined: glue.examined(plan),
      slowExamined: glue.examined(slow(plan)), quick: percent(share(quick.row, runsAbove)), slow: percent(share(long.row, runsAbove)) };
  } },
  { name: 'shape', show: { 'many-shape': 'logarithmic', 'many-runs': String(shapeRuns), at: 'many' }, work: shapeShares },
  { name: 'pays', show: { 'many-preset': paying[0], 'many-all': 'on', 'many-runs': String(payRuns), at: 'many' }, work: landscapeShares },
];

// Each cooling shape between the program's ends, in as many levels as its
// geometric schedule runs: the shares of shapeRuns runs of annealing above
// the target ({shape}) and at the grid's highest point ({shape}Best).
async function shapeShares(glue, queue) {
  const plan = program(glue.facts), found = {};
  for (const shape of glue.facts.shapes) {
    const settings = { methods: ['anneal'], coding: 'binary', runs: shapeRuns, seed: 1, plan: glue.shapedSchedule(plan, shape, 0) };
    const [result] = await queue('many', onProgram(glue, settings));
    found[shape] = percent(share(result.row, runsAbove));
    found[`${shape}Best`] = percent(share(result.row, runsAbove + 1));
  }
  const { levels } = glue.shapedSchedule(plan, glue.facts.shapes[1], 0); // any shape but the geometric
  return { ...found, runs: shapeRuns, initial: sig(plan.initial, 6), final: sig(plan.final, 6), levels, moves: plan.moves,
    examined: glue.examined(plan) };
}

// Each method on each landscape of paying at the program's schedule: the
// share of payRuns runs above the landscape's own target ({name}Anneal,
// {name}Climb, {name}Sample) and the target ({name}Target).
async function landscapeShares(glue, queue) {
  const plan = program(glue.facts), found = {};
  for (const name of paying) {
    const preset = glue.facts.landscapes.presets.find((p) => p.name === name);
    const results = await queue('many', { methods: glue.facts.methods, coding: 'binary', runs: payRuns, seed: 1, plan, landscape: { preset: name } });
    found[`${name}Target`] = Number(floatText(preset.target));
    for (const { method, row } of results) found[`${name}${method[0].toUpperCase()}${method.slice(1)}`] = percent(share(row, runsAbove));
  }
  return { ...found, runs: payRuns, examined: glue.examined(plan) };
}

// The grid's highest point {k, x, f}, from the whole landscape.
function bestPoint(glue) {
  const curve = glue.programLand();
  let k = 0;
  for (let i = 1; i < curve.f.length; ++i) if (curve.f[i] > curve.f[k]) k = i;
  return { k, x: curve.x[k], f: curve.f[k] };
}

// Where the climber from the watched seed ends, how many of its one-bit
// neighbours are higher (none: it is stuck), and the grid's best.
function climberEnd(glue) {
  const settings = onProgram(glue, { method: 'climb', coding: 'binary', seed: glue.facts.defaults.watchSeed, plan: program(glue.facts) });
  const walk = glue.watchSearch(settings, () => {});
  const last = walk.k.length - 1, state = walk.state[last], bits = glue.facts.grid.bits;
  let higher = 0;
  for (let bit = 0; bit < bits; ++bit) higher += glue.tryMove(settings, state, bit, 1, 0).delta > 0;
  const best = bestPoint(glue);
  return { seed: settings.seed, x: fixed(xAt(glue, walk.k[last]), 6), f: fixed(walk.current[last], 6), higher, bits,
    bx: fixed(best.x, 6), bf: fixed(best.f, 6) };
}

// A queue of Worker jobs, one at a time: queue(job, settings) resolves with its row(s).
function workerQueue(newWorker) {
  const runJob = jobRunner(newWorker);
  let last = Promise.resolve();
  return (job, settings) => (last = last.catch(() => {}).then(() => new Promise((resolve, reject) => {
    let answer = null;
    runJob(job, settings, (reply) => {
      if ('results' in reply) answer = reply.results;
      if ('row' in reply) answer = reply.row;
      if ('failed' in reply) reject(new Error(reply.failed));
      if ('done' in reply) resolve(answer);
    });
  })));
}

// The href of a Show me: the controls it names, in the page's language and view.
function hrefOf(show) {
  const params = new URLSearchParams(show);
  params.set('lang', document.documentElement.lang);
  if (document.documentElement.classList.contains('projector')) params.set('view', 'projector');
  return `?${params}`;
}

export function startLessons(glue, newWorker) {
  const list = document.getElementById('lesson-list');
  const queue = workerQueue(newWorker);
  for (const lesson of lessons) {
    const item = document.createElement('li');
    item.id = `lesson-${lesson.name}`;
    const [title, text, question, link] = ['h3', 'p', 'p', 'a'].map((tag) => item.appendChild(document.createElement(tag)));
    say(title, `lesson.${lesson.name}.title`);
    say(text, 'lesson.working');
    question.className = 'question';
    say(question, `lesson.${lesson.name}.question`);
    say(link, 'lesson.show');
    link.className = 'show-me';
    link.href = hrefOf(lesson.show);
    list.append(item);
    const observer = new IntersectionObserver(async ([entry]) => {
      if (!entry.isIntersecting) return;
      observer.disconnect();
      try {
        say(text, `lesson.${lesson.name}.text`, { ...(await lesson.work(glue, queue)), threshold: glue.facts.grid.threshold });
      } catch (error) {
        say(text, 'lesson.failed', { why: msg('plain', { value: String(error?.message ?? error) }) });
      }
    });
    observer.observe(item);
  }
  onLanguage(() => list.querySelectorAll('a.show-me').forEach((a, i) => { a.href = hrefOf(lessons[i].show); }));
}
