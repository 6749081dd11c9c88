// What the browser checks share: filling a form as a user does, running a
// panel, reading its tables, and the native tools to compare with.
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';

export const root = new URL('../../', import.meta.url).pathname;
export const lines = (text) => text.trimEnd().split('\n');
export const pause = (ms) => new Promise((done) => setTimeout(done, ms));


// sinc-study of the native build in folder native, on args.
export const studyOf = (native) => (...args) =>
  execFileSync(join(native, 'tools/sinc-study'), args, { encoding: 'latin1', timeout: 60000 });

// Sets a form's fields as a user does, typing or choosing an option by its
// text; fields is {name: value}. Waits for the watched search's walk.
export async function fill(page, form, fields) {
  for (const [name, value] of Object.entries(fields)) {
    const selector = `${form} [name=${name}]`;
    const field = await page.$(selector);
    if (await field.evaluate((f) => f.type === 'checkbox')) { // ticked for true
      if (await field.evaluate((f) => f.checked) !== value) await field.click();
      continue;
    }
    if (await field.evaluate((f) => f.tagName === 'SELECT')) {
      const option = await field.evaluate((f, text) => [...f.options].find((o) => o.text === text).value, value);
      await page.select(selector, option);
      continue;
    }
    await field.click({ clickCount: 3 });
    await field.type(String(value));
    await page.keyboard.press('Tab');
  }
  await walkReady(page);
}

// Waits until the watched search has no walk on its way.
export const walkReady = (page) =>
  page.waitForFunction(() => !document.getElementById('watch-form').dataset.pending, { timeout: 30000, polling: 50 });

// sinc-study's arguments for a panel's fields: --coding for the coding.
export const argumentsOf = (fields) => Object.entries(fields).flatMap(([name, value]) =>
  name === 'code' ? ['--coding', value.toLowerCase()] : [`--${name}`, String(value)]);

// Waits until the text of selector passes test (a RegExp), for at most timeout ms; returns it.
export async function waitText(page, selector, test, timeout = 30000) {
  await page.waitForFunction((s, source) => new RegExp(source).test(document.querySelector(s).textContent),
    { timeout, polling: 50 }, selector, test.source);
  return page.$eval(selector, (e) => e.textContent);
}

// Presses Enter on a button, then waits until the panel's status says it is
// done, in either language; returns the seconds.
export async function runPanel(page, button, state, timeout) {
  await page.$eval(state, (e) => { e.textContent = ''; });
  await page.focus(button);
  await page.keyboard.press('Enter');
  const text = await waitText(page, state, / (in|em) [\d.,]+ s\.$/, timeout);
  return Number(text.match(/ (?:in|em) ([\d.,]+) s\.$/)[1].replace(',', '.'));
}

// The main thread's long tasks (ms) while the Worker of button's panel computed.
export const longTasks = (page, button) => page.$eval(button, (b) => window.longTasks
  .filter((t) => t.startTime >= Number(b.dataset.started) && t.startTime < Number(b.dataset.done))
  .map((t) => Math.round(t.duration)));

// The longest main-thread task (ms) that began after since (performance.now()), or 0.
export const longestSince = (page, since) => page.evaluate((s) => Math.round(Math.max(0,
  ...window.longTasks.filter((t) => t.startTime >= s).map((t) => t.duration))), since);

export const tableRows = (page, table) => page.$$eval(`${table} tr`, (trs) =>
  trs.map((tr) => [...tr.cells].map((c) => c.textContent).join('\t')));

// How wide the page is laid out, in CSS pixels: wider than the window means it scrolls sideways.
export const pageWidth = (page) => page.evaluate(() => document.documentElement.scrollWidth);

// Presses key with the focus on selector.
export async function press(page, selector, key = 'Enter') {
  await page.focus(selector);
  await page.keyboard.press(key);
}

// The watched search's trace rows, every level done: its box scrolled from
// top to bottom, the rows laid out on the way gathered by level.
export const traceRows = (page) => page.evaluate(async () => {
  const table = document.getElementById('watch-trace');
  const box = table.parentElement;
  const rows = new Map();
  box.scrollTop = 0;
  for (let look = 0; look < 10000; ++look) {
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
    for (const tr of table.tBodies[0].rows) {
      if (!tr.classList.contains('spacer')) rows.set(tr.cells[0].textContent, [...tr.cells].map((c) => c.textContent).join('\t'));
    }
    if (box.scrollTop + box.clientHeight >= box.scrollHeight - 1) break;
    box.scrollTop += box.clientHeight / 2;
  }
  box.scrollTop = box.scrollHeight;
  return [...rows.values()];
});
