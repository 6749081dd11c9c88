// The page's one way into the C++: the glue's WebAssembly module, loaded in
// one place, behind named functions. Methods and codings go by the names the
// glue gives them, a schedule is an object {cooling, initial, final, moves},
// and callbacks are arguments. Every fact the page shows of the C++ (its
// defaults, limits, headers, names and the numbering of levels) comes from
// facts.
import createGlue from './glue.js';

// Returns a promise of the glue's module, loaded and compiled.
export function loadGlueModule() {
  return createGlue({ printErr: (line) => console.warn(line) });
}

// The named functions of module; a method or a coding is given by its name.
export function boundaryOf(module) {
  const method = (name) => module.Method[name];
  const coding = (name) => module.Coding[name];
  const facts = module.pageFacts();
  // A plan's shape goes by its name on the page, by the glue's enum beyond.
  const planOf = (plan) => ({ ...plan, shape: module.Shape[plan.shape ?? facts.shapes[0]], levels: plan.levels ?? 0 });
  const nameOf = (shape) => facts.shapes.find((name) => module.Shape[name] === shape);
  facts.defaults.plan.shape = nameOf(facts.defaults.plan.shape); // the program's plan, as the page names it
  let program = null; // the program's landscape, described when first asked for
  return {
    facts,
    // describeLandscape({}): the program's own landscape, described once.
    programLand: () => (program ??= module.describeLandscape({})),
    // Solutions one run of plan examines: 0 when it runs no level, -1 when it
    // never ends or examines over facts.mostExamined.
    examined: (plan) => module.examinedBySchedule(planOf(plan)),
    // plan {cooling, initial, final, moves} with shape (a name of
    // facts.shapes) and levels L (0: as many as the geometric schedule runs
    // between its ends; geometric takes none), as the tools make them.
    shapedSchedule: (plan, shape, levels) => {
      const shaped = module.shapedSchedule(planOf(plan), module.Shape[shape], levels);
      return { ...shaped, shape };
    },
    // The number of the level that the last of made moves belongs to (0 before any).
    levelOfMoves: (made, perLevel) => module.levelOfMoves(made, perLevel),
    // Every move of a watched search as columns of typed arrays, or null when
    // the schedule makes none or more than facts.mostWatched; onLevel(row)
    // gets each level's trace row.
    watchSearch: ({ method: m, coding: c, seed, plan, land }, onLevel) =>
      module.watchSearch(method(m), coding(c), seed, planOf(plan), land, onLevel),
    // The landscape that request {preset, function, interval, target} (each
    // may be missing) asks for: {refusal: {field, message}}, or {lower,
    // upper, target, highest, objective, x, f, barX, headers: {study, exact}},
    // objective f by grid point as computed (a Float64Array), x and f as a
    // search stores them (Float32Arrays), barX the x of each bar of the exact
    // map. A job's settings carry it as land (a Worker's job builds its own
    // once, from the request): the glue rebuilds the landscape from its
    // table at each call, without computing f again.
    describeLandscape: (request) => module.describeLandscape(request),
    // {best, k} of runs from seed on, or null when the schedule makes no solution.
    manyRuns: ({ method: m, coding: c, plan, land }, seed, runs) =>
      module.manyRuns(method(m), coding(c), seed, runs, planOf(plan), land),
    // The row of sinc-study's table for the runs of outcomes {best, k}.
    manyRow: ({ method: m, plan, land }, outcomes) => module.manyRow(method(m), planOf(plan), land, outcomes),
    // {row, curves} at the end: the exact row, and the time to target,
    // {rows, median, examined, anneal, climb, sample}, the other moving
    // method's worked out after the levels; or null when the schedule makes
    // no move or more than facts.mostExact. onLevel(level) gets every level.
    exactAnswer: ({ method: m, coding: c, plan, land }, onLevel) =>
      module.exactAnswer(method(m), coding(c), planOf(plan), land, onLevel),
    // The exact row after level, as exactAnswer's onLevel got it: that of a job stopped there.
    exactRow: ({ method: m, plan }, level) => module.exactRow(method(m), planOf(plan), level),
    // The exact row of sampling on plan on land, from its formula, or null when plan examines none.
    samplingRow: ({ plan, land }) => module.samplingRow(planOf(plan), land),
    // One move chosen by hand on land: bit (0 the most significant) of
    // state flipped at temperature and decided as method does, with the draw
    // after earlier draws of a source seeded with seed: {to, fromPoint,
    // toPoint, before, proposed, delta, chance, draw, taken}, or null when out of range.
    tryMove: ({ method: m, coding: c, seed, land }, state, bit, temperature, earlier) =>
      module.tryMove(method(m), coding(c), state, bit, temperature, seed, earlier, land),
    // The move of bit flipped where the walk watched on settings stands
    // after moves of its moves, decided at temperature with the draws the
    // walk makes next: {from, to, fromPoint, toPoint, before, proposed,
    // delta, chance, draw, taken}, or null when out of range.
    tryWalkMove: ({ method: m, coding: c, seed, plan, land }, moves, bit, temperature) =>
      module.tryWalkMove(method(m), coding(c), seed, planOf(plan), moves, bit, temperature, land),
  };
}

// Returns a promise of the glue's named functions.
export async function loadGlue() {
  return boundaryOf(await loadGlueModule());
}
