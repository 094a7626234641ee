// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching aids' keys, their menu beside the panels, and the list of
// keys and colours, all from the program's one table of them.
import { layOut, toggleFullScreen } from './panels.js';
import { copyPicture, savePicture } from './picture.js';
import { keyList as keysOfProgram, runAid, state as programState } from './program.js';
import { byId } from './texts.js';

// ---- Keys, the menu of aids, the list of keys ------------------------------

let keyList = { keys: [], colours: [], legends: [], projector: '' };

// Every aid goes to the program by its name; those only the page can give
// come back to perform().
function run(action) {
  runAid(action);
  updateMenu();
}

const pageActions = {
  save: () => savePicture(),
  copy: () => copyPicture(),
  keys: () => showKeys(),
  fullScreen: () => toggleFullScreen(),
  // The program showed or hid the diagram: the panels share the room anew.
  spacetime: () => layOut(),
};

export function perform(action) {
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

// Text the user has selected, in the page or in a box.
function textSelected() {
  const box = document.activeElement;
  if (box && /^(INPUT|TEXTAREA)$/.test(box.tagName) && box.selectionStart !== box.selectionEnd) return true;
  return String(window.getSelection()).length > 0;
}

function onKey(event) {
  if (document.querySelector('dialog[open]') || programState().mode === undefined) return;
  for (const entry of keyList.keys) {
    if (!entry.action) continue;
    if (entry.keys.some((name) => matchesKey(event, name))) {
      // Copying a selected text stays the browser's.
      if (entry.action === 'copy' && textSelected()) return;
      event.preventDefault();
      run(entry.action);
      return;
    }
  }
}

function updateMenu() {
  const state = programState();
  const on = { slowMotion: state.slowMotion, palette: state.projector, spacetime: state.spacetime };
  for (const item of byId('aids').children) {
    if (item.dataset.action in on) item.setAttribute('aria-checked', String(on[item.dataset.action]));
  }
}

// The menu of aids follows the WAI-ARIA menu button pattern: its button
// opens it (Down or Return or Space at the first item, Up at the last);
// the arrows, Home and End move through it; Escape closes it and returns
// to the button; Tab closes it and goes on from the button; a click
// elsewhere closes it (the browser's light dismiss of a popover).
function buildMenu() {
  const menu = byId('aids');
  menu.replaceChildren();
  for (const entry of keyList.keys) {
    if (!entry.menu) continue;
    const item = document.createElement('button');
    item.type = 'button';
    item.tabIndex = -1;
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

let openAt = 0;  // the item that takes focus when the menu opens: 0 the first, -1 the last

export function closeMenu() {
  if (byId('aids').matches(':popover-open')) byId('aids').hidePopover();
}

function openMenu(at) {
  openAt = at;
  byId('aids').showPopover();
}

// The button tells whether the menu is open as it opens or closes, by any
// means (light dismiss too); focus moves once it is shown.
function onMenuBeforeToggle(event) {
  byId('aids-menu').setAttribute('aria-expanded', String(event.newState === 'open'));
}

function onMenuToggle(event) {
  if (event.newState === 'open') Array.from(byId('aids').children).at(openAt)?.focus();
  openAt = 0;
}

function onMenuButtonKey(event) {
  if (event.key !== 'ArrowDown' && event.key !== 'ArrowUp') return;
  event.preventDefault();
  if (!byId('aids').matches(':popover-open')) openMenu(event.key === 'ArrowUp' ? -1 : 0);
}

function onMenuKey(event) {
  const items = Array.from(byId('aids').children);
  const at = items.indexOf(document.activeElement);
  const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1 };
  if (event.key in moves) {
    event.preventDefault();
    items.at(moves[event.key] % items.length).focus();
  } else if (event.key === 'Escape') {
    event.preventDefault();
    closeMenu();
    byId('aids-menu').focus();
  } else if (event.key === 'Tab') {
    // Closing gives focus back to the button; Tab goes on from there.
    closeMenu();
  }
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

export function start() {
  keyList = keysOfProgram();
  buildMenu();
  document.addEventListener('keydown', onKey);
  const menu = byId('aids');
  byId('aids-menu').addEventListener('keydown', onMenuButtonKey);
  menu.addEventListener('beforetoggle', onMenuBeforeToggle);
  menu.addEventListener('toggle', onMenuToggle);
  menu.addEventListener('keydown', onMenuKey);
}

