// The shape of a form's schedule: geometric (the program's, T times the
// cooling factor while above the final T) or another shape of L levels
// between the same ends, L blank for as many levels as the geometric
// schedule runs there. Names and limits from the glue's facts.
import { fieldProblem } from './validate.js';

// The texts of the shape's fields, in one place.
const texts = {
  shape: 'Shape',
  levels: 'Levels L',
  geometricLevels: 'none: set by the cooling',
  geometricRefused: 'The geometric shape takes no L: its levels follow from the cooling; leave L blank.',
};

// Puts the shape's select before the cooling field of form and L after its
// moves; noteBeside(form, field) gives each its place for a refusal. As in
// the tools, an L typed for the geometric shape is refused.
export function buildShapeFields(form, facts, noteBeside) {
  const { cooling, moves } = form.elements;
  if (!cooling) return;
  const shape = document.createElement('label');
  const select = document.createElement('select');
  select.name = 'shape';
  select.append(...facts.shapes.map((name) => new Option(name, name)));
  shape.append(`${texts.shape} `, select);
  const levels = document.createElement('label');
  const field = document.createElement('input');
  Object.assign(field, { name: 'levels', autocomplete: 'off' });
  field.setAttribute('inputmode', 'numeric');
  levels.append(`${texts.levels} `, field);
  cooling.closest('label').before(shape);
  moves.closest('label').after(levels);
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
  const problem = typed === '' ? '' : geometric ? texts.geometricRefused : fieldProblem(typed, texts.levels, glue.facts.levelLimit);
  mark(levels, problem);
  if (problem) return null;
  const shaped = glue.shapedSchedule(plan, shape.value, typed === '' ? 0 : Number(typed));
  levels.placeholder = geometric ? texts.geometricLevels : String(shaped.levels);
  return shaped;
}
