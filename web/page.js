// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the program: its language and its own texts, the track
// panel's size, links to a prepared demonstration, full screen, clips and
// pictures, the teaching aids' keys and menu, offline use. The program
// (relativity-train.js) asks for the user's languages, chooses one and has
// its catalogue loaded here before it starts; it reads the page's link itself.
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
    record: () => (recording ? qsTranslate('Page', 'Stop recording') : qsTranslate('Page', 'Record clip')),
    aids: () => qsTranslate('Page', 'Teaching aids'),
    link: () => qsTranslate('Page', 'Link to this demonstration'),
    ended: () => qsTranslate('Page', 'The program has ended. Reload the page to start it again.'),
    keysTitle: () => qsTranslate('Keys', 'Keys and colours'),
    close: () => qsTranslate('Page', 'Close'),
    confirmEnd: () => qsTranslate('Page', 'End the program? The picture and the readouts will be gone.'),
    end: () => qsTranslate('Page', 'End the program'),
    keep: () => qsTranslate('Page', 'Keep it running'),
  };

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

  function say(message) {
    byId('status').textContent = message;
  }

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

  // ---- Choices that last: the palette and slow motion ----------------------

  page.stored = (key) => {
    try {
      const value = localStorage.getItem('relativity-train.' + key);
      return value === null ? -1 : Number(value === 'true');
    } catch (ignored) {
      return -1;  // storage refused (a private window, a sandboxed frame)
    }
  };

  // Only the choice the user just made is kept: a palette a link asked for
  // holds for that visit alone.
  function keepChoice(key) {
    try {
      localStorage.setItem('relativity-train.' + key, String(page.state()[key]));
    } catch (ignored) {
      // Not kept, but the choice holds for this visit.
    }
  }

  // ---- The track panel fills the viewport --------------------------------

  const widest = 1.6;        // the Terrell rotation lays out 1.6 times its height
  const storedOuter = 233;   // the stored track window, with its frame
  let userSized = false;

  function trackPanel() {
    const section = byId('window2');
    return section && { section, client: section.querySelector('.client') };
  }

  // Before Select the panel is the largest that fits below the control panel
  // with every demonstration's width inside the viewport; after the user
  // drags its corner, the user's size holds.
  function fitTrackPanel() {
    const panel = trackPanel();
    const control = byId('window1');
    if (!panel || !control || userSized || page.state().mode === 'running' ||
        page.state().sizedByLink) return;
    const left = control.offsetLeft;
    const top = control.offsetTop + control.offsetHeight;
    const tall = Math.min(window.innerHeight - top - 4, (window.innerWidth - left - 4) / widest);
    const outer = Math.max(Math.floor(tall), storedOuter);
    panel.client.style.height = outer - 22 + 'px';
    panel.client.style.width = Math.min(outer, window.innerWidth - left - 4) - 2 + 'px';
  }

  function watchTrackPanel() {
    const panel = trackPanel();
    // A press on the corner's grip starts a drag of the user's own.
    panel.client.addEventListener('pointerdown', (event) => {
      const box = panel.client.getBoundingClientRect();
      if (event.clientX > box.right - 18 && event.clientY > box.bottom - 18) userSized = true;
    });
    window.addEventListener('resize', fitTrackPanel);
    fitTrackPanel();
  }

  page.windowShown = (id, visible) => {
    if (id === 2 && visible) fitTrackPanel();
  };

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

  page.programEnded = () => {
    stopRecording();
    byId('ended').hidden = false;
  };

  // ---- The picture: saved, copied, recorded --------------------------------

  // The track panel's client area as the user sees it, picture, title and
  // readouts, at the screen's device resolution.
  function composeTrack(target) {
    const panel = trackPanel();
    const ratio = window.devicePixelRatio || 1;
    const width = panel.client.clientWidth, height = panel.client.clientHeight;
    const canvas = target || document.createElement('canvas');
    if (canvas.width !== Math.round(width * ratio)) canvas.width = Math.round(width * ratio);
    if (canvas.height !== Math.round(height * ratio)) canvas.height = Math.round(height * ratio);
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.fillStyle = getComputedStyle(panel.client).backgroundColor;
    context.fillRect(0, 0, width, height);
    const picture = panel.client.querySelector('canvas');
    context.imageSmoothingEnabled = false;
    context.drawImage(picture, 0, 0, picture.width / ratio, picture.height / ratio);
    for (const control of panel.client.querySelectorAll('.control')) {
      if (control.hidden) continue;
      const style = getComputedStyle(control);
      const x = control.offsetLeft, y = control.offsetTop;
      const w = control.offsetWidth, h = control.offsetHeight;
      context.fillStyle = style.backgroundColor;
      context.fillRect(x, y, w, h);
      if (control.tagName === 'INPUT') {
        context.strokeStyle = style.borderTopColor;
        context.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
      }
      context.fillStyle = style.color;
      context.font = style.font;
      context.textBaseline = 'middle';
      const text = control.tagName === 'INPUT' ? control.value : control.textContent;
      const centred = style.textAlign === 'center' || style.justifyContent === 'center';
      context.textAlign = centred ? 'center' : 'left';
      context.fillText(text, centred ? x + w / 2 : x + 3, y + h / 2);
    }
    return canvas;
  }

  function baseName() {
    const state = page.state();
    return 'relativity-train-' + state.shown + '-v' + state.v;
  }

  function download(blob, name) {
    const anchor = document.createElement('a');
    anchor.href = URL.createObjectURL(blob);
    anchor.download = name;
    document.body.appendChild(anchor);
    anchor.click();
    anchor.remove();
    setTimeout(() => URL.revokeObjectURL(anchor.href), 10000);
  }

  // PNG text chunks: what the picture shows, so a slide can be traced back.
  const crcTable = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
  });
  function crc32(bytes) {
    let c = 0xffffffff;
    for (const b of bytes) c = crcTable[(c ^ b) & 255] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
  }
  function textChunk(key, value) {
    const data = new TextEncoder().encode(key + '\0' + value);
    const chunk = new Uint8Array(12 + data.length);
    const view = new DataView(chunk.buffer);
    view.setUint32(0, data.length);
    chunk.set(new TextEncoder().encode('tEXt'), 4);
    chunk.set(data, 8);
    view.setUint32(8 + data.length, crc32(chunk.subarray(4, 8 + data.length)));
    return chunk;
  }
  function withText(png, entries) {
    return png.arrayBuffer().then((buffer) => {
      const bytes = new Uint8Array(buffer);
      const afterHeader = 8 + 25;  // signature, then the IHDR chunk
      const chunks = Object.entries(entries).map(([key, value]) => textChunk(key, String(value)));
      return new Blob([bytes.subarray(0, afterHeader)].concat(chunks, [bytes.subarray(afterHeader)]),
                      { type: 'image/png' });
    });
  }

  // The picture as a PNG, taken now, with text naming what it shows.
  function picture() {
    const state = page.state();
    return new Promise((resolve) => composeTrack().toBlob(resolve, 'image/png')).then((png) => {
      if (!png) throw new Error(qsTranslate('Page', 'the browser could not make the image'));
      return withText(png, { Software: 'Relativity Train', Demonstration: state.shown, v: state.v,
                             Contraction: state.contraction ? 'on' : 'off', Frame: state.frameOfRun });
    });
  }

  function savePicture() {
    const name = baseName() + '.png';
    return picture().then((png) => download(png, name)).catch((error) => {
      say(qsTranslate('Page', 'The picture was not saved: %1').replace('%1', error.message));
    });
  }

  function copyPicture() {
    return Promise.resolve()
      .then(() => navigator.clipboard.write([new ClipboardItem({ 'image/png': picture() })]))
      .then(() => say(qsTranslate('Page', 'The picture is on the clipboard.')))
      .catch(() => say(qsTranslate('Page',
        'This browser does not let the page copy the picture; save it instead.')));
  }

  let recording = null;

  function startRecording() {
    if (page.state().mode !== 'running') {
      say(qsTranslate('Page', 'A clip records a running demonstration: choose one and click Select first.'));
      return;
    }
    const canvas = composeTrack();
    const stream = canvas.captureStream(0);
    const type = ['video/webm;codecs=vp8', 'video/webm'].find((t) => MediaRecorder.isTypeSupported(t));
    const recorder = new MediaRecorder(stream, type ? { mimeType: type } : {});
    const chunks = [];
    const name = baseName() + '.webm';
    recorder.ondataavailable = (event) => chunks.push(event.data);
    recorder.onstop = () => {
      download(new Blob(chunks, { type: 'video/webm' }), name);
      say(qsTranslate('Page', 'The clip is saved as %1.').replace('%1', name));
    };
    recording = { recorder, canvas, track: stream.getVideoTracks()[0],
                  limit: setTimeout(stopRecording, 60000) };
    recorder.start();
    recording.track.requestFrame();
    byId('record').textContent = texts.record();
  }

  function stopRecording() {
    if (!recording) return;
    clearTimeout(recording.limit);
    recording.recorder.stop();
    recording = null;
    byId('record').textContent = texts.record();
  }

  // Each frame of the run is a frame of the clip; the clip ends with the run.
  page.frameDrawn = () => {
    if (!recording) return;
    requestAnimationFrame(() => {
      if (!recording) return;
      if (page.state().mode !== 'running') {
        stopRecording();
        return;
      }
      composeTrack(recording.canvas);
      recording.track.requestFrame();
    });
  };

  // ---- Full screen and links -------------------------------------------------

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      document.documentElement.requestFullscreen().catch(() => {
        say(qsTranslate('Page', 'This browser does not allow full screen here.'));
      });
    }
  }

  function currentLink() {
    const state = page.state();
    const panel = trackPanel();
    const height = panel ? panel.section.offsetHeight : 0;
    const address = new URL(window.location.href);
    address.search = '?' + state.link + (height ? '&height=' + height : '') +
      (page.language !== 'en' ? '&lang=' + page.language : '');
    return address.href;
  }

  function copyLink() {
    const link = currentLink();
    const field = byId('link');
    field.value = link;
    field.hidden = false;
    field.select();
    return Promise.resolve()
      .then(() => navigator.clipboard.writeText(link))
      .then(() => say(qsTranslate('Page', 'The link is on the clipboard.')))
      .catch(() => say(qsTranslate('Page', 'Copy the link from the box.')));
  }

  // ---- Keys, the menu of aids, the list of keys ------------------------------

  let keyList = { keys: [], legends: [], projector: '' };
  // The numbers of the program's KeyAction.
  const actions = { step: 1, slowMotion: 2, save: 3, copy: 4, palette: 5, keys: 6, fullScreen: 7 };

  function run(action) {
    switch (action) {
      case actions.step:
        Module._web_aid(action);
        break;
      case actions.slowMotion:
        Module._web_aid(action);
        keepChoice('slowMotion');
        break;
      case actions.palette:
        Module._web_aid(action);
        keepChoice('projector');
        break;
      case actions.save: savePicture(); break;
      case actions.copy: copyPicture(); break;
      case actions.keys: showKeys(); break;
      case actions.fullScreen: toggleFullScreen(); break;
      default: break;
    }
    updateMenu();
  }

  // Whether a key event is the key a list entry names ("Right", "Ctrl+S", "?").
  function matchesKey(event, name) {
    if (!name) return false;
    const parts = name.split('+');
    const key = parts.pop();
    const ctrl = parts.includes('Ctrl');
    if (ctrl !== (event.ctrlKey || event.metaKey) || event.altKey) return false;
    const names = { Right: 'ArrowRight', Escape: 'Escape', Space: ' ', Return: 'Enter', Tab: 'Tab' };
    return (names[key] || key).toLowerCase() === event.key.toLowerCase();
  }

  function onKey(event) {
    if (document.querySelector('dialog[open]') || page.state().mode === undefined) return;
    // Copying a selected text stays the browser's.
    if (event.ctrlKey && String(window.getSelection()).length > 0) return;
    for (const entry of keyList.keys) {
      if (entry.action === 0) continue;
      if (entry.keys.some((name) => matchesKey(event, name))) {
        event.preventDefault();
        run(entry.action);
        return;
      }
    }
  }

  function updateMenu() {
    const state = page.state();
    for (const item of byId('aids').children) {
      const action = Number(item.dataset.action);
      if (action === actions.slowMotion) item.setAttribute('aria-checked', String(state.slowMotion));
      if (action === actions.palette) item.setAttribute('aria-checked', String(state.projector));
    }
  }

  function buildMenu() {
    const menu = byId('aids');
    menu.replaceChildren();
    for (const entry of keyList.keys) {
      if (!entry.menu) continue;
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', entry.action === actions.slowMotion || entry.action === actions.palette
        ? 'menuitemcheckbox' : 'menuitem');
      item.dataset.action = entry.action;
      item.textContent = entry.menu + '  (' + entry.shown + ')';
      item.addEventListener('click', () => {
        closeMenu();
        run(entry.action);
      });
      menu.appendChild(item);
    }
    updateMenu();
  }

  function closeMenu() {
    byId('aids').hidden = true;
    byId('aids-menu').setAttribute('aria-expanded', 'false');
  }

  function toggleMenu() {
    const menu = byId('aids');
    const opening = menu.hidden;
    menu.hidden = !opening;
    byId('aids-menu').setAttribute('aria-expanded', String(opening));
    if (opening) if (menu.firstElementChild) menu.firstElementChild.focus();
  }

  function table(rows) {
    const element = document.createElement('table');
    for (const cells of rows) {
      const row = element.insertRow();
      cells.forEach((cell, index) => {
        const td = row.insertCell();
        td.textContent = cell;
        if (index === 0) td.style.fontWeight = 'bold';
      });
    }
    return element;
  }

  function showKeys() {
    const list = byId('keys-list');
    const colours = [qsTranslate('Keys', 'Black'), qsTranslate('Keys', 'Light red'),
                     qsTranslate('Keys', 'Light yellow'), qsTranslate('Keys', 'White')];
    list.replaceChildren(table(keyList.keys.map((entry) => [entry.shown, entry.does])));
    for (const [demonstration, ...meanings] of keyList.legends) {
      const heading = document.createElement('h3');
      heading.textContent = demonstration;
      list.append(heading, table(meanings.map((meaning, i) => [colours[i], meaning])));
    }
    const projector = document.createElement('p');
    projector.textContent = keyList.projector;
    list.appendChild(projector);
    byId('keys').showModal();
  }

  // ---- Start ----------------------------------------------------------------

  function started() {
    keyList = JSON.parse(UTF8ToString(Module._web_key_list()));
    buildMenu();
    watchTrackPanel();
    document.addEventListener('keydown', onKey);
    byId('fullscreen').addEventListener('click', toggleFullScreen);
    byId('copy-link').addEventListener('click', copyLink);
    byId('record').addEventListener('click', () => (recording ? stopRecording() : startRecording()));
    byId('aids-menu').addEventListener('click', toggleMenu);
    byId('aids').addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        closeMenu();
        byId('aids-menu').focus();
      }
    });
    // Offline after the first visit: the worker keeps this folder's files.
    if ('serviceWorker' in navigator && window.isSecureContext) {
      navigator.serviceWorker.register('sw.js').catch((error) => {
        console.warn('Offline use is not available: ' + error.message);
      });
    }
  }

  return page;
})();
