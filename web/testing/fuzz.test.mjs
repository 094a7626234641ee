// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzzer for the page in Chromium: random clicks, keys, corner drags,
// viewport sizes, pixel ratios, stalls, a hidden tab, links and reloads, with what must
// hold after each. FUZZ_SECONDS (60) long, FUZZ_SEED to replay; a failure
// prints the seed and the shortest list of actions found that repeats it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { harness, tabbedChromium, state, pictureCounts, untilFramesStop } from './harness.mjs';

const h = harness();
let tabs;  // a Chromium whose tabs can be hidden
before(async () => { tabs = await tabbedChromium(); });
after(async () => { await tabs?.close(); });
const seconds = Number(process.env.FUZZ_SECONDS || 60);
const seed = Number(process.env.FUZZ_SEED || Math.floor(Math.random() * 2 ** 31));

function random(from) {
  let a = from >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 2 ** 32;
  };
}

const keys = ['s', 'p', 'ArrowRight', '.', '?', 'F1', 'Escape', 'Tab', 'Space', 'Enter', 'Control+s'];
const links = ['?demo=1&v=12', '?demo=2&v=-30&contraction=on', '?demo=3&v=30&contraction=on&height=400',
               '?demo=9', '?demo=2&v=1e9', '?lang=de&demo=1&v=5', '?palette=projector&demo=2&v=20',
               '?demo=%3Cb%3E', '?height=99999&demo=1', ''];

// One random action, as data, so a failing list can be replayed and shortened.
function nextAction(pick) {
  const choose = (list) => list[Math.floor(pick() * list.length)];
  const roll = pick();
  if (roll < 0.5) return { kind: 'click', at: pick() };
  if (roll < 0.7) return { kind: 'key', key: choose(keys) };
  if (roll < 0.75) return { kind: 'drag', dx: Math.round(pick() * 300 - 150), dy: Math.round(pick() * 300 - 150) };
  if (roll < 0.8) return { kind: 'viewport', width: choose([800, 1024, 1280, 1920]), height: choose([600, 768, 800, 1080]) };
  if (roll < 0.84) return { kind: 'ratio', ratio: choose([1, 1.25, 1.5, 2, 3]) };
  if (roll < 0.87) return { kind: 'stall', ms: Math.round(300 + pick() * 1500) };
  if (roll < 0.9) return { kind: 'link', query: choose(links) };
  if (roll < 0.92) return { kind: 'reload' };
  if (roll < 0.94) return { kind: 'hide', ms: Math.round(300 + pick() * 2700) };
  return { kind: 'wait', ms: Math.round(50 + pick() * 600) };
}

// A page under the fuzzer, and what it must keep.
async function openFuzzPage() {
  const page = await tabs.context.newPage();
  page.faults = [];
  page.on('pageerror', (error) => page.faults.push('uncaught: ' + error.message));
  page.on('console', (message) => { if (message.type() === 'error') page.faults.push('console: ' + message.text()); });
  page.on('dialog', (dialog) => dialog.dismiss());
  page.cdp = await tabs.context.newCDPSession(page);
  page.ratio = 1;
  page.viewport = { width: 1280, height: 800 };
  await page.cdp.send('Emulation.setDeviceMetricsOverride', { ...page.viewport, deviceScaleFactor: 1, mobile: false });
  // Nothing kept by an earlier run's page of the site: each run starts as a first visit.
  await page.cdp.send('Storage.clearDataForOrigin', { origin: h.base, storageTypes: 'all' });
  await page.goto(h.base + '/');
  await page.waitForSelector('#window1:not([hidden])');
  page.runScaled = false;  // a ratio changed during the run: its picture is scaled, not redrawn
  return page;
}

// "Start again" on the ended page loads it anew: the action waits for that.
async function startingAgain(page, press) {
  await Promise.all([page.waitForEvent('load'), press()]);
  await page.waitForSelector('#window1:not([hidden])');
  page.runScaled = false;
  return true;
}

// Does what an action says; true when the page was loaded anew.
async function act(page, action) {
  switch (action.kind) {
    case 'click': {
      const targets = await page.$$eval(
        '.window .control, .window .close, #bar button, #aids button, dialog[open] button, #ended button',
        (all) => all.filter((e) => !e.hidden && !e.closest('[hidden]') && e.offsetParent !== null)
          .filter((e) => !document.querySelector('dialog[open]') || e.closest('dialog[open]'))
          .filter((e) => e.id !== 'record').map((e, i) => { e.dataset.fuzz = i; return i; }));
      if (targets.length === 0) return false;
      const index = targets[Math.floor(action.at * targets.length)];
      const click = () => page.click(`[data-fuzz="${index}"]`, { timeout: 2000 }).catch(() => {});
      if (await page.$eval(`[data-fuzz="${index}"]`, (e) => e.id === 'start-again')) return startingAgain(page, click);
      await click();
      return false;
    }
    case 'key':
      if (['Enter', 'Space'].includes(action.key) &&
          await page.evaluate(() => document.activeElement.id === 'start-again')) {
        return startingAgain(page, () => page.keyboard.press(action.key));
      }
      await page.keyboard.press(action.key);
      return false;
    case 'drag': {
      const client = await page.$('#window2:not([hidden]) .client');
      const box = client && await client.boundingBox();
      if (!box) return false;
      await page.mouse.move(box.x + box.width - 3, box.y + box.height - 3);
      await page.mouse.down();
      await page.mouse.move(box.x + box.width + action.dx, box.y + box.height + action.dy, { steps: 3 });
      await page.mouse.up();
      return false;
    }
    case 'viewport':
      // A run's panel is scaled to a smaller room: its picture is scaled, not redrawn.
      if ((await state(page)).mode === 'running') page.runScaled = true;
      page.viewport = { width: action.width, height: action.height };
      await page.cdp.send('Emulation.setDeviceMetricsOverride',
                          { ...page.viewport, deviceScaleFactor: page.ratio, mobile: false });
      return false;
    case 'ratio':
      if ((await state(page)).mode === 'running') page.runScaled = true;
      page.ratio = action.ratio;
      await page.cdp.send('Emulation.setDeviceMetricsOverride',
                          { ...page.viewport, deviceScaleFactor: page.ratio, mobile: false });
      return false;
    case 'hide':
      await tabs.hide(page, action.ms);
      return false;
    case 'stall':
      await page.evaluate((ms) => { const from = performance.now(); while (performance.now() - from < ms); },
                          action.ms);
      return false;
    case 'link':
    case 'reload':
      await page.goto(h.base + '/' + (action.kind === 'link' ? action.query : ''));
      await page.waitForSelector('#window1:not([hidden])');
      page.runScaled = false;
      return true;
    default:
      await page.waitForTimeout(action.ms);
  }
  return false;
}

// What must hold after every action; empty, or what broke.
async function check(page, action, checked) {
  if (page.faults.length > 0) return page.faults[0];
  const s = await state(page);
  if (s.ended) return '';  // the program ended: the page says so, and no run goes on
  if (s.mode === 'running' && await page.$eval('#window2', (e) => e.hidden)) {
    return 'the run goes on while its panel is hidden';
  }
  if (s.mode !== 'running') page.runScaled = false;
  const times = await page.evaluate(() => (window.relativityTest?.frameTimes || []).slice());
  const stepped = action.kind === 'key' && (action.key === 'ArrowRight' || action.key === '.');
  for (let i = Math.max(1, checked.frames); i < times.length; ++i) {
    if (times[i] - times[i - 1] < 95 && !stepped && !checked.steps) {
      return `frames ${Math.round(times[i] - times[i - 1])} ms apart`;
    }
  }
  checked.steps = stepped;
  checked.frames = times.length;
  if (s.frozen && s.mode === 'running' && !(await page.$('dialog[open]'))) {
    const picture = () => page.evaluate(() => {
      const canvas = document.querySelector('#window2 canvas');
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      let sum = 0;
      for (let i = 0; i < data.length; i += 7) sum = (sum * 31 + data[i]) >>> 0;
      return sum;
    });
    await untilFramesStop(page);
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const before = await picture();
    await page.waitForTimeout(250);
    if ((await state(page)).frozen && await picture() !== before) return 'the frozen picture changed';
  }
  return '';
}

// After a final Stop nothing is left but the last frame, its trail and the ground.
async function finish(page) {
  const s = await state(page);
  if (s.ended || s.mode !== 'running' || await page.$('dialog[open]')) return '';
  // "Freeze" shows from the first "v >" on; a run opened by a link at v = 0 has none yet.
  if (!s.frozen && await page.$eval('#CommandFreeze', (e) => e.hidden)) await page.click('#CommandVinc');
  if (!s.frozen) await page.click('#CommandFreeze');
  await page.waitForTimeout(300);
  const counts = await pictureCounts(page);
  await page.click('#CommandStart');
  if (page.runScaled) return '';
  return counts.remnants === 0 ? '' : `${counts.remnants} remnant pixels after the final stop`;
}

async function run(actions, deadline = Infinity) {
  const page = await openFuzzPage();
  const checked = { frames: 0, steps: false };
  try {
    for (let i = 0; i < actions.length && Date.now() < deadline; ++i) {
      const loaded = await act(page, actions[i]);
      const fault = await check(page, actions[i], checked);
      if (fault) return { fault, at: i };
      if (loaded) checked.frames = 0;
    }
    const fault = await finish(page);
    return fault ? { fault, at: actions.length - 1 } : null;
  } finally {
    await page.close();
  }
}

// Drops ever smaller pieces of a failing list while it still fails the same way.
async function shortest(actions, fault, budgetMs) {
  const end = Date.now() + budgetMs;
  let list = actions;
  for (let piece = Math.ceil(list.length / 2); piece >= 1 && Date.now() < end; piece = Math.floor(piece / 2)) {
    for (let from = 0; from < list.length && Date.now() < end;) {
      const trial = list.slice(0, from).concat(list.slice(from + piece));
      if ((await run(trial))?.fault === fault) list = trial; else from += piece;
    }
  }
  return list;
}

// FUZZ_ACTIONS='[...]' replays a printed list of actions.
if (process.env.FUZZ_ACTIONS) {
  test('a printed list of actions holds', async () => {
    const failure = await run(JSON.parse(process.env.FUZZ_ACTIONS));
    assert.equal(failure?.fault ?? '', '');
  });
}

test(`the page holds under ${seconds} s of random use (seed ${seed})`, { skip: Boolean(process.env.FUZZ_ACTIONS) }, async () => {
  console.log(`page fuzzer: seed ${seed} (FUZZ_SEED=${seed} replays it)`);
  const pick = random(seed);
  const deadline = Date.now() + seconds * 1000;
  const actions = [];
  let failure = null;
  const counting = { kinds: {} };
  while (Date.now() < deadline && !failure) {
    const batch = Array.from({ length: 40 }, () => nextAction(pick));
    actions.push(...batch);
    failure = await run(actions.slice(actions.length - batch.length), deadline);
    for (const a of batch) counting.kinds[a.kind] = (counting.kinds[a.kind] || 0) + 1;
    if (failure) failure.list = actions.slice(actions.length - batch.length, actions.length - batch.length + failure.at + 1);
  }
  console.log(`page fuzzer: ${actions.length} actions (${Object.entries(counting.kinds)
    .map(([k, n]) => `${n} ${k}`).join(', ')})`);
  if (failure) {
    const list = await shortest(failure.list, failure.fault, 120000);
    console.log(`page fuzzer FAILED with seed ${seed}: ${failure.fault}`);
    console.log(`shortest list of actions that repeats it (${list.length}):\n${JSON.stringify(list)}`);
  }
  assert.equal(failure?.fault ?? '', '');
});
