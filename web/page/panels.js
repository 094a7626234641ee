// SPDX-License-Identifier: GPL-3.0-or-later
// The page's panels on the screen: each panel scaled as a whole to the room
// it has (the program's geometry stays in its own units), the track panel as
// large as the viewport allows until the user sizes it, full screen, and
// links to what is shown.
import { state as programState } from './program.js';
import { byId, pageLanguage, qsTranslate, say } from './texts.js';

// ---- Panels sized and scaled to the viewport --------------------------------

const least = 24;          // CSS pixels every target answers to (WCAG 2.5.8)
const controlShare = 0.4;  // the control panel takes at most this much of the viewport's height
const coarse = matchMedia('(pointer: coarse)');
let userSized = false;
// Once the page is started: a panel the program shows while it starts up is
// laid out with the rest.
let started = false;

function panel(id) {
  const section = byId('window' + id);
  return section && { section, client: section.querySelector('.client') };
}

// The viewport's room right of and below a panel's top-left corner, short
// of the page's margin. The viewport without scroll bars: clientWidth.
function roomFor(section) {
  const desktop = byId('desktop');
  const margin = parseFloat(getComputedStyle(desktop).paddingRight) || 0;
  const box = section.getBoundingClientRect();
  return { width: document.documentElement.clientWidth - (box.left + scrollX) - margin,
           height: document.documentElement.clientHeight - (box.top + scrollY) - margin };
}

// A panel at a scale: its look uniformly and, on a touch screen, the reach
// its small targets need to answer within `least` CSS pixels on the
// screen. Rounded down, so a panel scaled to its room never ends a
// fraction past it.
function setScale(section, exact) {
  const scale = Math.floor(exact * 1000 + 1e-6) / 1000;
  section.style.zoom = scale === 1 ? '' : String(scale);
  section.classList.toggle('scaled-down', scale < 1);
  section.style.setProperty('--least', coarse.matches ? least / scale + 'px' : '0px');
}

// The smallest side of any target in the stored layout, at scale 1.
function smallestTarget(section) {
  let smallest = Infinity;
  for (const target of section.querySelectorAll('button, .pressable')) {
    const size = (name, offset) => parseFloat(target.style.getPropertyValue(name)) || offset;
    smallest = Math.min(smallest, size('--w', target.offsetWidth), size('--h', target.offsetHeight));
  }
  return smallest > 0 && smallest < Infinity ? smallest : least;
}

// One column: a phone held upright.
const stacked = () => getComputedStyle(byId('desktop')).getPropertyValue('--stacked').trim() === '1';

// Stacked (one column): the control panel takes the viewport's width. Beside
// the tools: scale 1 with a mouse; with a touch screen, the scale at which
// its smallest target is `least` pixels, unless that would leave the track
// panel too little of a low viewport; and never so wide that the tools lack
// their least width. Where the scale falls short, the small targets reach
// further (see the style's --least).
function scaleControlPanel() {
  const control = panel(1);
  if (!control) return;
  const desktop = byId('desktop');
  const style = getComputedStyle(desktop);
  const gap = parseFloat(style.columnGap) || 0;
  const width = control.section.offsetWidth, height = control.section.offsetHeight;
  const across = desktop.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const share = controlShare * document.documentElement.clientHeight / height;
  const touch = coarse.matches ? Math.ceil(1000 * least / smallestTarget(control.section)) / 1000 : 1;
  const beside = (across - gap - parseFloat(getComputedStyle(byId('bar')).minWidth)) / width;
  setScale(control.section, stacked() ? Math.min(across / width, share)
    : Math.min(touch, Math.max(1, share), beside));
}

// The spacetime diagram shares the track panel's room: beside it or below
// it, whichever leaves the track panel larger, taking at least this share
// of the room and this size (CSS pixels, its frame included).
const diagramShare = 0.4;
const leastDiagram = { width: 320, height: 260 };
// Larger than this, the diagram is scaled up as a whole, its labels with it,
// so a room's back row reads them on a projector.
const diagramAtScale1 = { width: 480, height: 360 };
const mostDiagramScale = 3;

const diagramShown = () => !!panel(3) && !panel(3).section.hidden;

// The room the track panel leaves the diagram, across or down.
function diagramPart(room, beside) {
  return beside ? Math.max(leastDiagram.width, Math.floor(room.width * diagramShare))
    : Math.max(leastDiagram.height, Math.floor(room.height * diagramShare));
}

// The track panel's room, less the diagram's part: beside it on a screen
// wider than the track panel's shape, below it otherwise. In one column the
// track panel keeps the viewport's width and the diagram follows it below,
// where the page scrolls.
function trackRoom(room, factor, gap) {
  if (!diagramShown() || stacked()) return { room, beside: false };
  const across = { width: room.width - diagramPart(room, true) - gap, height: room.height };
  const down = { width: room.width, height: room.height - diagramPart(room, false) - gap };
  const outer = (r) => Math.min(r.height, r.width / factor);
  const beside = outer(across) >= outer(down);
  return { room: beside ? across : down, beside };
}

// Idle or choosing, the track panel is sized to fill its room for the
// demonstration chosen (its width factor); a run keeps the size it was
// laid out for, as does a link's height, and the panel is scaled down
// while its room is smaller. Once the user drags its corner, the user's
// size holds at scale 1.
function fitTrackPanel() {
  const track = panel(2);
  if (!track || track.section.hidden) return;
  const state = programState();
  const gap = parseFloat(getComputedStyle(byId('desktop')).columnGap) || 0;
  const { room, beside } = trackRoom(roomFor(track.section), state.widthFactor, gap);
  byId('pictures').classList.toggle('below', diagramShown() && !beside);
  if (userSized) {
    setScale(track.section, 1);
    return;
  }
  if (state.mode !== 'running' && !state.sizedByLink) {
    const factor = state.widthFactor;
    const frame = frameOf(track.section);
    const smallest = (parseFloat(getComputedStyle(track.client).minHeight) || 0) + frame.height;
    const outer = Math.max(smallest, Math.floor(Math.min(room.height, room.width / factor)));
    track.client.style.height = outer - frame.height + 'px';
    track.client.style.width = Math.floor(outer * factor) - frame.width + 'px';
  }
  setScale(track.section, Math.min(1, room.width / track.section.offsetWidth,
                                   room.height / track.section.offsetHeight));
}

// The diagram fills what the track panel leaves of the viewport, right of
// it or below it.
function fitDiagram() {
  const diagram = panel(3);
  if (!diagramShown()) return;
  const room = roomFor(diagram.section);
  const outer = { width: Math.max(leastDiagram.width, Math.floor(room.width)),
                  height: Math.max(leastDiagram.height, Math.floor(room.height)) };
  const scale = Math.min(mostDiagramScale, Math.max(1, Math.min(outer.width / diagramAtScale1.width,
                                                              outer.height / diagramAtScale1.height)));
  setScale(diagram.section, scale);
  const zoom = parseFloat(diagram.section.style.zoom) || 1;
  const frame = frameOf(diagram.section);
  diagram.client.style.width = Math.floor(outer.width / zoom) - frame.width + 'px';
  diagram.client.style.height = Math.floor(outer.height / zoom) - frame.height + 'px';
}

// The panels, the control panel first: the track panel's room follows it,
// and the diagram's follows the track panel.
export function layOut() {
  if (!started) return;
  scaleControlPanel();
  fitTrackPanel();
  fitDiagram();
}

function watchPanels() {
  const track = panel(2);
  // The page's tools follow the control panel in reading order, as they
  // do on the screen, and the track panel and the diagram follow them.
  byId('window1').after(byId('bar'));
  byId('bar').after(byId('pictures'));
  byId('pictures').append(byId('window2'), byId('window3'));
  // A press on the corner's grip starts a drag of the user's own (a panel
  // scaled down has no grip).
  track.client.addEventListener('pointerdown', (event) => {
    if (track.section.classList.contains('scaled-down')) return;
    const box = track.client.getBoundingClientRect();
    const grip = 18 * (track.client.currentCSSZoom || 1);
    if (event.clientX > box.right - grip && event.clientY > box.bottom - grip) userSized = true;
  });
  window.addEventListener('resize', layOut);
  coarse.addEventListener('change', layOut);
  document.addEventListener('pointerdown', noteLastPanel);
  document.addEventListener('focusin', noteLastPanel);
  // A click or key may start, stop or end a run, or choose another
  // demonstration: the program has answered by the time these run.
  document.addEventListener('click', layOut);
  document.addEventListener('keyup', layOut);
  layOut();
}


export function windowShown(id, visible) {
  if (visible && started) layOut();
}

// ---- Full screen and links -------------------------------------------------

export function toggleFullScreen() {
  if (document.fullscreenElement) {
    document.exitFullscreen();
  } else {
    document.documentElement.requestFullscreen().catch(() => {
      say(qsTranslate('Page', 'This browser does not allow full screen here.'));
    });
  }
}

function currentLink() {
  const state = programState();
  const track = panel(2);
  const height = track ? track.section.offsetHeight : 0;
  const address = new URL(window.location.href);
  address.search = '?' + state.link + (height ? '&height=' + height : '') +
    (pageLanguage() !== 'en' ? '&lang=' + pageLanguage() : '');
  return address.href;
}

// Focus and selection as they are, to be given back.
function keepFocus() {
  const focused = document.activeElement;
  const selection = getSelection();
  const ranges = Array.from({ length: selection.rangeCount }, (_, i) => selection.getRangeAt(i));
  return () => {
    if (focused && focused !== document.body) focused.focus({ preventScroll: true });
    selection.removeAllRanges();
    for (const range of ranges) selection.addRange(range);
  };
}

// The link goes to the clipboard, leaving focus and selection alone. A
// browser that refuses shows it selected in a box; once the user has
// copied it from there, focus and selection go back where they were.
function copyLink() {
  const link = currentLink();
  const field = byId('link');
  field.value = link;
  return Promise.resolve()
    .then(() => navigator.clipboard.writeText(link))
    .then(() => {
      field.hidden = true;
      say(qsTranslate('Page', 'The link is on the clipboard.'));
      layOut();
    })
    .catch(() => {
      const giveBack = keepFocus();
      field.hidden = false;
      layOut();
      field.focus();
      field.select();
      field.addEventListener('copy', () => setTimeout(giveBack), { once: true });
      say(qsTranslate('Page', 'Copy the link from the box.'));
    });
}

// The panel's frame, as the program gave it to the page's style.
function frameOf(section) {
  const style = getComputedStyle(section);
  const border = parseFloat(style.getPropertyValue('--border')) || 0;
  const title = parseFloat(style.getPropertyValue('--title-height')) || 0;
  return { width: 2 * border, height: 2 * border + title };
}

export function start() {
  started = true;
  watchPanels();
  byId('fullscreen').addEventListener('click', toggleFullScreen);
  byId('copy-link').addEventListener('click', copyLink);
}

export const trackPanel = () => panel(2);

// The panel the user last pressed or moved the keyboard into: the picture's
// aids save or copy the diagram while it is that panel.
let lastPanel = 2;

function noteLastPanel(event) {
  const section = event.target instanceof Element && event.target.closest('.window');
  if (section) lastPanel = Number(section.id.replace('window', ''));
}

export const diagramChosen = () => lastPanel === 3 && diagramShown();
export const chosenPanel = () => panel(diagramChosen() ? 3 : 2);
