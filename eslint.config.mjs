// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript lint: the page's modules, the web platform's glue, the
// offline worker and the browser tests. ESLint is pinned in the browser
// tests' lock file; tools/check runs it from the top of the tree.
import js from './web/testing/node_modules/@eslint/js/src/index.js';
import globals from './web/testing/node_modules/globals/index.js';

const ours = {
  'no-unused-vars': ['error', { caughtErrors: 'none' }],
  'no-var': 'error',
  'prefer-const': 'error',
  eqeqeq: 'error',
  'no-implicit-globals': 'error',
};

export default [
  { ignores: ['build/', '**/node_modules/'] },
  js.configs.recommended,
  {
    files: ['web/page/**/*.js', 'web/testing/index.js'],
    languageOptions: { sourceType: 'module', globals: globals.browser },
    rules: ours,
  },
  {
    // An Emscripten library: its functions run inside the program's module,
    // beside the runtime's own helpers.
    files: ['platform/web/glue.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, mergeInto: 'readonly', LibraryManager: 'readonly',
                 Module: 'readonly', Page: 'writable', UTF8ToString: 'readonly',
                 stringToNewUTF8: 'readonly', HEAPU8: 'readonly' },
    },
    rules: { ...ours, 'no-implicit-globals': 'off' },
  },
  {
    files: ['web/sw.js'],
    languageOptions: { sourceType: 'script', globals: globals.serviceworker },
    rules: ours,
  },
  {
    // Tests run partly in Node, partly in the page (the test build's
    // relativityTest, the parity page's Module).
    files: ['web/testing/**/*.mjs', 'eslint.config.mjs'],
    languageOptions: {
      sourceType: 'module',
      globals: { ...globals.node, ...globals.browser, relativityTest: 'readonly', Module: 'readonly' },
    },
    rules: ours,
  },
];
