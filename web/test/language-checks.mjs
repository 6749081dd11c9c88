// The page's two languages: a Portuguese browser gets Portuguese and an
// English one English, the switch changes every text, and no text of the
// page is outside the catalogues (the program's console, the tools' rows
// and column names and the plots' numbers aside).
import en from '../src/i18n/en.js';
import pt from '../src/i18n/pt.js';
import { verdict } from './verdict.mjs';
import { fill, runPanel, press, tableRows, lines } from './helpers.mjs';
import { checkAxe } from './layout-checks.mjs';

export const catalogues = { en, pt };

// Makes the next documents of page come from a browser that prefers languages.
export async function prefer(page, languages) {
  await page.setExtraHTTPHeaders({ 'Accept-Language': languages.join(',') });
  await page.evaluateOnNewDocument((list) => {
    Object.defineProperty(navigator, 'languages', { get: () => list });
    Object.defineProperty(navigator, 'language', { get: () => list[0] });
  }, languages);
}

// The texts and labels of page that no message of catalogue accounts for.
export const strays = (page, catalogue) => page.evaluate((messages) => {
  const pattern = (key) => messages[key] !== undefined && new RegExp(`^${messages[key].replaceAll('`', '')
    .replace(/[.*+?^$()|[\]\\]/g, '\\$&').replace(/\{\w+\}/g, '[^]*?')}$`);
  const fits = (key, text) => pattern(key)?.test(text.trim());
  const spared = '.console, [data-tool], table.tool, #watch-trace, .u-value, script, style, title';
  const found = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const text = node.textContent.trim();
    if (text === '' || node.parentElement.closest(spared) || /^[-−+\d.,:e\s%]*$/.test(text)) continue;
    const owner = node.parentElement.closest('[data-i18n]');
    if (!owner || !fits(owner.dataset.i18n, owner.textContent)) found.push(text.slice(0, 60));
  }
  for (const element of document.querySelectorAll('[aria-label], [title], [placeholder], [alt]')) {
    if (element.closest(spared) && !element.matches('.console')) continue;
    const key = element.dataset.i18nLabel;
    const others = ['title', 'placeholder', 'alt'].filter((name) => element.hasAttribute(name));
    if (element.hasAttribute('aria-label') && !(key && fits(key, element.getAttribute('aria-label')))) found.push(`aria-label ${element.getAttribute('aria-label')}`);
    const placeholder = element.dataset.i18nPlaceholder; // a placeholder the catalogue writes
    const stray = (name) => !(name === 'placeholder' && placeholder && fits(placeholder, element.getAttribute(name)));
    found.push(...others.filter(stray).map((name) => `${name} ${element.getAttribute(name)}`));
  }
  if (document.title !== messages['page.title']) found.push(`title ${document.title}`);
  return [...new Set(found)];
}, catalogue);

const heading = (page) => page.$eval('h1', (h) => ({ lang: document.documentElement.lang, text: h.textContent }));

// A browser that prefers languages gets the page in wanted.
async function checkPreferred(open, languages, wanted) {
  const page = await open('', 1400, (p) => prefer(p, languages));
  const got = await heading(page);
  verdict(`a browser preferring ${languages.join(', ')} gets the page in ${wanted}`,
    got.lang === wanted && got.text === catalogues[wanted]['page.heading'], `${got.lang}: ${got.text}`);
  return page;
}

// Works every panel a little, so that their messages show.
async function workPanels(page) {
  await press(page, '#watch-step');
  await fill(page, '#many-form', { runs: 50 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  await fill(page, '#exact-form', { cooling: 0.9, initial: 10, final: 1, moves: 2 });
  await runPanel(page, '#exact-run', '#exact-state', 60000);
}

export async function checkLanguages(open) {
  const english = await checkPreferred(open, ['en-US', 'en'], 'en');
  await english.close();
  const page = await checkPreferred(open, ['pt-BR', 'pt', 'en'], 'pt');
  const program = await page.$eval('#console-output', (e) => e.lang);
  verdict('the program\'s console is marked Portuguese, its bytes its own', program === 'pt', program);
  await page.select('#language', 'en');
  await workPanels(page); // the forms' option texts are English ones, as the checks choose them
  const inEnglish = await strays(page, en);
  verdict('in English, every text of the page is in the English catalogue', inEnglish.length === 0, inEnglish.join(' | '));
  await page.$eval('main p[data-i18n]', (p) => { p.textContent = 'A stray text'; }); // the switch writes it anew
  const planted = (await strays(page, en)).includes('A stray text');
  verdict('the catalogue check finds a text planted outside the catalogue', planted);
  await page.select('#language', 'pt');
  const switched = await heading(page);
  const inPortuguese = await strays(page, pt);
  verdict('the switch to Portuguese writes every text of the page anew from the Portuguese catalogue',
    switched.lang === 'pt' && inPortuguese.length === 0, inPortuguese.join(' | '));
  await checkAxe(page, 'in Portuguese:');
  await page.close();
}

// In Portuguese, numbers typed with a decimal comma (and an interval A;B)
// are the numbers the tools read with a point: the row equals sinc-study's.
export async function checkDecimalComma(open, study) {
  const page = await open('?lang=pt', 1400);
  const program = await page.$eval('#many-form [name=function]', (f) => f.value);
  await fill(page, '#many-form', { interval: '-1,5;1,5', target: '1,4', cooling: '0,95', initial: '10,5', runs: 100 });
  await runPanel(page, '#many-run', '#many-state', 30000);
  const rows = await tableRows(page, '#many-table');
  const native = lines(study('--function', program, '--interval', '-1.5,1.5', '--target', '1.4', '--cooling', '0.95',
    '--initial', '10.5', '--runs', '100')).slice(0, 2);
  verdict('in Portuguese, 0,95, 10,5, 1,4 and -1,5;1,5 typed are 0.95, 10.5, 1.4 and -1.5,1.5: the row is sinc-study\'s',
    rows.join('\n') === native.join('\n'), `${rows.join(' / ')} against ${native.join(' / ')}`);
  await page.close();
}
