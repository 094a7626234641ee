// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching aids on the page: every key the list names does what the list
// says, the saved picture names what it shows, the choices last, and what a
// newcomer met on both platforms is mended here too.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { harness, text, state, frames, clickTimes, startRun, waitFrames, untilFramesStop } from './harness.mjs';

const h = harness();

// The tEXt chunks of a PNG file, and its size.
function pngInfo(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const info = { width: view.getUint32(16), height: view.getUint32(20), text: {} };
  for (let at = 8; at < bytes.length;) {
    const length = view.getUint32(at);
    const type = String.fromCharCode(...bytes.subarray(at + 4, at + 8));
    const data = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'tEXt') {
      const [key, value] = new TextDecoder('latin1').decode(data).split('\0');
      info.text[key] = value;
    } else if (type === 'iTXt') {
      // Keyword, then the flag and method bytes (0: uncompressed), an empty
      // language and translated keyword, each ended by a zero byte.
      const parts = new TextDecoder().decode(data).split('\0');
      info.text[parts[0]] = parts.slice(5).join('\0');
    }
    at += 12 + length;
  }
  return info;
}

// Where the text of each control of the track panel lies, in device pixels:
// the middle of the pixels far from the colour behind it, in a saved picture
// and on the screen.
async function textCentres(page, png) {
  const screen = await page.locator('#window2 .client').screenshot();
  const boxes = await page.$$eval('#window2 .client .control', (all) => all.filter((e) => !e.hidden)
    .map((e) => {
      const behind = [e, e.closest('.client')].map((b) => getComputedStyle(b).backgroundColor)
        .find((colour) => !colour.startsWith('rgba(')).match(/\d+/g).map(Number);
      return { id: e.id, x: e.offsetLeft, y: e.offsetTop, w: e.offsetWidth, h: e.offsetHeight, behind };
    }));
  return page.evaluate(async ([pictures, boxes]) => {
    const ratio = window.devicePixelRatio;
    const pixels = async (base64) => {
      const bitmap = await createImageBitmap(await (await fetch('data:image/png;base64,' + base64)).blob());
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const centre = (image, box) => {
      const [x0, y0] = [Math.round(box.x * ratio) + 2, Math.round(box.y * ratio) + 2];
      const [x1, y1] = [Math.round((box.x + box.w) * ratio) - 2, Math.round((box.y + box.h) * ratio) - 2];
      let [sx, sy, n] = [0, 0, 0];
      for (let y = y0; y < y1; ++y) {
        for (let x = x0; x < x1; ++x) {
          const i = (y * image.width + x) * 4;
          const far = [0, 1, 2].reduce((d, c) => d + Math.abs(image.data[i + c] - box.behind[c]), 0);
          if (far > 192) [sx, sy, n] = [sx + x, sy + y, n + 1];
        }
      }
      return n ? [sx / n, sy / n] : null;
    };
    const [saved, shown] = await Promise.all(pictures.map(pixels));
    return boxes.map((box) => ({ id: box.id, saved: centre(saved, box), shown: centre(shown, box) }));
  }, [[png.toString('base64'), screen.toString('base64')], boxes]);
}

const keyList = (page) => page.evaluate(() => relativityTest.keyList());

test('every key the list names does what the list says', async () => {
  const page = await h.openPage('?demo=1&v=5', { acceptDownloads: true, deviceScaleFactor: 2,
                                                 permissions: ['clipboard-read', 'clipboard-write'] });
  await waitFrames(page, 2);
  const list = await keyList(page);
  const actions = list.keys.filter((entry) => entry.action !== '');
  assert.deepEqual(actions.map((entry) => entry.action).sort(),
                   ['copy', 'describe', 'fullScreen', 'keys', 'palette', 'save', 'slowMotion', 'spacetime',
                    'step']);
  for (const entry of actions) {
    for (const key of entry.keys.filter(Boolean)) {
      const press = () => page.keyboard.press(key.replace('Ctrl', 'Control').replace('Right', 'ArrowRight'));
      const before = await state(page);
      switch (entry.action) {
        case 'step': {  // a step, while frozen
          await page.click('#CommandFreeze');
          await untilFramesStop(page);
          const frozen = await frames(page);
          await press();
          await page.waitForTimeout(150);
          assert.equal(await frames(page), frozen + 1, key);
          await page.waitForTimeout(300);
          assert.equal(await frames(page), frozen + 1, `${key}: still frozen`);
          await page.click('#CommandFreeze');
          break;
        }
        case 'slowMotion':
          await press();
          assert.equal((await state(page)).slowMotion, !before.slowMotion, key);
          await press();
          break;
        case 'palette':
          await press();
          assert.equal((await state(page)).projector, !before.projector, key);
          await press();
          break;
        case 'spacetime':
          await press();
          assert.equal((await state(page)).spacetime, !before.spacetime, key);
          assert.equal(await page.isVisible('#window3'), !before.spacetime, key);
          await press();
          assert.equal(await page.isVisible('#window3'), before.spacetime, key);
          break;
        case 'describe': {
          await page.evaluate(() => { const said = document.getElementById('announcements'); if (said) said.textContent = ''; });
          await press();
          await page.waitForFunction(() => document.getElementById('announcements')?.textContent.length > 0,
            null, { timeout: 2000 });
          assert.match(await page.textContent('#announcements'), /observer/, key);
          break;
        }
        case 'save': {
          const [download] = await Promise.all([page.waitForEvent('download'), press()]);
          assert.equal(download.suggestedFilename(), 'relativity-train-1-v5.png');
          const png = pngInfo(await readFile(await download.path()));
          const client = await page.$eval('#window2 .client', (e) => [e.clientWidth, e.clientHeight]);
          assert.deepEqual([png.width, png.height], client.map((c) => Math.round(c * 2)), 'device pixels');
          assert.equal(png.text.Title, 'Round Track');
          assert.equal(png.text.Demonstration, '1');
          assert.equal(png.text.v, '5');
          assert.equal(png.text.Contraction, 'off');
          assert.ok(Number(png.text.Frame) > 0);
          // Frozen, the saved picture's title and readouts stand where the screen shows them,
          // within 2 CSS pixels (canvas and page place glyphs a little apart).
          await page.click('#CommandFreeze');
          await untilFramesStop(page);
          const [frozen] = await Promise.all([page.waitForEvent('download'), press()]);
          for (const { id, saved, shown } of await textCentres(page, await readFile(await frozen.path()))) {
            assert.ok(saved && shown && Math.hypot(saved[0] - shown[0], saved[1] - shown[1]) < 4,
                      `${id}: text at ${saved} in the picture, at ${shown} on the screen`);
          }
          await page.click('#CommandFreeze');
          // A title in another script goes into an iTXt chunk and reads back whole.
          const russian = await h.openPage('?demo=1&v=5&lang=ru', { acceptDownloads: true });
          await waitFrames(russian, 2);
          const [saved] = await Promise.all([russian.waitForEvent('download'), russian.keyboard.press('Control+s')]);
          assert.equal(pngInfo(await readFile(await saved.path())).text.Title, 'Круговая трасса');
          // A browser that will not copy the picture says so in the page's language.
          await russian.evaluate(() => { navigator.clipboard.write = () => Promise.reject(new Error('refused')); });
          await russian.keyboard.press('Control+c');
          await russian.waitForFunction(() => document.getElementById('status').textContent.length > 0);
          assert.equal(await russian.textContent('#status'), 'Этот браузер не даёт странице копировать картинку; сохраните её.');
          await russian.close();
          break;
        }
        case 'copy': {
          await press();
          await page.waitForFunction(() => document.getElementById('status').textContent.length > 0);
          const items = await page.evaluate(() => navigator.clipboard.read()
            .then((all) => all.flatMap((item) => item.types)));
          assert.ok(items.includes('image/png'), items.join(' '));
          break;
        }
        case 'keys':
          await press();
          assert.ok(await page.isVisible('#keys'), key);
          assert.ok((await page.textContent('#keys')).includes('Ctrl+S'));
          await page.keyboard.press('Escape');
          assert.equal(await page.isVisible('#keys'), false, `${key}: Escape closes`);
          break;
        case 'fullScreen':
          await press();
          await page.waitForTimeout(200);
          assert.ok(await page.evaluate(() => document.fullscreenElement !== null ||
            document.getElementById('status').textContent.length > 0), key);
          if (await page.evaluate(() => document.fullscreenElement !== null)) await press();
          break;
        default:
          assert.fail(`an action the test does not know: ${entry.action}`);
      }
    }
  }
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the menu of aids offers the same actions', async () => {
  const page = await h.openPage('?demo=2&v=3');
  assert.equal(await page.textContent('#aids-menu'), 'Teaching aids');
  await page.click('#aids-menu');
  assert.equal(await page.getAttribute('#aids-menu', 'aria-expanded'), 'true');
  const items = await page.$$eval('#aids button', (all) => all.map((b) => b.textContent));
  assert.equal(items.length, 9, items.join(' | '));  // full screen too, on the page
  await page.click('#aids button[data-action="slowMotion"]');  // slow motion
  assert.equal((await state(page)).slowMotion, true);
  await page.click('#aids-menu');
  assert.equal(await page.getAttribute('#aids button[data-action="slowMotion"]', 'aria-checked'), 'true');
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#aids'), false);
  // The WAI-ARIA menu button: keys open the menu at its first or last item,
  // move through it, and leave it; Escape returns to the button.
  const focused = () => page.evaluate(() => document.activeElement.dataset.action ?? document.activeElement.id);
  const [first, second, last] = await page.$$eval('#aids button', (all) => [all[0], all[1], all.at(-1)]
    .map((b) => b.dataset.action));
  await page.focus('#aids-menu');
  await page.keyboard.press('Tab');
  const afterButton = await focused();
  await page.focus('#aids-menu');
  for (const [key, after, open] of [['ArrowDown', first, true], ['ArrowUp', last, true], ['ArrowDown', first, true],
    ['End', last, true], ['Home', first, true], ['ArrowDown', second, true], ['Escape', 'aids-menu', false],
    ['ArrowUp', last, true], ['Escape', 'aids-menu', false], ['Enter', first, true], ['Tab', afterButton, false]]) {
    await page.keyboard.press(key);
    // The menu tells of its opening a moment later: then focus moves.
    await page.waitForFunction(([o, a]) => document.getElementById('aids').matches(':popover-open') === o &&
      (document.activeElement.dataset.action ?? document.activeElement.id) === a, [open, after],
    { timeout: 2000 }).catch(() => {});
    assert.equal(await focused(), after, key);
    assert.equal(await page.getAttribute('#aids-menu', 'aria-expanded'), String(open), key);
  }
  await page.close();
});

test('slow motion: a frame every 0.4 s', async () => {
  const page = await h.openPage('?demo=2&v=12');
  await page.keyboard.press('s');
  const from = await frames(page);
  await page.waitForTimeout(4200);
  const times = await page.evaluate((n) => relativityTest.frameTimes.slice(n), from);
  const intervals = times.slice(1).map((t, i) => t - times[i]).sort((a, b) => a - b);
  const median = intervals[Math.floor(intervals.length / 2)];
  console.log(`slow motion in Chromium: median interval ${median.toFixed(1)} ms over ${intervals.length}`);
  assert.ok(median >= 400 && median <= 405, String(median));
  await page.close();
});

// The palette and slow motion are as the user left them; nothing else is.
test('the palette and slow motion last from one visit to the next', async () => {
  const page = await h.openPage();
  await page.keyboard.press('p');
  await page.keyboard.press('s');
  await page.click('#CommandStart');
  await page.click('#CommandSimulation');
  await page.reload();
  await page.waitForSelector('#window1:not([hidden])');
  const s = await state(page);
  assert.deepEqual([s.projector, s.slowMotion, s.demo, s.mode], [true, true, 1, 'idle']);
  assert.equal(await page.$eval('#window1 .client canvas', (c) => c.getContext('2d')
    .getImageData(2, 2, 1, 1).data.slice(0, 3).join()), '255,255,255');
  await page.close();
  const usual = await h.openPage('?palette=usual');
  assert.equal((await state(usual)).projector, false);
  await usual.close();
});

// Mends: the whole readout row in the panel; a speed click while frozen shows
// at once; a contracted train never at c.
test('what a newcomer met is mended on the page too', async () => {
  const page = await h.openPage();
  for (const type of [1, 2, 3]) {
    await startRun(page, type);
    await waitFrames(page, 2);
    const outside = await page.evaluate(() => {
      const client = document.querySelector('#window2 .client').getBoundingClientRect();
      return Array.from(document.querySelectorAll('#window2 .control')).filter((e) => {
        const box = e.getBoundingClientRect();
        return box.left < client.left || box.right > client.right;
      }).map((e) => e.id);
    });
    assert.deepEqual(outside, [], `demonstration ${type}`);
    await page.click('#CommandStart');
  }
  await startRun(page, 1);
  await page.click('#CommandVinc');
  await page.click('#CommandFreeze');
  await page.waitForTimeout(250);
  const drawn = await frames(page);
  await clickTimes(page, 'CommandVinc', 3);
  assert.equal(await text(page, 'Tv'), '4');
  assert.equal(await frames(page), drawn);
  await page.click('#CommandFreeze');
  await clickTimes(page, 'CommandVinc', 27);  // to c, contraction off
  await page.click('#TControl');              // on at exactly c
  await waitFrames(page, 2);
  assert.equal((await state(page)).v, 29);
  assert.notEqual(await text(page, 'Tlength_obs2'), '0');
  assert.deepEqual(page.errors, []);
  await page.close();
});
