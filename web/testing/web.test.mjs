// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's Chromium, headless: the run cycle, readouts,
// exact erasing on the canvas, pacing, load time and size, and frame-by-frame
// parity of the browser build's drawing with the native build's.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdir, stat } from 'node:fs/promises';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { harness, root, testSite as site, text, shown, frames, clickTimes, startRun, waitFrames,
  threeSpeedPhases, pictureCounts, untilFramesStop } from './harness.mjs';

const goldenDump = path.join(root, 'build/test/tests/golden_dump');
const h = harness();
const openPage = (query) => h.openPage(query);

test('the files fit the budget and the control panel appears within a second', async () => {
  let bytes = 0;
  for (const name of ['relativity-train.js', 'relativity-train.wasm']) {
    bytes += (await stat(path.join(site, name))).size;
  }
  for (const name of ['index.html', 'icon.svg']) await stat(path.join(site, name));
  console.log(`code: ${bytes} bytes (.js and .wasm)`);
  assert.ok(bytes <= 400 * 1024, `${bytes} bytes`);
  const page = await h.browser.newPage();
  const started = Date.now();
  await page.goto(h.base + '/');
  await page.waitForSelector('#window1:not([hidden]) #CommandStart');
  const took = Date.now() - started;
  console.log(`control panel shown ${took} ms after navigation`);
  assert.ok(took < 1000, `${took} ms`);
  await page.close();
});

test('the run cycle walks Start, Select, Stop and Cancel as on the desktop', async () => {
  const page = await openPage();
  assert.equal(await page.title(), 'Relativity Train');
  assert.equal(await text(page, 'CommandStart'), 'Start');
  assert.equal(await shown(page, 'window2'), false);
  for (const id of ['CommandVinc', 'Tv', 'LType', 'Text7']) assert.equal(await shown(page, id), false);

  await page.click('#CommandStart');
  assert.equal(await text(page, 'CommandStart'), 'Select');
  assert.equal(await text(page, 'Text5'), 'Select Simulation');
  assert.ok(await shown(page, 'window2'));
  const [upper, lower] = await page.$$eval('.window', (w) => w.map((e) => e.getBoundingClientRect()));
  assert.equal(lower.top, upper.bottom, 'the track window sits directly under');
  assert.equal(lower.left, upper.left);
  const steps = [];
  for (let i = 0; i < 3; ++i) {
    await page.click('#CommandSimulation');
    steps.push(await text(page, 'LType'));
  }
  assert.deepEqual(steps, [' 2', ' 3', ' 1']);
  assert.equal(await page.getAttribute('#LType', 'aria-label'), 'Demonstration type 1');

  await page.click('#CommandStart');
  assert.equal(await text(page, 'CommandStart'), 'Stop');
  assert.equal(await text(page, 'Text52'), 'Train on round track Demonstration');
  assert.equal(await text(page, 'Tcc'), '30');
  await clickTimes(page, 'CommandVinc', 3);
  await waitFrames(page, 3);
  assert.equal(await text(page, 'Tv'), '3');
  await page.click('#CommandVdec');
  await waitFrames(page, 2);
  assert.equal(await text(page, 'Tv'), '2');
  await page.click('#CommandVzero');
  await waitFrames(page, 2);
  assert.equal(await text(page, 'Tv'), '0');

  await page.click('#CommandFreeze');
  assert.equal(await text(page, 'CommandFreeze'), 'Un Freeze');
  await untilFramesStop(page);
  const frozenAt = await frames(page);
  await page.waitForTimeout(400);
  assert.equal(await frames(page), frozenAt, 'no frame while frozen');
  await page.click('#CommandFreeze');
  assert.equal(await text(page, 'CommandFreeze'), 'Freeze');
  await waitFrames(page, 2);

  await page.click('#CommandStart');
  assert.equal(await text(page, 'CommandStart'), 'Start');
  assert.equal(await shown(page, 'CommandVinc'), false);
  assert.ok(await shown(page, 'window2'), 'the picture stays');
  await page.waitForTimeout(300);
  const stoppedAt = await frames(page);
  await page.waitForTimeout(300);
  assert.equal(await frames(page), stoppedAt, 'no frame after the stop');

  await page.click('#CommandStart');
  assert.equal(await text(page, 'CommandStart'), 'Select');
  await page.click('#CommandStart');
  await waitFrames(page, 2);
  await page.click('#CommandCancel');
  assert.ok(await page.isVisible('#ended'));
  assert.match(await page.textContent('#ended'), /has ended[\s\S]*Start again/);
  assert.equal(await shown(page, 'window1'), false);
  const endedAt = await frames(page);
  await page.waitForTimeout(400);
  assert.equal(await frames(page), endedAt, 'every timer stopped');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('buttons are buttons, the boxes read-only, and the keyboard works', async () => {
  const page = await openPage();
  assert.equal(await page.$eval('#CommandStart', (e) => e.tagName), 'BUTTON');
  await page.focus('#CommandStart');
  await page.keyboard.press('Space');
  assert.equal(await text(page, 'CommandStart'), 'Select');
  await page.focus('#LType');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'LType'), ' 2');
  await page.keyboard.press('Enter');  // "Select" would be next by Tab; here the type steps on
  assert.equal(await text(page, 'LType'), ' 3');
  await page.click('#CommandStart');
  for (const id of ['Tv', 'Tcc', 'TTime', 'Text5', 'Text7', 'TControl', 'Tlength_obs2', 'Tv_obs2']) {
    const before = await text(page, id);
    await page.focus('#' + id);
    await page.keyboard.type('10');
    assert.equal(await text(page, id), before, id);
  }
  await page.focus('#TControl');
  await page.keyboard.press('Space');
  assert.equal(await text(page, 'TControl'), 'ON');
  await page.keyboard.press('Enter');
  assert.equal(await text(page, 'TControl'), 'OFF');
  await page.close();
});

test('readouts: the round track at v = 15 with contraction on shows 866', async () => {
  // At pixel ratio 2 on a 1280 x 800 screen, for the README's picture.
  const page = await h.openPage('', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 });
  await startRun(page, 1);
  await page.click('#TControl');
  await clickTimes(page, 'CommandVinc', 15);
  await waitFrames(page, 30);
  assert.equal(await text(page, 'Tv'), '15');
  assert.equal(await text(page, 'Tlength_obs2'), '866');
  assert.equal(await text(page, 'Tv_obs2'), '15');
  await mkdir(path.join(root, 'build/web-tests'), { recursive: true });
  await page.screenshot({ path: path.join(root, 'build/web-tests/round-track.png') });
  await page.close();
});

test('a taller track window before Select gives a larger picture', async () => {
  const page = await openPage();
  await page.click('#CommandStart');
  const client = await page.$('#window2 .client');
  const box = await client.boundingBox();
  await page.mouse.move(box.x + box.width - 3, box.y + box.height - 3);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width + 60, box.y + box.height + 150, { steps: 5 });
  await page.mouse.up();
  const grown = await client.boundingBox();
  assert.ok(grown.height > box.height + 100, `${grown.height} after ${box.height}`);
  await page.click('#CommandStart');  // Select: the round track makes the window square
  await waitFrames(page, 1);
  const outer = await page.$eval('#window2', (e) => [e.offsetWidth, e.offsetHeight]);
  assert.ok(Math.abs(outer[0] - outer[1]) <= 1, String(outer));
  assert.ok(outer[1] >= Math.round(grown.height), String(outer));
  // The readout row follows the bottom edge, at Select and after a resize in
  // one step mid-run alike.
  const rowNearTheBottom = async () => {
    const gaps = await page.$$eval('#window2 .control[id$="_obs2"], #window2 .control[id^="TLocalTime"]', (readouts) => {
      const client = document.querySelector('#window2 .client').getBoundingClientRect();
      return readouts.map((e) => (client.bottom - e.getBoundingClientRect().top) / client.height);
    });
    assert.ok(gaps.length >= 3 && gaps.every((gap) => gap > 0 && gap < 0.25), String(gaps));
  };
  await rowNearTheBottom();
  // The grip's outcome: a panel scaled to the viewport has no grip.
  const before = await client.evaluate((e) => e.offsetHeight);
  await client.evaluate((e) => { e.style.height = e.offsetHeight + 150 + 'px'; });
  await waitFrames(page, 2);
  assert.ok(await client.evaluate((e, h) => e.offsetHeight > h + 100, before));
  await rowNearTheBottom();
  await page.close();
});

// The canvas pixels, read back after laps at changing speeds and contraction,
// at the pixel ratios of ordinary, zoomed and phone screens, in both palettes:
// each is background, as the last frame alone drew it, or trail. The canvas
// holds device pixels: CSS width times the ratio.
test('erasing leaves no stray pixel at any pixel ratio or palette', async () => {
  const runs = [[1, ''], [1.5, ''], [2, ''], [3, ''], [2, '?palette=projector']];
  for (const [ratio, query] of runs) {
    const page = await h.openPage(query, { deviceScaleFactor: ratio });
    for (const type of [1, 2, 3]) {
      await startRun(page, type);
      // The buffer follows the panel: its CSS width times the ratio, in device pixels.
      await page.waitForFunction((r) => {
        const client = document.querySelector('#window2 .client');
        return client.querySelector('canvas').width >= Math.round(client.clientWidth * r);
      }, ratio);
      await threeSpeedPhases(page);
      const counts = await pictureCounts(page);
      console.log(`ratio ${ratio}${query}, demonstration ${type}: ${counts.drawn} drawn pixels, ` +
                  `${counts.remnants} remnants`);
      assert.equal(counts.unpainted, 0, 'the canvas shows the picture');
      assert.equal(counts.remnants, 0, `remnants in demonstration ${type} at ratio ${ratio}`);
      assert.ok(counts.drawn > 0);
      await page.click('#CommandFreeze');
      await page.click('#CommandStart');  // Stop
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});

test('frames come ten a second', async () => {
  const page = await openPage();
  await startRun(page, 2);
  await clickTimes(page, 'CommandVinc', 20);
  await waitFrames(page, 5);
  const first = await frames(page);
  await waitFrames(page, 40);
  const times = await page.evaluate((from) => relativityTest.frameTimes.slice(from), first);
  const intervals = times.slice(1).map((t, i) => t - times[i]).sort((a, b) => a - b);
  const median = intervals[Math.floor(intervals.length / 2)];
  const p90 = intervals[Math.floor(intervals.length * 0.9)];
  console.log(`frame interval over ${intervals.length}: median ${median.toFixed(2)} ms, ` +
              `90th percentile ${p90.toFixed(2)} ms, least ${intervals[0].toFixed(2)} ms`);
  assert.ok(intervals[0] >= 100, `${intervals[0]} ms`);
  assert.ok(median >= 100 && median <= 102, `${median} ms`);
  await page.close();
});

// Numbers may differ only in their last bits between the two compilers'
// maths libraries: within 4 units in the last place of a single-precision value.
function ulpsApart(a, b) {
  const view = new DataView(new ArrayBuffer(8));
  view.setFloat32(0, a);
  view.setFloat32(4, b);
  const ia = view.getInt32(0), ib = view.getInt32(4);
  return Math.abs((ia < 0 ? 0x80000000 - ia : ia) - (ib < 0 ? 0x80000000 - ib : ib));
}

test('the browser build draws every frame as the native build does', async () => {
  const page = await h.browser.newPage();
  await page.goto(h.base + '/parity/parity.html');
  await page.waitForFunction(() => typeof Module !== 'undefined' && Module.calledRun);
  let worst = 0, differing = 0, numbers = 0;
  for (const type of [1, 2, 3]) {
    const web = await page.evaluate((t) => {
      const pointer = Module.ccall('parity_frames', 'number', ['number'], [t]);
      const frames = Module.UTF8ToString(pointer);
      Module._free(pointer);
      return frames;
    }, type);
    const native = execFileSync(goldenDump, [String(type)], { encoding: 'utf8', maxBuffer: 1 << 26 });
    const webLines = web.split('\n');
    const nativeLines = native.split('\n');
    assert.equal(webLines.length, nativeLines.length, `demonstration ${type}: line count`);
    for (let i = 0; i < webLines.length; ++i) {
      const a = webLines[i].split(' '), b = nativeLines[i].split(' ');
      assert.equal(a.length, b.length, `demonstration ${type}, line ${i + 1}`);
      for (let k = 0; k < a.length; ++k) {
        if (a[k] === b[k]) continue;
        const x = Number(a[k]), y = Number(b[k]);
        assert.ok(a[0] !== 'readouts' && Number.isFinite(x) && Number.isFinite(y),
                  `demonstration ${type}, line ${i + 1}: ${webLines[i]} | ${nativeLines[i]}`);
        const apart = ulpsApart(x, y);
        worst = Math.max(worst, apart);
        differing++;
        assert.ok(apart <= 4, `demonstration ${type}, line ${i + 1}: ${a[k]} vs ${b[k]}`);
      }
      numbers += a.length;
    }
  }
  console.log(`parity: ${differing} of ${numbers} fields differ, at most ${worst} units in the last place`);
  await page.close();
});
