// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program: its language and its own texts. The program
// (relativity-train.js) asks for the user's languages, chooses one and has
// its catalogue loaded here before it starts.
'use strict';

// The texts of the page's own catalogue; lupdate finds every call.
function qsTranslate(context, source) {
  const text = RelativityPage.catalogue[context + '\u0004' + source];
  return text === undefined ? source : text;
}

const RelativityPage = (() => {
  const page = { catalogue: {}, language: 'en' };
  const query = new URLSearchParams(window.location.search);

  // The languages the user wants, most wanted first: ?lang, else the browser's.
  page.preferredLanguages = () => {
    const asked = query.getAll('lang');
    if (asked.length > 1) console.warn('lang is given more than once; the browser\'s language is used');
    return asked.length === 1 ? [asked[0]] : Array.from(navigator.languages || [navigator.language]);
  };

  page.catalogues = () => (document.documentElement.dataset.catalogues || '').split(' ').filter(Boolean);

  function showTexts() {
    document.documentElement.lang = page.language.replace('_', '-');
    document.title = qsTranslate('Desktop entry', 'Relativity Train');
    for (const element of document.querySelectorAll('[data-text]')) {
      element.textContent = texts[element.dataset.text]();
    }
    for (const element of document.querySelectorAll('[data-label]')) {
      element.setAttribute('aria-label', texts[element.dataset.label]());
    }
  }

  // The page's own texts by their place.
  const texts = {
    name: () => qsTranslate('Desktop entry', 'Relativity Train'),
    ended: () => qsTranslate('Page', 'The program has ended. Reload the page to start it again.'),
  };

  // Loads the chosen language's catalogue, then starts the program; a
  // catalogue that cannot be had leaves the page in English.
  page.loadCatalogue = (language, start) => {
    page.language = language;
    const loaded = language === 'en' ? Promise.resolve({})
      : fetch('i18n/' + language + '.json').then((response) => {
        if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
        return response.json();
      });
    loaded.catch((error) => {
      console.warn('The ' + language + ' texts could not be loaded (' + error.message + '); English is used.');
      page.language = 'en';
      return {};
    }).then((catalogue) => {
      page.catalogue = catalogue;
      showTexts();
      start();
    });
  };

  // Where the run stands, as the program holds it.
  page.state = () => (typeof Module !== 'undefined' && Module._web_state
    ? UTF8ToString(Module._web_state()) : '{}');

  return page;
})();
