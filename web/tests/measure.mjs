// Figures of the web viewer (not a test; nothing here is asserted):
//   node measure.mjs
// gzip transfer sizes of the bundle, DOMContentLoaded to the first painted move
// of a 255-move record from `moyoscope serve` on loopback with what the page
// transferred (a second visit revalidates its copies), and one forward step
// with painting, in headless chromium.
import { cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { browser, bundle, root, serve } from './harness.mjs';

const gz = (file) => gzipSync(readFileSync(join(bundle, file)), { level: 9 }).length;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const sum = (files) => files.reduce((total, file) => total + gz(file), 0);

const script = gz('moyoscope.js');
const module = gz('moyoscope.wasm');
const boardPictures = ['artwork/board.pack', 'artwork/stones26.pack'];
// The form's faces, strip, title and wallpaper, in one pack.
const formPictures = ['artwork/form.pack'];
const allPictures = readdirSync(join(bundle, 'artwork')).map((name) => `artwork/${name}`);
const fonts = readdirSync(join(bundle, 'fonts')).map((name) => `fonts/${name}`);
console.log(`script ${kb(script)}, module ${kb(module)}`);
console.log(`artwork for one cell size ${kb(sum(boardPictures))}, every cell size's board pictures ` +
            `${kb(sum(allPictures) - sum(formPictures))}, the form's pictures ${kb(sum(formPictures))}`);
const element = script + module + sum(boardPictures) + sum(formPictures);
console.log(`fonts ${kb(sum(fonts))} (${fonts.map((f) => `${f.slice(6)} ${kb(gz(f))}`).join(', ')})`);
console.log(`element without fonts ${kb(element)}, with every font ${kb(element + sum(fonts))}`);

const page = `<!DOCTYPE html><meta charset="utf-8"><script src="moyoscope.js"></script>
<script>
  window.figures = {};
  document.addEventListener('DOMContentLoaded', () => { figures.ready = performance.now(); });
  document.addEventListener('paint', (event) => {
    if (event.target.lastMove > 0 && !figures.painted) figures.painted = performance.now();
  });
</script>
<moyo-scope src="selfplay-commented-ko-fight.gib" level="1"></moyo-scope>`;

// The page is served from a scratch copy of the bundle: a page routed through
// playwright would send every request of the page through this process.
const web = mkdtempSync(join(tmpdir(), 'moyo-measure-'));
cpSync(bundle, web, { recursive: true });
writeFileSync(join(web, 'measure.html'), page);
const server = await serve(join(root, 'samples'), web);
const chromium = await browser();
try {
  const tab = await chromium.context.newPage();
  const cdp = await chromium.context.newCDPSession(tab);
  let fetched = null;
  // A new visitor with the browser just started, one whose browser was already
  // running (its cache emptied), and one coming back.
  const visits = [['first visit, browser just started', null],
                  ['first visit, browser running', () => cdp.send('Network.clearBrowserCache')],
                  ['second visit (cached)', null]];
  for (const [visit, prepare] of visits) {
    if (prepare) await prepare();
    await tab.goto(`${server.origin}/moyoscope/web/measure.html`);
    await tab.waitForFunction(() => window.figures.painted);
    // A copy revalidated with a 304 counts only its headers.
    const f = await tab.evaluate(() => ({
      ...window.figures,
      sizes: performance.getEntries().filter((e) => 'transferSize' in e).map((e) => e.transferSize),
    }));
    const transferred = f.sizes.reduce((sum, size) => sum + size, 0);
    console.log(`${visit}: DOMContentLoaded to the first move painted ${(f.painted - f.ready).toFixed(1)} ms, ` +
                `${f.sizes.length} requests, ${kb(transferred)} transferred`);
    if (fetched) continue;
    // The fonts the page's texts (form, record information, commentary) made it fetch.
    await tab.evaluate(() => document.fonts.ready);
    fetched = await tab.evaluate(() => performance.getEntriesByType('resource')
      .map((entry) => new URL(entry.name).pathname).filter((path) => path.includes('/fonts/'))
      .map((path) => `fonts/${path.slice(path.lastIndexOf('/') + 1)}`));
  }
  console.log(`fonts fetched ${kb(sum(fetched))} (${fetched.map((f) => f.slice(6)).join(', ')}); ` +
              `element with them ${kb(element + sum(fetched))}`);
  const step = await tab.evaluate(() => {
    const e = document.querySelector('moyo-scope');
    const rounds = 5;
    let total = 0;
    for (let r = 0; r < rounds; ++r) {
      e.goTo(0);
      const start = performance.now();
      for (let i = 0; i < 255; ++i) e.step(1);
      total += performance.now() - start;
    }
    return total / (rounds * 255);
  });
  console.log(`one forward step with painting: ${step.toFixed(3)} ms (mean of 5 x 255 steps)`);
} finally {
  await chromium.close();
  await server.stop();
  rmSync(web, { recursive: true, force: true });
}
