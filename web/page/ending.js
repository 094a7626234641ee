// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the program: the control panel's close box asks first, and the
// ended page offers to start again.
import { closeMenu } from './keys.js';
import { stopRecording } from './picture.js';
import { byId } from './texts.js';

// The control panel's close box ends the program, so it asks first.
export function closeWindow(id, close) {
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
}

// The panels are gone, and so are the tools for them; "Start again" loads
// the page anew, as it was opened.
export function programEnded() {
  stopRecording();
  closeMenu();
  for (const part of document.querySelectorAll('#bar .tools, #status')) part.hidden = true;
  byId('ended').hidden = false;
  byId('start-again').focus();
}

export function start() {
  byId('start-again').addEventListener('click', () => window.location.reload());
}
