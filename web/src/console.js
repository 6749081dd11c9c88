// The program's console. The program reads its input as a terminal hands it
// over, a line at a time, and stops at the end of the input; so each time a
// line is typed the program runs again from its start, with the same clock
// and everything typed so far, and prints the same bytes up to where it now
// waits. Typed lines are shown where they were typed, apart from the output.
import { say } from './texts.js';

const newline = 10;

// Runs the program once on input (bytes) with the clock, to its end.
// Returns its output (bytes), how much it had printed when it read the
// input from each place on (a Map), and whether it asked for more input
// than there was, that is whether it is waiting for the next line.
async function runProgram(createProgram, wasm, clock, input) {
  const output = [];
  const printedAtRead = new Map();
  let at = 0, readStart = 0, wantsMore = false;
  const nextByte = () => {
    if (at === input.length || (at > readStart && input[at - 1] === newline)) {
      wantsMore ||= at === readStart; // a read that gets nothing: the end of the input
      readStart = at;
      return null;
    }
    if (at === readStart) printedAtRead.set(at, output.length);
    return input[at++];
  };
  let failed;
  const loadFailed = new Promise((resolve, reject) => { failed = reject; });
  await Promise.race([loadFailed, createProgram({
    clock,
    instantiateWasm: (imports, done) => {
      WebAssembly.instantiate(wasm, imports).then((instance) => done(instance), failed);
      return {};
    },
    preRun: [(module) => module.FS.init(nextByte, (b) => output.push(b), (b) => output.push(b))],
  })]);
  return { output, printedAtRead, wantsMore };
}

const bytesOf = (text) => Array.from(new TextEncoder().encode(text));
const textOf = (bytes) => {
  let text = '';
  for (let i = 0; i < bytes.length; i += 4096) text += String.fromCharCode(...bytes.slice(i, i + 4096));
  return text;
};

// Starts the console on the program's compiled module; its clock is
// fixedClock when given (seconds since 1970), else the page's at each start.
// Resolves once the program's first menu shows.
export function startConsole(createProgram, wasm, fixedClock) {
  const shown = document.getElementById('console-output');
  const field = document.getElementById('console-input');
  const stateLine = document.getElementById('console-state');
  let session;
  let running = Promise.resolve(); // runs one after another, each on the input of its time

  // The output, each typed line shown where the program read it.
  const render = (output, printedAtRead) => {
    shown.replaceChildren();
    let from = 0;
    for (const mark of [...session.marks, { inputAt: -1, text: '' }]) {
      const to = printedAtRead.get(mark.inputAt) ?? output.length;
      const out = document.createElement('span');
      out.className = 'out';
      out.textContent = textOf(output.slice(from, to));
      const typed = document.createElement('span');
      typed.className = 'typed';
      typed.textContent = mark.text;
      shown.append(out, typed);
      from = to;
    }
    shown.scrollTop = shown.scrollHeight;
  };

  // A run that fails says so and leaves the console to the next one.
  const run = () => (running = running.then(runNow).catch((error) => {
    say(stateLine, 'program.failed', { why: String(error?.message ?? error) });
    session.ended = true;
  }));
  const runNow = async () => {
    const { output, printedAtRead, wantsMore } =
      await runProgram(createProgram, wasm, session.clock, [...session.input]);
    session.ended = session.eof || !wantsMore;
    render(output, printedAtRead);
    if (session.ended) say(stateLine, 'program.ended');
    else say(stateLine, 'program.running', { clock: session.clock });
    shown.dataset.state = session.ended ? 'ended' : 'waiting';
    shown.dataset.runs = Number(shown.dataset.runs ?? 0) + 1; // how many runs have shown
  };

  // Types bytes at the program (echoed as text), and ends the input after them when eof.
  const type = (text, inputBytes, eof) => {
    if (session.ended) return Promise.resolve();
    session.marks.push({ inputAt: session.input.length, text });
    session.input.push(...inputBytes);
    session.eof = eof;
    return run();
  };

  const restart = (input = [], eof = false) => {
    session = { clock: fixedClock ?? Math.floor(Date.now() / 1000), input, eof, marks: [] };
    return run();
  };

  document.getElementById('console-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const line = field.value + '\n';
    field.value = '';
    type(line, bytesOf(line), false);
  });
  field.addEventListener('keydown', (event) => {
    if (!(event.ctrlKey && event.key === 'd')) return;
    event.preventDefault(); // as a terminal: a line typed so far goes without its newline, else the input ends
    const line = field.value;
    field.value = '';
    type(line, bytesOf(line), line === '');
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
