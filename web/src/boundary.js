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
  return {
    facts,
    // Solutions one run of plan examines: 0 when it runs no level, -1 when it
    // never ends or examines over facts.mostExamined.
    examined: (plan) => module.examinedBySchedule(plan),
    // The number of the level that the last of made moves belongs to (0 before any).
    levelOfMoves: (made, perLevel) => module.levelOfMoves(made, perLevel),
    // Every move of a watched search as columns of typed arrays, or null when
    // the schedule makes none or more than facts.mostWatched; onLevel(row)
    // gets each level's trace row.
    watchSearch: ({ method: m, coding: c, seed, plan }, onLevel) =>
      module.watchSearch(method(m), coding(c), seed, plan, onLevel),
    // {x, f} of every every-th grid point.
    landscape: (every) => module.landscape(every),
    xAt: (k) => module.xAt(k),
    objectiveAt: (k) => module.objectiveAt(k),
    // {best, k} of runs from seed on, or null when the schedule makes no solution.
    manyRuns: ({ method: m, coding: c, plan }, seed, runs) =>
      module.manyRuns(method(m), coding(c), seed, runs, plan),
    // The row of sinc-study's table for the runs of outcomes {best, k}.
    manyRow: ({ method: m, plan }, outcomes) => module.manyRow(method(m), plan, outcomes),
    // The exact row at the end, or null when the schedule makes no move or
    // more than facts.mostExact; onLevel(level) gets every level.
    exactAnswer: ({ method: m, coding: c, plan }, onLevel) =>
      module.exactAnswer(method(m), coding(c), plan, onLevel),
    // The exact row after level, as exactAnswer's onLevel got it: that of a job stopped there.
    exactRow: ({ method: m, plan }, level) => module.exactRow(method(m), plan, level),
    mapBarX: (bar) => module.mapBarX(bar),
    // The exact row of sampling on plan, from its formula, or null when plan examines none.
    samplingRow: (plan) => module.samplingRow(plan),
    // One move chosen by hand: bit (0 the most significant) of state flipped
    // at temperature and decided as method does, with the draw after earlier
    // draws of a source seeded with seed: {to, before, proposed, delta,
    // chance, draw, taken}, or null when out of range.
    tryMove: ({ method: m, coding: c, seed }, state, bit, temperature, earlier) =>
      module.tryMove(method(m), coding(c), state, bit, temperature, seed, earlier),
  };
}

// Returns a promise of the glue's named functions.
export async function loadGlue() {
  return boundaryOf(await loadGlueModule());
}
