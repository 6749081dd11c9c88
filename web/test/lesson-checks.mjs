// The lessons' numbers against the native tools: a lesson's text, as the
// page writes it once its runs in the Worker are done, is its catalogue's
// message filled with the figures of sinc-study's rows for the same runs.
import { render, fixed } from '../src/words.js';
import { catalogues } from './language-checks.mjs';
import { verdict } from './verdict.mjs';
import { lines, waitText } from './helpers.mjs';

const shapes = ['geometric', 'linear', 'logarithmic', 'fast'];
const paying = ['funnel', 'decoy', 'ramp'];
const methods = { anneal: 'Anneal', climb: 'Climb', sample: 'Sample' };
const percent = (cell) => fixed(100 * Number(cell), 1);
// The target that a column named above_<target> names (9_99: 9.99).
const targetOf = (name) => Number(name.slice('above_'.length).replace('_', '.'));

// sinc-study's header and row, each split at tabs, for args.
function rowOf(study, args) {
  const [header, row] = lines(study(...args));
  return { header: header.split('\t'), cells: row.split('\t') };
}

// The shape lesson's figures: runs of annealing on each shape between the program's ends.
function shapeFigures(study) {
  const figures = {};
  let last = null;
  for (const shape of shapes) {
    last = rowOf(study, ['--schedule', shape, '--runs', '500', '--seed', '1']);
    figures[shape] = percent(last.cells[7]);
    figures[`${shape}Best`] = percent(last.cells[8]);
  }
  const levels = Number(lines(study('--trace', '--schedule', 'linear')).at(-1).split('\t')[0]);
  const [, , initial, final, moves, examined, runs] = last.cells.map(Number);
  return { ...figures, levels, initial, final, moves, examined, runs, threshold: targetOf(last.header[7]) };
}

// The landscapes lesson's figures: runs of each method on each landscape at the program's schedule.
function paysFigures(study) {
  const figures = {};
  let last = null;
  for (const name of paying) {
    for (const [method, named] of Object.entries(methods)) {
      last = rowOf(study, ['--landscape', name, '--method', method, '--runs', '300', '--seed', '1']);
      figures[`${name}${named}`] = percent(last.cells[7]);
    }
    figures[`${name}Target`] = targetOf(last.header[7]);
  }
  return { ...figures, examined: Number(last.cells[5]), runs: Number(last.cells[6]) };
}

// The texts of the lessons named (all when names is null) of a page in
// language, each brought into view in turn and read once its numbers are
// worked out, or could not be.
async function lessonTexts(open, language, names = null) {
  const page = await open(`?lang=${language}`, 1400);
  const ids = names?.map((name) => `lesson-${name}`) ?? await page.$$eval('#lesson-list > li', (items) => items.map((item) => item.id));
  const texts = {};
  for (const id of ids) {
    await page.$eval(`#${id}`, (item) => item.scrollIntoView());
    texts[id.slice('lesson-'.length)] = await waitText(page, `#${id} p:not(.question)`, /[^…]$/, 60000);
  }
  await page.close();
  return texts;
}

function checkQuoted(texts, language, name, figures) {
  const [got, wanted] = [texts[name], render(catalogues, language, `lesson.${name}.text`, figures)];
  verdict(`the lesson ${name}, in ${language}, quotes sinc-study's shares of the same seeded runs`, got === wanted,
    got === wanted ? got : `${got} against ${wanted}`);
}

export async function checkLessonNumbers(open, study) {
  const failed = catalogues.en['lesson.failed'].split(':')[0];
  const texts = await lessonTexts(open, 'en');
  const wrong = Object.entries(texts).filter(([, text]) => text.startsWith(failed));
  verdict('every lesson works out its numbers', wrong.length === 0, wrong.map((pair) => pair.join(': ')).join(' | '));
  checkQuoted(texts, 'en', 'shape', shapeFigures(study));
  checkQuoted(await lessonTexts(open, 'pt', ['pays']), 'pt', 'pays', paysFigures(study));
}
