// The page's Korean faces come in slices by unicode-range: the demo page
// fetches only the slices its texts use, the slices of a face take every
// character of the old single cut exactly once, and text outside the common
// syllables brings its slice.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { samplesPage } from './harness.mjs';

let scene, page;

before(async () => {
  scene = await samplesPage('fonts');
  ({ page } = scene);
  await page.waitForFunction(() => [...document.querySelectorAll('moyo-scope')]
    .every((e) => e.lastMove > 0));
  await page.evaluate(() => document.fonts.ready);
});

after(async () => {
  await scene?.close();
});

// The font files the page has fetched so far, by name.
const fetchedFonts = () => page.evaluate(() => performance.getEntriesByType('resource')
  .map((entry) => new URL(entry.name).pathname).filter((path) => path.includes('/fonts/'))
  .map((path) => path.slice(path.lastIndexOf('/') + 1)).sort());

test('the demo page fetches the board faces and only the slices its texts use', async () => {
  const fetched = await fetchedFonts();
  const slices = fetched.filter((name) => /-(text|common|symbols|rare)\./.test(name));
  // The form's captions and numbers are all in the text slices; the sample's
  // commentary adds common syllables, and no symbol or rare syllable.
  assert.ok(slices.includes('NanumGothic-text.woff2'), fetched.join(' '));
  assert.ok(slices.includes('NanumGothicCoding-text.woff2'), fetched.join(' '));
  assert.ok(slices.some((name) => name.includes('-common.')), fetched.join(' '));
  assert.ok(!slices.some((name) => /-(symbols|rare)\./.test(name)), fetched.join(' '));
  // The board's faces, all in one pack.
  assert.ok(fetched.includes('board.pack'), fetched.join(' '));
  const board = await page.evaluate(() => [...document.fonts]
    .filter((face) => face.family.startsWith('moyo ') && face.status === 'loaded').length);
  assert.equal(board, 5);
  // No face is fetched twice, nor the whole faces of old.
  assert.equal(new Set(fetched).size, fetched.length);
  assert.ok(!fetched.includes('NanumGothic.woff2'));
});

test("each face's slices take Latin-1 and every Hangul syllable exactly once", async () => {
  const counts = await page.evaluate(() => {
    const counts = {};
    for (const face of document.fonts) {
      if (face.family !== 'NanumGothic' && face.family !== 'NanumGothicCoding') continue;
      if (face.weight === 'bold') continue;
      const taken = counts[face.family] ??= new Uint8Array(0x10000);
      for (const range of face.unicodeRange.split(',')) {
        const [first, last = first] = range.trim().slice(2).split('-').map((n) => parseInt(n, 16));
        for (let c = first; c <= last; ++c) ++taken[c];
      }
    }
    const wanted = (c) => (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c <= 0xff) ||
                          (c >= 0xac00 && c <= 0xd7a3);
    return Object.fromEntries(Object.entries(counts).map(([family, taken]) => [family, {
      faces: [...document.fonts].filter((f) => f.family === family && f.weight !== 'bold').length,
      missing: taken.reduce((n, k, c) => n + (wanted(c) && k === 0), 0),
      twice: taken.reduce((n, k) => n + (k > 1), 0),
    }]));
  });
  const slices = { faces: 4, missing: 0, twice: 0 };
  assert.deepEqual(counts, { NanumGothic: slices, NanumGothicCoding: slices });
});

test('a syllable outside KS X 1001 and a symbol bring their slices of their face', async () => {
  const before = await fetchedFonts();
  await page.evaluate(async () => {
    const text = document.createElement('p');
    text.style.fontFamily = 'NanumGothic';
    text.textContent = '똠방각하 ※';
    document.body.append(text);
    text.getBoundingClientRect();
    await document.fonts.ready;
  });
  const added = (await fetchedFonts()).filter((name) => !before.includes(name));
  assert.deepEqual(added, ['NanumGothic-rare.woff2', 'NanumGothic-symbols.woff2']);
  assert.ok(await page.evaluate(() => document.fonts.check('16px NanumGothic', '똠방각하 ※')));
});
