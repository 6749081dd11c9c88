// The level-by-level table of the watched search: however many levels are
// done, only the rows in sight of its box are laid out, between two spacers
// as tall as the rows they stand for, so that a walk of 100000 levels shows
// as quickly as one of ten. The box follows the search to its last level.

const spare = 15; // rows laid out above and below those in sight

// The rows of {text, starts}: row i is text from starts[i] up to the
// newline before starts[i + 1]. Returns {length, at(i)}.
export function rowsOf({ text, starts }) {
  return { length: starts.length - 1, at: (i) => text.slice(starts[i], starts[i + 1] - 1) };
}

function spacer() {
  const tr = document.createElement('tr');
  tr.className = 'spacer';
  tr.setAttribute('aria-hidden', 'true');
  return tr;
}

// Returns {show(rows, done)}: the table of rows ({length, at(i)} of
// tab-separated lines, or an array), the
// first done of them, in table (whose parent is the scrolling box).
export function traceTable(table) {
  const box = table.parentElement;
  const body = table.tBodies[0];
  let rows = [], done = 0, rowHeight = 0, shown = '';
  const layOut = () => {
    const header = table.tHead?.offsetHeight ?? 0;
    const inSight = Math.ceil(box.clientHeight / (rowHeight || 20));
    const first = Math.max(0, Math.min(done, Math.floor((box.scrollTop - header) / (rowHeight || 20))) - spare);
    const last = Math.min(done, first + inSight + 2 * spare);
    if (shown === `${first} ${last} ${done}`) return;
    shown = `${first} ${last} ${done}`;
    const [above, below] = [spacer(), spacer()];
    const trs = [];
    for (let i = first; i < last; ++i) {
      const tr = document.createElement('tr');
      for (const cell of rows.at(i).split('\t')) tr.insertCell().textContent = cell;
      trs.push(tr);
    }
    body.replaceChildren(above, ...trs, below);
    rowHeight ||= trs[0]?.offsetHeight ?? 0;
    above.style.height = `${first * rowHeight}px`;
    below.style.height = `${(done - last) * rowHeight}px`;
  };
  box.addEventListener('scroll', layOut, { passive: true });
  return {
    show(allRows, levelsDone) {
      rows = allRows;
      done = levelsDone;
      shown = '';
      box.scrollTop = box.scrollHeight; // to the last level done, the rows then laid out for it
      layOut();
      box.scrollTop = box.scrollHeight;
      layOut();
    },
  };
}
