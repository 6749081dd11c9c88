// The shape of a form's schedule: geometric (the program's, T times the
// cooling factor while above the final T) or another shape of L levels
// between the same ends, L blank for as many levels as the geometric
// schedule runs there. Names and limits from the glue's facts.
import { fieldProblem } from './validate.js';
import { say, sayLabelled, sayPlaceholder } from './texts.js';
import { msg } from './words.js';

// Puts the shape's select before the cooling field of form and L after its
// moves; noteBeside(form, field) gives each its place for a refusal. As in
// the tools, an L typed for the geometric shape is refused.
export function buildShapeFields(form, facts, noteBeside) {
  const { cooling, moves } = form.elements;
  if (!cooling) return;
  const select = document.createElement('select');
  select.name = 'shape';
  select.append(...facts.shapes.map((name) => {
    const option = new Option('', name);
    say(option, `shape.${name}`);
    return option;
  }));
  const field = document.createElement('input');
  Object.assign(field, { name: 'levels', autocomplete: 'off' });
  field.setAttribute('inputmode', 'numeric');
  cooling.closest('label').before(sayLabelled('field.shape', select));
  moves.closest('label').after(sayLabelled('field.levels', field));
  noteBeside(form, select);
  noteBeside(form, field);
}

// Reads the shape of form onto plan: returns the plan as the tools make it
// (L in levels, the default shown in the field's placeholder), or null after
// mark(field, problem) showed beside L what is wrong with it.
export function readShape(form, glue, plan, mark) {
  const { shape, levels } = form.elements;
  if (!shape) return plan;
  const typed = levels.value.trim();
  const geometric = shape.value === glue.facts.shapes[0];
  const problem = typed === '' ? null
    : geometric ? msg('shape.geometricRefused') : fieldProblem(typed, 'field.levels', glue.facts.levelLimit);
  mark(levels, problem);
  if (problem) return null;
  const shaped = glue.shapedSchedule(plan, shape.value, typed === '' ? 0 : Number(typed));
  if (geometric) sayPlaceholder(levels, 'shape.geometricLevels');
  else sayPlaceholder(levels, 'plain', { value: shaped.levels });
  return shaped;
}
