// How the watched search shows after some of its moves: the plot, the
// figures, the last move and the trace, whose box follows the search.
import { bitsOf } from './formats.js';
import { say, unsay } from './texts.js';
import { fixed, sig, msg } from './words.js';
import { showDecision } from './decision.js';
import { showSide } from './side.js';

// The figures of a <dl>, as pairs of a term (a message's key, or '') and
// its value (a message, a number as words.js writes it, or a string), a <div> a pair.
export function showFigures(list, pairs) {
  list.replaceChildren(...pairs.map(([term, value]) => {
    const pair = document.createElement('div');
    const dt = document.createElement('dt');
    const dd = document.createElement('dd');
    if (term) say(dt, term);
    if (value?.key) say(dd, value.key, value.params);
    else say(dd, 'plain', { value });
    pair.append(dt, dd);
    return pair;
  }));
}

const none = msg('none');

// Worse moves proposed and taken in the level of move last (an index).
function worseInLevel(moves, perLevel, last) {
  let proposed = 0, taken = 0;
  for (let i = last - (last % perLevel); i <= last; ++i) {
    if (!(moves.delta[i] < 0)) continue;
    ++proposed;
    taken += moves.taken[i];
  }
  return proposed ? msg('watch.of', { done: taken, total: proposed }) : none;
}

function showMove(list, moves, last, bits) {
  if (last < 0) return showFigures(list, [['', msg('watch.noMove')]]);
  const delta = moves.delta[last];
  showFigures(list, [
    ['watch.bit', moves.bit[last]], ['watch.solution', bitsOf(moves.state[last], bits, moves.bit[last])],
    ['watch.delta', sig(delta, 6)], ['watch.chance', delta > 0 ? msg('watch.aboveOne') : sig(moves.chance[last], 6)],
    ['watch.draw', moves.draw[last] < 0 ? msg('watch.noDraw') : fixed(moves.draw[last], 4)],
    ['watch.taken', msg(moves.taken[last] ? 'watch.yes' : 'watch.no')],
  ]);
}

// Shows the rows of the levels done and says how many.
function showTrace(trace, walk, done) {
  trace.table.show(walk.rows, done);
  if (done === 0) say(trace.note, 'watch.noLevel');
  else say(trace.note, 'watch.levelsDone', { done, total: walk.rows.length });
}

// Shows walk as it stands after walk.shown moves, on its landscape.
export function showWalk(glue, walk, view) {
  const { moves, perLevel, shown, land } = walk;
  const last = shown - 1;
  const k = last >= 0 ? moves.k[last] : moves.from[0];
  const current = view.marks.current = { x: land.x[k], f: land.f[k] };
  const best = view.marks.best = last >= 0 ? { x: moves.bestX[last], f: moves.best[last] } : current;
  showSide(glue, walk, view.side, view.marks);
  view.redraw();
  const six = (value) => fixed(value, 6);
  showFigures(view.now, [
    ['watch.moves', msg('watch.of', { done: shown, total: walk.length })],
    ['watch.level', last >= 0 ? glue.levelOfMoves(shown, perLevel) : none],
    ['watch.t', last >= 0 ? sig(moves.temperature[last], 6) : none],
    ['watch.worseTaken', last >= 0 ? worseInLevel(moves, perLevel, last) : none],
    ['watch.currentX', six(current.x)], ['watch.currentF', six(current.f)],
    ['watch.bestX', six(best.x)], ['watch.bestF', six(best.f)],
  ]);
  showMove(view.move, moves, last, glue.facts.grid.bits);
  showDecision(view, glue, walk, last);
  view.trial.show(last >= 0 ? moves.state[last] : moves.fromState[0], false);
  showTrace(view.trace, walk, Math.floor(shown / perLevel));
  view.summary('watch.summary', { x: six(current.x), f: six(current.f), bestX: six(best.x), bestF: six(best.f) });
}

// Shows that there is no walk (why, a message's key): the schedule is refused, or a walk is on its way.
export function showNoWalk(view, why) {
  view.marks.current = view.marks.best = null;
  view.marks.others = [];
  view.side.table.tBodies[0].replaceChildren();
  view.side.list.replaceChildren();
  view.redraw();
  showFigures(view.now, [['', msg(why)]]);
  showFigures(view.move, [['', msg('watch.noMove')]]);
  unsay(view.flip);
  say(view.rule, 'rule.none');
  view.trace.table.show([], 0);
  unsay(view.trace.note);
  view.summary(why);
}
