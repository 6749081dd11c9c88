// The panels' forms, built from the glue's facts: the methods and codings
// by their names, every field's default and limit. A field is checked as it
// changes; a message that explains a refusal stays beside its field until
// the field is mended.
import { floatText } from './formats.js';
import { fieldProblem, scheduleProblem, numberOf } from './validate.js';
import { say, unsay } from './texts.js';
import { buildLandscapeFields, readLandscape } from './landscape-form.js';
import { buildShapeFields, readShape } from './shape-fields.js';

const temperatures = ['cooling', 'initial', 'final']; // held as floats, as the program holds them

// Puts after field's label a place for what is wrong with it.
function noteBeside(form, field) {
  const note = document.createElement('span');
  note.className = 'refusal';
  note.id = `${form.id}-${field.name}-refusal`;
  field.setAttribute('aria-describedby', note.id);
  field.closest('label').after(note);
}

// Fills form's selects with the names of methods (the glue's, or those of
// them that move when moving) and of the codings, and its fields with their
// defaults; seed is the default seed; and puts the landscape's fields first.
// Beside each field, a place for what is wrong with it.
export function buildForm(form, facts, { moving = false, seed }) {
  const options = (select, names, kind) => select?.replaceChildren(...names.map((name) => {
    const option = new Option('', name);
    say(option, `${kind}.${name}`);
    return option;
  }));
  options(form.elements.method, moving ? facts.movingMethods : facts.methods, 'method');
  options(form.elements.code, facts.codings, 'coding');
  const plan = facts.defaults.plan;
  const values = { seed, runs: facts.defaults.runs, moves: plan.moves };
  for (const name of temperatures) values[name] = floatText(plan[name]);
  for (const [name, value] of Object.entries(values)) {
    const field = form.elements[name];
    if (!field) continue;
    field.value = String(value);
    noteBeside(form, field);
  }
  buildShapeFields(form, facts, noteBeside);
  buildLandscapeFields(form, facts, noteBeside);
}

const labelOf = (field) => field.closest('label').querySelector('[data-i18n]').dataset.i18n;

// Shows problem (a message) beside field, or nothing when problem is null.
export function mark(field, problem) {
  const note = document.getElementById(field.getAttribute('aria-describedby'));
  if (problem === null) {
    unsay(note);
    field.removeAttribute('aria-invalid');
    return;
  }
  say(note, problem.key, problem.params);
  field.setAttribute('aria-invalid', 'true');
}

// Reads form: returns its settings {method, coding, seed, runs, plan,
// landscape, land}, the temperatures rounded to float, landscape the
// request and land the glue's description of it, or null after showing
// beside each field what is wrong with it. limitOf(examined) gives the panel's own problem
// with a schedule that examines examined solutions ({field, message} or null).
export function readForm(form, glue, limitOf) {
  const { limits } = glue.facts;
  let fine = true;
  for (const name of Object.keys(limits)) {
    const field = form.elements[name];
    if (!field) continue;
    const problem = fieldProblem(field.value, labelOf(field), limits[name]);
    mark(field, problem);
    fine &&= problem === null;
  }
  const landscape = readLandscape(form, glue, mark);
  if (!fine || !landscape) return null;
  const value = (name) => numberOf(form.elements[name].value);
  const typedPlan = { moves: value('moves') };
  for (const name of temperatures) typedPlan[name] = Math.fround(value(name));
  const plan = readShape(form, glue, typedPlan, mark);
  if (!plan) return null;
  const examined = glue.examined(plan);
  const problem = scheduleProblem(examined, glue.facts.mostExamined) ?? limitOf(examined);
  if (problem) {
    mark(form.elements[problem.field], problem.message);
    return null;
  }
  return {
    method: form.elements.method.value, coding: form.elements.code.value,
    seed: form.elements.seed ? value('seed') : 0, runs: form.elements.runs ? value('runs') : 0,
    all: form.elements.all?.checked ?? false,
    plan, examined, landscape: landscape.request, land: landscape.land,
  };
}

// Checks form at every change of a field and calls onChange(settings or
// null, event) after it; Enter in a field runs submit instead of the
// browser's own submission, which would load the page again.
export function liveForm(form, glue, limitOf, { onChange = () => {}, submit = () => {} }) {
  const check = (event) => onChange(readForm(form, glue, limitOf), event);
  form.addEventListener('input', check);
  form.addEventListener('change', check);
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    submit();
  });
}
