// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language and its own texts, from the same catalogues as the
// program's; lupdate finds every qsTranslate call.

let catalogue = {};
let language = 'en';

export const byId = (id) => document.getElementById(id);

export function qsTranslate(context, source) {
  const text = catalogue[context + '\u0004' + source];
  return text === undefined ? source : text;
}

// A text of the catalogue, for the program: nothing where it has none.
export const translated = (context, source) => catalogue[context + '\u0004' + source];

export const pageLanguage = () => language;

// The page's own texts by their place.
const texts = {
  name: () => qsTranslate('Desktop entry', 'Relativity Train'),
  purpose: () => qsTranslate('Desktop entry',
    'See a train as an observer sees it when light takes time to arrive'),
  fullScreen: () => qsTranslate('Page', 'Full screen'),
  copyLink: () => qsTranslate('Page', 'Copy link'),
  record: () => qsTranslate('Page', 'Record clip'),
  aids: () => qsTranslate('Page', 'Teaching aids'),
  link: () => qsTranslate('Page', 'Link to this demonstration'),
  ended: () => qsTranslate('Page', 'The program has ended.'),
  startAgain: () => qsTranslate('Page', 'Start again'),
  keysTitle: () => qsTranslate('Keys', 'Keys and colours'),
  close: () => qsTranslate('Page', 'Close'),
  confirmEnd: () => qsTranslate('Page', 'End the program? The picture and the readouts will be gone.'),
  end: () => qsTranslate('Page', 'End the program'),
  keep: () => qsTranslate('Page', 'Keep it running'),
};

export function showTexts() {
  document.documentElement.lang = language.replace('_', '-');
  document.title = texts.name();
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = texts[element.dataset.text]();
  }
  for (const element of document.querySelectorAll('[data-label]')) {
    element.setAttribute('aria-label', texts[element.dataset.label]());
  }
}

// A word to the user in the page's status line.
export function say(message) {
  byId('status').textContent = message;
}

export const preferredLanguages = () => Array.from(navigator.languages || [navigator.language]);
export const catalogues = () => (document.documentElement.dataset.catalogues || '').split(' ')
  .filter(Boolean);

// The catalogue in use is kept with this build's files, once the offline
// worker has them, so a visit without a network speaks the same language.
function keepForOffline(address, response, version) {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.ready
    .then(() => caches.open('relativity-train-' + version))
    .then((cache) => cache.put(address, response))
    .catch((error) => console.warn('The texts are not kept for offline use: ' + error.message));
}

// Loads the chosen language's catalogue; one that cannot be had leaves the
// page in English.
export function loadCatalogue(chosen, version) {
  language = chosen;
  const address = 'i18n/' + chosen + '.json?v=' + version;
  const loaded = chosen === 'en' ? Promise.resolve({})
    : fetch(address).then((response) => {
      if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
      keepForOffline(address, response.clone(), version);
      return response.json();
    });
  return loaded.catch((error) => {
    console.warn('The ' + chosen + ' texts could not be loaded (' + error.message + '); English is used.');
    language = 'en';
    return {};
  }).then((texts) => {
    catalogue = texts;
  });
}
