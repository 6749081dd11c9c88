// The program's console. The program reads its input as a terminal hands it
// over, a line at a time, and stops at the end of the input; so each time a
// line is typed the program runs again from its start, with the same clock
// and everything typed so far, and prints the same bytes up to where it now
// waits. Typed lines are shown where they were typed, apart from the output.

const newline = 10;

// Runs the program once on input (bytes) with the clock, to its end.
// Returns its output (bytes), how much it had printed when it read the
// input from each place on (a Map), and whether it asked for more input
// than there was, that is whether it is waiting for the next line.
async function run_program(create_program, wasm, clock, input) {
  const output = [];
  const printed_at_read = new Map();
  let at = 0, read_start = 0, wants_more = false;
  const next_byte = () => {
    if (at === input.length || (at > read_start && input[at - 1] === newline)) {
      wants_more ||= at === read_start; // a read that gets nothing: the end of the input
      read_start = at;
      return null;
    }
    if (at === read_start) printed_at_read.set(at, output.length);
    return input[at++];
  };
  await create_program({
    clock,
    instantiateWasm: (imports, done) => {
      WebAssembly.instantiate(wasm, imports).then((instance) => done(instance));
      return {};
    },
    preRun: [(module) => module.FS.init(next_byte, (b) => output.push(b), (b) => output.push(b))],
  });
  return { output, printed_at_read, wants_more };
}

const bytes_of = (text) => Array.from(new TextEncoder().encode(text));
const text_of = (bytes) => {
  let text = '';
  for (let i = 0; i < bytes.length; i += 4096) text += String.fromCharCode(...bytes.slice(i, i + 4096));
  return text;
};

// Starts the console on the program's compiled module; its clock is
// fixed_clock when given (seconds since 1970), else the page's at each start.
// Resolves once the program's first menu shows.
export function start_console(create_program, wasm, fixed_clock) {
  const shown = document.getElementById('console-output');
  const field = document.getElementById('console-input');
  const state_line = document.getElementById('console-state');
  let session;
  let running = Promise.resolve(); // runs one after another, each on the input of its time

  // The output, each typed line shown where the program read it.
  const render = (output, printed_at_read) => {
    shown.replaceChildren();
    let from = 0;
    for (const mark of [...session.marks, { input_at: -1, text: '' }]) {
      const to = printed_at_read.get(mark.input_at) ?? output.length;
      const out = document.createElement('span');
      out.className = 'out';
      out.textContent = text_of(output.slice(from, to));
      const typed = document.createElement('span');
      typed.className = 'typed';
      typed.textContent = mark.text;
      shown.append(out, typed);
      from = to;
    }
    shown.scrollTop = shown.scrollHeight;
  };

  const run = () => (running = running.then(run_now));
  const run_now = async () => {
    const { output, printed_at_read, wants_more } =
      await run_program(create_program, wasm, session.clock, [...session.input]);
    session.ended = session.eof || !wants_more;
    render(output, printed_at_read);
    state_line.textContent = session.ended ? 'The program has ended. Start again to run it anew.'
      : `Running, its draws seeded from the clock: ${session.clock}.`;
    shown.dataset.state = session.ended ? 'ended' : 'waiting';
    shown.dataset.runs = Number(shown.dataset.runs ?? 0) + 1; // how many runs have shown
  };

  // Types bytes at the program (echoed as text), and ends the input after them when eof.
  const type = (text, input_bytes, eof) => {
    if (session.ended) return Promise.resolve();
    session.marks.push({ input_at: session.input.length, text });
    session.input.push(...input_bytes);
    session.eof = eof;
    return run();
  };

  const restart = (input = [], eof = false) => {
    session = { clock: fixed_clock ?? Math.floor(Date.now() / 1000), input, eof, marks: [] };
    return run();
  };

  document.getElementById('console-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const line = field.value + '\n';
    field.value = '';
    type(line, bytes_of(line), false);
  });
  field.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey && event.key === 'd')) return;
    event.preventDefault(); // as a terminal: a line typed so far goes without its newline, else the input ends
    const line = field.value;
    field.value = '';
    type(line, bytes_of(line), line === '');
  });
  document.getElementById('console-eof').addEventListener('click', () => type('', [], true));
  document.getElementById('console-restart').addEventListener('click', () => { restart(); field.focus(); });
  document.getElementById('console-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    if (file) await restart(Array.from(new Uint8Array(await file.arrayBuffer())), true); // as "sinc-anneal < file"
    event.target.value = '';
  });
  return restart();
}
