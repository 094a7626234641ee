// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's tests share: a static server on the loopback address for
// the built folders, Debian's Chromium driven by playwright-core, and helpers
// that click and read the page as a user would.
import { before, after } from 'node:test';
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { spawn } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { chromium } from 'playwright-core';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// The test build of the page: the same page with the frame recorder the tests read.
export const testSite = path.join(root, 'build/web-test');
export const shippedSite = path.join(root, 'build/web');
export const paritySite = path.join(root, 'build/web-parity');
export const launchArgs = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.svg': 'image/svg+xml', '.json': 'application/json', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

// Serves a folder (and the parity runs under /parity/) as any static host would.
export function serve(folder = testSite) {
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://localhost');
    const [base, rest] = url.pathname.startsWith('/parity/')
      ? [paritySite, url.pathname.slice('/parity'.length)] : [server.folder, url.pathname];
    const file = path.join(base, rest.endsWith('/') ? rest + 'index.html' : rest);
    try {
      const [body, info] = await Promise.all([readFile(file), stat(file)]);
      // Validators, as static hosts send them: a file asked for again, and
      // unchanged, costs a short answer.
      const tag = `"${info.size}-${info.mtimeMs}"`;
      server.served.push(url.pathname);
      if (request.headers['if-none-match'] === tag) {
        response.writeHead(304, { etag: tag }).end();
        return;
      }
      response.writeHead(200, { 'content-type': types[path.extname(file)] ?? 'text/plain', etag: tag,
                                'last-modified': info.mtime.toUTCString(), 'cache-control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  server.folder = folder;
  server.served = [];
  // Every byte the server has sent, headers included: what a visit transfers.
  const sockets = new Set();
  server.on('connection', (socket) => sockets.add(socket));
  server.sent = () => [...sockets].reduce((sum, socket) => sum + socket.bytesWritten, 0);
  // A test that fails before it closes the server must not keep its file's
  // run from ending.
  server.unref();
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    server.base = `http://127.0.0.1:${server.address().port}`;
    resolve(server);
  }));
}

// One server and one browser for a test file, started before its tests.
export function harness() {
  const h = {};
  before(async () => {
    h.server = await serve();
    h.base = h.server.base;
    h.browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: launchArgs });
  });
  after(async () => {
    await h.browser?.close();
    h.server?.close();
  });
  // A page of the program, its control panel shown; errors are collected.
  h.openPage = async (query = '', options = {}) => {
    const context = await h.browser.newContext({ viewport: { width: 1000, height: 800 }, ...options });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    await page.goto(h.base + '/' + query);
    await page.waitForSelector('#window1:not([hidden])');
    page.errors = errors;
    page.close = () => context.close();  // the page's own context goes with it
    return page;
  };
  return h;
}

// Chromium whose tabs can be hidden. Playwright's own pages always count as
// visible (it emulates focus), so this Chromium is started as a user starts
// it and joined without that emulation; its pages live in its one window and
// a tab opened over one hides it, as a user's other tab does.
export async function tabbedChromium() {
  const profile = await mkdtemp(path.join(tmpdir(), 'relativity-tabs-'));
  const chromeProcess = spawn('/usr/bin/chromium', [...launchArgs, '--headless=new', '--remote-debugging-port=0',
    `--user-data-dir=${profile}`, 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe'] });
  const endpoint = await new Promise((resolve, reject) => {
    let told = '';
    chromeProcess.stderr.on('data', (data) => {
      told += data;
      const found = told.match(/ws:\/\/\S+/);
      if (found) resolve(found[0]);
    });
    chromeProcess.on('exit', () => reject(new Error('Chromium ended: ' + told)));
  });
  const browser = await chromium.connectOverCDP(endpoint, { noDefaults: true });
  const session = await browser.newBrowserCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'deny' });
  const targetOf = async (page) => (await (await page.context().newCDPSession(page))
    .send('Target.getTargetInfo')).targetInfo.targetId;
  return {
    context: browser.contexts()[0],
    // Another tab over the page for a while, then the page's tab again.
    async hide(page, milliseconds) {
      const shown = await targetOf(page);
      const { targetId } = await session.send('Target.createTarget', { url: 'about:blank', newWindow: false });
      await new Promise((resolve) => setTimeout(resolve, milliseconds));
      await session.send('Target.activateTarget', { targetId: shown });
      await session.send('Target.closeTarget', { targetId });
    },
    async close() {
      await browser.close().catch(() => {});
      if (chromeProcess.exitCode === null) {
        const ended = new Promise((resolve) => chromeProcess.once('exit', resolve));
        chromeProcess.kill();
        await ended;
      }
      await rm(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
    },
  };
}

export const text = (page, id) => page.$eval('#' + id, (e) => ('value' in e && e.tagName !== 'BUTTON'
  ? e.value : e.textContent));
export const shown = (page, id) => page.$eval('#' + id, (e) => !e.hidden && !e.closest('[hidden]'));
export const frames = (page) => page.evaluate(() => relativityTest.frameTimes.length);

export async function clickTimes(page, id, times) {
  for (let i = 0; i < times; ++i) await page.click('#' + id);
}

// The state of the run as the program holds it, not as a caption shows it.
export const state = (page) => page.evaluate(() => relativityTest.state());

// Start, step to the type, Select.
export async function startRun(page, type) {
  await page.click('#CommandStart');
  while ((await state(page)).demo !== type) await page.click('#CommandSimulation');
  await page.click('#CommandStart');
}

export async function waitFrames(page, count) {
  const target = (await frames(page)) + count;
  await page.waitForFunction((n) => relativityTest.frameTimes.length >= n, target, { timeout: 20000 });
}

// A run sees Freeze at the end of a frame, so a frame already due when it
// was pressed is still drawn, up to a frame period later: waits until none
// has come for two periods (at most 3 s; frames that go on are the caller's
// to find).
export async function untilFramesStop(page) {
  const { slowMotion, frames: drawn } = await state(page);
  const period = slowMotion ? 400 : 100;
  const from = Date.now();
  let frames = drawn;
  let quietSince = from;
  while (Date.now() - quietSince < 2 * period && Date.now() - from < 3000) {
    await page.waitForTimeout(period / 4);
    const now = (await state(page)).frames;
    if (now !== frames) [frames, quietSince] = [now, Date.now()];
  }
}

// Three phases of speed and contraction, then frozen: the picture erased and
// drawn over dozens of frames.
export async function threeSpeedPhases(page) {
  await clickTimes(page, 'CommandVinc', 24);
  await page.click('#TControl');
  await waitFrames(page, 10);
  await clickTimes(page, 'CommandVdec', 9);
  await page.click('#TControl');
  await waitFrames(page, 10);
  await clickTimes(page, 'CommandVinc', 20);
  await waitFrames(page, 10);
  await page.click('#CommandFreeze');
  await untilFramesStop(page);
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
}

// The canvas against the program's buffer and the last frame drawn alone (the
// test build's recorder): pixels the canvas does not show as the buffer holds
// them, and pixels that are neither background, nor the last frame's, nor trail.
export const pictureCounts = (page) => page.evaluate(() => {
  const projector = relativityTest.state().projector;
  const ground = projector ? [255, 255, 255] : [192, 192, 192];
  const trail = projector ? [128, 128, 128] : [255, 255, 255];
  const canvas = document.querySelector('#window2 canvas');
  const shown = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  // Drawing the last frame alone may grow the memory: both views come after.
  const alonePixels = relativityTest.program._web_test_last_frame_alone();
  const width = relativityTest.program._web_test_track_width();
  const buffer = new Uint8Array(relativityTest.program.HEAPU8.buffer, relativityTest.program._web_test_track_pixels(), shown.length);
  const alone = new Uint8Array(relativityTest.program.HEAPU8.buffer, alonePixels, shown.length);
  let remnants = 0, unpainted = 0, drawn = 0;
  const same = (a, i, r, g, b) => a[i] === r && a[i + 1] === g && a[i + 2] === b;
  for (let i = 0; i < shown.length; i += 4) {
    if (!same(buffer, i, shown[i], shown[i + 1], shown[i + 2])) unpainted++;
    if (same(shown, i, ...ground)) continue;
    drawn++;
    if (same(shown, i, alone[i], alone[i + 1], alone[i + 2])) continue;
    if (same(shown, i, ...trail)) continue;
    remnants++;
  }
  return { remnants, unpainted, drawn, width, canvasWidth: canvas.width };
});
