// The forms and the watched search as a class uses them: a refusal says why
// beside its field and goes once the field is mended; every limit is a
// message; the walk follows the form; playing, keys and the level table.
import { verdict } from './verdict.mjs';
import { fill, waitText, press, pause, longestSince, walkReady } from './helpers.mjs';

const refusal = (page, form, name) => page.$eval(`#${form}-form-${name}-refusal`, (e) => e.textContent);
const movesShown = (page) => page.$eval('#watch-now dd', (e) => e.textContent);

// A refused schedule, mended, runs at once (many searches and the exact panel).
async function checkMended(page, form, at) {
  await fill(page, `#${form}-form`, { initial: 0 });
  await press(page, `#${form}-run`);
  const refused = await refusal(page, form, 'final');
  await pause(300);
  const still = await refusal(page, form, 'final');
  await fill(page, `#${form}-form`, { initial: 100 });
  const mended = await refusal(page, form, 'final');
  await press(page, `#${form}-run`);
  const running = await page.$eval(`#${form}-state`, (e) => e.textContent);
  await press(page, `#${form}-stop`); // a short job may be done by then, and nothing is running
  await waitText(page, `#${form}-state`, /^Stopped|in [\d.]+ s\.$|^Nothing is running\.$/);
  verdict(`${at} ${form}: a refused schedule says why beside its field until it is mended, then runs`,
    /initial T must be above/.test(refused) && still === refused && mended === '' && !/Mend/.test(running),
    `${refused} / ${running}`);
}

async function checkWatchForm(page, at) {
  await fill(page, '#watch-form', { initial: 0 });
  const refused = await refusal(page, 'watch', 'final');
  await fill(page, '#watch-form', { initial: 100, seed: 38 });
  const now = await movesShown(page);
  await press(page, '#watch-play');
  await pause(300);
  const played = parseInt(await movesShown(page));
  await press(page, '#watch-play');
  verdict(`${at} watched search: after a mend, a new seed shows its own walk and Start plays it`,
    refused !== '' && now.startsWith('0 of') && played > 0, `${refused} / ${now} / ${played}`);
  await fill(page, '#watch-form', { seed: '1e-45' });
  const seed = await refusal(page, 'watch', 'seed');
  await fill(page, '#watch-form', { seed: 37 });
  verdict(`${at} a seed of 1e-45 is refused: whole numbers only`, /whole number/.test(seed), seed);
  await fill(page, '#watch-form', { cooling: 0.9999, moves: 3 });
  const over = await refusal(page, 'watch', 'moves');
  const shown = await page.$eval('#watch-now', (e) => e.textContent);
  verdict(`${at} watched search: over its move limit it says so, and keeps no old walk`,
    /at most 200000 moves/.test(over) && /no walk/.test(shown), over);
}

async function checkToTheEnd(page, at) {
  const since = await page.evaluate(() => performance.now());
  await fill(page, '#watch-form', { cooling: 0.9999, moves: 2 });
  await press(page, '#watch-end');
  await waitText(page, '#watch-now dd', /^138126 of 138126/);
  await pause(500);
  const longest = await longestSince(page, since);
  verdict(`${at} a 138126-move walk worked out and "To the end": no main-thread task over 50 ms`, longest <= 50, `longest ${longest} ms`);
  await fill(page, '#watch-form', { cooling: 0.97, moves: 8 });
  return longest;
}

async function checkPlaying(page, at) {
  await fill(page, '#watch-form', { unit: 'one move', speed: 1000 });
  await press(page, '#watch-reset');
  await walkReady(page);
  await page.evaluate(() => { // when Start and Pause were pressed, as the page saw it
    window.presses = [];
    document.getElementById('watch-play').addEventListener('click', () => window.presses.push(performance.now()));
  });
  await press(page, '#watch-play');
  await pause(1000);
  await press(page, '#watch-play');
  const moves = parseInt(await movesShown(page));
  const seconds = await page.evaluate(() => (window.presses[1] - window.presses[0]) / 1000);
  const rate = Math.round(moves / seconds);
  verdict(`${at} 1000 steps a second by move are 1000 a second`, rate > 850 && rate < 1100, `${moves} in ${seconds.toFixed(3)} s`);
  await press(page, '#watch-end');
  await press(page, '#watch-play');
  await pause(200);
  await press(page, '#watch-play');
  const again = parseInt(await movesShown(page));
  verdict(`${at} Start at the end plays the walk again`, again > 0 && again < 1816, `${again} moves`);
  await fill(page, '#watch-form', { unit: 'one level', speed: 20 });
  await press(page, '#watch-reset');
  await walkReady(page);
  await page.$eval('#watch-plot', (e) => e.scrollIntoView());
  await page.evaluate(() => document.activeElement?.blur());
  for (let level = 0; level < 53; ++level) await page.keyboard.press('n');
  const follows = await page.$eval('#watch-trace', (table) => {
    const box = table.parentElement, last = [...table.tBodies[0].rows].filter((tr) => !tr.classList.contains('spacer')).pop();
    return last.cells[0].textContent === '53' && last.offsetTop + last.offsetHeight <= box.scrollTop + box.clientHeight + 1 &&
      last.offsetTop >= box.scrollTop;
  });
  verdict(`${at} the keys work with nothing focused while part 2 is in view, and the level table follows: level 53 in view`, follows);
}

export async function checkForms(page, at) {
  await checkMended(page, 'many', at);
  await checkMended(page, 'exact', at);
  await checkWatchForm(page, at);
  const longest = await checkToTheEnd(page, at);
  await checkPlaying(page, at);
  return longest;
}
