// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching aids' keys, their menu beside the panels, and the list of
// keys and colours, all from the program's one table of them.
'use strict';

RelativityPage.keys = ((page) => {
  const byId = page.byId;
  // ---- Keys, the menu of aids, the list of keys ------------------------------

  let keyList = { keys: [], colours: [], legends: [], projector: '' };

  // Every aid goes to the program by its name; those only the page can give
  // come back to perform().
  function run(action) {
    const name = stringToNewUTF8(action);
    Module._web_aid(name);
    Module._free(name);
    updateMenu();
  }

  const pageActions = {
    save: () => page.picture.savePicture(),
    copy: () => page.picture.copyPicture(),
    keys: () => showKeys(),
    fullScreen: () => page.panel.toggleFullScreen(),
  };

  function perform(action) {
    if (pageActions[action]) pageActions[action]();
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
      if (!entry.action) continue;
      if (entry.keys.some((name) => matchesKey(event, name))) {
        event.preventDefault();
        run(entry.action);
        return;
      }
    }
  }

  function updateMenu() {
    const state = page.state();
    const on = { slowMotion: state.slowMotion, palette: state.projector };
    for (const item of byId('aids').children) {
      if (item.dataset.action in on) item.setAttribute('aria-checked', String(on[item.dataset.action]));
    }
  }

  function buildMenu() {
    const menu = byId('aids');
    menu.replaceChildren();
    for (const entry of keyList.keys) {
      if (!entry.menu) continue;
      const item = document.createElement('button');
      item.type = 'button';
      item.setAttribute('role', entry.switch ? 'menuitemcheckbox' : 'menuitem');
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
    const colours = keyList.colours;
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

  function start() {
    keyList = JSON.parse(UTF8ToString(Module._web_key_list()));
    buildMenu();
    document.addEventListener('keydown', onKey);
    byId('aids-menu').addEventListener('click', toggleMenu);
    byId('aids').addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        closeMenu();
        byId('aids-menu').focus();
      }
    });
  }

  return { start, perform };
})(RelativityPage);
