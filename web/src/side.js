// The methods side by side in the watched search: every method from the
// same seed and schedule, stepped together on one plot, their figures in
// one table and a legend that names their marks. Sampling draws one
// solution a move, its first draw the search's start.
import { say } from './texts.js';
import { fixed, msg } from './words.js';

const columns = ['side.method', 'side.x', 'side.f', 'side.bestX', 'side.bestF'];

const markOf = ['first', 'second', 'third']; // the marks of the methods in turn

// Where walk's moves are after shown moves on land: {x, f, bestX, bestF}.
function pointOf(land, moves, shown) {
  const last = shown - 1;
  const k = last >= 0 ? moves.k[last] : moves.from[0];
  const x = land.x[k], f = land.f[k];
  return last >= 0 ? { x, f, bestX: moves.bestX[last], bestF: moves.best[last] } : { x, f, bestX: x, bestF: f };
}

// Starts the table of the methods side by side in table, and the legend in list.
export function startSide(table, list) {
  const head = table.createTHead().insertRow();
  for (const key of columns) {
    const th = document.createElement('th');
    th.scope = 'col';
    say(th, key);
    head.append(th);
  }
  table.createTBody();
  return { table, list };
}

function legendItem(list, key, method, mark) {
  const item = document.createElement('li');
  const swatch = document.createElement('span');
  swatch.className = `swatch ${mark}`;
  swatch.setAttribute('aria-hidden', 'true');
  const words = document.createElement('span');
  say(words, key, { method: msg(`method.${method}`) });
  item.append(swatch, words);
  list.append(item);
}

// Shows every method of walk (walk.settings.method and those of walk.beside)
// after walk.shown moves: their row each, and their marks on the plot (marks.others).
export function showSide(glue, walk, side, marks) {
  const methods = [[walk.settings.method, walk.moves], ...Object.entries(walk.beside ?? {})];
  const body = side.table.tBodies[0];
  body.replaceChildren();
  side.list.replaceChildren();
  marks.others = [];
  methods.forEach(([method, moves], i) => {
    const at = pointOf(walk.settings.land, moves, walk.shown);
    const row = body.insertRow();
    say(row.insertCell(), `method.${method}`);
    for (const value of [at.x, at.f, at.bestX, at.bestF]) say(row.insertCell(), 'plain', { value: fixed(value, 6) });
    const mark = markOf[i];
    if (i > 0) marks.others.push({ mark, current: { x: at.x, f: at.f }, best: { x: at.bestX, f: at.bestF } });
    legendItem(side.list, method === 'sample' ? 'side.drawn' : 'side.now', method, `${mark} now`);
    legendItem(side.list, 'side.best', method, `${mark} best`);
  });
}
