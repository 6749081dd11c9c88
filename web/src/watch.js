// One search, watched: the glue runs the whole seeded search at once and
// hands over every move; the panel then plays the moves back, one move or
// one level a step, on the landscape and in the trace table.
import { read_settings, plan_arguments } from './schedule.js';
import { landscape_plot } from './plots.js';

const grid_bits = 17;
const fixed = (v, digits) => v.toFixed(digits);

// The 17 bits of a vector of integer value state, most significant first, the bit a move
// flipped in brackets: 0101[1]111100010101.
function bits_of(state, flipped) {
  const bits = state.toString(2).padStart(grid_bits, '0');
  return `${bits.slice(0, flipped)}[${bits[flipped]}]${bits.slice(flipped + 1)}`;
}

// The figures of a <dl>, as pairs of a term and its value.
function show_figures(list, pairs) {
  list.replaceChildren(...pairs.flatMap(([term, value]) => {
    const dt = document.createElement('dt');
    const dd = document.createElement('dd');
    dt.textContent = term;
    dd.textContent = value;
    return [dt, dd];
  }));
}

// Runs the search of settings and returns its moves and level rows.
function record_walk(glue, settings) {
  const moves = [];
  const rows = [];
  glue.on_move = (from, bit, delta, chance, draw, taken, state, k, current, best_x, best, temperature) =>
    moves.push({ from, bit, delta, chance, draw, taken: taken !== 0, state, k, current, best_x, best, temperature });
  glue.on_level = (row) => rows.push(row.split('\t'));
  const made = glue._watch_search(settings.method, settings.code, settings.seed, ...plan_arguments(settings.plan));
  if (made < 0) return null;
  return { moves, rows, per_level: settings.plan.moves, shown: 0 };
}

// The landscape: f at every 64th grid point, with the walk drawn on it.
function start_plot(glue) {
  const xs = [], fs = [];
  for (let k = 0; k < 2 ** grid_bits; k += 64) {
    xs.push(glue._x_at(k));
    fs.push(glue._objective_at(k));
  }
  const marks = { current: null, best: null };
  const plot = landscape_plot(document.getElementById('watch-plot'), xs, fs, marks);
  return { marks, redraw: plot.redraw };
}

// Shows the walk as it stands after walk.shown moves: the plot, the figures,
// the last move and the rows of the levels done.
function show_walk(glue, walk, plot, trace) {
  const { moves, per_level, shown } = walk;
  const last = shown > 0 ? moves[shown - 1] : null;
  const k = last ? last.k : moves[0].from;
  const current = plot.marks.current = { x: glue._x_at(k), f: glue._objective_at(k) };
  const best = plot.marks.best = last ? { x: last.best_x, f: last.best } : current;
  plot.redraw();
  const worse = moves.slice(shown - ((shown - 1) % per_level) - 1, shown).filter((m) => last && m.delta < 0);
  show_figures(document.getElementById('watch-now'), [
    ['moves', `${shown} of ${moves.length}`], ['level', last ? Math.ceil(shown / per_level) : '-'],
    ['T', last ? String(Number(last.temperature.toPrecision(6))) : '-'],
    ['worse taken this level', worse.length ? `${worse.filter((m) => m.taken).length} of ${worse.length}` : '-'],
    ['current x', fixed(current.x, 6)], ['current f', fixed(current.f, 6)],
    ['best x', fixed(best.x, 6)], ['best f', fixed(best.f, 6)],
  ]);
  show_figures(document.getElementById('watch-move'), last ? [
    ['bit flipped', last.bit], ['solution now', bits_of(last.state, last.bit)], ['Δ', last.delta.toPrecision(6)],
    ['exp(Δ/T)', last.delta > 0 ? 'above 1' : last.chance.toPrecision(6)],
    ['draw', last.draw < 0 ? 'none' : fixed(last.draw, 4)], ['taken', last.taken ? 'yes' : 'no'],
  ] : [['', 'no move yet']]);
  for (let level = trace.rows.length; level < Math.floor(shown / per_level); ++level) {
    const tr = trace.insertRow();
    for (const cell of walk.rows[level]) tr.insertCell().textContent = cell;
  }
}

// Keys that act within section, {key: action}, unless a field has the focus.
function bind_keys(section, keys) {
  section.addEventListener('keydown', (event) => {
    const typing = event.target.matches('input, select, textarea');
    const action = keys[event.key.toLowerCase()];
    if (typing || !action || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    action();
  });
}

export function start_watch(glue) {
  const form = document.getElementById('watch-form');
  const play_button = document.getElementById('watch-play');
  const trace = document.querySelector('#watch-trace tbody');
  const plot = start_plot(glue);
  let walk = null;
  let timer = null;
  const show = () => show_walk(glue, walk, plot, trace);

  const pause = () => {
    clearInterval(timer);
    timer = null;
    play_button.textContent = 'Start';
  };
  const step = () => {
    if (walk.shown === walk.moves.length) return pause();
    const by_level = form.elements.unit.value === 'level';
    walk.shown += by_level ? walk.per_level - (walk.shown % walk.per_level) : 1;
    show();
  };
  const play = () => {
    if (timer !== null) return pause();
    if (!form.reportValidity()) return;
    timer = setInterval(step, 1000 / Number(form.elements.speed.value));
    play_button.textContent = 'Pause';
  };
  const reset = () => {
    pause();
    const settings = read_settings(form, glue);
    const recorded = settings && record_walk(glue, settings);
    if (settings && !recorded) {
      const most = glue._most_watched_moves();
      form.elements.moves.setCustomValidity(`A watched search keeps at most ${most} moves: fewer levels or moves, please.`);
      form.reportValidity();
      form.elements.moves.setCustomValidity('');
    }
    if (!recorded) return;
    walk = recorded;
    trace.replaceChildren();
    show();
  };

  play_button.addEventListener('click', play);
  document.getElementById('watch-step').addEventListener('click', () => { pause(); step(); });
  document.getElementById('watch-end').addEventListener('click', () => { pause(); walk.shown = walk.moves.length; show(); });
  document.getElementById('watch-reset').addEventListener('click', reset);
  form.addEventListener('change', (event) => { if (event.target.closest('.schedule')) reset(); });
  bind_keys(document.getElementById('watch'), { p: play, n: () => { pause(); step(); }, r: reset });
  reset();
}
