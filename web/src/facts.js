// The C++'s facts where the page's texts name them: <span data-fact="grid.bits">.
export function showFacts(facts) {
  for (const element of document.querySelectorAll('[data-fact]')) {
    const value = element.dataset.fact.split('.').reduce((object, key) => object?.[key], facts);
    if (value !== undefined) element.textContent = String(value);
  }
}
