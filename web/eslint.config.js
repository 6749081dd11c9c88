// ESLint's recommended rules for the page's scripts and its checks, with
// the names that JavaScript code uses: camelCase.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['node_modules/'] },
  js.configs.recommended,
  {
    files: ['src/**/*.js'],
    languageOptions: { globals: { ...globals.browser, ...globals.worker } },
    rules: { camelcase: ['error', { properties: 'always' }] },
  },
  {
    files: ['test/**/*.mjs', '*.mjs', 'eslint.config.js'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
