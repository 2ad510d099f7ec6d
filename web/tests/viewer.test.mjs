// The web viewer in Debian's chromium against `moyoscope serve`: loading by
// every road, navigation, two elements on one page, and record texts kept as text.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browser, program, root, serve } from './harness.mjs';

let folder, server, chromium, page;

before(async () => {
  folder = mkdtempSync(join(tmpdir(), 'moyo-web-'));
  cpSync(join(root, 'samples'), folder, { recursive: true });
  // Markup in every text a record carries; ASCII is CP949 too.
  writeFileSync(join(folder, 'markup.gib'),
                '(;EV[<b>event</b>]PB[<img src=x onerror="window.hacked=1">]BR[1d]PW[W]WR[2d]' +
                'C[<script>window.hacked=2</script>]\r\n;B[pd]C[<i>first</i>];W[dp])');
  server = await serve(folder);
  chromium = await browser();
  page = await chromium.context.newPage();
  page.on('pageerror', (error) => { throw error; });
  await page.goto(`${server.origin}/moyoscope/web/`);
  await page.waitForFunction(() => [...document.querySelectorAll('moyo-scope')]
    .every((e) => e.lastMove > 0));
});

after(async () => {
  await chromium?.close();
  await server?.stop();
  rmSync(folder, { recursive: true, force: true });
});

// A fresh element on the page with these attributes, once its board is painted.
async function element(attributes = {}) {
  return page.evaluateHandle(async (attributes) => {
    const e = document.createElement('moyo-scope');
    for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
    const created = new Promise((done) => e.addEventListener('create', done, { once: true }));
    document.body.append(e);
    await created;
    return e;
  }, attributes);
}

test('the demo page shows both samples, and each element steps on its own', async () => {
  const [first, second] = await page.$$('moyo-scope');
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('moyo-scope')]
    .map((e) => [e.move, e.lastMove])), [[1, 255], [1, 120]]);

  const forward = await first.evaluateHandle((e) => e.shadowRoot.querySelector('button.forward'));
  await forward.click();
  await forward.click();
  const last = await first.evaluateHandle((e) => e.shadowRoot.querySelector('button.last'));
  await last.click();
  assert.equal(await first.evaluate((e) => e.move), 255);
  await (await first.evaluateHandle((e) => e.shadowRoot.querySelector('button.back5'))).click();
  assert.equal(await first.evaluate((e) => e.move), 250);
  assert.equal(await second.evaluate((e) => e.move), 1);

  await second.focus();
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  assert.equal(await second.evaluate((e) => e.move), 7);
  await (await second.evaluateHandle((e) => e.shadowRoot.querySelector('button.first'))).click();
  assert.equal(await second.evaluate((e) => e.move), 0);
  assert.equal(await first.evaluate((e) => e.move), 250);
});

test('board clicks step forward with the left button and back with any other', async () => {
  const e = await element({ src: 'selfplay-commented-ko-fight.gib', level: '1' });
  await page.waitForFunction((e) => e.lastMove === 255, e);
  const board = await e.evaluateHandle((e) => e.shadowRoot.querySelector('canvas.board'));
  await board.click({ position: { x: 100, y: 100 } });
  await board.click({ position: { x: 300, y: 200 } });
  assert.equal(await e.evaluate((e) => e.move), 3);
  await board.click({ position: { x: 50, y: 50 }, button: 'right' });
  assert.equal(await e.evaluate((e) => e.move), 2);
});

test('a keypress listener may replace the key before the viewer acts on it', async () => {
  const e = await element({ src: 'selfplay-commented-ko-fight.gib', level: '1' });
  await page.waitForFunction((e) => e.lastMove === 255, e);
  await e.evaluate((e) => e.addEventListener('keypress', (event) => {
    if (event.detail.key === 'n') event.detail.key = 'ArrowRight';
  }));
  await e.focus();
  await page.keyboard.press('n');
  assert.equal(await e.evaluate((e) => e.move), 2);
});

test('getFile takes every road and resolves once the record is on the board', async () => {
  const e = await element();
  const origin = server.origin;
  const roads = [
    ['selfplay-commented-ko-fight.gib', '1', 255],
    ['1002', '10', null],
    [`${origin}/dizuze/gibo/selfplay-four-stone-handicap.ngf`, '100', 212],
    [`${origin}/dizuze/gibo/markup.gib`, '1', 2],
  ];
  for (const [name, level, moves] of roads) {
    const shown = await e.evaluate(async (e, [name, level]) => {
      await e.getFile(name, level);
      return [e.move, e.lastMove];
    }, [name, level]);
    assert.equal(shown[0], 1, name);
    if (moves !== null) assert.equal(shown[1], moves, name);
    else assert.ok(shown[1] > 100, name);
  }
});

test('a failed load rejects and leaves the element as it was', async () => {
  const e = await element({ src: 'selfplay-commented-ko-fight.gib', level: '1' });
  await page.waitForFunction((e) => e.lastMove === 255, e);
  await e.evaluate((e) => e.goTo(100));
  const failures = await e.evaluate(async (e) => {
    const reasons = [];
    for (const [name, level] of [['77', '10'], ['no-such-record.gib', '1'], ['', '1']]) {
      try {
        await e.getFile(name, level);
        reasons.push('resolved');
      } catch (error) {
        reasons.push(error.message);
      }
    }
    return { reasons, move: e.move, last: e.lastMove, loading: e.hasAttribute('loading') };
  });
  assert.equal(failures.reasons[0], '해당기보가 없습니다.');
  assert.match(failures.reasons[1], /404/);
  assert.notEqual(failures.reasons[2], 'resolved');
  assert.deepEqual([failures.move, failures.last, failures.loading], [100, 255, false]);

  // A web server that does not answer: the attribute names it, the load fails.
  const away = await element({ 'web-server': '127.0.0.1:9' });
  const refused = await away.evaluate((e) => e.getFile('selfplay-commented-ko-fight.gib', '1')
    .then(() => 'resolved', () => 'rejected'));
  assert.equal(refused, 'rejected');

  // The page's configuration object names it for every element without the attribute.
  const configured = await e.evaluate(async (e) => {
    window.MoyoscopeConfig = { webServer: '127.0.0.1:9' };
    try {
      return await e.getFile('selfplay-commented-ko-fight.gib', '1').then(() => 'resolved',
                                                                          () => 'rejected');
    } finally {
      delete window.MoyoscopeConfig;
    }
  });
  assert.equal(configured, 'rejected');
});

test('goQNA offers the game up to the move shown as qna.NGF, as the desktop writes it', async () => {
  const e = await element();
  assert.equal(await e.evaluate((e) => e.goQNA()), 'no');
  await e.evaluate((e) => e.getFile('selfplay-commented-ko-fight.gib', '1').then(() => e.goTo(120)));
  const [download, answer] = await Promise.all([page.waitForEvent('download'),
                                                e.evaluate((e) => e.goQNA())]);
  assert.equal(answer, 'yes');
  assert.equal(download.suggestedFilename(), 'qna.NGF');
  const desktop = join(folder, 'desktop-qna.NGF');
  execFileSync(program, ['qna', join(folder, 'selfplay-commented-ko-fight.gib'), '--moves', '120',
                         '-o', desktop]);
  assert.deepEqual(readFileSync(await download.path()), readFileSync(desktop));
});

test('the news attribute opens the news panel on http addresses only', async () => {
  const news = `${server.origin}/dizuze/gibo/markup.gib`;
  const e = await element({ news });
  await page.waitForFunction((e) => !e.shadowRoot.querySelector('.news').hidden, e);
  assert.equal(await e.evaluate((e) => e.shadowRoot.querySelector('.news').src), news);
  assert.equal(await e.evaluate((e) => e.News), undefined);
  const kept = await e.evaluate((e) => {
    e.News = 'javascript:window.hacked=3';
    e.News = '';
    return new Promise((done) => setTimeout(() => done(e.shadowRoot.querySelector('.news').src), 50));
  });
  assert.equal(kept, news);
});

test('record texts are shown as text, never run as markup', async () => {
  const e = await element({ src: 'markup.gib', level: '1' });
  await page.waitForFunction((e) => e.lastMove === 2, e);
  const seen = await e.evaluate((e) => ({
    title: e.shadowRoot.querySelector('.title').textContent,
    players: e.shadowRoot.querySelector('.players').textContent,
    comment: e.shadowRoot.querySelector('.comment').textContent,
    elements: e.shadowRoot.querySelectorAll('b, i, img, script').length,
    hacked: window.hacked,
  }));
  assert.match(seen.title, /<b>event<\/b>/);
  assert.match(seen.players, /<img src=x onerror="window.hacked=1">/);
  assert.equal(seen.comment, '[1] <i>first</i>');
  assert.equal(seen.elements, 0);
  assert.equal(seen.hacked, undefined);
});

test('removing an element fires destroy and leaves the others working', async () => {
  const e = await element({ src: 'selfplay-commented-ko-fight.gib', level: '1' });
  await page.waitForFunction((e) => e.lastMove === 255, e);
  const destroyed = await e.evaluate((e) => {
    let fired = false;
    e.addEventListener('destroy', () => { fired = true; });
    e.remove();
    return fired;
  });
  assert.equal(destroyed, true);
  const [first] = await page.$$('moyo-scope');
  assert.equal(await first.evaluate((e) => { e.step(1); return e.move; }), 251);
});
