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
