// The page in its address: every control changed comes back from the new
// address, with the part last used in view; a bad or stale value of a
// link goes back to its default with a note, and the page still starts.
import { verdict } from './verdict.mjs';
import { fill, walkReady, runPanel, waitText } from './helpers.mjs';

const changes = {
  '#watch-form': { method: 'climb', code: 'gray', seed: 38, cooling: 0.95, initial: 50, final: 0.5, moves: 4, unit: 'one level', speed: 50 },
  '#many-form': { method: 'sample', code: 'gray', runs: 300, seed: 7, cooling: 0.9, initial: 20, final: 0.2, moves: 3, all: true },
  '#exact-form': { method: 'climb', code: 'gray', cooling: 0.9, initial: 10, final: 1, moves: 2 },
};

// Every control's value, and the language, the map's level and where the window is.
const controls = (page) => page.evaluate(() => ({
  lang: document.documentElement.lang,
  fields: [...document.querySelectorAll('form[id$=-form] [name]')].map((f) => `${f.form.id} ${f.name}=${f.type === 'checkbox' ? f.checked : f.value}`),
  level: document.getElementById('exact-level').value,
  exactInView: Math.abs(document.getElementById('exact').getBoundingClientRect().top) < 200 || window.scrollY > 1000,
  notes: [...document.querySelectorAll('#link-notes li')].map((li) => li.textContent),
}));

async function checkRoundTrip(open) {
  const page = await open('', 1400);
  for (const [form, fields] of Object.entries(changes)) await fill(page, form, fields);
  await runPanel(page, '#exact-run', '#exact-state', 60000);
  await page.$eval('#exact-level', (s) => { s.value = 5; s.dispatchEvent(new Event('input', { bubbles: true })); });
  await page.select('#language', 'pt');
  const before = await controls(page);
  const link = await page.evaluate(() => location.href);
  await page.close();
  const again = await open(link.slice(link.indexOf('?')), 1400);
  await walkReady(again);
  await waitText(again, '#exact-state', / s\.$/, 60000);
  const after = await controls(again);
  const same = before.fields.filter((f, i) => f === after.fields[i]).length;
  verdict('a link keeps every control: the fields, the language and the map\'s level come back, the part last used in view',
    same === before.fields.length && after.lang === 'pt' && after.level === '5' && after.exactInView && after.notes.length === 0,
    `${same} of ${before.fields.length} fields; ${after.lang}; level ${after.level}; ${after.notes.join(' ')}`);
  await again.close();
}

async function checkBadLink(open) {
  const bad = '?lang=xx&watch-seed=abc&many-method=bogus&exact-cooling=0.9&exact-initial=10&exact-final=1&exact-moves=0&watch-cooling=0.9999&watch-moves=3&exact-level=99999&at=nowhere';
  const page = await open(bad, 1400);
  await walkReady(page);
  await waitText(page, '#exact-state', / s\.$/, 60000);
  const got = await controls(page);
  const field = (name) => got.fields.find((f) => f.startsWith(name))?.split('=')[1];
  const defaults = field('watch-form seed') === '37' && field('many-form method') === 'anneal' &&
    field('exact-form moves') === '8' && field('watch-form moves') === '8' && field('watch-form cooling') === '0.97';
  verdict('a bad or stale value in a link goes back to its default, each with a note, and the page starts',
    got.lang === 'en' && defaults && got.notes.length === 7, got.notes.join(' | '));
  await page.close();
}

// A landscape the glue refuses, a target out of reach and an L the shape
// refuses go back to their defaults as the link opens, before any field is
// touched; good values beside them, a target with a decimal comma, stay.
async function checkBadLandscapeLink(open) {
  const bad = '?watch-preset=&watch-function=sin(x&many-target=abc&many-levels=5&exact-target=1,6&exact-shape=linear&exact-levels=3';
  const page = await open(bad, 1400);
  const got = await controls(page);
  await walkReady(page);
  const walked = await page.$eval('#watch-now', (e) => !/no walk/.test(e.textContent));
  const field = (name) => got.fields.find((f) => f.startsWith(`${name}=`))?.split('=')[1];
  const fallen = field('watch-form preset') === 'program' && /^0\.4 \+ sinc/.test(field('watch-form function')) &&
    field('many-form target') === '' && field('many-form levels') === '';
  const kept = field('exact-form target') === '1,6' && field('exact-form shape') === 'linear' && field('exact-form levels') === '3';
  verdict('as a link opens, a refused landscape, a bad target and a refused L go back to their defaults, each with a note',
    fallen && kept && walked && got.notes.length === 3 && /sin\(x/.test(got.notes.join()), got.notes.join(' | '));
  await page.close();
}

export async function checkLinks(open) {
  await checkRoundTrip(open);
  await checkBadLink(open);
  await checkBadLandscapeLink(open);
}

// Each lesson's Show me opens the page with the controls it names, its part in view.
export async function checkLessonLinks(open) {
  const page = await open('', 1400);
  const hrefs = await page.$$eval('#lesson-list a.show-me', (as) => as.map((a) => a.getAttribute('href')));
  await page.close();
  const wrong = [];
  for (const href of hrefs) {
    const shown = await open(href, 1400);
    const params = [...new URLSearchParams(href)].filter(([name]) => /^(watch|many|exact)-/.test(name));
    if (params.some(([name]) => name === 'exact-level')) await waitText(shown, '#exact-state', / s\.$/, 60000);
    const got = await shown.evaluate((list) => list.map(([name]) => {
      const [part, field] = name.split('-');
      const element = field === 'level' ? document.getElementById('exact-level') : document.getElementById(`${part}-form`).elements[field];
      return element.type === 'checkbox' ? (element.checked ? 'on' : 'off') : element.value;
    }), params);
    const at = new URLSearchParams(href).get('at');
    const inView = await shown.$eval(`#${at}`, (e) => e.getBoundingClientRect().top < innerHeight && e.getBoundingClientRect().bottom > 0);
    params.forEach(([name, value], i) => got[i] !== value && wrong.push(`${href}: ${name} ${got[i]}`));
    if (!inView) wrong.push(`${href}: ${at} not in view`);
    await shown.close();
  }
  verdict('each lesson\'s Show me sets the controls it names and brings its part into view', hrefs.length === 8 && wrong.length === 0,
    wrong.join(' | ') || `${hrefs.length} lessons`);
}
