// Every control of the page in its address, kept current as it changes
// (history.replaceState), so that a link opens the page as it was: the
// language, each panel's fields as NAME-FIELD (watch-seed=5), the map's
// level and the part last used (at=many). A value of a link that a field
// would refuse, or a schedule its panel would refuse, goes back to its
// default, with a note; the page always starts.
import { fieldProblem } from './validate.js';
import { readForm } from './forms.js';
import { say } from './texts.js';
import { msg } from './words.js';

const parts = ['watch', 'many', 'exact'];
const fieldNames = ['preset', 'function', 'interval', 'target', 'method', 'code', 'seed', 'runs', 'shape', 'cooling', 'initial',
  'final', 'moves', 'levels', 'unit', 'speed', 'all'];
const schedule = ['cooling', 'initial', 'final', 'moves'];
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

// What is wrong with text for field: an option it lacks, or what its limit refuses.
function problemOf(field, text, limit) {
  if (field.tagName === 'SELECT') return [...field.options].some((o) => o.value === text) ? null : 'no option';
  if (field.type === 'checkbox') return ['on', 'off'].includes(text) ? null : 'on or off';
  return limit ? fieldProblem(text, labelKeyOf(field), limit) : null;
}

// Sets the fields of form (of part) from the link, after keeping their
// defaults; a value refused goes back to the default with a note, and so
// does the whole schedule when the panel refuses it (readForm with glue
// and limitOf). limits adds to the glue's limits those of the page's own fields.
export function restoreForm(form, part, glue, limitOf, limits = {}) {
  const fields = fieldNames.map((name) => form.elements[name]).filter(Boolean);
  for (const field of fields) {
    field.dataset.default = valueOf(field);
    const text = linkedValue(part, field.name);
    if (text === null) continue;
    if (problemOf(field, text, glue.facts.limits[field.name] ?? limits[field.name])) noteLink(labelKeyOf(field), text);
    else setValue(field, text);
    if (field.name === 'preset') field.dispatchEvent(new Event('change')); // its function and interval, as a choice fills them
  }
  const scheduleChanged = schedule.some((name) => form.elements[name]?.value !== form.elements[name]?.dataset.default);
  if (scheduleChanged && !readForm(form, glue, limitOf)) {
    for (const name of schedule) form.elements[name].value = form.elements[name].dataset.default;
    readForm(form, glue, limitOf); // clears the marks
    const asked = schedule.filter((name) => linkedValue(part, name) !== null);
    noteLink('link.schedule', asked.map((name) => `${part}-${name}=${linkedValue(part, name)}`).join(' '));
  }
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
