// Printing from the page in Debian's chromium: the options dialog's fields and
// rules, the options kept in localStorage across a reload, and the print
// view's pages and captions for each method.
import { after, before, beforeEach, test } from 'node:test';
import assert from 'node:assert/strict';
import { focused, samplesPage } from './harness.mjs';
import { openDemo, optionName as option, versionName as version } from './print-support.mjs';

let scene, page;

before(async () => {
  // Markup in every text the printed header carries; ASCII is CP949 too.
  scene = await samplesPage('print', {
    'markup.gib': '(;EV[<svg onload="window.hacked=1">]PB[<img src=x onerror="window.hacked=2">]' +
                  'PW[</text><script>window.hacked=3</script>]RE[a & b]DT[\'"]\r\n;B[pd];W[dp])',
  });
  page = scene.page;
});

after(async () => {
  await scene?.close();
});

// The demo page, with localStorage holding exactly `stored`, both records
// shown, and window.print keeping what the print view held when it was called.
async function load(stored = {}) {
  await openDemo(page, scene.origin, stored);
  await page.evaluate(() => {
    window.print = () => {
      window.printed = [...document.querySelectorAll('.moyo-print-view .moyo-print-page')]
        .map((sheet) => [...sheet.querySelectorAll('text')]
          .map((t) => t.textContent.replace(/\u00a0/g, ' ')));
    };
  });
}

const dialog = (selector) => page.locator(`.moyo-print-dialog ${selector}`);
const field = (name) => dialog(`[name=${name}]`);

// Opens the dialog on the element with that id.
async function open(id = 'commented') {
  await page.evaluate((id) => {
    window.printed = null;
    window.opened = MoyoPrint.open(document.getElementById(id));
  }, id);
  await dialog('.form').waitFor();
}

// Every field as the dialog shows it, with the enabled ones and the method checked.
function fields() {
  return page.evaluate(() => {
    const root = document.querySelector('.moyo-print-dialog').shadowRoot;
    const shown = {};
    for (const e of root.querySelectorAll('input[type=text], select')) {
      shown[e.name] = e.localName === 'select' ? e.selectedIndex : e.value;
      if (!e.disabled) shown.enabled = [...(shown.enabled || []), e.name];
    }
    shown.checked = [...root.querySelectorAll('input[type=radio]')]
      .filter((r) => r.checked).map((r) => r.id);
    return shown;
  });
}

// Types text into a field and leaves it.
async function enter(name, text) {
  await field(name).fill(text);
  await field(name).blur();
}

// OK, then the page count the open call resolved to and each page's captions:
// the frame's and the partial diagrams'.
async function ok() {
  await dialog('button').first().click();
  const count = await page.evaluate(() => window.opened);
  const pages = await page.evaluate(() => window.printed || []);
  return { count, captions: pages.map((texts) => texts.filter((t) => /^(\[|총보 :|부분보 :)/.test(t))) };
}

beforeEach(async () => load());

test('the dialog opens with the defaults, the A4 page in dots and the record range', async () => {
  await open();
  assert.deepEqual(await fields(), {
    edHeight: '7017', edWidth: '4958', edTMar: '500', edLMar: '400', edGrid: '185',
    edSPos: '1', edEPos: '255', edDNum: '50', cbNDiv: 2, checked: ['rbTotal'],
    enabled: ['edHeight', 'edWidth', 'edTMar', 'edLMar', 'edGrid'],
  });
  const texts = await page.evaluate(() => document.querySelector('.moyo-print-dialog').shadowRoot
    .querySelector('.form').innerText.split('\n').map((t) => t.trim()).filter(Boolean));
  for (const text of ['기보 인쇄', '프린터 설정', '전체 높이', '전체 너비', '위쪽 여백', '왼쪽 여백',
                      '바둑 단위', '인쇄 설정', '총보 상태로 인쇄', '총 255 수', '부분 상태로 인쇄',
                      '기보를', '수 씩 나누어 인쇄', '페이지 마다', '보씩 인쇄', '인  쇄', '취  소']) {
    assert.ok(texts.includes(text), `${text} in ${texts}`);
  }
});

test('fields are corrected as they are left, and the method enables its own', async () => {
  await open();
  await enter('edTMar', 'abc');
  await enter('edLMar', '100');
  assert.deepEqual([(await fields()).edTMar, (await fields()).edLMar], ['500', '200']);
  await enter('edTMar', '900');
  await enter('edLMar', '400');
  await enter('edGrid', '250');
  // 2 x 400 + 19 x 250 is wider than the page: (4958 - 800) div 19.
  assert.deepEqual([(await fields()).edTMar, (await fields()).edGrid], ['500', '218']);
  await enter('edGrid', '50');
  assert.equal((await fields()).edGrid, '90');

  await dialog('#rbRange').click();
  assert.deepEqual((await fields()).enabled.slice(-2), ['edSPos', 'edEPos']);
  await enter('edSPos', '0');
  await enter('edEPos', '300');
  assert.deepEqual([(await fields()).edSPos, (await fields()).edEPos], ['1', '255']);
  await enter('edSPos', '90');
  await enter('edEPos', '60');
  assert.deepEqual([(await fields()).edSPos, (await fields()).edEPos], ['90', '90']);

  await dialog('#rbSplit').click();
  const split = await fields();
  assert.deepEqual([split.checked, split.enabled.slice(-2)], [['rbSplit'], ['edDNum', 'cbNDiv']]);
  await enter('edDNum', '0');
  assert.equal((await fields()).edDNum, '1');
  await enter('edDNum', '500');
  assert.equal((await fields()).edDNum, '255');
});

test('cancel prints nothing and stores nothing; OK stores the six options', async () => {
  await open();
  const first = await page.evaluate(() => ({ ...localStorage }));
  assert.equal(first[version], '0408A');
  assert.deepEqual(['tmargin', 'lmargin', 'gogrid', 'splitno', 'perpage', 'method'].map((n) => first[option(n)]),
                   ['500', '400', '185', '50', '2', '1']);
  await enter('edTMar', '300');
  await dialog('button').last().click();
  assert.equal(await page.evaluate(() => window.opened), 0);
  assert.equal(await page.evaluate(() => window.printed), null);
  assert.deepEqual(await page.evaluate(() => ({ ...localStorage })), first);

  await open();
  await enter('edTMar', '300');
  await dialog('#rbSplit').click();
  await enter('edDNum', '30');
  await field('cbNDiv').selectOption('2');
  assert.equal((await ok()).count, 5);  // 255 moves, 30 a diagram, 2 a page
  assert.deepEqual(await page.evaluate((names) => names.map((n) => localStorage.getItem(n)),
                                       ['tmargin', 'lmargin', 'gogrid', 'splitno', 'perpage', 'method'].map(option)),
                   ['300', '400', '185', '30', '1', '3']);
});

test('the dialog keeps the keyboard: Tab goes round it, Escape cancels, the element gets it back', async () => {
  await open();
  assert.equal(await focused(page), '인  쇄');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), '취  소');
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'edHeight');
  await page.keyboard.press('Shift+Tab');
  assert.equal(await focused(page), '취  소');
  // A press beside the dialog leaves the focus in it.
  await page.mouse.click(3, 3);
  assert.equal(await focused(page), '취  소');
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => window.opened), 0);
  assert.equal(await page.evaluate(() => document.querySelector('.moyo-print-dialog')), null);
  assert.equal(await focused(page), 'commented');
});

test('the options are kept across a reload; another version or a wrong number is not', async () => {
  await open();
  await enter('edLMar', '250');
  await dialog('#rbSplit').click();
  await enter('edDNum', '40');
  await field('cbNDiv').selectOption('1');
  await ok();
  const stored = await page.evaluate(() => ({ ...localStorage }));
  await load(stored);
  await open();
  const kept = await fields();
  assert.deepEqual([kept.edLMar, kept.edDNum, kept.cbNDiv, kept.checked, kept.enabled.slice(-2)],
                   ['250', '40', 0, ['rbSplit'], ['edDNum', 'cbNDiv']]);

  await load({ ...stored, [option('gogrid')]: 'wide' });
  await open();
  assert.deepEqual([(await fields()).edGrid, (await fields()).edLMar], ['185', '250']);
  assert.equal(await page.evaluate((name) => localStorage.getItem(name), option('gogrid')), 'wide');

  await load({ ...stored, [version]: '0407' });
  await open();
  assert.deepEqual([(await fields()).edLMar, (await fields()).checked], ['400', ['rbTotal']]);
  assert.equal(await page.evaluate((name) => localStorage.getItem(name), version), '0408A');
  assert.equal(await page.evaluate((name) => localStorage.getItem(name), option('lmargin')), '400');

  // A stored method of 4 checks nothing; OK stores 4 again and prints the whole game.
  await load({ ...stored, [option('method')]: '4' });
  await open();
  assert.deepEqual((await fields()).checked, []);
  assert.deepEqual((await ok()).captions, [['총보 : 1 ~ 255']]);
  assert.equal(await page.evaluate((name) => localStorage.getItem(name), option('method')), '4');
});

test('each method prints its pages with their captions', async () => {
  await open();
  assert.deepEqual(await ok(), { count: 1, captions: [['총보 : 1 ~ 255']] });

  await open();
  await dialog('#rbRange').click();
  await enter('edSPos', '51');
  await enter('edEPos', '100');
  assert.deepEqual(await ok(), { count: 1, captions: [['부분보 : 51 ~ 100']] });

  await open();
  await dialog('#rbSplit').click();
  await field('cbNDiv').selectOption('1');
  const single = await ok();
  assert.equal(single.count, 6);
  assert.deepEqual(single.captions[5], ['[부분보 : 251 수 ~ 255 수]']);

  // 120 moves, 4 a page: three diagrams, the third of moves 101 to 120.
  await open('numbered');
  await dialog('#rbSplit').click();
  await field('cbNDiv').selectOption('4');
  assert.deepEqual(await ok(), {
    count: 1,
    captions: [['[부분보 : 1 수 ~ 50 수]', '[부분보 : 51 수 ~ 100 수]', '[부분보 : 101 수 ~ 120 수]']],
  });
});

test('members of levels 0 and 2 get the members-only notice instead of the dialog', async () => {
  await page.evaluate(() => {
    const e = document.createElement('moyo-scope');
    e.id = 'guest';
    e.setAttribute('src', 'selfplay-commented-ko-fight.gib');
    e.setAttribute('level', '2');
    document.body.append(e);
  });
  await page.waitForFunction(() => document.getElementById('guest').lastMove > 0);
  await page.evaluate(() => { window.opened = MoyoPrint.open(document.getElementById('guest')); });
  await dialog('.notice').waitFor();
  const texts = await page.evaluate(() => document.querySelector('.moyo-print-dialog').shadowRoot
    .querySelector('.form').innerText);
  assert.match(texts, /알림/);
  assert.match(texts, /정회원서비스입니다\./);
  await dialog('button').click();
  assert.equal(await page.evaluate(() => window.opened), 0);
  assert.equal(await page.evaluate(() => document.querySelector('.moyo-print-dialog')), null);
});

test('record texts are printed as text, never run as markup', async () => {
  await page.evaluate(() => {
    const e = document.createElement('moyo-scope');
    e.id = 'markup';
    e.setAttribute('src', 'markup.gib');
    e.setAttribute('level', '1');
    document.body.append(e);
  });
  await page.waitForFunction(() => document.getElementById('markup').lastMove === 2);
  await open('markup');
  assert.deepEqual((await ok()).count, 1);
  const texts = await page.evaluate(() => window.printed[0]);
  for (const text of ['<svg onload="window.hacked=1">', '<img src=x onerror="window.hacked=2">',
                      '</text><script>window.hacked=3</script>', 'a & b', '\'"']) {
    assert.ok(texts.some((t) => t.endsWith(text)), `${text} in ${texts}`);
  }
  assert.equal(await page.evaluate(() => window.hacked), undefined);
  assert.equal(await page.evaluate(() => document.querySelectorAll(
    '.moyo-print-view img, .moyo-print-view script, .moyo-print-view svg svg').length), 0);
});
