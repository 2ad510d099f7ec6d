// The reference-diagram panel in the page: it opens over its element, plays the
// diagram on the board's position with the desktop's pixels, goes into trial
// mode and back exactly, is reused by the next diagram, moves by its title bar,
// and belongs to its own element.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { focused, program, renderSample, root, build, samplesPage } from './harness.mjs';

const sample = 'selfplay-commented-ko-fight.gib';
const cell = 14;  // the cell size of the panel's board on a 19-line game
let scene, page, record;

before(async () => {
  record = JSON.parse(execFileSync(program, ['parse', join(root, 'samples', sample)]));
  scene = await samplesPage('reference');
  page = scene.page;
});

after(async () => {
  await scene?.close();
});

const code2 = (n) => String.fromCharCode(65 + Math.floor(n / 26), 65 + (n % 26));

// A diagram that plays the game's own moves first..last (numbered from 1), so
// its end is the game's position after move last.
function replayDiagram(first, last, comment = '') {
  const moves = record.moves.slice(first - 1, last)
    .map(([x, y]) => String.fromCharCode(65 + x, 65 + y)).join('');
  return `${code2(first)}${code2(last - first + 1)}${moves}\\!\\!${comment}`;
}

// The desktop's board after move at the panel's cell size (or size) without
// a margin, as a PNG data address.
function render(move, flip, size = cell) {
  return renderSample(scene.folder, sample, move, size, ['--margin', '0', ...(flip ? ['--flip'] : [])]);
}

// A fresh element showing the sample at move, its id given.
async function element(id, move) {
  await page.evaluate(async ([id, sample, move]) => {
    const e = document.createElement('moyo-scope');
    e.id = id;
    const created = new Promise((done) => e.addEventListener('create', done, { once: true }));
    document.body.append(e);
    await created;
    await e.getFile(sample, '1');
    e.goTo(move);
  }, [id, sample, move]);
}

async function remove(...ids) {
  await page.evaluate((ids) => ids.forEach((id) => document.getElementById(id).remove()), ids);
}

// What the panel of element id shows.
function panel(id) {
  return page.evaluate((id) => {
    const e = document.getElementById(id);
    const s = e.shadowRoot;
    const frame = s.querySelector('.ref-window');
    if (!frame) return null;
    const canvas = s.querySelector('.ref-board');
    const q = (name) => s.querySelector(name);
    return {
      windows: s.querySelectorAll('.ref-window').length,
      open: !frame.hidden,
      caption: q('.ref-caption').textContent,
      memo: q('.ref-memo').textContent,
      memoHtml: q('.ref-memo').innerHTML,
      trialCaption: q('.ref-step4').textContent,
      tools: !q('.ref-tools').hidden,
      area: getComputedStyle(q('.ref-board-area')).backgroundColor,
      size: [frame.offsetWidth, frame.offsetHeight],
      at: [frame.offsetLeft, frame.offsetTop],
      move: e.reference.move,
      trial: e.reference.trial,
      canvas: [canvas.width, canvas.height],
      pixels: Array.from(canvas.getContext('2d')
        .getImageData(0, 0, canvas.width, canvas.height).data),
    };
  }, id);
}

async function open(id, diagram, flipped = false) {
  await page.evaluate(([id, diagram, flipped]) =>
    document.getElementById(id).openReference(diagram, flipped), [id, diagram, flipped]);
}

// Clicks the part name of element id's panel.
async function click(id, name, options) {
  await page.locator(`#${id} ${name}`).click(options);
}

// The pixels of the board where they differ from a desktop PNG, leaving out
// the points listed (those carrying numbers or the last-move mark).
async function differences(pixels, address, skip, flipped, size = cell) {
  return page.evaluate(async ([pixels, address, skip, flipped, cell]) => {
    const bitmap = await createImageBitmap(await (await fetch(address)).blob(),
                                           { colorSpaceConversion: 'none',
                                             premultiplyAlpha: 'none' });
    const scratch = document.createElement('canvas');
    [scratch.width, scratch.height] = [bitmap.width, bitmap.height];
    const context = scratch.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const desktop = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    if (desktop.length !== pixels.length) return { sizes: [bitmap.width, pixels.length] };
    const skipped = new Set(skip.map(([x, y]) => flipped ? `${20 - x},${20 - y}` : `${x},${y}`));
    let differing = 0, first = null;
    for (let i = 0; i < pixels.length; i += 4) {
      const x = (i / 4) % bitmap.width, y = Math.floor(i / 4 / bitmap.width);
      if (skipped.has(`${Math.floor(x / cell) + 1},${Math.floor(y / cell) + 1}`)) continue;
      if (pixels[i] === desktop[i] && pixels[i + 1] === desktop[i + 1] &&
          pixels[i + 2] === desktop[i + 2]) continue;
      ++differing;
      first ??= [x, y];
    }
    return { differing, first };
  }, [pixels, address, skip, flipped, size]);
}

test('a diagram plays its moves on the board position with the desktop painter\'s pixels', async () => {
  await element('one', 200);
  // The ko fight from move 187: ten moves with captures and retakes.
  for (const flipped of [false, true]) {
    await open('one', replayDiagram(187, 196, 'ko'), flipped);
    const shown = await panel('one');
    assert.ok(shown.open);
    assert.equal(shown.caption, '186수 참고도');
    assert.equal(shown.memo, 'ko');
    assert.equal(shown.move, 196);
    assert.deepEqual(shown.canvas, [19 * cell, 19 * cell]);
    // Moves 188..196 carry numbers and the desktop marks move 196: their points are text.
    const diagramPoints = record.moves.slice(186, 196).map(([x, y]) => [x, y]);
    assert.deepEqual(await differences(shown.pixels, render(196, flipped), diagramPoints, flipped),
                     { differing: 0, first: null });

    // Back to the diagram's start: the game after move 186, which the desktop marks.
    await click('one', '.ref-step0');
    await click('one', '.ref-step0');
    const start = await panel('one');
    assert.equal(start.move, 186);
    assert.deepEqual(await differences(start.pixels, render(186, flipped),
                                       [record.moves[185].slice(0, 2)], flipped),
                     { differing: 0, first: null });
    // The step buttons never go back past the start; a right press on the board does.
    await click('one', '.ref-step1');
    assert.equal((await panel('one')).move, 186);
    await click('one', '.ref-board', { button: 'right', position: { x: 5, y: 5 } });
    assert.equal((await panel('one')).move, 185);
    await click('one', '.ref-board', { position: { x: 5, y: 5 } });
    await click('one', '.ref-step3');
    assert.equal((await panel('one')).move, 191);
  }

  // Made larger by its grip, the panel's board takes cells of 22 pixels, with
  // their stone pictures.
  const grip = await page.locator('#one .ref-grip').boundingBox();
  await page.mouse.move(grip.x + 6, grip.y + 6);
  await page.mouse.down();
  await page.mouse.move(grip.x + 156, grip.y + 156, { steps: 5 });
  await page.mouse.up();
  await page.waitForFunction(() => document.getElementById('one').shadowRoot
    .querySelector('.ref-board').width === 19 * 22);
  await page.evaluate(() => document.getElementById('one').reference.ready);
  const larger = await panel('one');
  assert.deepEqual(larger.size, [462, 565]);
  const numbered = record.moves.slice(186, 191).map(([x, y]) => [x, y]);
  assert.deepEqual(await differences(larger.pixels, render(191, true, 22), numbered, true, 22),
                   { differing: 0, first: null });
  await remove('one');
});

test('trial mode plays and marks on the panel, and leaving it restores the diagram exactly', async () => {
  await element('trial', 120);
  await open('trial', replayDiagram(101, 110, '<b>not markup</b>\nsecond line'));
  const loaded = await panel('trial');
  assert.equal(loaded.memo, '<b>not markup</b>\nsecond line');
  assert.ok(!loaded.memoHtml.includes('<b>'));
  assert.equal(loaded.trialCaption, '검토');
  assert.ok(!loaded.tools);
  assert.equal(loaded.area, 'rgb(204, 212, 212)');

  await click('trial', '.ref-step4');
  const trial = await panel('trial');
  assert.ok(trial.trial && trial.tools);
  assert.equal(trial.trialCaption, '마침');
  assert.equal(trial.area, 'rgb(64, 128, 128)');
  // Two moves on empty corners, a tenuki, and two letters.
  await click('trial', '.ref-board', { position: { x: 7, y: 7 } });
  await click('trial', '.ref-board', { position: { x: 7, y: 19 * cell - 7 } });
  await click('trial', '.ref-pass');
  assert.equal((await panel('trial')).move, 113);
  await click('trial', '.ref-mark input');
  await page.locator('#trial .ref-letters').selectOption({ index: 2 });
  await click('trial', '.ref-board', { position: { x: 19 * cell - 7, y: 7 } });
  await click('trial', '.ref-board', { position: { x: 19 * cell - 7, y: 19 * cell - 7 } });
  const marked = await panel('trial');
  assert.equal(marked.move, 113);
  assert.notDeepEqual(marked.pixels, loaded.pixels);
  assert.equal(await page.locator('#trial .ref-letters').evaluate((s) => s.selectedIndex), 4);

  await click('trial', '.ref-step4');
  const back = await panel('trial');
  assert.ok(!back.trial && !back.tools);
  assert.equal(back.trialCaption, '검토');
  assert.equal(back.move, 110);
  assert.equal(back.caption, loaded.caption);
  assert.equal(back.memo, loaded.memo);
  assert.ok(back.pixels.every((v, i) => v === loaded.pixels[i]), 'the board as loaded');
  await remove('trial');
});

test('the panel is reused by the next diagram, closes, and moves by its title bar', async () => {
  await element('reuse', 255);
  const diagrams = record.comments.filter((c) => c.kind === 2);
  assert.equal(diagrams.length, 2);
  const [a, b] = diagrams;
  await open('reuse', a.text);
  const first = await panel('reuse');
  // The caption names the game move the diagram starts from.
  const start = (a.text.charCodeAt(0) - 65) * 26 + a.text.charCodeAt(1) - 65 - 1;
  assert.equal(first.caption, `${start}수 참고도`);
  assert.equal(first.memo, a.text.slice(a.text.lastIndexOf('\\!') + 2).replace(/\r\n?/g, '\n'));
  assert.deepEqual(first.size, [312, 415]);

  // Dragged by its title bar...
  const title = page.locator('#reuse .ref-caption');
  const box = await title.boundingBox();
  await page.mouse.move(box.x + 20, box.y + 5);
  await page.mouse.down();
  await page.mouse.move(box.x + 60, box.y + 35, { steps: 4 });
  await page.mouse.up();
  const moved = await panel('reuse');
  assert.deepEqual(moved.at, [first.at[0] + 40, first.at[1] + 30]);

  // ...reused while open, where it stays...
  await open('reuse', b.text);
  const second = await panel('reuse');
  assert.equal(second.windows, 1);
  assert.deepEqual(second.at, moved.at);
  assert.notEqual(second.caption, first.caption);

  // ...and after closing opens again in the middle of its element.
  await click('reuse', '.ref-close');
  assert.equal((await panel('reuse')).open, false);
  assert.equal(await focused(page), 'reuse', 'the focus goes back to the element');
  await open('reuse', a.text);
  const again = await panel('reuse');
  assert.ok(again.open);
  assert.equal(again.windows, 1);
  assert.deepEqual(again.at, first.at);
  assert.equal(again.caption, first.caption);
  assert.ok(again.pixels.every((v, i) => v === first.pixels[i]));

  await page.setViewportSize({ width: 1000, height: 760 });
  await page.locator('#reuse').screenshot({ path: join(build, 'reference-panel.png') });
  await remove('reuse');
});

test('two elements have panels of their own', async () => {
  await element('left', 150);
  await element('right', 60);
  await open('left', replayDiagram(141, 150, 'left'));
  await open('right', replayDiagram(51, 55, 'right'));
  await click('left', '.ref-step0');
  const [left, right] = [await panel('left'), await panel('right')];
  assert.equal(left.caption, '140수 참고도');
  assert.equal(right.caption, '50수 참고도');
  assert.equal(left.move, 145);
  assert.equal(right.move, 55);
  await click('right', '.ref-close');
  assert.ok((await panel('left')).open);
  assert.ok(!(await panel('right')).open);
  await remove('left', 'right');
});
