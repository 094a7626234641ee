// SPDX-License-Identifier: GPL-3.0-or-later
// The page in every language it ships and in a pseudo-language whose every
// text is accented and marked: every state of the run cycle is walked; in
// each, every shown text fits its control and no English escapes the catalogues.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { harness, text, state, clickTimes, waitFrames } from './harness.mjs';

const h = harness();

// Every state of the run cycle in each demonstration, readouts at their widest.
async function walkEveryState(page, visit) {
  await visit('idle');
  for (const type of [1, 2, 3]) {
    await page.click('#CommandStart');
    while ((await state(page)).demo !== type) await page.click('#CommandSimulation');
    await visit(`choosing ${type}`);
    await page.click('#CommandStart');
    await page.click('#CommandVinc');
    await waitFrames(page, 2);
    await visit(`running ${type}`);
    await page.click('#CommandFreeze');
    await visit(`frozen ${type}`);
    await page.click('#CommandFreeze');
    await page.click('#TControl');
    await clickTimes(page, 'CommandVinc', 32);
    await waitFrames(page, 2);
    await visit(`near c ${type}`);
    await clickTimes(page, 'CommandVdec', 70);
    await waitFrames(page, 2);
    await visit(`backwards ${type}`);
    await page.click('#TControl');
    await page.click('#CommandStart');
    await visit(`stopped ${type}`);
  }
}

// What a user can see or hear: the page's title and texts, every shown
// control's text (a line each), and every element's name and tip.
const shownTexts = (page) => page.evaluate(() => {
  const texts = [['title', document.title]];
  const visible = (e) => !e.hidden && !e.closest('[hidden]');
  for (const e of document.querySelectorAll('body *')) {
    if (e.matches('script, style, noscript, canvas') || e.closest('noscript')) continue;
    const where = e.id || e.className || e.tagName;
    if (e.title) texts.push([where + ' tip', e.title]);
    if (e.getAttribute('aria-label')) texts.push([where + ' name', e.getAttribute('aria-label')]);
    if (!visible(e)) continue;
    if ('value' in e && e.tagName !== 'BUTTON') {
      for (const line of e.value.split('\n')) texts.push([where, line]);
    } else {
      const own = Array.from(e.childNodes).filter((n) => n.nodeType === Node.TEXT_NODE)
        .map((n) => n.textContent).join('').trim();
      if (own) texts.push([where, own]);
    }
  }
  return texts;
});

// English left once the marked pieces are out: two letters or more in a row.
function plainEnglishIn(value) {
  const match = value.replace(/⟦[^⟧]*⟧/g, '').match(/[A-Za-z]{2,}/);
  return match ? match[0] : '';
}

// Shown controls whose text is wider than their box.
const clippedControls = (page) => page.evaluate(() => {
  const found = [];
  for (const e of document.querySelectorAll('.window .control')) {
    if (e.hidden || e.closest('[hidden]')) continue;
    if (e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight + 1) {
      found.push(`${e.id} (${'value' in e && e.tagName !== 'BUTTON' ? e.value : e.textContent}, ` +
                 `${e.scrollWidth} > ${e.clientWidth})`);
    }
  }
  return found;
});

test('the pseudo-language shows no plain English in any state', async () => {
  const page = await h.openPage('?lang=en_XA');
  const found = new Set();
  let looked = 0;
  const look = async (where) => {
    for (const [element, value] of await shownTexts(page)) {
      looked++;
      if (plainEnglishIn(value)) found.add(`${where}: ${element} "${value}"`);
    }
  };
  await walkEveryState(page, look);
  await page.click('#CommandCancel');
  await look('ended');
  console.log(`pseudo-language: ${looked} texts looked at, ${found.size} plain English`);
  assert.deepEqual([...found], []);
  assert.equal(await text(page, 'Tcc'), '30');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('every text fits its control in every shipped language and state', async () => {
  const languages = await (await h.openPage()).evaluate(
    () => ['en', ...document.documentElement.dataset.catalogues.split(' ')]);
  assert.ok(languages.length >= 7, languages.join(' '));
  for (const language of languages.filter((l) => l !== 'en_XA')) {
    const page = await h.openPage('?lang=' + language);
    assert.equal(await page.evaluate(() => document.documentElement.lang), language.replace('_', '-'));
    const found = new Map();  // each clipped text once, with the first state it showed in
    await walkEveryState(page, async (where) => {
      for (const clipped of await clippedControls(page)) {
        if (!found.has(clipped)) found.set(clipped, `${language} ${where}: ${clipped}`);
      }
    });
    assert.deepEqual([...found.values()], []);
    await page.close();
  }
});

// Start, choose type 2, Select, speed up, contraction on, Freeze, Stop,
// Start again, Cancel: in German the buttons do what they do in English.
test('a whole run cycle in German', async () => {
  const page = await h.openPage('?lang=de');
  assert.equal(await page.textContent('#window1 .title'), 'Steuerung');
  await page.click('#CommandStart');
  assert.equal((await state(page)).mode, 'choosing');
  assert.equal(await text(page, 'CommandStart'), 'Wählen');
  await page.click('#CommandSimulation');
  await page.click('#CommandStart');
  assert.deepEqual([(await state(page)).mode, (await state(page)).demo], ['running', 2]);
  assert.equal(await text(page, 'Text52'), 'Zug auf der Rennbahn');
  await clickTimes(page, 'CommandVinc', 29);
  await page.click('#TControl');
  assert.equal(await text(page, 'TControl'), 'EIN');
  await page.click('#CommandVinc');
  await waitFrames(page, 2);
  assert.equal(await text(page, 'Tv'), '29,5');
  await page.click('#CommandFreeze');
  assert.equal(await text(page, 'CommandFreeze'), 'Weiter');
  assert.equal((await state(page)).frozen, true);
  await page.click('#CommandStart');
  assert.equal((await state(page)).mode, 'idle');
  assert.equal(await text(page, 'CommandStart'), 'Start');
  await page.click('#CommandStart');
  assert.equal((await state(page)).mode, 'choosing');
  await page.click('#CommandCancel');
  assert.ok(await page.isVisible('#ended'));
  assert.match(await page.textContent('#ended'), /Programm wurde beendet/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the language follows the browser unless the link names one', async () => {
  const cases = [
    { locale: 'de-DE', query: '', title: 'Steuerung', language: 'de' },
    { locale: 'pt-BR', query: '', title: 'Controles', language: 'pt_BR' },
    { locale: 'de-DE', query: '?lang=fr', title: 'Commandes', language: 'fr' },
    { locale: 'de-DE', query: '?lang=xx', title: 'Control Display', language: 'en' },
    { locale: 'en-US', query: '', title: 'Control Display', language: 'en' },
  ];
  for (const c of cases) {
    const page = await h.openPage(c.query, { locale: c.locale });
    assert.equal(await page.textContent('#window1 .title'), c.title, JSON.stringify(c));
    assert.equal(await page.evaluate(() => document.documentElement.lang), c.language.replace('_', '-'));
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});
