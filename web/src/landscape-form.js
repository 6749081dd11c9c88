// The landscape of a panel's form: a preset by name, or a function and an
// interval typed in, and a target (blank for the landscape's own). The
// presets, their functions, intervals and targets come from the glue's
// facts; the glue builds the landscape, once for each request, and a
// refusal shows beside the field it names, in the tools' words.
import { floatText } from './formats.js';
import { fieldProblem, numberOf, toolInterval } from './validate.js';
import { say, sayLabelled, sayPlaceholder } from './texts.js';
import { msg } from './words.js';

const refusedField = { landscape: 'preset', function: 'function', interval: 'interval' }; // the glue's fields

function input(name, size) {
  const field = document.createElement('input');
  Object.assign(field, { name, size, autocomplete: 'off', spellcheck: false });
  return sayLabelled(`landscape.${name}`, field);
}

// The preset named name, or undefined.
const presetOf = (facts, name) => facts.landscapes.presets.find((p) => p.name === name);

// A select of the presets, by the tools' names, and one's own.
function presetSelect(facts) {
  const select = document.createElement('select');
  select.name = 'preset';
  const named = facts.landscapes.presets.map((p) => {
    const option = new Option(p.name, p.name);
    option.dataset.tool = ''; // a name of the tools'
    return option;
  });
  const own = new Option('', '');
  say(own, 'landscape.own');
  select.append(...named, own);
  return select;
}

// Puts a fieldset for the landscape first in form, the first preset chosen;
// noteBeside(form, field) gives each field its place for a refusal.
export function buildLandscapeFields(form, facts, noteBeside) {
  const set = document.createElement('fieldset');
  set.className = 'schedule landscape';
  const legend = document.createElement('legend');
  say(legend, 'landscape.legend');
  const select = presetSelect(facts);
  set.append(legend, sayLabelled('landscape.preset', select), input('function', 40), input('interval', 10), input('target', 8));
  form.prepend(set);
  const fill = () => {
    const preset = presetOf(facts, select.value);
    if (!preset) return;
    form.elements.function.value = preset.function;
    form.elements.interval.value = preset.interval;
  };
  select.addEventListener('change', fill);
  for (const name of ['function', 'interval']) // a field typed in makes the landscape one's own
    form.elements[name].addEventListener('input', () => { select.value = ''; });
  fill();
  for (const name of ['preset', 'function', 'interval', 'target']) noteBeside(form, form.elements[name]);
}

// What form asks for: {preset} or {function, interval}, and {target} when one is typed.
function requestOf(form) {
  const { preset, function: typed, interval, target } = form.elements;
  const request = preset.value ? { preset: preset.value } : { function: typed.value, interval: toolInterval(interval.value) };
  if (target.value.trim() !== '') request.target = numberOf(target.value);
  return request;
}

// Reads form's landscape: returns {request, land}, land the glue's
// description, or null after mark(field, problem) showed beside each field
// what is wrong with it (problem a message, null for none). The last
// landscape built is kept on the form.
export function readLandscape(form, glue, mark) {
  const { elements } = form;
  for (const name of ['preset', 'function', 'interval']) mark(elements[name], null);
  const targetProblem = elements.target.value.trim() === '' ? null
    : fieldProblem(elements.target.value, 'landscape.target', glue.facts.landscapes.target);
  mark(elements.target, targetProblem);
  if (targetProblem) return null;
  const request = requestOf(form);
  const key = JSON.stringify(request);
  if (form.landscape?.key !== key) form.landscape = { key, land: glue.describeLandscape(request) };
  const { land } = form.landscape;
  if (land.refusal) {
    const name = refusedField[land.refusal.field] ?? 'function';
    const said = name === 'interval' ? 'landscape.intervalRefused' : 'landscape.refused'; // with how to write decimal commas
    mark(elements[name], msg(said, { name: msg(`landscape.named.${name}`), message: land.refusal.message }));
    return null;
  }
  sayPlaceholder(elements.target, 'plain', { value: Number(floatText(land.target)) });
  return { request, land };
}
