// Reading a panel's form: the method, the seed and the schedule. The values
// are rounded to float, as the program and sinc-study hold them.

// Returns the form's settings, or null (after saying what is wrong) when a
// field is out of range or the schedule would never end.
export function read_settings(form) {
  if (!form.reportValidity()) return null;
  const value = (name) => Number(form.elements[name].value);
  const plan = {
    cooling: Math.fround(value('cooling')),
    initial: Math.fround(value('initial')),
    final: Math.fround(value('final')),
    moves: value('moves'),
  };
  const levels = level_count(plan);
  const problem = !(plan.cooling > 0 && plan.cooling < 1) ? 'The cooling must lie between 0 and 1.'
    : levels === 0 ? 'The initial T must be above the final T.'
      : levels * plan.moves > 10000000 ? 'That schedule examines over 10000000 solutions a run.' : '';
  const last = form.elements.final; // where the browser shows what is wrong
  last.setCustomValidity(problem);
  if (!form.reportValidity()) return null;
  last.setCustomValidity('');
  return {
    method: value('method'),
    code: value('code'), // 0 binary, 1 Gray
    seed: form.elements.seed ? value('seed') : 0,
    runs: form.elements.runs ? value('runs') : 0,
    plan,
  };
}

// The levels of plan, as the search counts them: T from the initial one,
// times the cooling after each level, while T is above the final one.
export function level_count(plan) {
  let levels = 0;
  for (let t = plan.initial; t > plan.final && levels <= 10000000; t *= plan.cooling) ++levels;
  return levels;
}

// The arguments the glue takes for a plan.
export function plan_arguments(plan) {
  return [plan.cooling, plan.initial, plan.final, plan.moves];
}
