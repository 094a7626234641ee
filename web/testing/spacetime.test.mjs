// SPDX-License-Identifier: GPL-3.0-or-later
// The spacetime diagram on the page: it shares the viewport with the track
// panel at every size a classroom uses, with nothing clipped; it lasts, goes
// into the link, closes alone, saves itself and is told in words; and what
// it adds to a frame, measured.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { harness, state, startRun, clickTimes, waitFrames } from './harness.mjs';

const h = harness();

// Where the panels stand, and what of the diagram's labels and picture shows.
const layoutOf = (page) => page.evaluate(() => {
  const box = (id) => document.getElementById(id).getBoundingClientRect().toJSON();
  const client = document.querySelector('#window3 .client').getBoundingClientRect();
  const clipped = [];
  for (const label of document.querySelectorAll('#window3 .control')) {
    if (label.hidden || !label.textContent) continue;
    const range = document.createRange();
    range.selectNodeContents(label);
    const text = range.getBoundingClientRect();
    if (text.left < client.left - 1 || text.right > client.right + 1 || text.top < client.top - 1 ||
        text.bottom > client.bottom + 1) clipped.push(label.textContent);
  }
  const canvas = document.querySelector('#window3 canvas');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let red = 0;
  for (let i = 0; i < data.length; i += 4) red += data[i] === 255 && data[i + 1] === 0 && data[i + 2] === 0;
  return { control: box('window1'), track: box('window2'), diagram: box('window3'), clipped, red,
           viewport: { width: document.documentElement.clientWidth, height: innerHeight } };
});

const overlap = (a, b) => a.left < b.right - 1 && b.left < a.right - 1 && a.top < b.bottom - 1 &&
  b.top < a.bottom - 1;

// A laptop, a projector, a tablet upright and a phone upright: the diagram
// beside the track panel where the screen is wide, below it where it is
// tall, taking at least its share of their room, inside the viewport's
// width, clear of both panels, filling the viewport's height with them (a
// phone's page scrolls, its track panel as wide as the viewport).
test('the spacetime diagram shares the viewport with the track panel, nothing clipped', async () => {
  const screens = [
    { name: 'laptop', viewport: { width: 1280, height: 800 }, beside: true },
    { name: 'projector', viewport: { width: 1920, height: 1080 }, beside: true },
    { name: 'tablet', viewport: { width: 820, height: 1180 }, deviceScaleFactor: 2, hasTouch: true, beside: false },
    { name: 'phone', viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true,
      beside: false, scrolls: true },
  ];
  for (const { name, beside, scrolls, ...screen } of screens) {
    for (const demo of [1, 2, 3]) {
      const page = await h.openPage('?spacetime=on', screen);
      await startRun(page, demo);
      await clickTimes(page, 'CommandVinc', 15);
      await waitFrames(page, 20);
      const at = await layoutOf(page);
      const where = `${name}, demonstration ${demo}`;
      assert.ok(!overlap(at.diagram, at.track) && !overlap(at.diagram, at.control), where);
      assert.ok(at.diagram.right <= at.viewport.width + 1, `${where}: ${at.diagram.right}`);
      if (beside) assert.ok(at.diagram.left >= at.track.right, where);
      else assert.ok(at.diagram.top >= at.track.bottom, where);
      // It takes at least its share of the room the two panels have.
      const [part, room] = beside ? [at.diagram.width, at.diagram.right - at.track.left]
        : [at.diagram.height, at.diagram.bottom - at.track.top];
      assert.ok(part >= 0.4 * room - 2, `${where}: ${part} of ${room} px`);
      if (scrolls) {
        // In one column the track panel keeps the viewport's width, as without the diagram.
        assert.ok(at.track.width >= at.viewport.width - 18, `${where}: track ${at.track.width} px wide`);
      } else {
        assert.ok(at.diagram.bottom <= at.viewport.height + 1, `${where}: ${at.diagram.bottom}`);
        assert.ok(at.diagram.bottom >= at.viewport.height - 24, `${where}: fills to ${at.diagram.bottom}`);
      }
      assert.deepEqual(at.clipped, [], where);
      // Demonstration 3 passes its body in and out of the window.
      if (demo !== 3) assert.ok(at.red > 0, `${where}: the seen ends are marked`);
      assert.deepEqual(page.errors, [], where);
      await page.close();
    }
  }
});

test('the diagram lasts, goes into the link, closes alone, saves itself and is told', async () => {
  // A projector's viewport: the diagram is shown scaled up.
  const page = await h.openPage('', { acceptDownloads: true, deviceScaleFactor: 2,
                                      viewport: { width: 1920, height: 1080 } });
  await startRun(page, 1);
  await clickTimes(page, 'CommandVinc', 5);
  await page.keyboard.press('t');
  assert.equal((await state(page)).spacetime, true);
  assert.match((await state(page)).link, /&spacetime=on/);
  // Described with the picture while it is open.
  await page.keyboard.press('d');
  await page.waitForFunction(() => /diagram/.test(document.getElementById('announcements')?.textContent),
    null, { timeout: 3000 });
  // Its close box hides it and changes nothing else.
  await page.click('#window3 .close');
  const closed = await state(page);
  assert.deepEqual([closed.spacetime, closed.mode, closed.v, await page.isVisible('#window2')],
                   [false, 'running', 5, true]);
  assert.equal(await page.isVisible('#window3'), false);
  // Remembered from one visit to the next, off and on.
  await page.reload();
  await page.waitForSelector('#window1:not([hidden])');
  assert.equal((await state(page)).spacetime, false);
  await page.keyboard.press('t');
  await page.goto(page.url().split('?')[0] + '?demo=1&v=5');
  await page.waitForSelector('#window3:not([hidden])');
  await waitFrames(page, 3);
  // Ctrl+S saves the diagram while the user is at it.
  await page.click('#window3 .client', { position: { x: 40, y: 40 } });
  const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Control+s')]);
  assert.equal(download.suggestedFilename(), 'relativity-train-1-v5-spacetime.png');
  const png = await readFile(await download.path());
  const client = await page.$eval('#window3 .client', (e) => [e.clientWidth, e.clientHeight]);
  const zoom = await page.$eval('#window3', (e) => e.currentCSSZoom || 1);
  assert.ok(zoom > 1);  // at the size the page shows it
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], client.map((c) => Math.round(c * 2 * zoom)));
  assert.deepEqual(page.errors, []);
  await page.close();
});

// What a frame costs the program with the diagram open and without, in the
// same run, at pixel ratio 2, the track panel laid out beside the diagram as
// a user opens it; printed, for the record. The two alternate a few times,
// so that what else the machine does weighs on both alike; the diagram's
// own painting is printed beside.
test('benchmark: what the spacetime diagram adds to a frame at pixel ratio 2', async () => {
  for (const demo of [1, 2, 3]) {
    const page = await h.openPage('?spacetime=on', { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 2 });
    await startRun(page, demo);
    await clickTimes(page, 'CommandVinc', 15);
    await waitFrames(page, 5);
    await page.evaluate(() => {
      const program = relativityTest.program;
      window.frameCost = { all: 0, diagramPaint: 0 };
      for (const name of ['_web_on_timer', '_web_on_paint']) {
        const call = program[name];
        program[name] = (...args) => {
          const start = performance.now();
          const result = call(...args);
          const spent = performance.now() - start;
          window.frameCost.all += spent;
          if (name === '_web_on_paint' && args[0] === 3) window.frameCost.diagramPaint += spent;
          return result;
        };
      }
    });
    const phase = async (count) => {
      const from = await page.evaluate(() => {
        window.frameCost = { all: 0, diagramPaint: 0 };
        return relativityTest.frameTimes.length;
      });
      await waitFrames(page, count);
      return page.evaluate((f) => ({ ...window.frameCost, frames: relativityTest.frameTimes.length - f }), from);
    };
    const sums = { with: { all: 0, diagramPaint: 0, frames: 0 }, alone: { all: 0, diagramPaint: 0, frames: 0 } };
    const add = (sum, cost) => { for (const key in sum) sum[key] += cost[key]; };
    // The track panel keeps its size as the diagram opens and closes here.
    const trackCanvas = () => page.$eval('#window2 canvas', (c) => `${c.width} x ${c.height}`);
    const track = await trackCanvas();
    for (let round = 0; round < 4; ++round) {
      add(sums.with, await phase(30));
      await page.keyboard.press('t');
      await waitFrames(page, 3);
      add(sums.alone, await phase(30));
      await page.keyboard.press('t');
      await waitFrames(page, 3);
    }
    assert.equal(await trackCanvas(), track);
    const trackAlone = sums.alone.all / sums.alone.frames;
    const withDiagram = sums.with.all / sums.with.frames;
    console.log(`demonstration ${demo}: ${trackAlone.toFixed(2)} ms a frame (track ${track} px), ` +
                `${withDiagram.toFixed(2)} ms with the diagram, of which ` +
                `${(sums.with.diagramPaint / sums.with.frames).toFixed(2)} ms its painting: it adds ` +
                `${((withDiagram - trackAlone) / trackAlone).toFixed(2)} of the track's cost`);
    assert.ok(trackAlone > 0 && withDiagram > 0);
    await page.close();
  }
});
