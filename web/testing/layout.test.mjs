// SPDX-License-Identifier: GPL-3.0-or-later
// The page at every size a classroom uses: phones held either way, a tablet,
// laptops, a projector and a large screen, at their pixel ratios, in four
// languages, through every state of a visit. In each, everything the user
// can press is in sight or can be scrolled to, answers a press at its centre
// (on a touch screen anywhere within 24 x 24 CSS pixels), is clipped by
// nothing, and shows its whole text; the readouts lie in the track panel, the
// track panel fits the viewport, and nothing needs scrolling sideways.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { harness, state, waitFrames } from './harness.mjs';

const h = harness();

const phone = { hasTouch: true, isMobile: true };
const sizes = [
  { width: 320, height: 568, ratios: [2, 3], ...phone },
  { width: 390, height: 844, ratios: [2, 3], ...phone },
  { width: 844, height: 390, ratios: [2, 3], ...phone },
  { width: 768, height: 1024, ratios: [2], hasTouch: true, isMobile: true },
  { width: 1280, height: 800, ratios: [1, 2] },
  { width: 1366, height: 768, ratios: [1, 2] },
  { width: 1920, height: 1080, ratios: [1] },
  { width: 2560, height: 1440, ratios: [1, 2] },
];
const languages = ['en', 'de', 'ru', 'zh_CN'];

// Every check of one state, in the page: a list of what failed and a count
// of what was checked. `options.coarse`: targets answer within 24 x 24.
// `options.fits`: the track panel, if shown, lies inside the viewport.
function layoutProblems(options) {
  const problems = [];
  let checks = 0;
  const expect = (holds, what) => {
    checks++;
    if (!holds) problems.push(what);
  };
  const root = document.documentElement;
  const name = (e) => e.id || (e.dataset.action && 'aid ' + e.dataset.action) || e.className || e.tagName;
  const shown = (e) => e.checkVisibility() && e.getClientRects().length > 0;
  const inside = (box, area) => box.left >= area.left - 1 && box.top >= area.top - 1 &&
    box.right <= area.right + 1 && box.bottom <= area.bottom + 1;
  const viewport = () => ({ left: 0, top: 0, right: root.clientWidth, bottom: root.clientHeight });
  const hits = (e, x, y) => {
    const found = document.elementFromPoint(x, y);
    return found !== null && (found === e || e.contains(found));
  };
  // What the user can reach: the open layer (a dialog or the menu) if there
  // is one, else the page.
  const layer = document.querySelector('dialog[open]') ??
    document.querySelector('#aids:popover-open') ?? document.body;
  const pressable = 'button, .pressable, [role^="menuitem"]';
  const controls = Array.from(layer.querySelectorAll(
    '.window .control, .window .close, #bar button, #link, [role^="menuitem"], dialog button, #ended button'))
    .filter(shown);
  if (layer.id === 'aids') controls.push(document.getElementById('aids-menu'));
  for (const e of controls) {
    let box = e.getBoundingClientRect();
    if (!inside(box, viewport())) {
      e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      box = e.getBoundingClientRect();
    }
    expect(inside(box, viewport()), `${name(e)} out of reach`);
    for (let a = e.parentElement; a && a !== root; a = a.parentElement) {
      const style = getComputedStyle(a);
      if (style.overflowX === 'visible' && style.overflowY === 'visible') continue;
      expect(inside(box, a.getBoundingClientRect()), `${name(e)} clipped by ${name(a)}`);
    }
    const [x, y] = [(box.left + box.right) / 2, (box.top + box.bottom) / 2];
    expect(hits(e, x, y), `${name(e)} not hit at its centre (${name(document.elementFromPoint(x, y) ?? root)})`);
    if (options.coarse && e.matches(pressable)) {
      let missed = 0;
      for (let i = 0; i <= 4; ++i) {
        for (let j = 0; j <= 4; ++j) missed += !hits(e, x - 11.5 + i * 5.75, y - 11.5 + j * 5.75);
      }
      expect(missed === 0, `${name(e)} answers less than 24 x 24 (${missed} of 25 points missed)`);
    }
  }
  // Whole texts: a box's text, measured itself (a target's reach may
  // overflow its box), lies within its content box; a text box's within it.
  const textFits = (e) => {
    if (e.matches('input, textarea')) {
      return e.scrollWidth <= e.clientWidth + 1 && e.scrollHeight <= e.clientHeight + 1;
    }
    const range = document.createRange();
    range.selectNodeContents(e);
    const text = range.getBoundingClientRect();
    if (text.width === 0) return true;
    const box = e.getBoundingClientRect();
    const style = getComputedStyle(e);
    const zoom = e.currentCSSZoom;
    const edge = (side) => (parseFloat(style['padding' + side]) + parseFloat(style['border' + side + 'Width'])) * zoom;
    return inside(text, { left: box.left + edge('Left'), top: box.top + edge('Top'),
                          right: box.right - edge('Right'), bottom: box.bottom - edge('Bottom') });
  };
  const texts = Array.from(layer.querySelectorAll(
    '.window .control, .window .title, #bar :is(h1, p, button), [role^="menuitem"], ' +
    'dialog :is(h2, h3, td, th, p, button), #ended :is(p, button)')).filter(shown);
  for (const e of texts) expect(textFits(e), `${name(e)}: its text overflows its box`);
  const track = document.getElementById('window2');
  if (layer === document.body && track && shown(track)) {
    root.scrollTo(0, 0);
    const client = track.querySelector('.client').getBoundingClientRect();
    for (const e of track.querySelectorAll('.control')) {
      if (shown(e)) expect(inside(e.getBoundingClientRect(), client), `${name(e)} outside the track panel`);
    }
    if (options.fits) {
      const box = track.getBoundingClientRect();
      expect(inside(box, viewport()), `track panel ${Math.round(box.right)} x ${Math.round(box.bottom)} ` +
             `beyond the viewport ${root.clientWidth} x ${root.clientHeight}`);
    }
  }
  expect(root.scrollWidth <= root.clientWidth, `scrolls sideways (${root.scrollWidth} > ${root.clientWidth})`);
  root.scrollTo(0, 0);
  return { problems, checks };
}

test('every size, pixel ratio and language: in every state all is in reach, whole and unclipped', async () => {
  const started = Date.now();
  const found = [];
  let cells = 0, checks = 0;
  let walk = 0;
  for (const size of sizes) {
    for (const ratio of size.ratios) {
      for (const language of languages) {
        const cell = `${size.width}x${size.height}@${ratio} ${language}`;
        const options = { coarse: Boolean(size.hasTouch), fits: true };
        const page = await h.openPage('?lang=' + language, {
          viewport: { width: size.width, height: size.height }, deviceScaleFactor: ratio,
          hasTouch: Boolean(size.hasTouch), isMobile: Boolean(size.isMobile) });
        cells++;
        const look = async (where) => {
          await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
          const result = await page.evaluate(layoutProblems, options);
          checks += result.checks;
          for (const problem of result.problems) found.push(`${cell} ${where}: ${problem}`);
        };
        // Pressed whatever the layout: what a press would miss is the checks' to find.
        const press = (id, times = 1) => page.$eval('#' + id, (e, n) => {
          for (let i = 0; i < n; ++i) e.click();
        }, times);
        // Each cell runs one of the demonstrations, in turn.
        const demonstration = 1 + walk++ % 3;
        await look('idle');
        await press('CommandStart');
        while ((await state(page)).demo !== demonstration) await press('CommandSimulation');
        await look(`choosing ${demonstration}`);
        await press('CommandStart');
        await press('CommandVinc', 12);
        await waitFrames(page, 2);
        await look('running');
        if (size.isMobile && size.width < 1000) {
          // The phone turned mid-run, and back.
          for (const [width, height, where] of [[size.height, size.width, 'running, turned'],
            [size.width, size.height, 'running, turned back']]) {
            await page.setViewportSize({ width, height });
            await waitFrames(page, 2);
            await look(where);
          }
        }
        await press('CommandFreeze');
        await look('frozen');
        await page.keyboard.press('F1');
        await page.waitForSelector('#keys[open]');
        await look('key list');
        await page.keyboard.press('Escape');
        await press('aids-menu');
        await look('aids menu');
        await page.keyboard.press('Escape');
        await press('CommandCancel');
        await look('ended');
        assert.deepEqual(page.errors, [], cell);
        await page.close();
      }
    }
  }
  console.log(`layout: ${cells} cells, ${checks} checks, ${found.length} failed, ` +
              `${((Date.now() - started) / 1000).toFixed(0)} s`);
  assert.deepEqual(found, []);
});

// Browser zoom at 200 % in a 1280 x 800 window lays the page out in 640 x 400
// CSS pixels at pixel ratio 2: that viewport, used with real clicks, is the
// zoom. A run, the menu of aids and the key list work, and the checks hold.
test('at 200 % zoom a run, the menu and the key list work', async () => {
  const page = await h.openPage('', { viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 });
  const found = [];
  const look = async (where) => {
    const result = await page.evaluate(layoutProblems, { coarse: false, fits: true });
    found.push(...result.problems.map((problem) => `${where}: ${problem}`));
  };
  await page.click('#CommandStart');
  await page.click('#CommandSimulation');
  await look('choosing');
  await page.click('#CommandStart');
  for (let i = 0; i < 10; ++i) await page.click('#CommandVinc');
  await waitFrames(page, 3);
  await look('running');
  assert.deepEqual([(await state(page)).mode, (await state(page)).v], ['running', 10]);
  await page.click('#aids-menu');
  await look('menu');
  await page.click('#aids [data-action="slowMotion"]');
  assert.equal((await state(page)).slowMotion, true, 'slow motion from the menu');
  await page.click('#aids-menu');
  await page.click('#aids [data-action="keys"]');
  await page.waitForSelector('#keys[open]');
  await look('key list');
  await page.click('#keys form button');
  assert.equal(await page.isVisible('#keys'), false);
  await page.click('#CommandFreeze');
  assert.equal((await state(page)).frozen, true);
  assert.deepEqual(found, []);
  assert.deepEqual(page.errors, []);
  await page.close();
});
