// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program. The program (relativity-train.js) asks for
// the user's languages, chooses one and has its catalogue loaded here before
// it starts; it reads the page's link itself. What it tells the page comes
// to the callbacks below; the page calls it through program.js.
import createProgram from '../relativity-train.js';
import * as ending from './ending.js';
import * as keys from './keys.js';
import * as panels from './panels.js';
import * as picture from './picture.js';
import { attach } from './program.js';
import * as texts from './texts.js';

// Offline after the first visit: the worker keeps this folder's files.
function workOffline() {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn('Offline use is not available: ' + error.message);
  });
}

// Makes the program; `extras` may add to the page's callbacks once it has
// them (the tests' build listens to every frame).
export function startPage({ extras } = {}) {
  const version = document.documentElement.dataset.version || '';
  const page = {
    translate: texts.translated,
    preferredLanguages: texts.preferredLanguages,
    catalogues: texts.catalogues,
    loadCatalogue: (language, start) => texts.loadCatalogue(language, version).then(() => {
      texts.showTexts();
      start();
      keys.start();
      panels.start();
      picture.start();
      ending.start();
      workOffline();
    }),
    windowShown: panels.windowShown,
    frameDrawn: picture.frameDrawn,
    perform: keys.perform,
    closeWindow: ending.closeWindow,
    programEnded: ending.programEnded,
  };
  // Every file of one build is asked for with its version, so a page never
  // pairs a script of one build with the code of another.
  const program = { page, locateFile: (file) => file + '?v=' + version };
  attach(program);
  if (extras) extras(program);
  return createProgram(program);
}
