// How the watched search shows after some of its moves: the plot, the
// figures, the last move and the trace, whose box follows the search.
import { bitsOf, significant } from './formats.js';


// The figures of a <dl>, as pairs of a term and its value, a <div> a pair.
export function showFigures(list, pairs) {
  list.replaceChildren(...pairs.map(([term, value]) => {
    const pair = document.createElement('div');
    const dt = document.createElement('dt');
    const dd = document.createElement('dd');
    dt.textContent = term;
    dd.textContent = value;
    pair.append(dt, dd);
    return pair;
  }));
}

// Worse moves proposed and taken in the level of move last (an index).
function worseInLevel(moves, perLevel, last) {
  let proposed = 0, taken = 0;
  for (let i = last - (last % perLevel); i <= last; ++i) {
    if (!(moves.delta[i] < 0)) continue;
    ++proposed;
    taken += moves.taken[i];
  }
  return proposed ? `${taken} of ${proposed}` : '-';
}

function showMove(list, moves, last, bits) {
  if (last < 0) return showFigures(list, [['', 'no move yet']]);
  const delta = moves.delta[last];
  showFigures(list, [
    ['bit flipped', moves.bit[last]], ['solution now', bitsOf(moves.state[last], bits, moves.bit[last])],
    ['Δ', delta.toPrecision(6)], ['exp(Δ/T)', delta > 0 ? 'above 1' : moves.chance[last].toPrecision(6)],
    ['draw', moves.draw[last] < 0 ? 'none' : moves.draw[last].toFixed(4)], ['taken', moves.taken[last] ? 'yes' : 'no'],
  ]);
}

// Shows the rows of the levels done and says how many.
function showTrace(trace, walk, done) {
  trace.table.show(walk.rows, done);
  trace.note.textContent = done === 0 ? 'No level done yet.' : `${done} of ${walk.rows.length} levels done.`;
}

// Shows walk as it stands after walk.shown moves, on its landscape.
export function showWalk(glue, walk, view) {
  const { moves, perLevel, shown, land } = walk;
  const last = shown - 1;
  const k = last >= 0 ? moves.k[last] : moves.from[0];
  const current = view.marks.current = { x: land.x[k], f: land.f[k] };
  const best = view.marks.best = last >= 0 ? { x: moves.bestX[last], f: moves.best[last] } : current;
  view.redraw();
  showFigures(view.now, [
    ['moves', `${shown} of ${walk.length}`], ['level', last >= 0 ? glue.levelOfMoves(shown, perLevel) : '-'],
    ['T', last >= 0 ? significant(moves.temperature[last], 6) : '-'],
    ['worse taken this level', last >= 0 ? worseInLevel(moves, perLevel, last) : '-'],
    ['current x', current.x.toFixed(6)], ['current f', current.f.toFixed(6)],
    ['best x', best.x.toFixed(6)], ['best f', best.f.toFixed(6)],
  ]);
  showMove(view.move, moves, last, glue.facts.grid.bits);
  showTrace(view.trace, walk, Math.floor(shown / perLevel));
  view.summary(`The search is at x = ${current.x.toFixed(6)}, f = ${current.f.toFixed(6)}; ` +
    `the best it has met is at x = ${best.x.toFixed(6)}, f = ${best.f.toFixed(6)}.`);
}

// Shows that there is no walk: the schedule is refused, or a walk is on its way.
export function showNoWalk(view, why) {
  view.marks.current = view.marks.best = null;
  view.redraw();
  showFigures(view.now, [['', why]]);
  showFigures(view.move, [['', 'no move yet']]);
  view.trace.table.show([], 0);
  view.trace.note.textContent = '';
  view.summary(why);
}
