// Figures of printing from the page (not a test; nothing here is asserted):
//   node print-measure.mjs
// For the 255-move sample in headless chromium: the time from OK to the print
// view handed to window.print() (the module's layout and drawing of every page
// as SVG, and the pages put into the view), the SVG's size, and the browser's
// own rendering of the view as PDF (page.pdf, the print pipeline). For the
// choice of SVG over an RGBA page: what an empty A4 raster page alone costs.
import { join } from 'node:path';
import { browser, root, serve } from './harness.mjs';
import { openDemo, storedOptions } from './print-support.mjs';

const methods = [
  ['whole game', { method: '1' }],
  ['split 50, 4 a page', { method: '3', splitno: '50', perpage: '2' }],
  ['split 50, 1 a page', { method: '3', splitno: '50', perpage: '0' }],
  ['split 1, 1 a page', { method: '3', splitno: '1', perpage: '0' }],
];

const server = await serve(join(root, 'samples'));
const chromium = await browser();
try {
  const page = await chromium.context.newPage();
  for (const [name, options] of methods) {
    await openDemo(page, server.origin, storedOptions(options));
    const rounds = [];
    for (let round = 0; round < 3; ++round) {
      await page.evaluate(() => {
        window.print = () => {
          const pages = document.querySelectorAll('.moyo-print-page svg');
          window.figures.ms = performance.now() - window.figures.start;
          window.figures.pages = pages.length;
          window.figures.bytes = [...pages].reduce((n, svg) => n + svg.outerHTML.length, 0);
        };
        window.figures = {};
        window.opened = MoyoPrint.open(document.getElementById('commented'));
        // The module's share: layout and drawing of every page as SVG markup.
        MoyoLoader.module().then((module) => {
          const draw = module._moyo_print_ok;
          module._moyo_print_ok = (fields) => {
            const start = performance.now();
            const count = draw(fields);
            window.figures.module = performance.now() - start;
            module._moyo_print_ok = draw;
            return count;
          };
        });
      });
      const ok = page.locator('.moyo-print-dialog button').first();
      await ok.waitFor();
      await ok.evaluate((button) => { window.figures.start = performance.now(); button.click(); });
      await page.evaluate(() => window.opened);
      rounds.push(await page.evaluate(() => window.figures));
    }
    const best = rounds.reduce((a, b) => (b.ms < a.ms ? b : a));
    const { pages, bytes } = rounds[0];
    const start = Date.now();
    await page.pdf({ preferCSSPageSize: true });
    console.log(`${name}: ${pages} pages, OK to print view ${best.ms.toFixed(1)} ms (best of 3; ` +
                `the module's layout and drawing ${best.module.toFixed(1)} ms), ` +
                `SVG ${(bytes / 1024).toFixed(0)} KB, browser PDF rendering ${Date.now() - start} ms`);
  }
  const raster = await page.evaluate(async () => {
    const figures = [];
    for (const dpi of [300, 600]) {
      const width = Math.round(595 * dpi / 72), height = Math.round(842 * dpi / 72);
      const start = performance.now();
      const pixels = new Uint8ClampedArray(width * height * 4).fill(255);
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
      const blob = await new Promise((done) => canvas.toBlob(done, 'image/png'));
      figures.push({ dpi, mb: pixels.length / 1048576, ms: performance.now() - start, png: blob.size });
    }
    return figures;
  });
  for (const r of raster) {
    console.log(`an empty RGBA A4 page at ${r.dpi} dpi: ${r.mb.toFixed(0)} MB, ` +
                `filled, shown on a canvas and kept as PNG in ${r.ms.toFixed(0)} ms`);
  }
} finally {
  await chromium.close();
  await server.stop();
}
