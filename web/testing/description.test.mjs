// SPDX-License-Identifier: GPL-3.0-or-later
// The picture heard as well as seen: the accessibility tree holds it as an
// image named by its description, in the page's language; announcements
// come through one polite live region, spaced, never per frame, and never
// take the keyboard; the user's own settings for contrast and motion hold.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { harness, clickTimes, state, startRun, waitFrames, frames } from './harness.mjs';

const h = harness();

// The nodes of Chromium's accessibility tree, by role.
async function axNodes(page, role) {
  const session = await page.context().newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  return nodes.filter((node) => !node.ignored && node.role?.value === role)
    .map((node) => node.name?.value ?? '');
}

for (const [language, named, says, frozen] of [
  ['en', 'Horse Racing Track.', 'The observer stands', 'Frozen.'],
  ['de', 'Rennbahn.', 'Der Beobachter steht', 'Standbild.'],
]) {
  test(`the picture is an image described in words, and changes are said (${language})`, async () => {
    const page = await h.openPage('?lang=' + language);
    await startRun(page, 2);
    await clickTimes(page, 'CommandVinc', 12);
    await page.focus('#CommandVinc');
    await waitFrames(page, 15);
    const images = await axNodes(page, 'image');
    const picture = images.find((name) => name.startsWith(named));
    assert.ok(picture, images.join(' | '));
    assert.ok(picture.includes(says) && picture.includes('v = 12'), picture);
    // Freezing is said in the live region, and the picture's words follow at once.
    await page.click('#CommandFreeze');
    await page.focus('#CommandVinc');
    await page.waitForFunction((word) => document.getElementById('announcements').textContent === word,
      frozen, { timeout: 5000 });
    assert.ok((await axNodes(page, 'status')).length >= 1);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'CommandVinc', 'the keyboard stays');
    // D reads the whole description at once.
    await page.keyboard.press('d');
    const whole = await page.textContent('#announcements');
    assert.ok(whole.startsWith(named) && whole.includes(says), whole);
    assert.deepEqual(page.errors, []);
    await page.close();
  });
}

test('over a minute of quick clicks the announcements stay two seconds apart', async () => {
  const page = await h.openPage('?demo=1&v=3');
  await page.evaluate(() => {
    window.said = [];
    new MutationObserver(() => window.said.push(performance.now()))
      .observe(document.getElementById('announcements'), { childList: true, characterData: true, subtree: true });
  });
  const first = await frames(page);
  const end = Date.now() + 60000;
  for (let i = 0; Date.now() < end; ++i) {
    await page.click(i % 3 === 2 ? '#CommandVdec' : '#CommandVinc');
    if (i % 11 === 0) await page.click('#TControl');
    if (i % 17 === 0) await page.click('#CommandFreeze');
    await page.waitForTimeout(150);
  }
  await page.waitForTimeout(2500);
  const said = await page.evaluate(() => window.said);
  const drawn = (await frames(page)) - first;
  const gaps = said.slice(1).map((at, i) => at - said[i]);
  console.log(`announcements: ${said.length} in 60 s with ${drawn} frames drawn; ` +
              `closest ${Math.min(...gaps).toFixed(0)} ms apart`);
  assert.ok(said.length >= 10, `${said.length}`);
  assert.ok(Math.min(...gaps) >= 1990, gaps.join(' '));
  // Not a sentence a frame: a loaded machine draws fewer frames than ten a
  // second, so the bound leaves room for that.
  assert.ok(said.length < drawn / 5, `${said.length} of ${drawn} frames`);
  await page.close();
});

test('more contrast starts in the projector palette; less motion starts a run frozen', async () => {
  const page = await h.openPage('', { forcedColors: 'none', reducedMotion: 'reduce',
                                      contrast: 'more' });
  assert.equal((await state(page)).projector, true);
  await startRun(page, 1);
  await page.waitForFunction(() => relativityTest.state().frozen);
  assert.equal(await frames(page), 1, 'the first frame stands');
  assert.equal(await page.isVisible('#CommandFreeze'), true, 'and Un Freeze is there to press');
  assert.match(await page.inputValue('#TAnnounce'), /Motion is reduced/);
  await page.click('#CommandFreeze');
  await waitFrames(page, 3);
  await page.close();
  // A link's palette holds over the setting.
  const linked = await h.openPage('?palette=usual', { contrast: 'more' });
  assert.equal((await state(linked)).projector, false);
  await linked.close();
});
