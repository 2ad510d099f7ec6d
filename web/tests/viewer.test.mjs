// The web viewer in Debian's chromium against `moyoscope serve`: loading by
// every road, the form's buttons, board clicks, keys and edits, trial mode,
// numbers, guessing with its notices, levels, settings, two elements on one
// page, and record texts kept as text.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { join } from 'node:path';
import { focused, program, samplesPage } from './harness.mjs';

const sample = 'selfplay-commented-ko-fight.gib';
let scene, folder, origin, page, moves;

before(async () => {
  // Markup in every text a record carries; ASCII is CP949 too.
  scene = await samplesPage('web', {
    'markup.gib': '(;EV[<b>event</b>]PB[<img src=x onerror="window.hacked=1">]BR[1d]PW[W]WR[2d]' +
                  'C[<script>window.hacked=2</script>]\r\n;B[pd]C[<i>first</i>];W[dp])',
  });
  ({ folder, origin, page } = scene);
  moves = JSON.parse(execFileSync(program, ['parse', join(folder, sample)])).moves;
  await page.waitForFunction(() => [...document.querySelectorAll('moyo-scope')]
    .every((e) => e.lastMove > 0));
});

after(async () => {
  await scene?.close();
});

// A fresh element on the page with these attributes, once its form is built
// (and, with a src, once the record is on the board).
async function element(attributes = {}) {
  const e = await page.evaluateHandle(async (attributes) => {
    const e = document.createElement('moyo-scope');
    for (const [name, value] of Object.entries(attributes)) e.setAttribute(name, value);
    const created = new Promise((done) => e.addEventListener('create', done, { once: true }));
    document.body.append(e);
    await created;
    return e;
  }, attributes);
  if (attributes.src) await page.waitForFunction((e) => e.lastMove > 0, e);
  return e;
}

// The component of the form with this class.
function part(e, name) {
  return e.evaluateHandle((e, name) => e.shadowRoot.querySelector(`.${name}`), name);
}

async function click(e, name, options) {
  await (await part(e, name)).click(options);
}

// What the element shows: move, record end, the notices' texts and which of
// the named components are shown.
function seen(e, names = []) {
  return e.evaluate((e, names) => {
    const shown = {};
    for (const name of names) {
      const node = e.shadowRoot.querySelector(`.${name}`);
      shown[name] = !!node && !node.closest('[hidden]');
    }
    return { move: e.move, last: e.lastMove, shown,
             notices: [...e.shadowRoot.querySelectorAll('.notice .text')].map((n) => n.textContent),
             captions: [...e.shadowRoot.querySelectorAll('.notice .caption')].map((n) => n.textContent) };
  }, names);
}

// Clicks point x, y (1 to 19) of the board with the button.
async function clickPoint(e, x, y, button = 'left') {
  const board = await part(e, 'board');
  const cell = await board.evaluate((canvas) => Math.floor((canvas.width - 20) / 19));
  await board.click({ position: { x: (x - 1) * cell + cell / 2, y: (y - 1) * cell + cell / 2 }, button });
}

const boardPicture = (e) => e.evaluate((e) => e.shadowRoot.querySelector('.board').toDataURL());
const closeNotices = (e) => e.evaluate((e) => e.shadowRoot.querySelectorAll('.notice .ok')
  .forEach((ok) => ok.click()));

test('the demo page shows both samples; each element steps on its own', async () => {
  const [first, second] = await page.$$('moyo-scope');
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('moyo-scope')]
    .map((e) => [e.move, e.lastMove])), [[1, 255], [1, 120]]);

  const steps = [[3, 2], [3, 3], [5, 255], [1, 250], [2, 249], [4, 254], [0, 0]];
  for (const [tag, move] of steps) {
    await click(first, `navButton${tag}`);
    assert.equal((await seen(first)).move, move, `navButton${tag}`);
  }
  assert.equal((await seen(second)).move, 1);

  await second.focus();
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('PageDown');
  assert.equal((await seen(second)).move, 7);
  await page.keyboard.press('Home');
  assert.equal((await seen(second)).move, 0);
  assert.equal((await seen(first)).move, 0);
  // The numbered record hides the guessing row.
  assert.deepEqual((await seen(second, ['BBtn', 'HintBtn', 'autoBtn'])).shown,
                   { BBtn: false, HintBtn: false, autoBtn: true });
  assert.deepEqual((await seen(first, ['BBtn', 'HintBtn'])).shown, { BBtn: true, HintBtn: true });
});

test('board clicks and the wheel step forward and back; the end gets its notice', async () => {
  const e = await element({ src: sample, level: '1' });
  await clickPoint(e, 4, 4);
  await clickPoint(e, 10, 12);
  assert.equal((await seen(e)).move, 3);
  await clickPoint(e, 3, 3, 'right');
  assert.equal((await seen(e)).move, 2);
  const board = await part(e, 'board');
  await board.hover();
  await page.mouse.wheel(0, 100);
  assert.equal((await seen(e)).move, 3);
  await page.mouse.wheel(0, -100);
  assert.equal((await seen(e)).move, 2);

  await click(e, 'navButton5');
  await clickPoint(e, 4, 4);
  const end = await seen(e);
  assert.deepEqual([end.move, end.notices, end.captions], [255, ['마지막 수순입니다.'], ['알림']]);
  // The notice is modal: keys wait until it is closed.
  await e.focus();
  await page.keyboard.press('Home');
  assert.equal((await seen(e)).move, 255);
  await closeNotices(e);
  assert.deepEqual((await seen(e)).notices, []);
});

test('a notice keeps the keyboard until OK or Escape closes it, then gives it back', async () => {
  const e = await element({ src: sample, level: '1' });
  const edit = await part(e, 'moveEd');
  for (const close of ['Escape', 'Enter']) {
    await edit.fill('x');
    await edit.press('Enter');
    assert.equal(await focused(page), 'ok');
    for (const key of ['Tab', 'Tab', 'Shift+Tab']) {
      await page.keyboard.press(key);
      assert.equal(await focused(page), 'ok', key);
    }
    // A press on the cover or on the element around the box changes nothing.
    await (await part(e, 'cover')).click({ position: { x: 5, y: 5 } });
    assert.equal(await focused(page), 'ok');
    await e.focus();
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), 'ok', 'from the element');
    await page.keyboard.press(close);
    assert.deepEqual((await seen(e)).notices, [], close);
    assert.equal(await focused(page), 'moyo-scope', close);
  }
});

test('click and dblclick come from the form itself, never from its controls', async () => {
  const e = await element({ src: sample, level: '1' });
  await e.evaluate((e) => {
    window.fired = [];
    for (const name of ['click', 'dblclick']) e.addEventListener(name, () => window.fired.push(name));
  });
  await click(e, 'navButton3');
  await (await part(e, 'moveEd')).click();
  await (await part(e, 'commentM')).dblclick();
  await (await part(e, 'board')).dblclick();
  await (await part(e, 'Image1')).click();
  assert.deepEqual(await page.evaluate(() => window.fired), []);
  // The panels cover the whole form; with its left side taken away, the form shows.
  await e.evaluate((e) => { e.shadowRoot.querySelector('.leftP').hidden = true; });
  const box = await e.boundingBox();
  await page.mouse.dblclick(box.x + 20, box.y + 300);
  await page.mouse.click(box.x + 20, box.y + 300, { button: 'right' });
  assert.deepEqual(await page.evaluate(() => window.fired), ['click', 'click', 'dblclick']);
});

test('the jump edit goes to a move; anything but a positive number is refused', async () => {
  const e = await element({ src: sample, level: '1' });
  const edit = await part(e, 'moveEd');
  await edit.fill('120');
  await edit.press('Enter');
  assert.equal((await seen(e)).move, 120);
  await edit.fill('999');
  await click(e, 'moveBtn');
  assert.equal((await seen(e)).move, 255);
  assert.equal(await edit.inputValue(), '255');
  await edit.fill('x');
  await edit.press('Enter');
  const refused = await seen(e);
  assert.deepEqual([refused.move, refused.notices], [255, ['숫자를 입력하세요.']]);
  assert.equal(await edit.inputValue(), '');
  await closeNotices(e);
});

test('automatic play steps by itself at its pace and stops on its stop face', async () => {
  const e = await element({ src: sample, level: '1' });
  await (await part(e, 'secondSE')).fill('1');
  await click(e, 'autoBtn');
  assert.deepEqual((await seen(e, ['autoBtn', 'autoEndBtn'])).shown, { autoBtn: false, autoEndBtn: true });
  await page.waitForFunction((e) => e.move >= 3, e, { timeout: 5000 });
  await click(e, 'autoEndBtn');
  const stopped = await seen(e, ['autoBtn', 'autoEndBtn']);
  assert.deepEqual(stopped.shown, { autoBtn: true, autoEndBtn: false });
  await page.waitForTimeout(1300);
  assert.equal((await seen(e)).move, stopped.move);
});

test('trial mode plays on the position shown and returns exactly to it', async () => {
  const e = await element({ src: sample, level: '1' });
  await e.evaluate((e) => e.goTo(57));
  const before = await boardPicture(e);
  const frame = () => e.evaluate((e) => getComputedStyle(e.shadowRoot.querySelector('.panP')).backgroundColor);
  const normal = await frame();
  await click(e, 'testBtn');
  assert.equal(await frame(), 'rgb(64, 128, 128)');
  await clickPoint(e, 1, 1);
  await clickPoint(e, 19, 19);
  await clickPoint(e, 19, 19);  // occupied: nothing is placed
  assert.deepEqual([(await seen(e)).move, (await seen(e)).last], [59, 59]);
  await click(e, 'testEndBtn');
  const back = await seen(e, ['testBtn', 'testEndBtn']);
  assert.deepEqual([back.move, back.last, back.shown], [57, 255, { testBtn: true, testEndBtn: false }]);
  assert.equal(await frame(), normal);
  assert.equal(await boardPicture(e), before);
  await click(e, 'navButton3');
  assert.equal((await seen(e)).move, 58);
});

test('numbers go on every stone and off again, leaving the last-move mark', async () => {
  const e = await element({ src: sample, level: '1' });
  await e.evaluate((e) => e.goTo(40));
  const before = await boardPicture(e);
  await click(e, 'numBtn');
  assert.deepEqual((await seen(e, ['numBtn', 'numEndBtn'])).shown, { numBtn: false, numEndBtn: true });
  assert.notEqual(await boardPicture(e), before);
  await click(e, 'numEndBtn');
  assert.deepEqual((await seen(e, ['numBtn', 'numEndBtn'])).shown, { numBtn: true, numEndBtn: false });
  assert.equal(await boardPicture(e), before);
});

test('guessing: a right guess brings the reply, a wrong one a notice that closes itself', async () => {
  const e = await element({ src: sample, level: '1' });
  await click(e, 'BBtn');
  const status = () => e.evaluate((e) => e.shadowRoot.querySelector('.StatusL').textContent);
  assert.equal(await status(), '흑 맞추기');
  // Move 1 is Black's: choosing Black plays White's move 2 first.
  const start = (await seen(e)).move;
  const next = moves[start];
  assert.equal(next[2], 0, 'Black is to move');

  await clickPoint(e, next[0] === 1 ? 2 : 1, next[1]);
  assert.deepEqual((await seen(e)).notices, ['틀렸습니다.']);
  await page.waitForFunction((e) => !e.shadowRoot.querySelector('.notice'), e, { timeout: 2000 });
  // Closed early by the user, the notice leaves nothing to close the next one.
  await clickPoint(e, next[0] === 1 ? 2 : 1, next[1]);
  await closeNotices(e);
  await clickPoint(e, 19, 1, 'right');
  assert.equal((await seen(e)).notices.length, 1, 'the notice of messages 4 and 5');
  await page.waitForTimeout(800);
  assert.equal((await seen(e)).notices.length, 1, 'no timer closed it');
  assert.match((await seen(e)).notices[0], /다음수 맞추기 상태에서는 사용할 수 없습니다\.\r?\n\r?\n기보감상/);
  await closeNotices(e);

  await click(e, 'HintBtn');
  assert.deepEqual((await seen(e, ['HintBtn', 'HintXBtn'])).shown, { HintBtn: false, HintXBtn: true });
  await clickPoint(e, next[0], next[1]);
  assert.equal((await seen(e)).move, start + 1);
  await page.waitForFunction(([e, move]) => e.move === move, [e, start + 2], { timeout: 3000 });
  await click(e, 'HintXBtn');
  assert.deepEqual((await seen(e, ['HintBtn', 'HintXBtn'])).shown, { HintBtn: true, HintXBtn: false });
  await click(e, 'giboBtn');
  assert.equal(await status(), '기보감상');
});

test('the print button opens the print dialog on what the element shows', async () => {
  const e = await element({ src: sample, level: '1' });
  await click(e, 'printBtn');
  const dialog = page.locator('.moyo-print-dialog button');
  await dialog.last().waitFor();
  await dialog.last().click();  // cancel
  await page.waitForFunction(() => !document.querySelector('.moyo-print-dialog'));
});

test('member levels: 10 and 100 hide the guessing row, 0 and 2 refuse it', async () => {
  const hidden = await element({ src: sample, level: '100' });
  const row = ['Bevel3', 'Label2', 'BWBtn', 'BBtn', 'WBtn', 'HintBtn', 'giboBtn', 'Bevel4'];
  assert.ok(Object.values((await seen(hidden, row)).shown).every((shown) => !shown));
  assert.equal(await hidden.evaluate((e) => e.shadowRoot.querySelector('.movesP').offsetHeight), 38);

  const limited = await element({ src: sample, level: '0' });
  await click(limited, 'WBtn');
  assert.deepEqual((await seen(limited)).notices, ['정회원서비스입니다.']);
  await closeNotices(limited);
  assert.equal(await limited.evaluate((e) => e.shadowRoot.querySelector('.giboBtn.down') !== null), true);
});

test('the record servers come from the settings kept in localStorage', async () => {
  const e = await element();
  const load = () => e.evaluate((e, name) => e.getFile(name, '1').then(() => 'resolved', () => 'rejected'),
                                sample);
  await page.evaluate(() => localStorage.setItem('Software\\NetMoyoscope\\Server Info\\webserver',
                                                 '127.0.0.1:9'));
  try {
    assert.equal(await load(), 'rejected');
  } finally {
    await page.evaluate(() => localStorage.removeItem('Software\\NetMoyoscope\\Server Info\\webserver'));
  }
  assert.equal(await load(), 'resolved');
});

test('a keypress listener may replace the key; Ctrl+R turns the board', async () => {
  const e = await element({ src: sample, level: '1' });
  await e.evaluate((e) => e.addEventListener('keypress', (event) => {
    if (event.detail.key === 'n') event.detail.key = 'ArrowRight';
  }));
  await e.focus();
  await page.keyboard.press('n');
  assert.equal((await seen(e)).move, 2);
  // Ctrl+R turns the board by 180 degrees, and back.
  const upright = await boardPicture(e);
  await page.keyboard.press('Control+r');
  assert.notEqual(await boardPicture(e), upright);
  await page.keyboard.press('Control+r');
  assert.equal(await boardPicture(e), upright);
});

test('getFile takes every road and resolves once the record is on the board', async () => {
  const e = await element();
  const roads = [
    [sample, '1', 255],
    ['1002', '10', null],
    [`${origin}/dizuze/gibo/selfplay-four-stone-handicap.ngf`, '100', 212],
    [`${origin}/dizuze/gibo/markup.gib`, '1', 2],
  ];
  for (const [name, level, last] of roads) {
    const shown = await e.evaluate(async (e, [name, level]) => {
      await e.getFile(name, level);
      return [e.move, e.lastMove];
    }, [name, level]);
    assert.equal(shown[0], 1, name);
    if (last !== null) assert.equal(shown[1], last, name);
    else assert.ok(shown[1] > 100, name);
  }
});

test('a failed load rejects and leaves the element as it was', async () => {
  const e = await element({ src: sample, level: '1' });
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
  assert.deepEqual((await seen(e)).notices, ['해당기보가 없습니다.']);

  // A web server that does not answer: the attribute names it, the load fails.
  const away = await element({ 'web-server': '127.0.0.1:9' });
  const refused = await away.evaluate((e, name) => e.getFile(name, '1')
    .then(() => 'resolved', () => 'rejected'), sample);
  assert.equal(refused, 'rejected');

  // The page's configuration object names it for every element without the attribute.
  const configured = await away.evaluate(async (e, name) => {
    e.removeAttribute('web-server');
    window.MoyoscopeConfig = { webServer: '127.0.0.1:9' };
    try {
      return await e.getFile(name, '1').then(() => 'resolved', () => 'rejected');
    } finally {
      delete window.MoyoscopeConfig;
    }
  }, sample);
  assert.equal(configured, 'rejected');

  // A server that takes the request and never answers: the form is built all
  // the same, showing the record as still coming.
  const sockets = [];
  const silent = createServer((socket) => sockets.push(socket));
  await new Promise((done) => silent.listen(0, '127.0.0.1', done));
  try {
    const waiting = await page.evaluate(async (server) => {
      const e = document.createElement('moyo-scope');
      e.setAttribute('web-server', server);
      e.setAttribute('src', 'never.gib');
      const created = new Promise((done) => e.addEventListener('create', () => done(true), { once: true }));
      document.body.append(e);
      // Bounded, so a form that waits for the record forever fails rather than hangs.
      const built = await Promise.race([created, new Promise((done) => setTimeout(done, 10000, false))]);
      const state = { built, loading: e.hasAttribute('loading'), last: e.lastMove };
      e.remove();
      return state;
    }, `127.0.0.1:${silent.address().port}`);
    assert.deepEqual(waiting, { built: true, loading: true, last: 0 });
  } finally {
    sockets.forEach((socket) => socket.destroy());
    silent.close();
  }
});

test('goQNA offers the game up to the move shown as qna.NGF, as the desktop writes it', async () => {
  const e = await element();
  assert.equal(await e.evaluate((e) => e.goQNA()), 'no');
  await e.evaluate((e, name) => e.getFile(name, '1').then(() => e.goTo(120)), sample);
  const [download, answer] = await Promise.all([page.waitForEvent('download'),
                                                e.evaluate((e) => e.goQNA())]);
  assert.equal(answer, 'yes');
  assert.equal(download.suggestedFilename(), 'qna.NGF');
  const desktop = join(folder, 'desktop-qna.NGF');
  execFileSync(program, ['qna', join(folder, sample), '--moves', '120', '-o', desktop]);
  assert.deepEqual(readFileSync(await download.path()), readFileSync(desktop));
});

test('the news panel opens on http addresses only and folds with its button', async () => {
  const news = `${origin}/dizuze/gibo/markup.gib`;
  const e = await element({ news });
  const panel = () => e.evaluate((e) => ({
    height: e.shadowRoot.querySelector('.NewsP').offsetHeight,
    src: e.shadowRoot.querySelector('.WebNews')?.src,
  }));
  await page.waitForFunction((e) => e.shadowRoot.querySelector('.NewsP').offsetHeight > 0, e);
  assert.deepEqual(await panel(), { height: 165, src: news });
  assert.equal(await e.evaluate((e) => e.News), undefined);
  await click(e, 'newsBtn');
  assert.equal((await panel()).height, 22);
  await click(e, 'newsBtn');
  assert.equal((await panel()).height, 165);
  await e.evaluate((e) => { e.News = 'javascript:window.hacked=3'; e.News = ''; });
  await page.waitForTimeout(50);
  assert.equal((await panel()).src, news);
});

test('record texts are shown as text, never run as markup; links are drawn as links and open', async () => {
  const e = await element({ src: 'markup.gib', level: '1' });
  const shown = await e.evaluate((e) => ({
    title: e.shadowRoot.querySelector('.eventNameL').textContent,
    black: e.shadowRoot.querySelector('.bPlayerL').textContent,
    memo: e.shadowRoot.querySelector('.commentM').textContent,
    elements: e.shadowRoot.querySelectorAll('b, i, img, script').length,
    hacked: window.hacked,
  }));
  assert.equal(shown.title, '<b>event</b>');
  assert.equal(shown.black, '<img src=x onerror="window.hacked=1">');
  assert.equal(shown.memo, '[1] <i>first</i>');
  assert.equal(shown.elements, 0);
  assert.equal(shown.hacked, undefined);

  const commented = await element({ src: sample, level: '1' });
  await commented.evaluate((e) => e.goTo(18));
  const link = await commented.evaluate((e) => {
    const link = e.shadowRoot.querySelector('.commentM .link:not(:empty)');
    return [link.textContent, getComputedStyle(link).color, getComputedStyle(link).textDecorationLine];
  });
  assert.deepEqual(link, ['참고도 18-1', 'rgb(0, 0, 160)', 'underline']);
  // A click on it opens the diagram in the element's reference panel.
  await (await commented.evaluateHandle((e) => e.shadowRoot.querySelector('.commentM .link:not(:empty)'))).click();
  await page.waitForFunction((e) => e.shadowRoot.querySelector('.ref-window:not([hidden])'), commented);
});

test('removing an element fires destroy and leaves the others working', async () => {
  const e = await element({ src: sample, level: '1' });
  const destroyed = await e.evaluate((e) => {
    let fired = false;
    e.addEventListener('destroy', () => { fired = true; });
    e.remove();
    return fired;
  });
  assert.equal(destroyed, true);
  const [first] = await page.$$('moyo-scope');
  const before = (await seen(first)).move;
  await click(first, 'navButton3');
  assert.equal((await seen(first)).move, before + 1);
});
