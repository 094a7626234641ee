// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program: its language and its own texts, the choices
// that last, ending, and offline use; page-panel.js, page-picture.js and
// page-keys.js add the rest. The program (relativity-train.js) asks for the
// user's languages, chooses one and has its catalogue loaded here before it
// starts; it reads the page's link itself.
'use strict';

// The texts of the page's own catalogue; lupdate finds every call.
function qsTranslate(context, source) {
  const text = RelativityPage.catalogue[context + '\u0004' + source];
  return text === undefined ? source : text;
}

const RelativityPage = (() => {
  const page = { catalogue: {}, language: 'en' };
  const version = document.documentElement.dataset.version || '';
  const byId = (id) => document.getElementById(id);
  page.byId = byId;

  // Every file of one build is asked for with its version, so a page never
  // pairs a script of one build with the code of another.
  window.Module = { locateFile: (file) => file + '?v=' + version };

  // The program's state, as it holds it.
  page.state = () => (typeof Module !== 'undefined' && Module._web_state
    ? JSON.parse(UTF8ToString(Module._web_state())) : {});

  // The page's own texts by their place.
  const texts = {
    name: () => qsTranslate('Desktop entry', 'Relativity Train'),
    purpose: () => qsTranslate('Desktop entry',
      'See a train as an observer sees it when light takes time to arrive'),
    fullScreen: () => qsTranslate('Page', 'Full screen'),
    copyLink: () => qsTranslate('Page', 'Copy link'),
    record: () => (page.picture && page.picture.recording()
      ? qsTranslate('Page', 'Stop recording') : qsTranslate('Page', 'Record clip')),
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

  page.text = (name) => texts[name]();

  function showTexts() {
    document.documentElement.lang = page.language.replace('_', '-');
    document.title = texts.name();
    for (const element of document.querySelectorAll('[data-text]')) {
      element.textContent = texts[element.dataset.text]();
    }
    for (const element of document.querySelectorAll('[data-label]')) {
      element.setAttribute('aria-label', texts[element.dataset.label]());
    }
  }

  // A word to the user in the page's status line.
  page.say = (message) => {
    byId('status').textContent = message;
  };

  // ---- Language ----------------------------------------------------------

  page.preferredLanguages = () => Array.from(navigator.languages || [navigator.language]);
  page.catalogues = () => (document.documentElement.dataset.catalogues || '').split(' ').filter(Boolean);

  // Loads the chosen language's catalogue, then starts the program; a
  // catalogue that cannot be had leaves the page in English.
  page.loadCatalogue = (language, start) => {
    page.language = language;
    const address = 'i18n/' + language + '.json?v=' + version;
    const loaded = language === 'en' ? Promise.resolve({})
      : fetch(address).then((response) => {
        if (!response.ok) throw new Error(response.status + ' ' + response.statusText);
        keepForOffline(address, response.clone());
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
      started();
    });
  };

  // The catalogue in use is kept with this build's files, once the offline
  // worker has them, so a visit without a network speaks the same language.
  function keepForOffline(address, response) {
    if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
    navigator.serviceWorker.ready
      .then(() => caches.open('relativity-train-' + version))
      .then((cache) => cache.put(address, response))
      .catch((error) => console.warn('The texts are not kept for offline use: ' + error.message));
  }

  // ---- Ending --------------------------------------------------------------

  // The control panel's close box ends the program, so it asks first.
  page.closeWindow = (id, close) => {
    if (id !== 1) {
      close();
      return;
    }
    const dialog = byId('confirm-end');
    dialog.returnValue = '';
    dialog.addEventListener('close', () => {
      if (dialog.returnValue === 'end') close();
    }, { once: true });
    dialog.showModal();
  };

  // The panels are gone, and so are the tools for them; "Start again" loads
  // the page anew, as it was opened.
  page.programEnded = () => {
    page.picture.stopRecording();
    if (byId('aids').matches(':popover-open')) byId('aids').hidePopover();
    for (const part of document.querySelectorAll('#bar .tools, #status')) part.hidden = true;
    byId('ended').hidden = false;
    byId('start-again').focus();
  };

  // ---- Start ----------------------------------------------------------------

  function started() {
    byId('start-again').addEventListener('click', () => window.location.reload());
    page.keys.start();
    page.panel.start();
    page.picture.start();
    // Offline after the first visit: the worker keeps this folder's files.
    if ('serviceWorker' in navigator && window.isSecureContext) {
      navigator.serviceWorker.register('sw.js').catch((error) => {
        console.warn('Offline use is not available: ' + error.message);
      });
    }
  }

  page.frameDrawn = () => page.picture.frameDrawn();
  page.windowShown = (id, visible) => page.panel.windowShown(id, visible);

  return page;
})();
