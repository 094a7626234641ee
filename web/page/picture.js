// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the track panel as the user sees it: saved as a PNG that
// names what it shows, copied, or recorded as a clip. While the user is at
// the spacetime diagram, saving and copying take the diagram instead.
import { chosenPanel, diagramChosen, trackPanel } from './panels.js';
import { state as programState } from './program.js';
import { byId, qsTranslate, say } from './texts.js';

// ---- The picture: saved, copied, recorded --------------------------------

// A panel's client area as the user sees it, picture, title and readouts
// (or labels), at the screen's device resolution, and larger as the page
// shows it larger (never smaller: a panel scaled down keeps its detail).
function composePanel(panel, target) {
  const ratio = (window.devicePixelRatio || 1) * Math.max(1, panel.section.currentCSSZoom || 1);
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
  context.drawImage(picture, 0, 0, parseFloat(picture.style.width), parseFloat(picture.style.height));
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
    // Where the text starts on the screen: inside the border and padding,
    // which a box has and a label has not.
    const start = x + control.clientLeft + parseFloat(style.paddingLeft);
    context.fillText(text, centred ? x + w / 2 : start, y + h / 2);
  }
  return canvas;
}

const baseName = () => programState().picture;

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
// A tEXt chunk holds Latin-1 only; any other text (a title in Russian or
// Chinese) goes in an iTXt chunk, as UTF-8, uncompressed, with no language.
function textChunk(key, value) {
  const latin1 = /^[\x20-\x7e\xa0-\xff]*$/.test(value);
  const data = latin1 ? Uint8Array.from(key + '\0' + value, (c) => c.charCodeAt(0))
    : new TextEncoder().encode(key + '\0\0\0\0\0' + value);
  const chunk = new Uint8Array(12 + data.length);
  const view = new DataView(chunk.buffer);
  view.setUint32(0, data.length);
  chunk.set(new TextEncoder().encode(latin1 ? 'tEXt' : 'iTXt'), 4);
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
  const state = programState();
  const panel = chosenPanel();
  return new Promise((resolve) => composePanel(panel).toBlob(resolve, 'image/png')).then((png) => {
    if (!png) throw new Error(qsTranslate('Page', 'the browser could not make the image'));
    return withText(png, state.pictureTexts);
  });
}

export function savePicture() {
  const name = baseName() + (diagramChosen() ? '-spacetime' : '') + '.png';
  return picture().then((png) => download(png, name)).catch((error) => {
    say(qsTranslate('Page', 'The picture was not saved: %1').replace('%1', error.message));
  });
}

export function copyPicture() {
  return Promise.resolve()
    .then(() => navigator.clipboard.write([new ClipboardItem({ 'image/png': picture() })]))
    .then(() => say(qsTranslate('Page', 'The picture is on the clipboard.')))
    .catch(() => say(qsTranslate('Page',
      'This browser does not let the page copy the picture; save it instead.')));
}

let recording = null;

function startRecording() {
  if (programState().mode !== 'running') {
    say(qsTranslate('Page', 'A clip records a running demonstration: choose one and click Select first.'));
    return;
  }
  const canvas = composePanel(trackPanel());
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
  byId('record').textContent = recording ? qsTranslate('Page', 'Stop recording')
    : qsTranslate('Page', 'Record clip');
}

export function stopRecording() {
  if (!recording) return;
  clearTimeout(recording.limit);
  recording.recorder.stop();
  recording = null;
  byId('record').textContent = recording ? qsTranslate('Page', 'Stop recording')
    : qsTranslate('Page', 'Record clip');
}

// Each frame of the run is a frame of the clip; the clip ends with the run.
export function frameDrawn() {
  if (!recording) return;
  requestAnimationFrame(() => {
    if (!recording) return;
    if (programState().mode !== 'running') {
      stopRecording();
      return;
    }
    composePanel(trackPanel(), recording.canvas);
    recording.track.requestFrame();
  });
}

export function start() {
  byId('record').addEventListener('click', () => (recording ? stopRecording() : startRecording()));
}

export const isRecording = () => recording !== null;
