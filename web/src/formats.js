// How the page writes numbers and solutions: pure functions, tested with node --test.

// Returns the shortest decimal that reads back as the float value: 0.97 for
// Math.fround(0.97), where String() would give 0.9700000286102295.
export function floatText(value) {
  for (let digits = 1; digits < 17; ++digits) {
    const text = String(Number(value.toPrecision(digits)));
    if (Math.fround(Number(text)) === Math.fround(value)) return text;
  }
  return String(value);
}

// Returns the bits bits of the vector of integer value state, most
// significant first, the bit flipped (0 for the most significant) in
// brackets: bitsOf(0b10110, 5, 2) is "10[1]10".
export function bitsOf(state, bits, flipped) {
  const digits = state.toString(2).padStart(bits, '0');
  if (!(flipped >= 0 && flipped < bits)) return digits;
  return `${digits.slice(0, flipped)}[${digits[flipped]}]${digits.slice(flipped + 1)}`;
}

// Returns labels for the ticks at values, with the fewest significant
// digits (at least one) that keep every two different values apart.
export function tickLabels(values) {
  for (let digits = 1; digits < 17; ++digits) {
    const labels = values.map((v) => (v === 0 ? '0' : String(Number(v.toPrecision(digits)))));
    const distinct = new Set(labels).size === new Set(values).size;
    if (distinct) return labels;
  }
  return values.map(String);
}

// Returns value with digits significant digits, as a person reads it: 0.102431.
export function significant(value, digits) {
  return String(Number(value.toPrecision(digits)));
}
