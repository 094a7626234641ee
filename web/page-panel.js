// SPDX-License-Identifier: GPL-3.0-or-later
// The page's panels on the screen: the track panel as large as the viewport
// allows until the user sizes it, full screen, and links to what is shown.
'use strict';

RelativityPage.panel = ((page) => {
  const byId = page.byId;
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

  function windowShown(id, visible) {
    if (id === 2 && visible) fitTrackPanel();
  }

  // ---- Full screen and links -------------------------------------------------

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      document.documentElement.requestFullscreen().catch(() => {
        page.say(qsTranslate('Page', 'This browser does not allow full screen here.'));
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
      .then(() => page.say(qsTranslate('Page', 'The link is on the clipboard.')))
      .catch(() => page.say(qsTranslate('Page', 'Copy the link from the box.')));
  }

  function start() {
    watchTrackPanel();
    byId('fullscreen').addEventListener('click', toggleFullScreen);
    byId('copy-link').addEventListener('click', copyLink);
  }

  return { start, windowShown, trackPanel, toggleFullScreen };
})(RelativityPage);
