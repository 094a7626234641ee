// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the page calls it: where the run stands, the list of keys,
// and an aid by its name. The page's other calls come through the panels'
// own elements (buttons, the close boxes, resizing).

let program = null;

export function attach(instance) {
  program = instance;
}

// The program's state, as it holds it; empty until it has started.
export const state = () => (program && program._web_state
  ? JSON.parse(program.ccall('web_state', 'string')) : {});

export const keyList = () => JSON.parse(program.ccall('web_key_list', 'string'));

export function runAid(name) {
  program.ccall('web_aid', null, ['string'], [name]);
}
