// The page's texts in the language chosen: every element that shows a
// message holds its key (data-i18n, data-i18n-label for its aria-label)
// and its numbers, so that a change of language writes it anew. A `…` in a
// message is code, as the tools' names are.
import en from './i18n/en.js';
import pt from './i18n/pt.js';
import { render, languageOf, languages } from './words.js';

export const catalogues = { en, pt };
let language = languageOf(typeof navigator === 'undefined' ? [] : navigator.languages);
let factParams = {}; // the C++'s facts that the page's texts name: {bits}, {points}, {threshold}
const onChange = [];

export const currentLanguage = () => language;

// Returns message key in the page's language.
export const text = (key, params = {}) => render(catalogues, language, key, { ...factParams, ...params });

// Writes message into element, with `…` as code.
function write(element, message) {
  const parts = message.split('`');
  if (parts.length === 1) return void (element.textContent = message);
  element.replaceChildren(...parts.map((part, i) => {
    if (i % 2 === 0) return document.createTextNode(part);
    const code = document.createElement('code');
    code.textContent = part;
    return code;
  }));
}

// Shows message key with params in element, and keeps it for a change of language.
export function say(element, key, params = {}) {
  element.dataset.i18n = key;
  element.i18nParams = params;
  write(element, text(key, params));
}

// Returns a label of field, its words the message labelKey.
export function sayLabelled(labelKey, field) {
  const wrap = document.createElement('label');
  const words = document.createElement('span');
  say(words, labelKey);
  wrap.append(words, ' ', field);
  return wrap;
}

// Sets element's aria-label to message key, and keeps it for a change of language.
export function sayLabel(element, key, params = {}) {
  element.dataset.i18nLabel = key;
  element.i18nLabelParams = params;
  element.setAttribute('aria-label', text(key, params));
}

// Sets element's placeholder to message key, and keeps it for a change of language.
export function sayPlaceholder(element, key, params = {}) {
  element.dataset.i18nPlaceholder = key;
  element.i18nPlaceholderParams = params;
  element.placeholder = text(key, params);
}

// Writes every kept message anew, in the page's language.
function relabel() {
  document.documentElement.lang = language;
  for (const element of document.querySelectorAll('[data-i18n]')) write(element, text(element.dataset.i18n, element.i18nParams));
  for (const element of document.querySelectorAll('[data-i18n-label]')) {
    element.setAttribute('aria-label', text(element.dataset.i18nLabel, element.i18nLabelParams));
  }
  for (const element of document.querySelectorAll('[data-i18n-placeholder]')) {
    element.placeholder = text(element.dataset.i18nPlaceholder, element.i18nPlaceholderParams);
  }
  document.title = text('page.title');
  for (const listener of onChange) listener(language);
}

// Calls listener(language) after each change of language.
export const onLanguage = (listener) => onChange.push(listener);

// Changes the page's language to wanted (one of languages), and writes every text anew.
export function setLanguage(wanted) {
  if (languages.includes(wanted)) language = wanted;
  relabel();
}

// Gives the texts the C++'s facts they name, and writes them anew.
export function setFacts(facts) {
  factParams = { bits: facts.grid.bits, points: facts.grid.points, threshold: facts.grid.threshold };
  relabel();
}

// Empties element, and keeps no message for it.
export function unsay(element) {
  delete element.dataset.i18n;
  element.textContent = '';
}
