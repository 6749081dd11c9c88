// What a form's field may hold, and what a schedule may be: pure functions,
// tested with node --test. Each returns a message, or '' when all is well.

// Returns what is wrong with text for a field named label whose limit is
// {low, lowIn, high, highIn, whole}: a bound is in the range when its In is true.
export function fieldProblem(text, label, limit) {
  const trimmed = text.trim();
  const value = Number(trimmed);
  if (trimmed === '' || !Number.isFinite(value)) return `${label} must be a number.`;
  if (limit.whole && !(Number.isInteger(value) && /^[+]?\d+$/.test(trimmed))) return `${label} must be a whole number.`;
  const low = limit.lowIn ? value >= limit.low : value > limit.low;
  const high = limit.highIn ? value <= limit.high : value < limit.high;
  if (low && high) return '';
  return `${label} must be ${limit.lowIn ? 'at least' : 'above'} ${limit.low} and ` +
    `${limit.highIn ? 'at most' : 'below'} ${limit.high}.`;
}

// Returns what is wrong with a schedule that examines examined solutions a
// run (as the glue counts them: 0 none, -1 over mostExamined or never
// ending) where a panel takes at most most of them: {field, message}, or null.
export function scheduleProblem(examined, mostExamined, most = mostExamined, what = 'a run') {
  if (examined === 0) return { field: 'final', message: 'The initial T must be above the final T.' };
  if (examined < 0) return { field: 'moves', message: `That schedule never ends or examines over ${mostExamined} solutions a run.` };
  if (examined > most) {
    return { field: 'moves', message: `${what} makes at most ${most} moves, and this schedule makes ${examined}: fewer levels or moves, please.` };
  }
  return null;
}
