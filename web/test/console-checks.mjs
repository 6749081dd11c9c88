// The console's checks: the golden dialogues, a session against the native
// program at the same clock, starting again after 0; and the keyboard.
import { spawnSync } from 'node:child_process';
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { verdict } from './verdict.mjs';

const dialogues = new URL('../../tests/dialogues/', import.meta.url).pathname;
const printed = (page) => page.$$eval('#console-output .out', (spans) => spans.map((s) => s.textContent).join(''));
const runs = (page) => page.$eval('#console-output', (e) => Number(e.dataset.runs));
const state = (page) => page.$eval('#console-output', (e) => e.dataset.state);

// Does act, then waits until the console has shown the program's next run.
async function after_run(page, act) {
  const before = await runs(page);
  await act();
  await page.waitForFunction((b) => Number(document.getElementById('console-output').dataset.runs) > b, {}, before);
}

// Types each line of lines at the console from the keyboard, Enter after each.
export async function type_lines(page, lines) {
  for (const line of lines) {
    await page.focus('#console-input');
    await page.keyboard.type(line);
    await after_run(page, () => page.keyboard.press('Enter'));
  }
}

// The native program on input, at a clock second that did not change while it ran.
export function native_session(program, input) {
  for (;;) {
    const clock = Math.floor(Date.now() / 1000);
    const run = spawnSync(program, { input, encoding: 'latin1', timeout: 10000 });
    if (Math.floor(Date.now() / 1000) === clock) return { clock, output: run.stdout };
  }
}

export async function check_program(open, program, page) {
  const names = readdirSync(dialogues).filter((f) => f.endsWith('.in')).map((f) => f.slice(0, -3));
  const file = await page.$('#console-file');
  const differing = [];
  for (const name of names) {
    await after_run(page, () => file.uploadFile(join(dialogues, `${name}.in`)));
    if ((await printed(page)) !== readFileSync(join(dialogues, `${name}.out`), 'latin1')) differing.push(name);
  }
  verdict(`console: the ${names.length} golden dialogues, byte for byte`, names.length > 10 && differing.length === 0,
    differing.join(', '));

  const lines = ['1', '2', '2', '1', '2', '0'];
  const native = native_session(program, lines.join('\n') + '\n');
  const session = await open(`?clock=${native.clock}`);
  await type_lines(session, lines);
  const output = await printed(session);
  verdict('console: a session that draws, as the native program at the same clock',
    output === native.output && output.includes('Num. de solucoes analisadas = 1816'), `clock ${native.clock}`);
  const echoed = await session.$$eval('#console-output .typed', (s) => s.map((e) => e.textContent).join(''));
  const before_echoes = await session.$$eval('#console-output .out', (s) => s.slice(0, -1).map((e) => e.textContent));
  verdict('console: what was typed shows at the prompt that read it', echoed === lines.join('\n') + '\n' &&
    before_echoes.length === lines.length && before_echoes.every((text) => text.endsWith('Escolha: ')));
  verdict('console: 0 ends the program', (await state(session)) === 'ended');
  await after_run(session, async () => { await session.focus('#console-restart'); await session.keyboard.press('Enter'); });
  const menu = readFileSync(join(dialogues, 'quit_at_once.out'), 'latin1');
  await type_lines(session, ['1']);
  const again = await printed(session);
  verdict('console: starts again after 0', again.startsWith(menu) && again.includes('Solucao aleatoria'));
  await session.focus('#console-input');
  await after_run(session, () => session.keyboard.down('Control').then(() => session.keyboard.press('d')));
  await session.keyboard.up('Control');
  verdict('console: Ctrl-D on an empty line ends the input', (await state(session)) === 'ended');
  await session.close();
}

// Every control can be reached with Tab, in the order of the page.
export async function check_keyboard(page) {
  await page.evaluate(() => {
    window.reached = new Set();
    document.addEventListener('focusin', (e) => window.reached.add(e.target));
    document.activeElement?.blur();
  });
  const controls = await page.$$eval('input, select, button, [tabindex="0"]', (all) => all.length);
  for (let i = 0; i < controls + 10; ++i) await page.keyboard.press('Tab');
  const missed = await page.evaluate(() => [...document.querySelectorAll('input, select, button, [tabindex="0"]')]
    .filter((e) => !window.reached.has(e)).map((e) => e.id || e.name || e.tagName));
  verdict(`keyboard: all ${controls} controls reached with Tab`, missed.length === 0, missed.join(', '));
}
