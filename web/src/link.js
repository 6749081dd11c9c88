// Every control of the page in its address, kept current as it changes
// (history.replaceState), so that a link opens the page as it was: the
// language, each panel's fields as NAME-FIELD (watch-seed=5), the map's
// level and the part last used (at=many). As the link is opened, a value
// that a field would refuse, or a landscape or schedule its panel would
// refuse, goes back to its default, with a note; the page always starts.
import { fieldProblem } from './validate.js';
import { readForm } from './forms.js';
import { say } from './texts.js';
import { msg } from './words.js';

const parts = ['watch', 'many', 'exact'];
const fieldNames = ['preset', 'function', 'interval', 'target', 'method', 'code', 'seed', 'runs', 'shape', 'cooling', 'initial',
  'final', 'moves', 'levels', 'unit', 'speed', 'all'];
const linked = new URLSearchParams(typeof location === 'undefined' ? '' : location.search);

// A field's value as the link holds it: a box ticked or not is on or off.
const valueOf = (field) => (field.type === 'checkbox' ? (field.checked ? 'on' : 'off') : field.value);
function setValue(field, text) {
  if (field.type === 'checkbox') field.checked = text === 'on';
  else field.value = text;
}

const labelKeyOf = (field) => field.closest('label').querySelector('[data-i18n]').dataset.i18n;

// Notes a value of the link that could not be used: the message of the
// field labelled labelKey (or the part's schedule) and the value.
export function noteLink(labelKey, value) {
  const item = document.createElement('li');
  say(item, 'link.bad', { field: msg(labelKey), value });
  document.getElementById('link-notes').append(item);
}

// The value of the link for the field name of part, or null.
export const linkedValue = (part, name) => linked.get(`${part}-${name}`);

// The language the link asks for, or null.
export const linkedLanguage = () => linked.get('lang');

const views = ['page', 'projector'];
// Whether the link asks for the projector view; a view it does not know is noted.
export function linkedProjector() {
  const view = linked.get('view');
  if (view !== null && !views.includes(view)) noteLink('view.label', view);
  return view === 'projector';
}

// What is wrong with text for field: an option it lacks, or what its limit
// refuses (a blank is fine where the field's default is blank).
function problemOf(field, text, limit) {
  if (field.tagName === 'SELECT') return [...field.options].some((o) => o.value === text) ? null : 'no option';
  if (field.type === 'checkbox') return ['on', 'off'].includes(text) ? null : 'on or off';
  if (text.trim() === '' && field.dataset.default === '') return null;
  return limit ? fieldProblem(text, labelKeyOf(field), limit) : null;
}

// The fields a form reads together, and the note of a refusal of them all.
const groups = [[['preset', 'function', 'interval'], 'link.landscape'],
  [['shape', 'cooling', 'initial', 'final', 'moves', 'levels'], 'link.schedule']];

// Reads form as the link left it: a group of fields refused together (a
// landscape the glue cannot build, a schedule the panel refuses) goes back
// to its defaults, with one note of the values the link gave it.
function settle(form, part, glue, limitOf) {
  for (const [names, noteKey] of groups) {
    if (readForm(form, glue, limitOf)) return;
    const fields = names.map((name) => form.elements[name]).filter(Boolean);
    const asked = fields.filter((field) => linkedValue(part, field.name) !== null);
    if (asked.length === 0 || !fields.some((field) => field.getAttribute('aria-invalid') === 'true')) continue;
    for (const field of fields) setValue(field, field.dataset.default);
    noteLink(noteKey, asked.map((field) => `${part}-${field.name}=${linkedValue(part, field.name)}`).join(' '));
  }
  readForm(form, glue, limitOf); // marks what is left, if anything: the defaults are never refused
}

// Sets the fields of form (of part) from the link as it is opened, after
// keeping their defaults: a value a field refuses goes back to the default
// with a note, and so does a group the panel refuses (readForm with glue
// and limitOf). limits adds to the glue's limits those of the page's own fields.
export function restoreForm(form, part, glue, limitOf, limits = {}) {
  const { facts } = glue;
  const limitBy = { ...facts.limits, target: facts.landscapes.target, levels: facts.levelLimit, ...limits };
  const fields = fieldNames.map((name) => form.elements[name]).filter(Boolean);
  for (const field of fields) {
    field.dataset.default = valueOf(field);
    const text = linkedValue(part, field.name);
    if (text === null) continue;
    if (problemOf(field, text, limitBy[field.name])) noteLink(labelKeyOf(field), text);
    else setValue(field, text);
    if (field.name === 'preset') field.dispatchEvent(new Event('change')); // its function and interval, as a choice fills them
  }
  if (fields.some((field) => linkedValue(part, field.name) !== null)) settle(form, part, glue, limitOf);
}

// Writes every control of the page into its address; at is the part last used.
export function keepInLink(at) {
  const params = new URLSearchParams(location.search);
  params.set('lang', document.documentElement.lang);
  if (document.documentElement.classList.contains('projector')) params.set('view', 'projector');
  else params.delete('view');
  for (const part of parts) {
    const form = document.getElementById(`${part}-form`);
    for (const name of fieldNames) {
      const field = form.elements[name];
      if (!field || field.dataset.default === undefined) continue;
      if (valueOf(field) === field.dataset.default) params.delete(`${part}-${name}`);
      else params.set(`${part}-${name}`, valueOf(field));
    }
  }
  const level = document.getElementById('exact-level');
  if (level.disabled || level.value === level.max) params.delete('exact-level');
  else params.set('exact-level', level.value);
  if (at) params.set('at', at);
  history.replaceState(null, '', `${location.pathname}?${params}${location.hash}`);
}

// Keeps the address current as the controls change, brings the part the
// link names into view, and makes Copy link copy it.
export function followControls() {
  for (const part of parts) {
    const section = document.getElementById(part);
    for (const type of ['input', 'change']) section.addEventListener(type, () => keepInLink(part));
  }
  const copy = document.getElementById('copy-link');
  const said = document.getElementById('copy-state');
  copy.addEventListener('click', async () => {
    keepInLink();
    try {
      await navigator.clipboard.writeText(location.href);
      say(said, 'link.copied');
    } catch {
      say(said, 'link.copyFailed', { link: location.href });
    }
  });
  keepInLink();
  const at = linked.get('at');
  if (parts.includes(at)) document.getElementById(at).scrollIntoView();
  else if (at !== null) noteLink('link.part', at);
}
