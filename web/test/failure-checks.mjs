// Failures say so: a glue that throws in a panel's Worker, a program that
// fails to start, and modules that do not load each leave a message in
// their panel and the controls free.
import { verdict } from './verdict.mjs';
import { press, waitText, fill } from './helpers.mjs';

// Makes the next job a Worker is given one that the glue throws on: a schedule of null.
const breakNextJob = (page) => page.evaluate(() => {
  const post = Worker.prototype.postMessage;
  Worker.prototype.postMessage = function (message, ...rest) {
    Worker.prototype.postMessage = post;
    return post.call(this, message.job ? { ...message, settings: { ...message.settings, plan: null } } : message, ...rest);
  };
});

export async function checkFailures(page, at) {
  for (const panel of ['many', 'exact']) {
    await breakNextJob(page);
    await press(page, `#${panel}-run`);
    const said = await waitText(page, `#${panel}-state`, /failed/);
    const free = !(await page.$eval(`#${panel}-run`, (b) => b.disabled));
    verdict(`${at} ${panel}: a failure in the glue says so and gives the controls back`, free, said);
  }
  await breakNextJob(page);
  await press(page, '#watch-reset');
  const said = await waitText(page, '#watch-state', /failed/);
  await fill(page, '#watch-form', { seed: 40 });
  const again = await page.$eval('#watch-state', (e) => e.textContent);
  verdict(`${at} watched search: a failure in the glue says so, and the next change works`, /ready/.test(again), said);
  await page.evaluate(() => {
    const instantiate = WebAssembly.instantiate;
    WebAssembly.instantiate = () => {
      WebAssembly.instantiate = instantiate;
      return Promise.reject(new Error('provoked'));
    };
  });
  await press(page, '#console-restart');
  const console = await waitText(page, '#console-state', /failed/);
  await press(page, '#console-restart');
  const back = await waitText(page, '#console-state', /Running/);
  verdict(`${at} console: a program that fails to start says so, and Start again works`, back !== '', console);
}

// The page with its WebAssembly refused: every panel says why, none says "Loading" for ever.
export async function checkLoadFailure(browser, url) {
  const page = await browser.newPage();
  await page.setRequestInterception(true);
  page.on('request', (r) => (r.url().endsWith('.wasm') ? r.abort() : r.continue()));
  await page.goto(url);
  await page.waitForSelector('body[data-ready]', { timeout: 20000 });
  const said = await page.$$eval('#status, #console-state, #watch-state, #many-state, #exact-state',
    (all) => all.map((e) => e.textContent));
  verdict('a page whose WebAssembly does not load says so in every panel', said.every((t) => /could not/.test(t)),
    said.join(' | '));
  await page.evaluate(() => { window.stillHere = true; });
  await page.focus('#many-form [name=runs]');
  await page.keyboard.press('Enter');
  await page.click('#many-run');
  await page.focus('#console-input');
  await page.keyboard.press('Enter');
  await new Promise((done) => setTimeout(done, 300));
  verdict('a page whose WebAssembly does not load: Run and Enter submit no form, the page stays',
    await page.evaluate(() => window.stillHere === true));
  await page.close();
}
