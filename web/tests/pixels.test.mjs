// The page's board against `moyoscope render`: the same painter on the module's
// RGBA canvas must give the desktop's pixels in the board square (the labels
// beside it are the browser's text and may differ by rasteriser).
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { renderSample, samplesPage } from './harness.mjs';

let scene, page;

before(async () => {
  scene = await samplesPage('pixels');
  page = scene.page;
});

after(async () => {
  await scene?.close();
});

// Shows sample at each move in a fresh element of that cell size and counts
// the board-square pixels that differ from the rendered PNG.
async function compare(sample, cell, moves) {
  const pictures = moves.map((move) => [move, renderSample(scene.folder, sample, move, cell)]);
  return page.evaluate(async ([sample, cell, pictures]) => {
    const e = document.createElement('moyo-scope');
    e.setAttribute('cell', String(cell));
    const created = new Promise((done) => e.addEventListener('create', done, { once: true }));
    document.body.append(e);
    await created;
    await e.getFile(sample, '1');
    const canvas = e.shadowRoot.querySelector('canvas.board');
    const side = 19 * cell;
    const results = [];
    for (const [move, address] of pictures) {
      e.goTo(move);
      const page = canvas.getContext('2d').getImageData(0, 0, side, side).data;
      const bitmap = await createImageBitmap(await (await fetch(address)).blob(),
                                             { colorSpaceConversion: 'none',
                                               premultiplyAlpha: 'none' });
      const scratch = document.createElement('canvas');
      scratch.width = bitmap.width;
      scratch.height = bitmap.height;
      const context = scratch.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const desktop = context.getImageData(0, 0, side, side).data;
      let differing = 0, first = null;
      for (let i = 0; i < page.length; i += 4) {
        if (page[i] === desktop[i] && page[i + 1] === desktop[i + 1] &&
            page[i + 2] === desktop[i + 2]) continue;
        ++differing;
        first ??= [(i / 4) % side, Math.floor(i / 4 / side)];
      }
      results.push({ move, shown: e.move, size: [canvas.width, bitmap.width], differing, first });
    }
    e.remove();
    return results;
  }, [sample, cell, pictures]);
}

test('the board square is the desktop render, pixel for pixel, along a game', async () => {
  for (const cell of [26, 19]) {
    for (const r of await compare('selfplay-commented-ko-fight.gib', cell, [0, 1, 120, 200, 255])) {
      assert.equal(r.shown, r.move, `cell ${cell}`);
      assert.equal(r.size[0], r.size[1], `cell ${cell} move ${r.move}`);
      assert.equal(r.differing, 0, `cell ${cell} move ${r.move}: first at ${r.first}`);
    }
  }
});

test('odd and extreme stone sizes match too', async () => {
  for (const cell of [10, 33, 59]) {
    for (const r of await compare('selfplay-commented-ko-fight.gib', cell, [187])) {
      assert.equal(r.differing, 0, `cell ${cell}: first at ${r.first}`);
    }
  }
});

test('a narrowed font writes across the width asked, as the desktop narrows it', async () => {
  const [natural, narrowed] = await page.evaluate(() => {
    const m = document.querySelector('moyo-scope').module;
    const [width, height] = [200, 60];
    const ptr = m._malloc(width * height * 4);
    // The width of the text as measured and as inked, at stretch percent.
    const write = (stretch) => {
      m.HEAPU8.fill(255, ptr, ptr + width * height * 4);
      m.moyoText.draw(ptr, width, height, 10, 5, 'NanumGothicCoding', 40, 0, stretch, '000', 0);
      let left = width, right = -1;
      for (let i = 0; i < width * height; ++i) {
        if (m.HEAPU8[ptr + i * 4] >= 128) continue;
        left = Math.min(left, i % width);
        right = Math.max(right, i % width);
      }
      return { measured: m.moyoText.extent('NanumGothicCoding', 40, 0, stretch, '000') >> 16,
               inked: right - left + 1 };
    };
    const widths = [write(100), write(60)];
    m._free(ptr);
    return widths;
  });
  // Each "0" of the face is half its height wide: 20 pixels at 40, and 12 at
  // 60 percent, the stretch the desktop gives an average width of 12. Its Qt
  // canvas writes "000" 60 pixels wide with 56 inked, narrowed 36 with 34.
  assert.deepEqual([natural.measured, narrowed.measured], [60, 36]);
  assert.ok(Math.abs(natural.inked - 56) <= 1 && Math.abs(narrowed.inked - 34) <= 1,
            `${natural.inked} and ${narrowed.inked} inked`);
});
