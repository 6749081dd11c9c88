// The page's words in its two languages: which language a browser gets, and
// a message of a catalogue with its numbers written as that language writes
// them. Pure functions, tested with node --test.

export const languages = ['pt', 'en'];
const locales = { pt: 'pt-BR', en: 'en' };

// Returns the page's language for a browser whose preferred languages are
// preferred (navigator.languages): Portuguese for any pt, else English.
export function languageOf(preferred) {
  return [...(preferred ?? [])].some((tag) => /^pt(-|$)/i.test(tag)) ? 'pt' : 'en';
}

// A number written with digits after the point, or to digits significant digits.
export const fixed = (value, digits) => ({ value, fixed: digits });
export const sig = (value, digits) => ({ value, sig: digits });
// Another message of the catalogue, in a message's place.
export const msg = (key, params = {}) => ({ key, params });

const formats = new Map();
function formatOf(language, options) {
  const name = `${language} ${JSON.stringify(options)}`;
  if (!formats.has(name)) formats.set(name, new Intl.NumberFormat(locales[language], { useGrouping: false, ...options }));
  return formats.get(name);
}

// Returns value as language writes it: a number as JavaScript writes it
// (shortest, no grouping) with the language's decimal mark; fixed and sig as above.
export function numberText(language, value) {
  if (typeof value === 'number') {
    const mark = formatOf(language, {}).formatToParts(0.5).find((p) => p.type === 'decimal').value;
    return String(value).replace('.', mark);
  }
  if (value.fixed !== undefined) return formatOf(language, { minimumFractionDigits: value.fixed, maximumFractionDigits: value.fixed }).format(value.value);
  return formatOf(language, { maximumSignificantDigits: value.sig }).format(value.value);
}

// Returns the message key of catalogues[language] with each {name} filled
// from params: numbers as the language writes them, messages in their
// place, strings as they are. A key a catalogue lacks shows as itself.
export function render(catalogues, language, key, params = {}) {
  const text = catalogues[language][key] ?? key;
  return text.replace(/\{(\w+)\}/g, (whole, name) => {
    const value = params[name];
    if (value === undefined || value === null) return '';
    if (typeof value === 'object' && 'key' in value) return render(catalogues, language, value.key, value.params);
    if (typeof value === 'number' || typeof value === 'object') return numberText(language, value);
    return String(value);
  });
}
