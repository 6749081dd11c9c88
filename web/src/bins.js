// A histogram's bins: pure functions, tested with node --test.

// Returns the bins of values, count bins of equal width over their range
// (a width of at least least when all are close): {low, width, counts}, the
// last bin closed, so that the highest value counts in it.
export function binsOf(values, count, least = 1e-3) {
  if (values.length === 0) return { low: 0, width: least / count, counts: new Array(count).fill(0) };
  let low = Infinity, high = -Infinity;
  for (const v of values) {
    low = Math.min(low, v);
    high = Math.max(high, v);
  }
  const width = Math.max(high - low, least) / count;
  const counts = new Array(count).fill(0);
  for (const v of values) counts[Math.min(count - 1, Math.floor((v - low) / width))]++;
  return { low, width, counts };
}

// Returns the counts of values in the bins of bins ({low, width, counts}):
// a value below the first counts in it, one above the last in the last.
export function countsIn(values, { low, width, counts }) {
  const into = new Array(counts.length).fill(0);
  for (const v of values) into[Math.max(0, Math.min(counts.length - 1, Math.floor((v - low) / width)))]++;
  return into;
}

// Returns the index of the fullest bin of counts (the first of equals).
export function fullest(counts) {
  return counts.reduce((best, c, i) => (c > counts[best] ? i : best), 0);
}
