// Reading a panel's form: the method, the seed and the schedule. The values
// are rounded to float, as the program and sinc-study hold them.

// Returns the form's settings, or null (after saying what is wrong) when a
// field is out of range or the schedule would never end, as glue counts it.
export function read_settings(form, glue) {
  if (!form.reportValidity()) return null;
  const value = (name) => Number(form.elements[name].value);
  const plan = {
    cooling: Math.fround(value('cooling')),
    initial: Math.fround(value('initial')),
    final: Math.fround(value('final')),
    moves: value('moves'),
  };
  const examined = glue._examined_by_schedule(...plan_arguments(plan));
  const problem = !(plan.cooling > 0 && plan.cooling < 1) ? 'The cooling must lie between 0 and 1.'
    : examined === 0 ? 'The initial T must be above the final T.'
      : examined < 0 ? `That schedule examines over ${glue._most_examined_per_run()} solutions a run.` : '';
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

// The arguments the glue takes for a plan.
export function plan_arguments(plan) {
  return [plan.cooling, plan.initial, plan.final, plan.moves];
}
